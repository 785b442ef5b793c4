#include "digit_glyphs.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>
#include <QRegion>
#include <QTransform>

namespace vortalin::qt {

namespace {

const QString characters = QStringLiteral("-0123456789");

int indexOf(QChar c) { return static_cast<int>(characters.indexOf(c)); }

bool isNumber(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (indexOf(text[i]) < 0 || (text[i] == u'-' && i > 0)) return false;
  }
  return true;
}

// Whether every pixel of a premultiplied image is either left alone or covered: then
// drawing it over what lies beneath is what painting the line edit there would have done.
bool coversOrLeaves(const QImage& image, bool& opaque) {
  opaque = true;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      if (alpha != 0 && alpha != 255) return false;
      opaque = opaque && alpha == 255;
    }
  }
  return true;
}

// The bounding rectangle of the pixels in which two images of one size differ.
QRect difference(const QImage& a, const QImage& b) {
  QRect found;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) found |= QRect(x, y, 1, 1);
    }
  }
  return found;
}

// Texts the measured place must reproduce exactly: with kerning, with a minus sign, and
// ending in each digit, whose ink may reach past its advance.
QStringList proofTexts() {
  QStringList proofs;
  for (QChar digit : characters.mid(1)) proofs.append(QStringLiteral("1") + digit);
  return proofs << QStringLiteral("-1") << QStringLiteral("1111");  // the widest last
}
// Ever wider numbers: the display draws those as wide as the widest that it reproduces, and
// leaves wider ones, which the line edit may have to scroll, to the line edit.
const QStringList widths{QStringLiteral("9999"), QStringLiteral("-9999"),
                         QStringLiteral("99999"), QStringLiteral("-99999")};

}  // namespace

DigitGlyphs::DigitGlyphs(QLineEdit& editor, QPoint origin, qreal ratio)
    : editor_(editor),
      origin_(origin),
      ratio_(ratio),
      area_((QRegion(QRect(origin, editor.size())) * QTransform::fromScale(ratio, ratio))
                .boundingRect()),
      font_(QRawFont::fromFont(editor.font())) {
  const QString text = editor_.text();
  boxes_.push_back(renderBox());
  measured_ = boxes_.back().coversOrLeaves && measure();
  editor_.setText(text);
}

bool DigitGlyphs::followsPalette() const { return boxes_.back().palette == editor_.palette(); }

void DigitGlyphs::followPalette() {
  const auto found = std::ranges::find(boxes_, editor_.palette(), &EmptyBox::palette);
  if (found != boxes_.end()) {
    found->palette = editor_.palette();  // a copy compares quickly
    std::rotate(found, found + 1, boxes_.end());
    return;
  }
  constexpr std::size_t keptBoxes = 4;
  if (boxes_.size() == keptBoxes) boxes_.erase(boxes_.begin());
  const QString text = editor_.text();
  boxes_.push_back(renderBox());
  editor_.setText(text);
}

// The line edit without text in its current palette.
DigitGlyphs::EmptyBox DigitGlyphs::renderBox() const {
  EmptyBox box{editor_.palette(), renderEditor(QString()),
               editor_.palette().color(QPalette::Text)};
  box.coversOrLeaves = coversOrLeaves(box.pixels, box.opaque);
  if (box.opaque) box.pixels = box.pixels.convertToFormat(QImage::Format_RGB32);
  return box;
}

// The glyphs and their metrics, then where the line edit puts them.
bool DigitGlyphs::measure() {
  const QList<quint32> glyphs = font_.glyphIndexesForString(characters);
  if (glyphs.size() != characterCount || glyphs.contains(0)) return false;
  const QFontMetricsF metrics(editor_.font());
  for (int a = 0; a < characterCount; ++a) {
    glyphs_[a] = glyphs[a];
    advances_[a] = metrics.horizontalAdvance(characters[a]);
    inks_[a] = font_.boundingRect(glyphs[a]);
    overhangs_[a] = std::max(0.0, -metrics.rightBearing(characters[a]));
  }
  for (int a = 0; a < characterCount; ++a) {
    for (int b = 0; b < characterCount; ++b) {
      kerning_[a][b] = metrics.horizontalAdvance(QString(characters[a]) + characters[b]) -
                       advances_[a] - advances_[b];
    }
  }
  return calibrate();
}

// The line edit painted as in its window, cut to its rectangle of device pixels.
QImage DigitGlyphs::renderEditor(const QString& text) const {
  editor_.setText(text);
  const QPoint end = area_.bottomRight() + QPoint(1, 1);
  QImage window(end.x(), end.y(), QImage::Format_ARGB32_Premultiplied);
  window.setDevicePixelRatio(ratio_);
  window.fill(Qt::transparent);
  editor_.render(&window, origin_, QRegion(), QWidget::DrawChildren);
  QImage pixels = window.copy(area_);
  pixels.setDevicePixelRatio(1);
  return pixels;
}

