#pragma once

#include <vector>

#include <QGlyphRun>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include "form/classic_look.h"
#include "glyph_images.h"

class QLineEdit;

namespace vortalin::qt {

/// A text box for a number that the game rewrites every tick. It draws its border's rings and
/// its inside once per size, scale and inside colour, draws its text where a line edit would
/// put it, and repaints only the characters that change. A frameless line edit over the
/// inside takes over while the player types.
class DigitsDisplay final : public QWidget {
  Q_OBJECT

 public:
  /// A box with the border's rings around its inside, each one logical pixel wide.
  DigitsDisplay(const QString& text, Qt::Alignment alignment, form::Rings border,
                QWidget* parent);

  QString text() const;
  void setText(const QString& text);
  /// The line edit the player types into; it is shown only while it is in use.
  QLineEdit& editor() const { return *editor_; }
  /// The area inside the border.
  QRect insideRect() const;

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
  /// A text laid out in the box.
  struct Placed {
    QString text;
    QList<QGlyphRun> runs;  // laid out once, drawn at every paint
    QPointF runsAt;         // where the runs' origin lies in the box
  };
  struct Glyph {
    quint32 index;
    QPointF at;
    QRect ink;
  };

  Placed place(const QString& text) const;
  static std::vector<Glyph> glyphsOf(const Placed& placed);
  QRegion changedArea(const Placed& before, const Placed& after) const;
  const QPixmap& panel();
  void replaceText(const QString& text);
  void showEditor();
  void hideEditor();
  bool forwardToEditor(QMouseEvent* event);

  QLineEdit* editor_;
  form::Rings border_;
  Placed shown_;
  QPixmap panel_;
  QRgb panelInside_ = 0;
  GlyphImages largeGlyphs_;
  bool editing_ = false;
};

}  // namespace vortalin::qt
