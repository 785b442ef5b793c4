// The real Win32 window, shown on a display, driven through the shared controller: where
// its controls lie, in which order, and what it shows over whole courses, against the core.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/race.h"
#include "core/tests/race_model.h"
#include "form/classic_look.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/pictures.h"
#include "form/twips.h"
#include "form/window_order.h"
#include "game/controller.h"
#include "win32/colours.h"
#include "win32/fonts.h"
#include "win32/main_window.h"
#include "win32/message_loop.h"
#include "win32/one_copy_paint.h"
#include "win32/text.h"

namespace vortalin::win32 {
namespace {

void pump(MainWindow& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) dispatch(window, message);
  }
}

RECT rectIn(HWND child, HWND container) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The width of the widest word of a text in a font: a wrapping caption must fit it on a line.
int rowOf(HWND control) { return GetDlgCtrlID(control) - controlId(0); }

/// The pixels a window's inside shows now, 0x00RRGGBB, row by row.
std::vector<std::uint32_t> insidePixels(HWND window) {
  RECT inside{};
  GetClientRect(window, &inside);
  const WindowDc screen(window);
  const MemoryDc memory(CreateCompatibleDC(screen.get()));
  const Bitmap bitmap(CreateCompatibleBitmap(screen.get(), inside.right, inside.bottom));
  {
    const Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, inside.right, inside.bottom, screen.get(), 0, 0, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof info.bmiHeader, inside.right, -inside.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(inside.right * inside.bottom));
  GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(inside.bottom), pixels.data(), &info,
            DIB_RGB_COLORS);
  return pixels;
}

/// The weight class (700 bold) of the face a font really draws with, from its OS/2 table.
int faceWeight(HFONT font) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const Selection selected(dc.get(), font);
  constexpr DWORD os2Table = 0x322F534F;
  std::uint8_t weight[2]{};
  if (GetFontData(dc.get(), os2Table, 4, weight, 2) != 2) return 0;
  return weight[0] << 8 | weight[1];
}

/// A colour as the captured pixels hold it, 0x00RRGGBB.
std::uint32_t pixelOf(COLORREF colour) {
  return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

/// Where a button's caption inks its face: every pixel inside the bevel that is not the
/// face's colour, and how thick its dark strokes are on average across a row.
struct CaptionInk {
  RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};  // right and bottom exclusive
  double meanStroke = 0;
};

CaptionInk captionInk(HWND button, COLORREF face, int bevelWidth) {
  const std::vector<std::uint32_t> pixels = insidePixels(button);
  RECT inside{};
  GetClientRect(button, &inside);
  const std::uint32_t facePixel = pixelOf(face);
  const auto dark = [](std::uint32_t pixel) {
    return (pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF) < 3 * 0x60;
  };
  CaptionInk ink;
  int strokes = 0;
  int strokePixels = 0;
  for (int y = bevelWidth; y < inside.bottom - bevelWidth; ++y) {
    bool inStroke = false;
    for (int x = bevelWidth; x < inside.right - bevelWidth; ++x) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * inside.right + x)] & 0xFFFFFF;
      if (pixel != facePixel) {
        ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                   std::max<LONG>(ink.box.right, x + 1), std::max<LONG>(ink.box.bottom, y + 1)};
      }
      strokes += dark(pixel) && !inStroke;
      strokePixels += dark(pixel);
      inStroke = dark(pixel);
    }
  }
  ink.meanStroke = strokes > 0 ? static_cast<double>(strokePixels) / strokes : 0;
  return ink;
}

class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(game::Now now = game::steadyNow) : window(GetModuleHandleW(nullptr), now) {
    window.show(SW_SHOWNORMAL);
    pump(window);
  }

  HWND control(std::string_view name, int index = -1) const {
    return window.controls().window(name, index);
  }
  HWND containerOf(const form::ControlRecord& record) const {
    return record.container == form::windowControl ? window.handle() : control(record.container);
  }
  void click(std::string_view name) { SendMessageW(control(name), BM_CLICK, 0, 0); }
  COLORREF shownWindowColour() const {
    UpdateWindow(window.handle());
    const WindowDc dc(window.handle());
    return GetPixel(dc.get(), 1, 1);
  }

  MainWindow window;
};

