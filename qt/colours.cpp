#include "colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "form/system_colours.h"

namespace vortalin::qt {

namespace {

QPalette::ColorRole paletteRole(form::SystemColour colour) {
  switch (colour) {
    case form::SystemColour::WindowBackground: return QPalette::Base;
    case form::SystemColour::WindowText: return QPalette::Text;
    case form::SystemColour::ButtonText: return QPalette::ButtonText;
    case form::SystemColour::ButtonFace: break;
  }
  return QPalette::Button;
}

}  // namespace

QColor toQColor(Colour colour) {
  if (!form::isSystemColour(colour)) {
    const form::Rgb rgb = form::rgbOf(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
  }
  return QApplication::palette().color(paletteRole(form::systemColourOf(colour)));
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
