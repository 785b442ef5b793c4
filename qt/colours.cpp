#include "colours.h"

#include <array>
#include <utility>

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vortalin::qt {

namespace {

// System colour indices the program may name, and the palette role that stands for each.
constexpr std::array systemColours{
    std::pair{5u, QPalette::Base},        // window background
    std::pair{8u, QPalette::Text},        // window text
    std::pair{15u, QPalette::Button},     // button face
    std::pair{18u, QPalette::ButtonText}, // button text
};

}  // namespace

QColor toQColor(Colour colour) {
  if ((colour & systemColourFlag) == 0) {
    return QColor(colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu);
  }
  const unsigned index = colour & 0xFFu;
  for (const auto& [systemIndex, role] : systemColours) {
    if (systemIndex == index) return QApplication::palette().color(role);
  }
  return QApplication::palette().color(QPalette::Button);
}

QColor defaultBackground() { return toQColor(buttonFace); }

QColor defaultButtonText() { return QApplication::palette().color(QPalette::ButtonText); }

void setBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace vortalin::qt
