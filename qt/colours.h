#pragma once

#include <QColor>
#include <QPalette>

#include "core/colour.h"

class QWidget;

namespace vortalin::qt {

/// A system colour as this window shows it: the classic scheme's.
QColor toQColor(SystemColour colour);

/// A 0x00BBGGRR colour, or a system colour (top bit set).
QColor toQColor(Colour colour);

/// The application palette made of the classic scheme's colours, for what Qt draws itself
/// (the line edit the player types into) and the colours widgets take from their palette.
QPalette classicPalette();

/// The colour a control without one of its own shows behind its contents: the button face.
QColor defaultBackground();

/// The colour of a button's caption where the button names none: the button text colour.
QColor defaultButtonText();

/// Fills the widget's background with the colour; children that paint their own keep theirs.
void setBackground(QWidget& widget, const QColor& colour);

}  // namespace vortalin::qt
