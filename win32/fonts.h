#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/control_record.h"
#include "handles.h"

namespace vortalin::win32 {

/// A font of the control table at a density (sizes are points). Where its face is not
/// installed or lacks a glyph of `text`, the first installed face of the same kind that has
/// every glyph takes its place.
Font createFont(const form::Font& font, std::wstring_view text, int dpi);

/// The box that a caption's glyphs ink in the font selected into `dc`, from the start of its
/// baseline (y up is negative), or nothing where the face gives no glyph outlines.
std::optional<RECT> inkOf(HDC dc, std::wstring_view caption);

/// The font made smaller, keeping its shape, where a caption's ink would not fit `room`
/// (a stand-in face wider than the one the table names, on a small button).
Font fitToRoom(Font font, std::wstring_view caption, SIZE room);

/// A condensed font (one with an average character width) condensed further where the widest
/// word of a wrapping caption would not fit `width` on a line.
Font fitWordsToWidth(Font font, std::wstring_view text, int width);

/// The width in pixels of the widest space-separated word of a text in a font.
int widestWord(HFONT font, std::wstring_view text);

/// The window's default font at a density.
Font createDefaultFont(int dpi);

/// The face a font really draws with.
std::wstring faceOf(HFONT font);

/// Whether a font has a glyph for every character of a text.
bool hasEveryGlyph(HFONT font, std::wstring_view text);

}  // namespace vortalin::win32
