#include "digits_display.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include "classic_look.h"
#include "form/keys_and_focus.h"

namespace vortalin::qt {

namespace {

// The colour of the inside: the window's colour reaches the display through its palette too,
// and the race turns that red, but a text box keeps its own.
QColor insideColour(const QWidget& display) { return display.palette().color(QPalette::Base); }

}  // namespace

DigitsDisplay::DigitsDisplay(const QString& text, Qt::Alignment alignment, form::Rings border,
                             QWidget* parent)
    : QWidget(parent), editor_(new QLineEdit(text, this)), border_(border) {
  setFocusPolicy(Qt::StrongFocus);
  // The panel covers every pixel: nothing beneath needs painting first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  editor_->setFrame(false);
  editor_->setAlignment(alignment);
  editor_->hide();
  editor_->installEventFilter(this);
  replaceText(text);
}

QString DigitsDisplay::text() const { return editing_ ? editor_->text() : shown_.text; }

void DigitsDisplay::setText(const QString& text) {
  if (editing_) {
    // Setting a line edit's text puts its caret at the end; the player's caret is kept.
    const int caret = form::caretAfterRewrite(editor_->cursorPosition(), int(text.size()));
    editor_->setText(text);
    editor_->setCursorPosition(caret);
  } else if (text != shown_.text) {
    replaceText(text);
  }
}

QRect DigitsDisplay::insideRect() const {
  const int rim = static_cast<int>(border_.size());
  return rect().marginsRemoved({rim, rim, rim, rim});
}

// Where a line edit over the inside draws `text`: on a line centred in the text box's text
// area, aligned as the editor is, measured as it measures.
DigitsDisplay::Placed DigitsDisplay::place(const QString& text) const {
  QTextLayout layout(text, font(), this);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QFontMetrics metrics = fontMetrics();
  const DeviceCanvas canvas = deviceCanvas(*this);
  const QRect lineRect = logicalRect(form::textBoxTextArea(canvas.size.width(),
                                                           canvas.size.height(),
                                                           canvas.dotsPerInch),
                                     *this)
                             .toRect();
  const int height = std::max(metrics.boundingRect(text).height(), metrics.height());
  const int top = lineRect.y() + (lineRect.height() - height + 1) / 2;
  const int leftBearing = std::max(0, -metrics.minLeftBearing());
  const int used = qRound(line.naturalTextWidth()) + 1 + std::max(0, -metrics.minRightBearing());
  int start = lineRect.x();
  if (leftBearing + used <= lineRect.width()) {
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(layoutDirection(), editor_->alignment());
    if (horizontal & Qt::AlignRight) start = lineRect.x() + lineRect.width() - used - 1;
    if (horizontal & Qt::AlignHCenter) start = lineRect.x() - (used - lineRect.width()) / 2;
    start += leftBearing;
  }
  // The runs' positions are from the top of the line.
  return {text, line.glyphRuns(), QPointF(start, top + metrics.ascent() - line.ascent())};
}

// Each glyph's ink where it is drawn, with room for antialiasing and hinting.
std::vector<DigitsDisplay::Glyph> DigitsDisplay::glyphsOf(const Placed& placed) {
  std::vector<Glyph> glyphs;
  for (const QGlyphRun& run : placed.runs) {
    const QRawFont font = run.rawFont();
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < indexes.size(); ++i) {
      const QPointF at = placed.runsAt + positions[i];
      const QRect ink = font.boundingRect(indexes[i]).translated(at).toAlignedRect();
      glyphs.push_back({indexes[i], at, ink.adjusted(-2, -2, 2, 2)});
    }
  }
  return glyphs;
}

// The ink of the glyphs that are not drawn alike at the same place in both texts.
QRegion DigitsDisplay::changedArea(const Placed& before, const Placed& after) const {
  const std::vector<Glyph> old = glyphsOf(before), now = glyphsOf(after);
  const auto inOther = [](const Glyph& glyph, const std::vector<Glyph>& other) {
    return std::ranges::any_of(
        other, [&glyph](const Glyph& g) { return g.index == glyph.index && g.at == glyph.at; });
  };
  QRegion changed;
  for (const Glyph& glyph : old) {
    if (!inOther(glyph, now)) changed += glyph.ink;
  }
  for (const Glyph& glyph : now) {
    if (!inOther(glyph, old)) changed += glyph.ink;
  }
  return changed & insideRect();
}

