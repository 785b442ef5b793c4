#include "control_builder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include "classic_look.h"
#include "colours.h"
#include "course_view.h"
#include "digits_display.h"
#include "fonts.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/frames_and_tab_order.h"
#include "form/pictures.h"
#include "picture_box.h"
#include "picture_resources.h"
#include "qt_geometry.h"
#include "utf8.h"

namespace vortalin::qt {

namespace {

using form::ControlRecord;

QColor backgroundOf(const ControlRecord& record) {
  return record.background ? toQColor(*record.background) : defaultBackground();
}

Qt::Alignment textAlignment(form::Alignment alignment, Qt::Alignment vertical) {
  switch (alignment) {
    case form::Alignment::Right: return Qt::AlignRight | vertical;
    case form::Alignment::Centre: return Qt::AlignHCenter | vertical;
    case form::Alignment::Left:
    case form::Alignment::Default: break;
  }
  return Qt::AlignLeft | vertical;
}

void applyCommon(QWidget& widget, const ControlRecord& record) {
  widget.setObjectName(controlObjectName(record));
  widget.setGeometry(widgetRect(record));
  if (record.font) widget.setFont(toQFont(*record.font, fromUtf8(record.caption)));
  if (!record.accessibleName.empty()) widget.setAccessibleName(fromUtf8(record.accessibleName));
}

// A push button painted from the classic look: face, rings, caption and, with the focus,
// the dotted mark. The caption is centred by its ink rather than by the font's line: a
// stand-in face's line can be far taller than its glyphs and lie unevenly about them (Noto
// Sans CJK's by nearly half an em), which set the arrows low enough for the bevel to cut them.
class ClassicButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const form::ButtonState state{.focused = hasFocus(), .pressed = isDown()};
    const DeviceCanvas canvas = deviceCanvas(*this);
    inDevicePixels(painter, *this, [&] {
      painter.fillRect(QRect(QPoint(0, 0), canvas.size), palette().color(QPalette::Button));
      fillRings(painter, form::buttonRings(state), canvas);
    });
    const QString caption = text();
    if (!caption.isEmpty()) {
      const QPointF centre = logicalRect(form::captionArea(canvas.size.width(),
                                                           canvas.size.height(), state,
                                                           canvas.dotsPerInch),
                                         *this)
                                 .center();
      // The outlines' bounds: Qt's tight bounding rectangle always reaches down to the baseline.
      QPainterPath outline;
      outline.addText(0, 0, font(), caption);
      painter.save();
      painter.setClipRect(logicalRect(form::captionClip(canvas.size.width(), canvas.size.height(),
                                                        state, canvas.dotsPerInch),
                                      *this));
      painter.setPen(palette().color(QPalette::ButtonText));
      painter.drawText(centre - outline.boundingRect().center(), caption);
      painter.restore();
    }
    if (state.focused) inDevicePixels(painter, *this, [&] { invertFocusMark(painter, canvas); });
  }
};

// A label painted from the classic look: its border's rings, and its text from the top of
// the inside, aligned and wrapped as the table says.
class ClassicLabel final : public QLabel {
 public:
  ClassicLabel(const ControlRecord& record, QWidget* parent)
      : QLabel(fromUtf8(record.caption), parent), record_(record) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const DeviceCanvas canvas = deviceCanvas(*this);
    inDevicePixels(painter, *this, [&] { fillRings(painter, form::borderRings(record_), canvas); });
    const QRectF area = logicalRect(form::labelTextArea(record_, canvas.size.width(),
                                                        canvas.size.height(), canvas.dotsPerInch),
                                    *this);
    painter.setPen(palette().color(foregroundRole()));
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                      (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(area, flags, text());
  }

 private:
  const ControlRecord& record_;
};

QWidget* makeButton(QWidget& parent, const ControlRecord& record) {
  auto* button = new ClassicButton(fromUtf8(record.caption), &parent);
  applyCommon(*button, record);
  // Enter and keypad Enter click the focused button, as Space does, and the focused button
  // becomes the default one.
  button->setAutoDefault(true);
  if (record.graphicalStyle) {
    // A graphical button shows its own colours; the others the classic scheme's.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, backgroundOf(record));
    palette.setColor(QPalette::ButtonText,
                     record.foreground ? toQColor(*record.foreground) : defaultButtonText());
    button->setPalette(palette);
  }
  return button;
}

// The race rewrites the text boxes every tick: they draw their numbers themselves, and
// their line edit, which the player types into, answers to the same name.
QWidget* makeTextBox(QWidget& parent, const ControlRecord& record) {
  auto* box =
      new DigitsDisplay(fromUtf8(record.caption), textAlignment(record.alignment, Qt::AlignVCenter),
                        form::borderRings(record), &parent);
  applyCommon(*box, record);
  box->editor().setAccessibleName(box->accessibleName());
  return box;
}

QWidget* makeLabel(QWidget& parent, const ControlRecord& record) {
  auto* label = new ClassicLabel(record, &parent);
  applyCommon(*label, record);
  label->setTextFormat(Qt::PlainText);
  // Opaque in its own colour, so it keeps it when the window's background changes.
  setBackground(*label, backgroundOf(record));
  if (record.foreground) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(*record.foreground));
    label->setPalette(palette);
  }
  label->setAlignment(textAlignment(record.alignment, Qt::AlignTop));
  label->setWordWrap(record.wordWrap);
  return label;
}

