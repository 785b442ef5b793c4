#include "digits_display.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QTransform>

namespace vortalin::qt {

namespace {

bool sameGlyph(const DigitGlyphs::Text& a, const DigitGlyphs::Text& b, qsizetype i) {
  return i < a.run.glyphIndexes().size() && i < b.run.glyphIndexes().size() &&
         a.run.glyphIndexes()[i] == b.run.glyphIndexes()[i] &&
         a.run.positions()[i] == b.run.positions()[i];
}

}  // namespace

DigitsDisplay::DigitsDisplay(const QString& text, QWidget* parent)
    : QWidget(parent), editor_(new QLineEdit(text, this)), text_(text) {
  setFocusPolicy(Qt::StrongFocus);
  editor_->installEventFilter(this);
}

DigitsDisplay::~DigitsDisplay() = default;

QString DigitsDisplay::text() const { return editor_->isVisibleTo(this) ? editor_->text() : text_; }

void DigitsDisplay::setText(const QString& text) {
  if (text == this->text()) return;
  text_ = text;
  if (editing_ || plain_) {
    editor_->setText(text);
    return;
  }
  auto laid = glyphs().layout(text);
  if (!laid) {
    showEditor();
  } else if (editor_->isVisibleTo(this)) {
    showText();
  } else {
    updateText(std::move(*laid));
  }
}

QPoint DigitsDisplay::origin() const { return mapTo(window(), QPoint(0, 0)); }

// The glyphs for the display's place and palette.
DigitGlyphs& DigitsDisplay::glyphs() {
  const qreal ratio = devicePixelRatioF();
  if (glyphs_ != nullptr && glyphs_->madeFor(origin(), ratio) && glyphs_->followsPalette()) {
    return *glyphs_;
  }
  if (glyphs_ != nullptr && glyphs_->madeFor(origin(), ratio)) {
    glyphs_->followPalette();
  } else {
    editor_->setGeometry(rect());
    glyphs_ = std::make_unique<DigitGlyphs>(*editor_, origin(), ratio);
  }
  // Where the box leaves pixels alone, what lies beneath must be painted first.
  setAttribute(Qt::WA_OpaquePaintEvent, glyphs_->opaque());
  shown_ = glyphs_->layout(text_);
  if (!editor_->isVisibleTo(this)) update();
  return *glyphs_;
}

void DigitsDisplay::forgetGlyphs() {
  glyphs_.reset();
  shown_.reset();
  update();
}

// Measuring the glyphs renders the line edit a few dozen times: the line edit shows the
// first frame, and the glyphs are measured once the event loop has painted it.
void DigitsDisplay::prepareGlyphsWhenIdle() {
  if (preparing_ || glyphs_ != nullptr || plain_) return;
  preparing_ = true;
  QTimer::singleShot(0, this, [this] {
    preparing_ = false;
    if (!editing_ && !plain_ && isVisible()) glyphs();
  });
}

void DigitsDisplay::usePlainLineEdit() {
  plain_ = true;
  showEditor();
}

void DigitsDisplay::showEditor() {
  editor_->setGeometry(rect());
  if (editor_->text() != text_) editor_->setText(text_);
  editor_->show();
}

// Draws the text from glyphs again if they can draw it, else leaves it to the editor.
void DigitsDisplay::showText() {
  if (plain_) return;
  shown_ = glyphs().layout(text_);
  if (!shown_) {
    showEditor();
    return;
  }
  editor_->hide();
  update();
}

// Marks only the glyphs that differ from what is shown, at their old and new places.
void DigitsDisplay::updateText(DigitGlyphs::Text text) {
  QRegion dirty;
  if (!shown_) {
    dirty = rect();
  } else {
    const auto count = std::max(text.glyphAreas.size(), shown_->glyphAreas.size());
    for (std::size_t i = 0; i < count; ++i) {
      if (sameGlyph(text, *shown_, static_cast<qsizetype>(i))) continue;
      if (i < text.glyphAreas.size()) dirty += text.glyphAreas[i];
      if (i < shown_->glyphAreas.size()) dirty += shown_->glyphAreas[i];
    }
  }
  shown_ = std::move(text);
  update(dirty);
}

// The empty box as the line edit paints it, in device pixels of the window, then the glyphs.
void DigitsDisplay::paintEvent(QPaintEvent* event) {
  if (editor_->isVisibleTo(this)) {
    prepareGlyphsWhenIdle();
    return;
  }
  const qreal ratio = devicePixelRatioF();
  const DigitGlyphs& glyphs = this->glyphs();
  QPainter painter(this);
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(-QPointF(origin()) * ratio);
  const QRect dirty =
      (QRegion(event->rect().translated(origin())) * QTransform::fromScale(ratio, ratio))
          .boundingRect() &
      glyphs.boxRect();
  painter.drawImage(dirty.topLeft(), glyphs.box(), dirty.translated(-glyphs.boxRect().topLeft()));
  painter.restore();
  if (shown_) glyphs.draw(painter, *shown_);
}

void DigitsDisplay::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  showEditor();
  editor_->setFocus(event->reason());
}

// The click that gave the display the focus goes on to the editor, as do the moves and the
// release that follow it, so that it places the cursor or selects as if clicked itself.
void DigitsDisplay::mousePressEvent(QMouseEvent* event) {
  if (!editor_->isVisible()) return QWidget::mousePressEvent(event);
  // A line edit works out where its text lies when it paints.
  editor_->repaint();
  QCoreApplication::sendEvent(editor_, event);
}

void DigitsDisplay::mouseMoveEvent(QMouseEvent* event) {
  if (!editor_->isVisible()) return QWidget::mouseMoveEvent(event);
  QCoreApplication::sendEvent(editor_, event);
}

void DigitsDisplay::mouseReleaseEvent(QMouseEvent* event) {
  if (!editor_->isVisible()) return QWidget::mouseReleaseEvent(event);
  QCoreApplication::sendEvent(editor_, event);
}

void DigitsDisplay::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::PaletteChange: update(); break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::LayoutDirectionChange: forgetGlyphs(); break;
    default: break;
  }
  QWidget::changeEvent(event);
}

void DigitsDisplay::resizeEvent(QResizeEvent* event) {
  editor_->setGeometry(rect());
  forgetGlyphs();
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
      text_ = editor_->text();
      // After the editor has taken its own focus out, so that it shows no cursor.
      QMetaObject::invokeMethod(this, [this] { if (!editing_) showText(); }, Qt::QueuedConnection);
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vortalin::qt
