#include "shown_race_view.h"

namespace vortalin::game {

namespace {

PixelPoint pixelPlace(const BoxPosition& position, int dotsPerInch) {
  return {form::twipsToPixels(position.left, dotsPerInch),
          form::twipsToPixels(position.top, dotsPerInch)};
}

}  // namespace

ShownRaceView::ShownRaceView(FrontEnd& frontEnd, const ViewState& design, int dotsPerInch)
    : frontEnd_(frontEnd),
      positions_(design.boxes),
      clockEnabled_(design.clockEnabled),
      colour_{design.backgroundColour, design.backgroundColour},
      dotsPerInch_(dotsPerInch) {
  for (int i = 0; i < boxCount; ++i) shownPlaces_[i] = pixelPlace(positions_[i], dotsPerInch_);
}

void ShownRaceView::setLeft(Box box, float left) {
  positions_[index(box)].left = left;
  if (!inTick_) showBox(box);
}

void ShownRaceView::setTop(Box box, float top) {
  positions_[index(box)].top = top;
  if (!inTick_) showBox(box);
}

void ShownRaceView::move(Box box, float left, float top) {
  positions_[index(box)] = {left, top};
  if (!inTick_) showBox(box);
}

void ShownRaceView::setBackgroundColour(Colour colour) {
  colour_.value = colour;
  showIfOutsideTick();
}

void ShownRaceView::setText(Display display, std::string_view text) {
  PendingText& pending = texts_[displayIndex(display)];
  pending.text.assign(text);
  pending.written = true;
  if (!inTick_) showText(display);
}

void ShownRaceView::endTick() {
  inTick_ = false;
  for (int i = 0; i < boxCount; ++i) showBox(static_cast<Box>(i));
  showIfOutsideTick();
  showText(Display::Energy);
  showText(Display::Distance);
}

void ShownRaceView::setDotsPerInch(int dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  for (int i = 0; i < boxCount; ++i) {
    shownPlaces_[i] = pixelPlace(positions_[i], dotsPerInch_);
    frontEnd_.moveBox(static_cast<Box>(i), shownPlaces_[i]);
  }
}

void ShownRaceView::showIfOutsideTick() {
  if (inTick_) return;
  if (colour_.value != colour_.shown) {
    colour_.shown = colour_.value;
    frontEnd_.setWindowColour(colour_.value);
  }
}

void ShownRaceView::showBox(Box box) {
  const PixelPoint place = pixelPlace(positions_[index(box)], dotsPerInch_);
  if (place == shownPlaces_[index(box)]) return;
  shownPlaces_[index(box)] = place;
  frontEnd_.moveBox(box, place);
}

// Compared with what the display shows now, not with what was last written: the player may
// have typed into it since.
void ShownRaceView::showText(Display display) {
  PendingText& pending = texts_[displayIndex(display)];
  if (!pending.written) return;
  pending.written = false;
  if (frontEnd_.displayText(display) != pending.text)
    frontEnd_.setDisplayText(display, pending.text);
}

ViewState ShownRaceView::state() const {
  ViewState state;
  state.boxes = positions_;
  state.clockEnabled = clockEnabled_;
  state.backgroundColour = colour_.value;
  state.energyText = frontEnd_.displayText(Display::Energy);
  state.distanceText = frontEnd_.displayText(Display::Distance);
  return state;
}

}  // namespace vortalin::game
