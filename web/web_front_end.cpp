#include "web_front_end.h"

namespace vortalin::web {

using game::displayIndex;

void WebFrontEnd::moveBox(Box box, game::PixelPoint topLeft) {
  places_[static_cast<int>(box)] = topLeft;
  changes_ |= BoxesMoved;
}

void WebFrontEnd::setWindowColour(Colour colour) {
  colour_ = colour;
  changes_ |= ColourChanged;
}

std::string WebFrontEnd::displayText(game::Display display) const {
  return texts_[displayIndex(display)];
}

void WebFrontEnd::setDisplayText(game::Display display, std::string_view text) {
  texts_[displayIndex(display)] = text;
  changes_ |= display == game::Display::Energy ? EnergyText : DistanceText;
}

void WebFrontEnd::showNotice(std::string_view message) {
  notice_ = message;
  changes_ |= NoticeShown;
}

void WebFrontEnd::typed(game::Display display, std::string_view text) {
  texts_[displayIndex(display)] = text;
}

unsigned WebFrontEnd::takeChanges() {
  const unsigned changes = changes_;
  changes_ = 0;
  return changes;
}

}  // namespace vortalin::web
