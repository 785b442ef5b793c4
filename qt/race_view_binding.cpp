#include "race_view_binding.h"

#include <QAnyStringView>
#include <QLineEdit>
#include <QTimer>
#include <QUtf8StringView>
#include <QWidget>

#include "colours.h"
#include "twips.h"

namespace vortalin::qt {

namespace {

void replaceText(QLineEdit& box, std::string_view text) {
  const QUtf8StringView utf8(text.data(), static_cast<qsizetype>(text.size()));
  if (QAnyStringView::equal(box.text(), utf8)) return;
  box.setText(utf8.toString());
}

}  // namespace

RaceViewBinding::RaceViewBinding(const Controls& controls, const ViewState& design)
    : controls_(controls), positions_(design.boxes), background_(design.backgroundColour) {}

void RaceViewBinding::setLeft(Box box, float left) {
  positions_[index(box)].left = left;
  place(box);
}

void RaceViewBinding::setTop(Box box, float top) {
  positions_[index(box)].top = top;
  place(box);
}

void RaceViewBinding::move(Box box, float left, float top) {
  positions_[index(box)] = {left, top};
  place(box);
}

void RaceViewBinding::place(Box box) {
  const BoxPosition& position = positions_[index(box)];
  QWidget& widget = *controls_.boxes[index(box)];
  const QPoint pixels = twipsToPixels(position.left, position.top);
  if (widget.pos() != pixels) widget.move(pixels);
}

bool RaceViewBinding::clockEnabled() const { return controls_.clock->isActive(); }

void RaceViewBinding::setClockEnabled(bool enabled) {
  if (enabled == controls_.clock->isActive()) return;
  if (enabled) {
    controls_.clock->start();
  } else {
    controls_.clock->stop();
  }
}

void RaceViewBinding::setBackgroundColour(Colour colour) {
  if (colour == background_) return;
  background_ = colour;
  setBackground(*controls_.window, toQColor(colour));
}

void RaceViewBinding::setEnergyText(std::string_view text) { replaceText(*controls_.energy, text); }

void RaceViewBinding::setDistanceText(std::string_view text) {
  replaceText(*controls_.distance, text);
}

}  // namespace vortalin::qt
