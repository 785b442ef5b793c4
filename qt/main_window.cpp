#include "main_window.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "classic_look.h"
#include "course_view.h"
#include "digits_display.h"
#include "form/design_state.h"
#include "form/keys_and_focus.h"
#include "picture_box.h"

namespace vortalin::qt {

namespace {

WindowFrontEnd::Controls raceControls(const FormControls& controls) {
  WindowFrontEnd::Controls bound;
  for (int i = 0; i < boxCount; ++i) {
    bound.boxes[i] =
        controls.get<PictureBox>(form::boxControls[i].name, form::boxControls[i].index);
  }
  bound.course = qobject_cast<CourseView*>(bound.boxes[0]->parentWidget());
  bound.clock = controls.timer(form::clockControl);
  bound.window = controls.widget(form::windowControl);
  bound.energy = controls.get<DigitsDisplay>(form::energyControl);
  bound.distance = controls.get<DigitsDisplay>(form::distanceControl);
  return bound;
}

}  // namespace

MainWindow::MainWindow(game::Now now, QWidget* parent)
    : QWidget(parent),
      controls_(buildForm(*this)),
      frontEnd_(raceControls(controls_), now),
      game_(std::make_unique<game::Controller>(frontEnd_)) {
  connectHandlers();
  followDensity();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
  for (const FormControls::Entry& entry : controls_.entries()) {
    auto* button = qobject_cast<QPushButton*>(entry.widget);
    const std::optional<game::Command> command = form::commandOfControl(entry.record->name);
    if (button == nullptr) continue;
    button->installEventFilter(this);
    if (!command) continue;
    connect(button, &QPushButton::clicked, this, [this, command] { game_->execute(*command); });
  }
  connect(controls_.timer(form::clockControl), &QTimer::timeout, this, [this] { game_->woke(); });
}

void MainWindow::followDensity() { game_->view().setDotsPerInch(deviceCanvas(*this).dotsPerInch); }

// A window moved to a screen of another density has its boxes placed anew.
bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
      followDensity();
      break;
    default: break;
  }
  return handled;
}

// Qt's own arrow keys turn round in a right-to-left layout, and go by place within a group of
// buttons; here they walk the tab order, as in every window of the game.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  form::ArrowKey key{};
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left: key = form::ArrowKey::Left; break;
    case Qt::Key_Up: key = form::ArrowKey::Up; break;
    case Qt::Key_Right: key = form::ArrowKey::Right; break;
    case Qt::Key_Down: key = form::ArrowKey::Down; break;
    default: return QWidget::eventFilter(watched, event);
  }
  for (const FormControls::Entry& entry : controls_.entries()) {
    if (entry.widget != watched) continue;
    const int row = static_cast<int>(entry.record - form::formTable.data());
    const form::ControlRecord& next = form::formTable[form::rowAfterArrow(row, key)];
    controls_.widget(next.name, next.index)
        ->setFocus(form::focusStep(key) > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vortalin::qt
