#include "main_window.h"

#include <QPushButton>
#include <QTimer>

#include "course_view.h"
#include "digits_display.h"
#include "form/design_state.h"
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
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
  for (const FormControls::Entry& entry : controls_.entries()) {
    auto* button = qobject_cast<QPushButton*>(entry.widget);
    const std::optional<game::Command> command = form::commandOfControl(entry.record->name);
    if (button == nullptr || !command) continue;
    connect(button, &QPushButton::clicked, this, [this, command] { game_->execute(*command); });
  }
  connect(controls_.timer(form::clockControl), &QTimer::timeout, this, [this] { game_->woke(); });
}

}  // namespace vortalin::qt
