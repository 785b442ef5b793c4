#include "fonts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
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

// How wide the selected face is drawn against a face of normal width, in percent, from its
// OpenType width class; 100 where the face does not say.
int designedWidthPercent(HDC dc) {
  constexpr DWORD os2Table = 0x322F534F;  // "OS/2", as GetFontData reads the tag
  constexpr DWORD widthClassOffset = 6;
  std::array<BYTE, 2> widthClass{};
  if (GetFontData(dc, os2Table, widthClassOffset, widthClass.data(), 2) != 2) return 100;
  return form::designedWidthPercent(widthClass[0] << 8 | widthClass[1]);
}

int extentOf(HDC dc, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The average character width that draws `text` at a share of a normal-width face's width.
// GDI condenses in steps of a whole average width, each several percent at small sizes, and
// rounds each glyph's advance: the widest step that draws the text no wider than its share
// is taken, as the shared rule sizes the captions' room by that share.
LONG condensedWidth(HDC dc, LOGFONTW font, int percent, std::wstring_view text) {
  long target = 0;
  {
    const Font natural(CreateFontIndirectW(&font));
    const Selection selected(dc, natural.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const double scale = form::condensingScale(percent, designedWidthPercent(dc));
    font.lfWidth = std::lround(metrics.tmAveCharWidth * scale);
    target = std::lround(extentOf(dc, text) * scale);
  }
  for (; font.lfWidth > 1; --font.lfWidth) {
    const Font condensed(CreateFontIndirectW(&font));
    const Selection selected(dc, condensed.get());
    if (extentOf(dc, text) <= target) break;
  }
  return font.lfWidth;
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
    chosen.lfWidth = condensedWidth(dc.get(), chosen, choice.widthPercent, text);
  }
  return Font(CreateFontIndirectW(&chosen));
}

std::optional<RECT> inkOf(HDC dc, std::wstring_view caption) {
  constexpr MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  std::optional<RECT> ink;
  int pen = 0;
  for (const wchar_t character : caption) {
    GLYPHMETRICS glyph{};
    if (GetGlyphOutlineW(dc, character, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR) {
      return std::nullopt;
    }
    const int left = pen + glyph.gmptGlyphOrigin.x;
    const int top = -glyph.gmptGlyphOrigin.y;
    const RECT box{left, top, left + static_cast<int>(glyph.gmBlackBoxX),
                   top + static_cast<int>(glyph.gmBlackBoxY)};
    if (ink) {
      UnionRect(&*ink, &*ink, &box);
    } else {
      ink = box;
    }
    pen += glyph.gmCellIncX;
  }
  return ink;
}

Font fitToRoom(Font font, std::wstring_view caption, SIZE room) {
  LOGFONTW shape{};
  GetObjectW(font.get(), sizeof shape, &shape);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::optional<RECT> ink;
    {
      const Selection selected(dc.get(), font.get());
      ink = inkOf(dc.get(), caption);
    }
    if (!ink) return font;
    const double scale = std::min(static_cast<double>(room.cx) / (ink->right - ink->left),
                                  static_cast<double>(room.cy) / (ink->bottom - ink->top));
    if (scale >= 1) return font;
    // A pixel below the share, so that rounding cannot leave the ink a pixel too large.
    shape.lfHeight = static_cast<LONG>(shape.lfHeight * scale) + (shape.lfHeight < 0 ? 1 : -1);
    shape.lfWidth = static_cast<LONG>(shape.lfWidth * scale);
    font.reset(CreateFontIndirectW(&shape));
  }
  return font;
}

int widestWord(HFONT font, std::wstring_view text) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const Selection selected(dc.get(), font);
  int widest = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(L' ', start), text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.data() + start, static_cast<int>(end - start), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
    start = end + 1;
  }
  return widest;
}

Font fitWordsToWidth(Font font, std::wstring_view text, int width) {
  LOGFONTW shape{};
  GetObjectW(font.get(), sizeof shape, &shape);
  for (int widest = widestWord(font.get(), text); widest > width && shape.lfWidth > 1;
       widest = widestWord(font.get(), text)) {
    shape.lfWidth = std::min(shape.lfWidth - 1, static_cast<LONG>(shape.lfWidth * width / widest));
    font.reset(CreateFontIndirectW(&shape));
  }
  return font;
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
