#include "window_front_end.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "colours.h"
#include "course_view.h"
#include "digits_display.h"
#include "form/design_state.h"
#include "picture_box.h"
#include "utf8.h"
#include "vortalin/identity.h"

namespace vortalin::qt {

namespace {

long long clockPeriodNs() {
  constexpr long long nanosecondsPerMillisecond = 1'000'000;
  return form::findControl(form::clockControl)->timerIntervalMs * nanosecondsPerMillisecond;
}

}  // namespace

WindowFrontEnd::WindowFrontEnd(const Controls& controls)
    : controls_(controls), schedule_(clockPeriodNs()) {
  sinceCreation_.start();
}

void WindowFrontEnd::moveBox(Box box, game::PixelPoint topLeft) {
  controls_.course->moveBox(*controls_.boxes[static_cast<int>(box)], {topLeft.x, topLeft.y});
}

// The timer only wakes the window; the schedule says how many periods are due.
void WindowFrontEnd::setClockRunning(bool running) {
  if (running) {
    schedule_.start(sinceCreation_.nsecsElapsed());
    controls_.clock->start();
  } else {
    controls_.clock->stop();
  }
}

bool WindowFrontEnd::clockRunning() const { return controls_.clock->isActive(); }

int WindowFrontEnd::takeDuePeriods() {
  if (!clockRunning()) return 0;
  return schedule_.takeDue(sinceCreation_.nsecsElapsed());
}

void WindowFrontEnd::setWindowColour(Colour colour) {
  setBackground(*controls_.window, toQColor(colour));
}

DigitsDisplay& WindowFrontEnd::display(game::Display display) const {
  return display == game::Display::Energy ? *controls_.energy : *controls_.distance;
}

std::string WindowFrontEnd::displayText(game::Display which) const {
  return display(which).text().toStdString();
}

void WindowFrontEnd::setDisplayText(game::Display which, std::string_view text) {
  display(which).setText(fromUtf8(text));
}

// Window-modal: the window takes no input until the player closes the notice, and the game
// goes on without waiting for it. One notice at a time.
void WindowFrontEnd::showNotice(std::string_view message) {
  if (notice_ == nullptr) {
    notice_ = new QMessageBox(QMessageBox::Information, fromUtf8(identity::name), {},
                              QMessageBox::Ok, controls_.window);
    notice_->setObjectName(QLatin1StringView(noticeName));
  }
  notice_->setText(fromUtf8(message));
  if (!notice_->isVisible()) notice_->open();
}

}  // namespace vortalin::qt
