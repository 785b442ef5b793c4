#pragma once

#include <map>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRawFont>

class QGlyphRun;
class QPainter;

namespace vortalin::qt {

/// Glyphs too large for Qt's glyph cache, which Qt would otherwise fill from their outlines at
/// every paint, rendered once each in one font, colour and scale and then copied.
class GlyphImages {
 public:
  /// Whether Qt draws `font` from outlines at `ratio` device pixels per logical pixel.
  static bool drawnFromOutlines(const QRawFont& font, qreal ratio);

  /// Draws `run` with its origin at `origin`, in logical pixels of a painter that has no
  /// transformation of its own beyond the device's `ratio`.
  void draw(QPainter& painter, QPointF origin, const QGlyphRun& run, const QColor& colour,
            qreal ratio);

 private:
  struct Image {
    QImage pixels;
    QPoint offset;  // of the top-left pixel from the glyph's origin, in device pixels
  };

  const Image& image(quint32 glyph);

  std::map<quint32, Image> images_;
  QRawFont font_;
  QColor colour_;
  qreal ratio_ = 0;
};

}  // namespace vortalin::qt