PictureBox* makePictureBox(QWidget& parent, const ControlRecord& record) {
  auto* box = new PictureBox(&parent, widgetRect(record), form::borderRings(record),
                             form::frameWidthPixels(record), backgroundOf(record));
  applyCommon(*box, record);
  if (record.picture != form::Picture::None) box->setPicture(loadPicture(record.picture));
  return box;
}

QWidget* makeWidget(QWidget& parent, const ControlRecord& record) {
  switch (record.kind) {
    case form::ControlKind::CommandButton: return makeButton(parent, record);
    case form::ControlKind::TextBox: return makeTextBox(parent, record);
    case form::ControlKind::Label: return makeLabel(parent, record);
    case form::ControlKind::PictureBox: return makePictureBox(parent, record);
    case form::ControlKind::Window:
    case form::ControlKind::Timer: break;
  }
  return nullptr;
}

bool isRaceBox(const ControlRecord& record) {
  return std::ranges::any_of(form::boxControls, [&record](const form::ControlKey& key) {
    return key.name == record.name && key.index == record.index;
  });
}

// The race's boxes are drawn by one view over the inside of the frame that holds them, made
// with the first of them.
CourseView& courseViewIn(PictureBox& frame) {
  if (auto* view = frame.inside().findChild<CourseView*>({}, Qt::FindDirectChildrenOnly)) {
    return *view;
  }
  return *new CourseView(&frame.inside(), frame.inside().rect(), frame.background());
}

PictureBox& makeRaceBox(const FormControls& controls, const ControlRecord& record) {
  auto* frame = controls.get<PictureBox>(record.container);
  if (frame == nullptr || record.kind != form::ControlKind::PictureBox) {
    throw std::logic_error("the race box " + std::string(record.name) +
                           " is not a picture box in a picture box");
  }
  CourseView& view = courseViewIn(*frame);
  PictureBox& box = *makePictureBox(view, record);
  box.lower();
  view.addBox(box);
  return box;
}

QTimer* makeTimer(QWidget& window, const ControlRecord& record) {
  auto* timer = new QTimer(&window);
  timer->setObjectName(controlObjectName(record));
  timer->setTimerType(Qt::PreciseTimer);
  timer->setInterval(record.timerIntervalMs);
  if (record.timerEnabled) timer->start();
  return timer;
}

void applyWindow(QWidget& window, const ControlRecord& record) {
  window.setObjectName(controlObjectName(record));
  window.setWindowTitle(fromUtf8(record.caption));
  window.resize(twipsToPixels(record.width), twipsToPixels(record.height));
  setBackground(window, backgroundOf(record));
  window.setWindowIcon(QIcon(loadPicture(record.picture)));
}

void setTabOrder(const FormControls& controls) {
  const auto widgetAt = [&](int row) {
    return controls.widget(form::formTable[row].name, form::formTable[row].index);
  };
  for (std::size_t i = 1; i < form::tabOrder.size(); ++i) {
    QWidget::setTabOrder(widgetAt(form::tabOrder[i - 1]), widgetAt(form::tabOrder[i]));
  }
  // A display hands the focus to its line edit, which must come next in the chain.
  for (const auto& entry : controls.entries()) {
    if (auto* display = qobject_cast<DigitsDisplay*>(entry.widget)) {
      QWidget::setTabOrder(display, &display->editor());
    }
  }
  widgetAt(form::tabOrder.front())->setFocus();
}

}  // namespace

QString controlObjectName(const ControlRecord& record) {
  QString name = fromUtf8(record.name);
  if (record.index >= 0) name += QStringLiteral("(%1)").arg(record.index);
  return name;
}

const FormControls::Entry* FormControls::find(std::string_view name, int index) const {
  for (const Entry& entry : entries_) {
    if (entry.record->name == name && entry.record->index == index) return &entry;
  }
  return nullptr;
}

QWidget* FormControls::widget(std::string_view name, int index) const {
  const Entry* entry = find(name, index);
  return entry ? entry->widget : nullptr;
}

QTimer* FormControls::timer(std::string_view name) const {
  const Entry* entry = find(name, -1);
  return entry ? entry->timer : nullptr;
}

FormControls buildForm(QWidget& window) {
  FormControls controls;
  for (const ControlRecord& record : form::formTable) {
    if (record.kind == form::ControlKind::Window) {
      applyWindow(window, record);
      controls.entries_.push_back({&record, &window, nullptr});
      continue;
    }
    if (record.kind == form::ControlKind::Timer) {
      controls.entries_.push_back({&record, nullptr, makeTimer(window, record)});
      continue;
    }
    if (isRaceBox(record)) {
      controls.entries_.push_back({&record, &makeRaceBox(controls, record), nullptr});
      continue;
    }
    QWidget* container = controls.widget(record.container);
    if (auto* frame = qobject_cast<PictureBox*>(container)) container = &frame->inside();
    QWidget* widget = makeWidget(*container, record);
    // The table lists each container's children front to back: each new one goes behind.
    widget->lower();
    controls.entries_.push_back({&record, widget, nullptr});
  }
  setTabOrder(controls);
  return controls;
}

}  // namespace vortalin::qt