// Parameter: a density the window is told it has moved to, or 0 to keep the one it opened at.
class WindowLayout : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  WindowLayout() {
    // Wholly on the screen, whose pixels the tests read back.
    SetWindowPos(window.handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (GetParam() == 0) return;
    RECT place{};
    GetWindowRect(window.handle(), &place);
    // Room for the larger window, as Windows suggests it.
    place.right = place.left + 1000;
    place.bottom = place.top + 1000;
    SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(GetParam(), GetParam()),
                 reinterpret_cast<LPARAM>(&place));
    pump(window);
  }
};

TEST_P(WindowLayout, EveryControlSitsWhereTheTableSaysAtTheWindowsDensity) {
  if (GetParam() != 0) {
    ASSERT_EQ(window.dotsPerInch(), GetParam());
  }
  const int dpi = window.dotsPerInch();
  // Resizing the window moves nothing.
  SetWindowPos(window.handle(), nullptr, 0, 0, 700, 600, SWP_NOMOVE | SWP_NOZORDER);
  pump(window);
  for (const form::ControlRecord& record : form::formTable) {
    if (!form::isChildWindow(record)) continue;
    const RECT shown = rectIn(control(record.name, record.index), containerOf(record));
    const form::PixelRect expected = form::pixelRect(record, dpi);
    EXPECT_EQ(shown.left, expected.left) << record.name << record.index;
    EXPECT_EQ(shown.top, expected.top) << record.name << record.index;
    EXPECT_EQ(shown.right - shown.left, expected.width) << record.name << record.index;
    EXPECT_EQ(shown.bottom - shown.top, expected.height) << record.name << record.index;
  }
  RECT inside{};
  GetClientRect(control("Picture1"), &inside);
  EXPECT_EQ(inside.right, PictureSet::sizeAt(form::Picture::Course, dpi).cx)
      << "the course frame's inside is as wide as the course picture";
}

TEST_F(WindowTest, OpensAtTheTablesSizeWithItsCaptions) {
  const form::ControlRecord& form = form::control("Form1");
  const int dpi = window.dotsPerInch();
  RECT inside{};
  GetClientRect(window.handle(), &inside);
  EXPECT_EQ(inside.right, form::twipsToPixels(form.width, dpi));
  EXPECT_EQ(inside.bottom, form::twipsToPixels(form.height, dpi));
  EXPECT_EQ(windowText(window.handle()), L"Form1");
  for (const form::ControlRecord& record : form::formTable) {
    if (record.kind == form::ControlKind::CommandButton ||
        record.kind == form::ControlKind::Label || record.kind == form::ControlKind::TextBox) {
      EXPECT_EQ(windowText(control(record.name)), toUtf16(record.caption)) << record.name;
      const auto font =
          reinterpret_cast<HFONT>(SendMessageW(control(record.name), WM_GETFONT, 0, 0));
      EXPECT_TRUE(hasEveryGlyph(font, toUtf16(record.caption)))
          << record.name << " is drawn in " << toUtf8(faceOf(font)) << ", which lacks a glyph";
      RECT inside{};
      GetClientRect(control(record.name), &inside);
      EXPECT_LE(widestWord(font, toUtf16(record.caption)), inside.right)
          << record.name << "'s caption is cut at its sides";
      if (record.font && record.font->weight >= 700) {
        EXPECT_GE(faceWeight(font), 700) << record.name << " is drawn in a face lighter than bold";
      }
    }
  }
  EXPECT_FALSE(window.clock().running());
}

