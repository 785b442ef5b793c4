#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRawFont>
#include <QRect>
#include <QString>

class QLineEdit;
class QPainter;

namespace vortalin::qt {

/// Draws whole numbers exactly as a line edit shows them, from Qt's glyph cache and without
/// laying text out: the glyphs, their advances and the kerning of each pair are looked up
/// once, and where the line edit puts a text is measured once against its own rendering.
/// The empty box is rendered again for each palette the line edit takes: its frame shows the
/// window's colour, which a race switches back and forth.
class DigitGlyphs {
 public:
  /// A number ready to draw, in logical pixels of the line edit.
  struct Text {
    QGlyphRun run;
    std::vector<QRect> glyphAreas;  // where each glyph may change pixels
  };

  /// Measures `editor` as it paints at `origin` in its window at `ratio` device pixels per
  /// logical pixel, in its current palette. Renders it a few times.
  DigitGlyphs(QLineEdit& editor, QPoint origin, qreal ratio);

  /// Whether this draws exactly what the line edit shows for the numbers it accepts.
  bool usable() const { return measured_ && boxes_.back().coversOrLeaves; }
  bool madeFor(QPoint origin, qreal ratio) const { return origin == origin_ && ratio == ratio_; }
  /// Whether the box is the line edit's in the palette it has now.
  bool followsPalette() const;
  /// Takes the line edit's palette: renders the empty box in it, unless it is a recent one.
  void followPalette();
  /// The line edit without text, and its rectangle in device pixels of the window. Drawn
  /// over what lies beneath, it shows what the line edit does.
  const QImage& box() const { return boxes_.back().pixels; }
  /// Whether the box covers every pixel of its rectangle.
  bool opaque() const { return boxes_.back().opaque; }
  QRect boxRect() const { return area_; }
  /// `text` laid out as the line edit lays it out, or nothing if this cannot draw it.
  std::optional<Text> layout(const QString& text) const;
  /// Draws a text with a painter in logical pixels of the line edit.
  void draw(QPainter& painter, const Text& text) const;

 private:
  static constexpr int characterCount = 11;  // the minus sign and ten digits

  struct EmptyBox {
    QPalette palette;  // the line edit paints part of its frame in its window colour
    QImage pixels;
    QColor textColour;
    bool coversOrLeaves = false;
    bool opaque = false;
  };

  EmptyBox renderBox() const;
  QImage renderEditor(const QString& text) const;
  QImage renderOwn(const Text& text) const;
  std::optional<Text> layoutAt(const QString& text, QPoint start) const;
  qreal width(const QString& text) const;
  bool matches(const QString& text, QPoint start) const;
  bool measure();
  bool calibrate();

  QLineEdit& editor_;
  QPoint origin_;
  qreal ratio_;
  QRect area_;
  std::vector<EmptyBox> boxes_;  // the one in use last
  QRawFont font_;
  std::array<quint32, characterCount> glyphs_{};
  std::array<qreal, characterCount> advances_{};
  std::array<std::array<qreal, characterCount>, characterCount> kerning_{};
  std::array<QRectF, characterCount> inks_{};
  std::array<qreal, characterCount> overhangs_{};  // ink past the advance, on the right
  int rightEdge_ = 0;    // start of a text = this less its rounded width
  int top_ = 0;          // the text line's top
  qreal widest_ = 0;     // the widest text measured to match
  bool measured_ = false;
};

}  // namespace vortalin::qt
