#include "colours.h"

#include <QPalette>
#include <QWidget>

#include "form/classic_palette.h"

namespace vortalin::qt {

// Linux has no classic system scheme of its own, so system colours come from the classic one,
// as on the page.
QColor toQColor(Colour colour) {
  const form::Rgb rgb = form::classicRgb(colour);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor toQColor(SystemColour colour) {
  const form::Rgb rgb = form::classicRgb(colour);
  return QColor(rgb.red, rgb.green, rgb.blue);
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