// A caption drawn by its line box rather than its ink sits low in a short button, or runs
// into the bevel; a stand-in condensed too far draws START in thin strokes.
TEST_P(WindowLayout, ButtonCaptionsAreWholeCentredAndBold) {
  SetFocus(control("Text1"));  // no focus mark over a caption
  pump(window);
  const int dpi = window.dotsPerInch();
  const double designPixel = dpi / 96.0;
  for (const form::ControlRecord& record : form::formTable) {
    if (record.kind != form::ControlKind::CommandButton) continue;
    const HWND button = control(record.name);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT inside{};
    GetClientRect(button, &inside);
    const int bevelWidth = form::captionArea(inside.right, inside.bottom, {}, dpi).left;
    const CaptionInk ink = captionInk(button, toColorRef(*record.background), bevelWidth);
    ASSERT_LT(ink.box.left, ink.box.right) << record.name << " shows no caption";
    EXPECT_GT(ink.box.left, bevelWidth) << record.name << ": ink columns " << ink.box.left << " to "
                                        << ink.box.right << " of " << inside.right;
    EXPECT_GT(ink.box.top, bevelWidth) << record.name << "'s caption touches the bevel";
    EXPECT_LT(ink.box.right, inside.right - bevelWidth) << record.name;
    EXPECT_LT(ink.box.bottom, inside.bottom - bevelWidth)
        << record.name << "'s caption touches the bevel";
    EXPECT_NEAR((ink.box.top + ink.box.bottom) / 2.0, inside.bottom / 2.0, designPixel)
        << record.name << ": ink rows " << ink.box.top << " to " << ink.box.bottom << " of "
        << inside.bottom;
    if (record.name == "Command1") {
      const double stroke = ink.meanStroke / (ink.box.bottom - ink.box.top);
      EXPECT_GE(stroke, 0.16) << "START's strokes are " << ink.meanStroke << " pixels wide";
    }
  }
}

// Every ring of every control and every dot of the focused button's mark, pixel for pixel,
// as the shared look draws them in the system's colours: START has the focus, STOP is held
// down, and controls in front hide those behind.
TEST_P(WindowLayout, RingsAndFocusDotsAreTheSharedLooksInSystemColours) {
  const HWND pressed = control("Command4");
  SetFocus(control("Command1"));
  SendMessageW(pressed, BM_SETSTATE, TRUE, 0);
  RedrawWindow(window.handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump(window);
  const std::vector<std::uint32_t> shown = insidePixels(window.handle());
  SendMessageW(pressed, BM_SETSTATE, FALSE, 0);
  RECT inside{};
  GetClientRect(window.handle(), &inside);
  const int dpi = window.dotsPerInch();
  struct Expected {
    const form::ControlRecord* control = nullptr;  // none: not a ring's pixel
    std::uint32_t colour = 0;
  };
  std::vector<Expected> expected(shown.size());
  for (auto row = form::windowOrder.rbegin(); row != form::windowOrder.rend(); ++row) {
    const form::ControlRecord& record = form::formTable[*row];
    if (record.container != form::windowControl) continue;  // the cars and the course
    const HWND child = control(record.name, record.index);
    const RECT place = rectIn(child, window.handle());
    const auto paint = [&](const form::DeviceRect& rect, const form::ControlRecord* owner,
                           std::uint32_t colour) {
      for (int y = std::max<int>(0, place.top + rect.top);
           y < std::min<int>(inside.bottom, place.top + rect.top + rect.height); ++y) {
        for (int x = std::max<int>(0, place.left + rect.left);
             x < std::min<int>(inside.right, place.left + rect.left + rect.width); ++x) {
          expected[static_cast<std::size_t>(y * inside.right + x)] = {owner, colour};
        }
      }
    };
    const int width = place.right - place.left, height = place.bottom - place.top;
    paint({0, 0, width, height}, nullptr, 0);
    const bool button = record.kind == form::ControlKind::CommandButton;
    const form::ButtonState state{child == GetFocus(), child == pressed};
    form::paintRings(button ? form::buttonRings(state) : form::borderRings(record), width, height,
                     dpi, [&](const form::DeviceRect& rect, SystemColour colour) {
                       paint(rect, &record, pixelOf(GetSysColor(static_cast<int>(colour))));
                     });
    if (button && state.focused) {
      const std::uint32_t inverted = ~pixelOf(toColorRef(*record.background)) & 0xFFFFFF;
      form::paintFocusMark(width, height, dpi,
                           [&](const form::DeviceRect& rect) { paint(rect, &record, inverted); });
    }
  }
  std::map<std::string, std::pair<int, int>> differing;  // by control: pixels, of
  std::map<std::string, std::string> first;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (expected[i].control == nullptr) continue;
    const std::string name(expected[i].control->name);
    ++differing[name].second;
    if ((shown[i] & 0xFFFFFF) == expected[i].colour) continue;
    if (differing[name].first++ == 0) {
      char what[96];
      std::snprintf(what, sizeof what, "first at (%d, %d): %06X, not %06X",
                    static_cast<int>(i % static_cast<std::size_t>(inside.right)),
                    static_cast<int>(i / static_cast<std::size_t>(inside.right)),
                    shown[i] & 0xFFFFFF, expected[i].colour);
      first[name] = what;
    }
  }
  ASSERT_FALSE(differing.empty());
  for (const auto& [name, count] : differing) {
    EXPECT_EQ(count.first, 0) << name << ": " << count.first << " of " << count.second
                              << " ring and dot pixels differ, " << first[name];
  }
}

