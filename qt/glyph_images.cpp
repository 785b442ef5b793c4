#include "glyph_images.h"

#include <QGlyphRun>
#include <QPainter>

namespace vortalin::qt {

namespace {

// Qt's raster engine keeps rendered glyphs up to this many device pixels high.
constexpr qreal largestCachedGlyph = 64;

}  // namespace

bool GlyphImages::drawnFromOutlines(const QRawFont& font, qreal ratio) {
  return font.pixelSize() * ratio >= largestCachedGlyph;
}

void GlyphImages::draw(QPainter& painter, QPointF origin, const QGlyphRun& run,
                       const QColor& colour, qreal ratio) {
  if (run.rawFont() != font_ || colour != colour_ || ratio != ratio_) {
    images_.clear();
    font_ = run.rawFont();
    colour_ = colour;
    ratio_ = ratio;
  }
  const QList<quint32> glyphs = run.glyphIndexes();
  const QList<QPointF> positions = run.positions();
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    const QPointF at = (origin + positions[i]) * ratio;
    const Image& glyph = image(glyphs[i]);
    painter.drawImage(QPoint(qRound(at.x()), qRound(at.y())) + glyph.offset, glyph.pixels);
  }
  painter.restore();
}

// The glyph as Qt fills it from its outline, with a pixel to spare for antialiasing.
const GlyphImages::Image& GlyphImages::image(quint32 glyph) {
  const auto found = images_.find(glyph);
  if (found != images_.end()) return found->second;
  const QRectF ink = font_.boundingRect(glyph);
  const QRect area =
      QRectF(ink.topLeft() * ratio_, ink.size() * ratio_).toAlignedRect().adjusted(-1, -1, 1, 1);
  Image made{QImage(area.size(), QImage::Format_ARGB32_Premultiplied), area.topLeft()};
  made.pixels.fill(Qt::transparent);
  QGlyphRun single;
  single.setRawFont(font_);
  single.setGlyphIndexes({glyph});
  single.setPositions({QPointF(0, 0)});
  QPainter painter(&made.pixels);
  painter.setPen(colour_);
  painter.scale(ratio_, ratio_);
  painter.drawGlyphRun(-QPointF(area.topLeft()) / ratio_, single);
  painter.end();
  return images_.emplace(glyph, std::move(made)).first->second;
}

}  // namespace vortalin::qt
