#pragma once

#include <memory>
#include <optional>

#include <QWidget>

#include "digit_glyphs.h"

class QLineEdit;

namespace vortalin::qt {

/// A text box for a number that the game rewrites every tick. While it does not have the
/// focus it draws its box once and the digits from the glyph cache without laying text out,
/// and repaints only the digits that change; while the player types into it, for a text
/// that is not a number, and until its glyphs are ready after the window's first frame, a
/// real line edit in it takes over. Either way it shows the same pixels as that line edit.
class DigitsDisplay final : public QWidget {
  Q_OBJECT

 public:
  DigitsDisplay(const QString& text, QWidget* parent);
  ~DigitsDisplay() override;

  QString text() const;
  void setText(const QString& text);
  /// The line edit the player types into; it is shown only while it is in use.
  QLineEdit& editor() const { return *editor_; }
  /// From now on shows every text by the line edit: the rendering the display's own must match.
  void usePlainLineEdit();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPoint origin() const;
  DigitGlyphs& glyphs();
  void forgetGlyphs();
  void prepareGlyphsWhenIdle();
  void showEditor();
  void showText();
  void updateText(DigitGlyphs::Text text);

  QLineEdit* editor_;
  QString text_;
  std::unique_ptr<DigitGlyphs> glyphs_;
  std::optional<DigitGlyphs::Text> shown_;  // drawn over the empty box while the editor is hidden
  bool preparing_ = false;
  bool editing_ = false;
  bool plain_ = false;
};

}  // namespace vortalin::qt