// A text box's digits run within its margins on a line centred in its frame, and a label's
// text starts at the inside of its border: as the shared look places them.
TEST_P(WindowLayout, TextRunsWhereTheSharedLookPutsIt) {
  const int dpi = window.dotsPerInch();
  for (const form::ControlRecord& record : form::formTable) {
    const bool textBox = record.kind == form::ControlKind::TextBox;
    if (!textBox && record.kind != form::ControlKind::Label) continue;
    const HWND box = control(record.name);
    RECT outer{}, text{};
    GetWindowRect(box, &outer);
    GetClientRect(box, &text);
    if (textBox) SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&text), 2);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const form::DeviceRect area = textBox ? form::textBoxTextArea(width, height, dpi)
                                          : form::labelTextArea(record, width, height, dpi);
    EXPECT_EQ(text.left - outer.left, area.left) << record.name;
    EXPECT_EQ(text.right - outer.left, area.left + area.width) << record.name;
    if (textBox) {
      TEXTMETRICW line{};
      {
        const WindowDc dc(box);
        const Selection font(dc.get(),
                             reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc.get(), &line);
      }
      POINT first{0, static_cast<short>(HIWORD(SendMessageW(box, EM_POSFROMCHAR, 0, 0)))};
      MapWindowPoints(box, nullptr, &first, 1);
      EXPECT_EQ(first.y - outer.top, area.top + (area.height - line.tmHeight) / 2)
          << record.name << "'s line is not centred";
    } else {
      EXPECT_EQ(text.top - outer.top, area.top) << record.name;
      EXPECT_EQ(text.bottom - outer.top, area.top + area.height) << record.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Densities, WindowLayout, ::testing::Values(0, 144, 192));

/// A picture's pixels at a density, 0x00RRGGBB, row by row.
std::vector<std::uint32_t> picturePixels(const PictureSet& pictures, form::Picture picture,
                                         int dpi) {
  const Bitmap bitmap = pictures.bitmapAt(picture, dpi);
  DIBSECTION section{};
  GetObjectW(bitmap.get(), sizeof section, &section);
  const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  std::vector<std::uint32_t> pixels(bits, bits + section.dsBm.bmWidth * section.dsBm.bmHeight);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// At 144 dpi a picture pixel covers one and a half device pixels: each device pixel shows the
// one the shared rule names, as the other windows enlarge it.
TEST(Pictures, EnlargeAsEveryWindowDoesAtOneAndAHalf) {
  const PictureSet pictures;
  for (const form::Picture picture : form::allPictures) {
    const std::vector<std::uint32_t> natural = picturePixels(pictures, picture, 96);
    const std::vector<std::uint32_t> enlarged = picturePixels(pictures, picture, 144);
    const form::PixelSize from = form::pictureSize(picture);
    const SIZE to = PictureSet::sizeAt(picture, 144);
    ASSERT_EQ(enlarged.size(), static_cast<std::size_t>(to.cx * to.cy));
    int differing = 0;
    for (int y = 0; y < to.cy; ++y) {
      for (int x = 0; x < to.cx; ++x) {
        const int sourceX = form::sourcePixel(x, from.width, to.cx);
        const int sourceY = form::sourcePixel(y, from.height, to.cy);
        differing += enlarged[static_cast<std::size_t>(y * to.cx + x)] !=
                     natural[static_cast<std::size_t>(sourceY * from.width + sourceX)];
      }
    }
    EXPECT_EQ(differing, 0) << form::pictureFile(picture);
  }
}

// Windows takes both the drawing order and the Tab key's order from the order of a
// container's child windows.
TEST_F(WindowTest, ChildWindowsAreStackedAndVisitedInTheTablesOrders) {
  for (const HWND container : {window.handle(), control("Picture1")}) {
    std::vector<int> shown;
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      shown.push_back(rowOf(child));
    }
    std::vector<int> expected;
    for (const int row : form::windowOrder) {
      if (containerOf(form::formTable[row]) == container) expected.push_back(row);
    }
    EXPECT_EQ(shown, expected);
  }
  std::vector<int> visited;
  HWND focus = window.controls().firstInTabOrder();
  for (std::size_t i = 0; i < form::tabOrder.size(); ++i) {
    visited.push_back(rowOf(focus));
    focus = GetNextDlgTabItem(window.handle(), focus, FALSE);
  }
  EXPECT_EQ(visited, std::vector<int>(form::tabOrder.begin(), form::tabOrder.end()));
}

