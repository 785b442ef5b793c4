#pragma once

#include <QFont>

#include "form/control_record.h"

namespace vortalin::qt {

/// Lets the displays the race redraws each tick be drawn from rendered glyphs kept in a cache,
/// rather than from their outlines, where a screen scales them beyond what Qt's FreeType engine
/// caches. Call before the first text is measured or painted; settings already in the
/// environment are kept.
void cacheLargeGlyphs();

/// The font a control draws `caption` with: the face the record names where it is installed
/// and has every glyph of the caption, else the first installed stand-in of its kind that has
/// them, at the record's size and weight, condensed as far as the stand-in needs.
QFont toQFont(const form::Font& font, const QString& caption = {});

}  // namespace vortalin::qt
