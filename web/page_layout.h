#pragma once

#include <string>

#include "core/colour.h"
#include "form/control_record.h"
#include "form/system_colours.h"

namespace vortalin::web {

/// A colour as CSS writes it ("#rrggbb").
std::string cssColour(form::Rgb rgb);
std::string cssColour(Colour colour);

/// A control's name on the page: its name, and its index in brackets for an array's element.
std::string controlId(const form::ControlRecord& record);
/// A control's kind as the page names it ("button", "text", "label", "picture", ...).
const char* kindName(form::ControlKind kind);

/// Everything the page builds itself from, as one JSON object, in device pixels at a density:
/// the window, its controls in window order (front first, focusable ones in tab order), their
/// captions, colours, fonts, accessible names and looks (rings, focus marks and text areas,
/// per state for a button), the boxes the course frame draws back to front, the classic
/// colours and line of the notice, and the clock's period.
std::string pageLayoutJson(int dotsPerInch);

}  // namespace vortalin::web
