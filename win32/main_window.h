#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "form/twips.h"
#include "form_controls.h"
#include "game/controller.h"
#include "game/front_end.h"
#include "game_clock.h"
#include "handles.h"
#include "picture_set.h"

namespace vortalin::win32 {

/// The game's one window, `Form1`, with its controls built from the control table. It is
/// the game's seam on Win32: its four buttons and its clock drive the shared controller,
/// and the controller shows the race through it.
class MainWindow final : public game::FrontEnd {
 public:
  /// Creates the window and its controls, hidden; `now` is the time the game clock keeps.
  /// Throws StartupError.
  explicit MainWindow(HINSTANCE instance, game::Now now = game::steadyNow);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  /// The window class of `Form1`, by which other programs find it.
  static constexpr const wchar_t* className = L"vortalin.Form1";

  void show(int showCommand);
  /// The window, or null once it has been closed.
  HWND handle() const { return window_; }
  const FormControls& controls() const { return *controls_; }
  game::Controller& controller() { return *controller_; }
  const GameClock& clock() const { return clock_; }
  int dotsPerInch() const { return dpi_; }
  /// The clock's wake-up came: the message loop calls this when the clock's handle is
  /// signalled.
  void clockWoke();
  /// An arrow key pressed on one of the window's buttons moves the focus along the tab
  /// order; true if `message` was such a key and is spent.
  bool moveFocusByArrow(const MSG& message);

  void moveBox(Box box, game::PixelPoint topLeft) override;
  game::Time now() const override { return clock_.now(); }
  void wakeAt(game::Time deadline) override { clock_.wakeAt(deadline); }
  void stopWaking() override { clock_.stopWaking(); }
  void setWindowColour(Colour colour) override;
  std::string displayText(game::Display display) const override;
  void setDisplayText(game::Display display, std::string_view text) override;
  void showNotice(std::string_view message) override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void create(HINSTANCE instance);
  void fitToTable();
  void paint();
  void fillParts(HDC dc, const std::vector<RECT>& parts) const;
  void onCommand(int controlId, int notification);
  LRESULT defaultButton() const;
  void onActivate(bool active);
  void onDpiChanged(int dpi, const RECT& suggested);
  HWND display(game::Display display) const;

  PictureSet pictures_;
  GameClock clock_;
  Icon icon_;
  HWND window_ = nullptr;
  int dpi_ = form::designDotsPerInch;
  Colour windowColour_;
  HWND lastFocus_ = nullptr;
  std::unique_ptr<FormControls> controls_;
  std::unique_ptr<game::Controller> controller_;
};

}  // namespace vortalin::win32
