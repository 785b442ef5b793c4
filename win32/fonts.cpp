#include "fonts.h"

#include <array>
#include <cmath>
#include <vector>

#include "dpi.h"
#include "form_table.h"
#include "twips.h"
#include "text.h"

namespace vortalin::win32 {

namespace {

// Faces tried after the one the table names. For Impact: narrow heavy faces of Windows, then
// of Debian's fonts under Wine. For the Japanese display faces: heavy Gothic faces of
// Windows, then Noto (Debian's fonts-noto-cjk) under Wine.
constexpr std::array<const wchar_t*, 4> latinFaces{L"Arial Narrow", L"Liberation Sans Narrow",
                                                   L"Arial", L"Liberation Sans"};
constexpr std::array<const wchar_t*, 7> japaneseFaces{
    L"Yu Gothic UI", L"Yu Gothic", L"Meiryo UI", L"Meiryo", L"MS PGothic", L"MS Gothic",
    L"Noto Sans CJK JP"};
constexpr int shiftJisCharset = SHIFTJIS_CHARSET;

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
  std::vector<std::wstring> faces{toUtf16(font.face)};
  if (font.charset == shiftJisCharset) {
    faces.insert(faces.end(), japaneseFaces.begin(), japaneseFaces.end());
  } else {
    faces.insert(faces.end(), latinFaces.begin(), latinFaces.end());
  }
  for (const std::wstring& face : faces) {
    LOGFONTW candidate = logFont(face, font, dpi);
    if (!isInstalled(dc.get(), candidate)) continue;
    Font created(CreateFontIndirectW(&candidate));
    if (!created || !hasEveryGlyph(created.get(), text)) continue;
    if (face == faces.front() || font.face != form::impactFace) return created;
    candidate.lfWidth = condensedWidth(dc.get(), created.get(), form::impactStandInWidthPercent);
    return Font(CreateFontIndirectW(&candidate));
  }
  // Nothing fits: let Windows pick its nearest match for the named face.
  const LOGFONTW named = logFont(faces.front(), font, dpi);
  return Font(CreateFontIndirectW(&named));
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
