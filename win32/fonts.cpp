#include "fonts.h"

#include <array>
#include <cmath>
#include <vector>

#include "dpi.h"
#include "form/stand_in_fonts.h"
#include "form/twips.h"
#include "text.h"

namespace vortalin::win32 {

namespace {


LOGFONTW logFont(const std::wstring& face, const form::Font& font, int dpi) {
  LOGFONTW result{};
  result.lfHeight = -static_cast<LONG>(std::lround(form::pointsToPixels(font.points, dpi)));
  result.lfWeight = font.weight;
  result.lfCharSet = static_cast<BYTE>(font.charset);
  result.lfOutPrecision = OUT_TT_PRECIS;
  face.copy(result.lfFaceName, LF_FACESIZE - 1);
  return result;
}

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool isInstalled(HDC dc, LOGFONTW font) {
  bool found = false;
  EnumFontFamiliesExW(dc, &font, noteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The average character width that condenses a font to a share of its natural width.
LONG condensedWidth(HDC dc, HFONT font, int percent) {
  const Selection selected(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return std::lround(metrics.tmAveCharWidth * percent / 100.0);
}

}  // namespace

bool hasEveryGlyph(HFONT font, std::wstring_view text) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const Selection selected(dc.get(), font);
  std::vector<WORD> glyphs(text.size());
  const DWORD count = GetGlyphIndicesW(dc.get(), text.data(), static_cast<int>(text.size()),
                                       glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  if (count == GDI_ERROR) return false;
  for (const WORD glyph : glyphs) {
    if (glyph == 0xFFFF) return false;
  }
  return true;
}

Font createFont(const form::Font& font, std::wstring_view text, int dpi) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const form::FaceChoice choice = form::chooseFace(font, [&](std::string_view face) {
    const LOGFONTW candidate = logFont(toUtf16(face), font, dpi);
    if (!isInstalled(dc.get(), candidate)) return false;
    const Font created(CreateFontIndirectW(&candidate));
    return created && hasEveryGlyph(created.get(), text);
  });
  LOGFONTW chosen = logFont(toUtf16(choice.face), font, dpi);
  if (choice.widthPercent != 100) {
    const Font natural(CreateFontIndirectW(&chosen));
    chosen.lfWidth = condensedWidth(dc.get(), natural.get(), choice.widthPercent);
  }
  return Font(CreateFontIndirectW(&chosen));
}

Font createDefaultFont(int dpi) {
  const LOGFONTW font = messageFont(dpi);
  return Font(CreateFontIndirectW(&font));
}

std::wstring faceOf(HFONT font) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const Selection selected(dc.get(), font);
  std::array<wchar_t, LF_FACESIZE> face{};
  GetTextFaceW(dc.get(), static_cast<int>(face.size()), face.data());
  return face.data();
}

}  // namespace vortalin::win32
