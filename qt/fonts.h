#pragma once

#include <QFont>

#include "form/control_record.h"

namespace vortalin::qt {

/// The font a control draws `caption` with: the face the record names where it is installed
/// and has every glyph of the caption, else the first installed stand-in of its kind that has
/// them, at the record's size and weight, condensed as far as the stand-in needs.
QFont toQFont(const form::Font& font, const QString& caption = {});

}  // namespace vortalin::qt