void DigitsDisplay::replaceText(const QString& text) {
  Placed placed = place(text);
  update(changedArea(shown_, placed));
  shown_ = std::move(placed);
}

// The empty box in device pixels, made again when the size, the scale or the inside's colour
// changes.
const QPixmap& DigitsDisplay::panel() {
  const DeviceCanvas canvas = deviceCanvas(*this);
  const QRgb inside = insideColour(*this).rgb();
  if (panel_.size() == canvas.size && inside == panelInside_) return panel_;
  panelInside_ = inside;
  panel_ = QPixmap(canvas.size);
  panel_.fill(QColor(inside));
  QPainter painter(&panel_);
  fillRings(painter, border_, canvas);
  return panel_;
}

// The panel is copied in device pixels, so that its lines stay whole at any scale; Qt clips
// the copy to the dirty region.
void DigitsDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap& pixels = panel();
  inDevicePixels(painter, *this, [&] { painter.drawPixmap(QPointF(0, 0), pixels); });
  const qreal ratio = devicePixelRatioF();
  if (editor_->isVisible() || shown_.text.isEmpty()) return;
  painter.setClipRect(insideRect(), Qt::IntersectClip);
  const QColor colour = palette().color(QPalette::Text);
  for (const QGlyphRun& run : shown_.runs) {
    if (GlyphImages::drawnFromOutlines(run.rawFont(), ratio)) {
      largeGlyphs_.draw(painter, shown_.runsAt, run, colour, ratio);
    } else {
      painter.setPen(colour);
      painter.drawGlyphRun(shown_.runsAt, run);
    }
  }
}

void DigitsDisplay::showEditor() {
  if (editor_->text() != shown_.text) editor_->setText(shown_.text);
  editor_->setGeometry(insideRect());
  editor_->show();
}

void DigitsDisplay::hideEditor() {
  editor_->hide();
  update();
}

void DigitsDisplay::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  showEditor();
  editor_->setFocus(event->reason());
}

// The click that gave the display the focus goes on to the editor, as do the moves and the
// release that follow it, so that it places the cursor or selects as if clicked itself.
bool DigitsDisplay::forwardToEditor(QMouseEvent* event) {
  if (!editor_->isVisible()) return false;
  // A line edit works out where its text lies when it paints.
  if (event->type() == QEvent::MouseButtonPress) editor_->repaint();
  QMouseEvent moved(event->type(), editor_->mapFrom(this, event->position()),
                    event->scenePosition(), event->globalPosition(), event->button(),
                    event->buttons(), event->modifiers());
  QCoreApplication::sendEvent(editor_, &moved);
  return true;
}

void DigitsDisplay::mousePressEvent(QMouseEvent* event) {
  if (!forwardToEditor(event)) QWidget::mousePressEvent(event);
}

void DigitsDisplay::mouseMoveEvent(QMouseEvent* event) {
  if (!forwardToEditor(event)) QWidget::mouseMoveEvent(event);
}

void DigitsDisplay::mouseReleaseEvent(QMouseEvent* event) {
  if (!forwardToEditor(event)) QWidget::mouseReleaseEvent(event);
}

// The window's colour reaches the display through its palette, but the display does not show
// it: only a change of the colours it draws with repaints it.
void DigitsDisplay::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::PaletteChange:
      if (insideColour(*this).rgb() == panelInside_) return;
      break;
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange: shown_ = place(shown_.text); break;
    default: break;
  }
  QWidget::changeEvent(event);
}

void DigitsDisplay::resizeEvent(QResizeEvent* event) {
  editor_->setGeometry(insideRect());
  shown_ = place(shown_.text);
  QWidget::resizeEvent(event);
}

// While the editor has the focus the player is typing, and the display leaves the tab chain
// so that Shift+Tab passes it. A window that loses activation keeps the editor in use.
bool DigitsDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::FocusIn) {
    editing_ = true;
    setFocusPolicy(Qt::NoFocus);
  } else if (watched == editor_ && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      editing_ = false;
      setFocusPolicy(Qt::StrongFocus);
      replaceText(editor_->text());
      // After the editor has taken its own focus out, so that it shows no cursor.
      QMetaObject::invokeMethod(
          this,
          [this] {
            if (!editing_) hideEditor();
          },
          Qt::QueuedConnection);
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vortalin::qt
