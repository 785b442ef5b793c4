#include "window_front_end.h"

#include <algorithm>

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

WindowFrontEnd::WindowFrontEnd(const Controls& controls, game::Now now)
    : controls_(controls), now_(now) {
  controls_.clock->setSingleShot(true);
}

void WindowFrontEnd::moveBox(Box box, game::PixelPoint topLeft) {
  controls_.course->moveBox(*controls_.boxes[static_cast<int>(box)], {topLeft.x, topLeft.y});
}

// Whole milliseconds, rounded up: a wake-up a moment early would find no period due.
void WindowFrontEnd::wakeAt(game::Time deadline) {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - now());
  controls_.clock->start(std::max(wait, std::chrono::milliseconds{0}));
}

void WindowFrontEnd::stopWaking() { controls_.clock->stop(); }

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
  }
  notice_->setText(fromUtf8(message));
  if (!notice_->isVisible()) notice_->open();
}

}  // namespace vortalin::qt
