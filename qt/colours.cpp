#include "colours.h"

#include <utility>

#include <QWidget>

#include "form/classic_palette.h"
#include "form/system_colours.h"

namespace vortalin::qt {

namespace {

QColor toQColor(form::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

constexpr std::pair<QPalette::ColorRole, SystemColour> paletteRoles[] = {
    {QPalette::Window, SystemColour::ButtonFace},
    {QPalette::WindowText, SystemColour::WindowText},
    {QPalette::Base, SystemColour::WindowBackground},
    {QPalette::AlternateBase, SystemColour::ButtonFace},
    {QPalette::Text, SystemColour::WindowText},
    {QPalette::Button, SystemColour::ButtonFace},
    {QPalette::ButtonText, SystemColour::ButtonText},
    {QPalette::BrightText, SystemColour::ButtonHighlight},
    {QPalette::Light, SystemColour::ButtonHighlight},
    {QPalette::Midlight, SystemColour::ButtonLight},
    {QPalette::Mid, SystemColour::ButtonShadow},
    {QPalette::Dark, SystemColour::ButtonShadow},
    {QPalette::Shadow, SystemColour::ButtonDarkShadow},
    {QPalette::Highlight, SystemColour::Highlight},
    {QPalette::HighlightedText, SystemColour::HighlightText},
};

}  // namespace

QColor toQColor(SystemColour colour) { return toQColor(form::classicRgb(colour)); }

QColor toQColor(Colour colour) { return toQColor(form::classicRgb(colour)); }

QPalette classicPalette() {
  QPalette palette;
  for (const auto& [role, colour] : paletteRoles) palette.setColor(role, toQColor(colour));
  return palette;
}

QColor defaultBackground() { return toQColor(form::defaultBackground); }

QColor defaultButtonText() { return toQColor(form::defaultButtonText); }

void setBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace vortalin::qt
