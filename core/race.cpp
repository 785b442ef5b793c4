#include "race.h"

#include <array>
#include <limits>
#include <string_view>

#include "race_rules.h"

namespace vortalin {

namespace {

constexpr std::int16_t counterLimit = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t energyFloor = std::numeric_limits<std::int16_t>::min();

/// Plain decimal digits with a leading minus for negatives, written into the caller's
/// buffer from its end.
std::string_view decimalText(std::int16_t value, std::array<char, 8>& buffer) {
  int magnitude = value < 0 ? -static_cast<int>(value) : value;
  char* first = buffer.data() + buffer.size();
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--first = '-';
  return {first, static_cast<std::size_t>(buffer.data() + buffer.size() - first)};
}

}  // namespace

void Race::start() {
  energy_ = rules::startEnergy;
  view_.setTop(Box::Strip, rules::courseStartTop);
  view_.setTop(Box::Rival0, rules::rivalRestartTop);
  view_.setClockEnabled(true);
}

void Race::steerLeft() { steeringSpeed_ = rules::steerLeftSpeed; }

void Race::steerRight() { steeringSpeed_ = rules::steerRightSpeed; }

void Race::stop() { view_.setClockEnabled(false); }

TickOutcome Race::tick() {
  if (distance_ == counterLimit) return TickOutcome::CounterFull;
  ++distance_;

  if (view_.top(Box::Strip) > rules::endOfCourseTop) view_.setClockEnabled(false);

  keepOnRoad(Box::Player);
  keepOnRoad(Box::Rival0);
  sendBackIfPastBottom(Box::Rival0);
  keepOnRoad(Box::Rival1);
  sendBackIfPastBottom(Box::Rival1);

  view_.move(Box::Strip, view_.left(Box::Strip), view_.top(Box::Strip) + rules::courseSpeed);
  moveRival0();
  view_.move(Box::Rival1, view_.left(Box::Rival1), view_.top(Box::Rival1) + rules::rival1Speed);
  view_.move(Box::Player, view_.left(Box::Player) + steeringSpeed_, view_.top(Box::Player));

  testCollision(Box::Rival0);
  testCollision(Box::Rival1);
  showDisplays();
  return TickOutcome::Ran;
}

void Race::keepOnRoad(Box box) {
  if (view_.left(box) < rules::roadLeft) view_.setLeft(box, rules::roadLeft);
  if (view_.left(box) > rules::roadRight) view_.setLeft(box, rules::roadRight);
}

void Race::sendBackIfPastBottom(Box box) {
  if (view_.top(box) > rules::rivalWrapTop) view_.setTop(box, rules::rivalRestartTop);
}

void Race::moveRival0() {
  // The order of these three reads is part of the rules: Left, then the draw, then Top.
  const float left = view_.left(Box::Rival0);
  const float r = random_.next();
  const float top = view_.top(Box::Rival0);

  const float offset = r * static_cast<float>(rules::jitterAmplitude);
  const float shifted = left + offset;
  const double halfAmplitude = rules::jitterAmplitude / 2.0;
  const auto newLeft = static_cast<float>(static_cast<double>(shifted) - halfAmplitude);
  view_.move(Box::Rival0, newLeft, top + rules::rival0Speed);
}

bool Race::overlapsPlayer(Box rival) const {
  const float dx = view_.left(Box::Player) - view_.left(rival);
  const float dy = view_.top(Box::Player) - view_.top(rival);
  return dx > -rules::collisionHalfWidth && dx < rules::collisionHalfWidth &&
         dy > -rules::collisionHalfHeight && dy < rules::collisionHalfHeight;
}

void Race::testCollision(Box rival) {
  if (overlapsPlayer(rival)) {
    // Energy has no floor in play; it saturates only where a 16-bit value would overflow,
    // which a race started from its own start position never reaches.
    const std::int16_t energy = energy_.value_or(0);  // an empty energy counts as 0
    energy_ = energy > energyFloor ? static_cast<std::int16_t>(energy - 1) : energy;
    view_.setBackgroundColour(rules::hitColour);
  } else {
    view_.setBackgroundColour(rules::normalColour);
  }
}

void Race::showDisplays() {
  std::array<char, 8> energyBuffer;
  std::array<char, 8> distanceBuffer;
  view_.setEnergyText(energy_ ? decimalText(*energy_, energyBuffer) : std::string_view{});
  view_.setDistanceText(decimalText(distance_, distanceBuffer));
}

}  // namespace vortalin