// Windows runs a loop of its own, which knows nothing of the game's clock, while the window
// is dragged: the race goes on all the same.
TEST_F(WindowTest, TheRaceGoesOnWhileTheWindowIsDragged) {
  click("Command1");
  SendMessageW(window.handle(), WM_ENTERSIZEMOVE, 0, 0);
  const ULONGLONG end = GetTickCount64() + 300;
  while (GetTickCount64() < end) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
    } else {
      Sleep(1);
    }
  }
  SendMessageW(window.handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_GE(std::stoi(windowText(control("Text2"))), 10) << "periods of 10 ms in 0.3 s";
}

struct KeyCase {
  const char* name;
  WPARAM key;
  bool starts;             // the key clicks START
  const char* focusAfter;  // where the focus is afterwards
};

void PrintTo(const KeyCase& key, std::ostream* out) { *out << key.name; }

class WindowKeys : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

// The program handles no key: what keys do is the ordinary behaviour of Windows' controls.
TEST_P(WindowKeys, TheFocusedButtonAnswersAsAnyButtonDoes) {
  const KeyCase& key = GetParam();
  SetFocus(control("Command1"));
  PostMessageW(control("Command1"), WM_KEYDOWN, key.key, 1);
  PostMessageW(control("Command1"), WM_KEYUP, key.key, 0xC0000001);
  pump(window);
  EXPECT_EQ(window.clock().running(), key.starts);
  EXPECT_EQ(GetFocus(), control(key.focusAfter));
}