// The empty box with a text drawn as the display draws it, cut like `renderEditor`.
QImage DigitGlyphs::renderOwn(const Text& text) const {
  const QPoint end = area_.bottomRight() + QPoint(1, 1);
  QImage window(end.x(), end.y(), QImage::Format_ARGB32_Premultiplied);
  window.fill(Qt::transparent);
  {
    QPainter painter(&window);
    painter.drawImage(area_.topLeft(), box());
  }
  window.setDevicePixelRatio(ratio_);
  {
    QPainter painter(&window);
    painter.translate(origin_);
    draw(painter, text);
  }
  QImage pixels = window.copy(area_);
  pixels.setDevicePixelRatio(1);
  return pixels;
}

std::optional<DigitGlyphs::Text> DigitGlyphs::layoutAt(const QString& text, QPoint start) const {
  if (!isNumber(text)) return std::nullopt;
  const qreal baseline = start.y() + font_.ascent();
  QList<quint32> glyphs;
  QList<QPointF> positions;
  Text laid;
  qreal x = start.x();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int c = indexOf(text[i]);
    glyphs.push_back(glyphs_[c]);
    positions.push_back({x, baseline});
    // Antialiasing and hinting may reach a pixel past the outline.
    laid.glyphAreas.push_back(
        inks_[c].translated(x, baseline).toAlignedRect().adjusted(-2, -2, 2, 2));
    x += advances_[c];
    if (i + 1 < text.size()) x += kerning_[c][indexOf(text[i + 1])];
  }
  laid.run.setRawFont(font_);
  laid.run.setGlyphIndexes(glyphs);
  laid.run.setPositions(positions);
  return laid;
}

std::optional<DigitGlyphs::Text> DigitGlyphs::layout(const QString& text) const {
  if (!usable() || !isNumber(text)) return std::nullopt;
  const qreal width = this->width(text);
  // A wider text may not fit, and the line edit would scroll it.
  if (width > widest_) return std::nullopt;
  return layoutAt(text, {rightEdge_ - qRound(width), top_});
}

void DigitGlyphs::draw(QPainter& painter, const Text& text) const {
  painter.setPen(boxes_.back().textColour);
  painter.drawGlyphRun(QPointF(0, 0), text.run);
}

// Whether the display's drawing of `text` at `start` is the line edit's, pixel for pixel.
bool DigitGlyphs::matches(const QString& text, QPoint start) const {
  const auto laid = layoutAt(text, start);
  return laid && renderOwn(*laid) == renderEditor(text);
}

// Finds where the line edit starts a right-aligned text, from where the ink of a "0" lands,
// and accepts it only if it reproduces every proof exactly.
bool DigitGlyphs::calibrate() {
  const QString zero = QStringLiteral("0");
  const QRect theirs = difference(renderEditor(zero), box());
  const QRect ours = difference(renderOwn(*layoutAt(zero, {0, 0})), box());
  if (theirs.isEmpty() || ours.isEmpty()) return false;
  const QPointF estimate = QPointF(theirs.topLeft() - ours.topLeft()) / ratio_;
  for (const QPoint nudge : {QPoint(0, 0), QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1),
                             QPoint(0, 1), QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1),
                             QPoint(1, 1)}) {
    const QPoint start = estimate.toPoint() + nudge;
    if (!matches(zero, start)) continue;
    rightEdge_ = start.x() + qRound(width(zero));
    top_ = start.y();
    const auto reproduces = [&](const QString& text) {
      return matches(text, {rightEdge_ - qRound(width(text)), top_});
    };
    const QStringList proofs = proofTexts();
    if (!std::ranges::all_of(proofs, reproduces)) return false;
    widest_ = width(proofs.back());
    for (const QString& wider : widths) {
      if (!reproduces(wider)) break;
      widest_ = width(wider);
    }
    return true;
  }
  return false;
}

// As the line edit measures a text: its advances, and the ink of its last glyph where that
// reaches past its advance.
qreal DigitGlyphs::width(const QString& text) const {
  qreal width = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int c = indexOf(text[i]);
    width += advances_[c];
    if (i + 1 < text.size()) width += kerning_[c][indexOf(text[i + 1])];
  }
  if (!text.isEmpty()) width += overhangs_[indexOf(text.back())];
  return width;
}

}  // namespace vortalin::qt
