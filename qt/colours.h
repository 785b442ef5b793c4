#pragma once

#include <QColor>

#include "core/colour.h"

class QWidget;

namespace vortalin::qt {

/// A 0x00BBGGRR colour, or a system colour (top bit set) from the classic scheme.
QColor toQColor(Colour colour);
QColor toQColor(SystemColour colour);

/// The colour a control without one of its own shows behind its contents: the button face.
QColor defaultBackground();

/// The colour of a button's caption where the button names none: the button text colour.
QColor defaultButtonText();

/// Fills the widget's background with the colour; children that paint their own keep theirs.
void setBackground(QWidget& widget, const QColor& colour);

}  // namespace vortalin::qt