INSTANTIATE_TEST_SUITE_P(Keys, WindowKeys,
                         ::testing::Values(KeyCase{"Space", VK_SPACE, true, "Command1"},
                                           KeyCase{"Enter", VK_RETURN, true, "Command1"},
                                           KeyCase{"Tab", VK_TAB, false, "Command2"},
                                           KeyCase{"Letter", 'A', false, "Command1"},
                                           // Arrows walk the tab order round.
                                           KeyCase{"Right", VK_RIGHT, false, "Command2"},
                                           KeyCase{"Down", VK_DOWN, false, "Command2"},
                                           KeyCase{"Left", VK_LEFT, false, "Command4"},
                                           KeyCase{"Up", VK_UP, false, "Command4"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The window's clock keeps a time that never moves: only the test runs periods.
class WindowCourse : public WindowTest {
 protected:
  WindowCourse() : WindowTest([] { return game::Time{}; }) {}

  void press(std::string_view button) {
    click(button);
    reference.execute(*game::commandOfControl(button));
  }

  /// Runs one clock period in the window and in the core, and compares what the window
  /// shows with what the core computed.
  // Painted as the clock's wake-ups paint it: all that is due, in one copy.
  void tickAndCompare() {
    window.controller().clockPeriod();
    referenceGame.clockPeriod();
    ASSERT_TRUE(paintDueInOneCopy(window.handle()));
    pump(window);
    const ViewState expected = referenceGame.view().state();
    const int dpi = window.dotsPerInch();
    for (int i = 0; i < boxCount; ++i) {
      const RECT shown = rectIn(control(form::boxControls[i].name, form::boxControls[i].index),
                                control("Picture1"));
      ASSERT_EQ(shown.left, form::twipsToPixels(expected.boxes[i].left, dpi)) << "box " << i;
      ASSERT_EQ(shown.top, form::twipsToPixels(expected.boxes[i].top, dpi)) << "box " << i;
    }
    ASSERT_EQ(toUtf8(windowText(control("Text1"))), expected.energyText);
    ASSERT_EQ(toUtf8(windowText(control("Text2"))), expected.distanceText);
    ASSERT_EQ(window.clock().running(), expected.clockEnabled);
    ASSERT_EQ(shownWindowColour(), toColorRef(expected.backgroundColour));
    redTicks += expected.backgroundColour == 255;
  }

  /// The core on its own: the same controller over a front-end that shows nothing.
  struct NoFrontEnd final : game::FrontEnd {
    void moveBox(Box, game::PixelPoint) override {}
    game::Time now() const override { return {}; }
    void wakeAt(game::Time) override {}
    void stopWaking() override {}
    void setWindowColour(Colour) override {}
    std::string displayText(game::Display display) const override {
      return texts[game::displayIndex(display)];
    }
    void setDisplayText(game::Display display, std::string_view text) override {
      texts[game::displayIndex(display)].assign(text);
    }
    void showNotice(std::string_view) override {}
    std::string texts[2]{"1000", "0"};
  };

  /// What the window shows after the painting of each tick's dirty parts in one copy,
  /// against every window painting all of itself on its own.
  void compareWithFullRepaint() {
    const std::vector<std::uint32_t> partly = insidePixels(window.handle());
    RedrawWindow(window.handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::vector<std::uint32_t> wholly = insidePixels(window.handle());
    RECT inside{};
    GetClientRect(window.handle(), &inside);
    RECT differing{LONG_MAX, LONG_MAX, -1, -1};
    for (std::size_t i = 0; i < partly.size(); ++i) {
      if (partly[i] == wholly[i]) continue;
      const LONG x = static_cast<LONG>(i) % inside.right, y = static_cast<LONG>(i) / inside.right;
      differing = {std::min(differing.left, x), std::min(differing.top, y),
                   std::max(differing.right, x), std::max(differing.bottom, y)};
    }
    EXPECT_EQ(differing.right, -1)
        << "the partial repaints left a mark within (" << differing.left << ", " << differing.top
        << ") to (" << differing.right << ", " << differing.bottom << ")";
  }

  NoFrontEnd nothingShown;
  game::Controller referenceGame{nothingShown};
  game::Controller& reference = referenceGame;
  int redTicks = 0;
};

TEST_F(WindowCourse, AWholeCourseShowsWhatTheCoreComputesTickByTick) {
  press("Command1");
  int ticks = 0;
  while (window.clock().running() && ticks < 2000) {
    if (ticks == 0 || ticks == 900) press("Command3");
    if (ticks == 400) press("Command2");
    if (ticks == 700) {
      // Typing into a display is possible; the next tick puts the number back and leaves
      // the caret after what was typed.
      SendMessageW(control("Text1"), EM_SETSEL, 1, 1);
      SendMessageW(control("Text1"), WM_CHAR, L'7', 1);
      EXPECT_NE(toUtf8(windowText(control("Text1"))), referenceGame.view().state().energyText);
    }
    const int redBefore = redTicks;
    ASSERT_NO_FATAL_FAILURE(tickAndCompare()) << "tick " << ticks + 1;
    if (ticks == 700) {
      DWORD start = 0, end = 0;
      SendMessageW(control("Text1"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, 2u) << "the caret after the typed digit";
      EXPECT_EQ(end, 2u);
    }
    // Also on the first red tick: the whole window repainted, every label with it.
    if (++ticks % 250 == 0 || (redBefore == 0 && redTicks == 1)) compareWithFullRepaint();
  }
  EXPECT_EQ(ticks, 1522);
  EXPECT_GT(redTicks, 0) << "the course never turned the window red";
  EXPECT_LT(*window.controller().race().energy(), 1000);
}

/// What a message box of this thread said, read and closed from a timer while it is open.
/// While it is open, also whether the game's window was its owner and took no input, and
/// whether the clock had stopped.
struct NoticeReader {
  static inline const MainWindow* game = nullptr;
  static inline std::vector<std::wstring> texts;
  static inline std::wstring title;
  static inline RECT place{}, ownerPlace{};  // the notice's and the window's, on the screen
  static inline int open = 0;                // notices open at the last look
  static inline int mostOpen = 0;            // at any look
  static inline bool modalToTheWindow = false;
  static inline bool clockStopped = false;

  static bool isNotice(HWND window) {
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    return std::wstring_view(className) == L"#32770" && IsWindowVisible(window);
  }
  static BOOL CALLBACK readText(HWND child, LPARAM) {
    texts.push_back(windowText(child));
    return TRUE;
  }
  static BOOL CALLBACK read(HWND window, LPARAM) {
    if (!isNotice(window)) return TRUE;
    ++open;
    title = windowText(window);
    GetWindowRect(window, &place);
    GetWindowRect(game->handle(), &ownerPlace);
    EnumChildWindows(window, readText, 0);
    modalToTheWindow =
        GetWindow(window, GW_OWNER) == game->handle() && !IsWindowEnabled(game->handle());
    clockStopped = !game->clock().running();
    return TRUE;
  }
  static BOOL CALLBACK close(HWND window, LPARAM) {
    if (isNotice(window)) PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    open = 0;
    EnumThreadWindows(GetCurrentThreadId(), read, 0);
    mostOpen = std::max(mostOpen, open);
    EnumThreadWindows(GetCurrentThreadId(), close, 0);
  }
};

// 21 whole courses and more: the 32768th tick since the window opened finds the counter full.
TEST_F(WindowTest, AFullCounterIsToldInAJapaneseNoticeModalToTheWindowThatStaysUsable) {
  ShowWindow(window.handle(), SW_HIDE);  // nothing to see until the end; runs faster
  NoticeReader::game = &window;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, NoticeReader::onTimer);
  std::optional<TickOutcome> outcome;
  int ticks = 0;
  while (outcome != TickOutcome::CounterFull && ticks <= 32768) {
    if (!window.clock().running()) click("Command1");
    if (ticks == 32767) {
      // Clear of the screen's edges, which would push a notice wider than the window.
      SetWindowPos(window.handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      ShowWindow(window.handle(), SW_SHOWNORMAL);
    }
    outcome = window.controller().clockPeriod();
    if (++ticks % 1024 == 0) pump(window);
  }
  KillTimer(nullptr, timer);
  EXPECT_EQ(ticks, 32768);
  EXPECT_EQ(NoticeReader::title, L"vortalin");
  EXPECT_NE(std::find(NoticeReader::texts.begin(), NoticeReader::texts.end(),
                      toUtf16(game::counterFullNotice)),
            NoticeReader::texts.end());
  EXPECT_EQ(NoticeReader::mostOpen, 1);
  const RECT& notice = NoticeReader::place;
  const RECT& owner = NoticeReader::ownerPlace;
  EXPECT_NEAR(notice.left + notice.right, owner.left + owner.right, 1) << "centred across";
  EXPECT_NEAR(notice.top + notice.bottom, owner.top + owner.bottom, 1) << "centred down";
  EXPECT_TRUE(NoticeReader::modalToTheWindow) << "the window took input under its notice";
  EXPECT_TRUE(NoticeReader::clockStopped) << "the race ran on under its notice";
  EXPECT_FALSE(window.clock().running());
  EXPECT_TRUE(IsWindow(window.handle()));
  EXPECT_TRUE(IsWindowEnabled(window.handle()));
  EXPECT_EQ(windowText(control("Text2")), L"32767");
}

}  // namespace
}  // namespace vortalin::win32
