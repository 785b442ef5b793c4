#include "main_window.h"

#include <algorithm>
#include <string>

#include "buffered_paint.h"
#include "colours.h"
#include "dpi.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/keys_and_focus.h"
#include "form/twips.h"
#include "one_copy_paint.h"
#include "resource_ids.h"
#include "startup_error.h"
#include "text.h"
#include "vortalin/identity.h"
#include "window_class.h"

namespace vortalin::win32 {

namespace {

constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr UINT_PTR modalLoopTimer = 1;

const form::ControlRecord& formRecord() { return form::control(form::windowControl); }

// The window a message box of this thread is to be centred on, until it has been.
thread_local HWND noticeOwner = nullptr;

// Windows opens a message box in the middle of the screen; it is moved to the middle of its
// owner as it is first activated, before it is shown.
LRESULT CALLBACK centreOnOwner(int code, WPARAM wParam, LPARAM lParam) {
  const auto box = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && noticeOwner != nullptr && GetWindow(box, GW_OWNER) == noticeOwner) {
    RECT owner{}, notice{};
    GetWindowRect(noticeOwner, &owner);
    GetWindowRect(box, &notice);
    const int width = notice.right - notice.left, height = notice.bottom - notice.top;
    int left = owner.left + (owner.right - owner.left - width) / 2;
    int top = owner.top + (owner.bottom - owner.top - height) / 2;
    // Kept wholly on the owner's screen, as far as it fits.
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    if (GetMonitorInfoW(MonitorFromWindow(noticeOwner, MONITOR_DEFAULTTONEAREST), &screen)) {
      const RECT& work = screen.rcWork;
      left = std::max<int>(work.left, std::min<int>(left, work.right - width));
      top = std::max<int>(work.top, std::min<int>(top, work.bottom - height));
    }
    SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    noticeOwner = nullptr;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, game::Now now)
    : clock_(now), windowColour_(*formRecord().background) {
  try {
    create(instance);
  } catch (...) {
    if (window_ != nullptr) DestroyWindow(window_);
    throw;
  }
}

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void MainWindow::create(HINSTANCE instance) {
  registerWindowClass(instance, className, procedure);
  window_ = CreateWindowExW(0, className, toUtf16(formRecord().caption).c_str(), windowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance, this);
  if (window_ == nullptr) throw StartupError("cannot create the window", GetLastError());
  // The icon at its own size, 30 x 50: never stretched to a square.
  icon_.reset(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(VORTALIN_APPLICATION_ICON), IMAGE_ICON, 0, 0, 0)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
  dpi_ = windowDpi(window_);
  controls_ = std::make_unique<FormControls>(window_, instance, pictures_, dpi_);
  fitToTable();
  controller_ = std::make_unique<game::Controller>(*this, std::make_unique<ClassicRandom>(), dpi_);
}

// The inside of the window at the table's size; the place stays where Windows put it.
void MainWindow::fitToTable() {
  const SIZE inside{form::twipsToPixels(formRecord().width, dpi_),
                    form::twipsToPixels(formRecord().height, dpi_)};
  const SIZE outer = outerSize(inside, windowStyle, 0, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  SetFocus(controls_->firstInTabOrder());
}

// What the periods changed reaches the screen as one update, in one copy: the window and
// every control are painted together before the thread next waits.
void MainWindow::clockWoke() {
  const int run = controller_->woke();
  if (run > 0 && window_ != nullptr && !paintDueInOneCopy(window_)) {
    RedrawWindow(window_, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

bool MainWindow::moveFocusByArrow(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  form::ArrowKey key{};
  switch (message.wParam) {
    case VK_LEFT: key = form::ArrowKey::Left; break;
    case VK_UP: key = form::ArrowKey::Up; break;
    case VK_RIGHT: key = form::ArrowKey::Right; break;
    case VK_DOWN: key = form::ArrowKey::Down; break;
    default: return false;
  }
  const FormControls::Control* button = controls_->find(message.hwnd);
  if (button == nullptr || button->record->kind != form::ControlKind::CommandButton) return false;
  const int row = static_cast<int>(button->record - form::formTable.data());
  const form::ControlRecord& next = form::formTable[form::rowAfterArrow(row, key)];
  SetFocus(controls_->window(next.name, next.index));
  return true;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  // Until the window and its game are complete, Windows' defaults answer.
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->controller_ == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: paint(); return 0;
    case WM_PRINTCLIENT: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      fillParts(dc, printedParts(dc));
      return 0;
    }
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case DM_GETDEFID: return defaultButton();
    case WM_DRAWITEM:
      controls_->drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (const HBRUSH brush = controls_->labelColours(reinterpret_cast<HWND>(lParam),
                                                       reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ACTIVATE: onActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    // While the window is moved or sized, or its system menu is open, Windows runs a loop of
    // its own: a plain timer keeps the clock's periods coming, at the schedule's pace.
    case WM_ENTERSIZEMOVE:
    case WM_ENTERMENULOOP: SetTimer(window_, modalLoopTimer, USER_TIMER_MINIMUM, nullptr); break;
    case WM_EXITSIZEMOVE:
    case WM_EXITMENULOOP: KillTimer(window_, modalLoopTimer); break;
    case WM_TIMER:
      if (wParam == modalLoopTimer) clockWoke();
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY:
      clock_.stopWaking();
      window_ = nullptr;
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::paint() {
  BufferedPaint paint(window_);
  fillParts(paint.dc(), paint.parts());
}

void MainWindow::fillParts(HDC dc, const std::vector<RECT>& parts) const {
  SetDCBrushColor(dc, toColorRef(windowColour_));
  for (const RECT& part : parts) {
    FillRect(dc, &part, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
}

void MainWindow::onCommand(int controlId, int notification) {
  const FormControls::Control* control = controls_->find(controlId);
  if (notification != BN_CLICKED || control == nullptr ||
      control->record->kind != form::ControlKind::CommandButton) {
    return;
  }
  controller_->click(control->record->name);
}

// Enter clicks the button that has the focus, as in a dialog box.
LRESULT MainWindow::defaultButton() const {
  const FormControls::Control* focused = controls_->find(GetFocus());
  if (focused == nullptr || focused->record->kind != form::ControlKind::CommandButton) return 0;
  return MAKELRESULT(GetDlgCtrlID(focused->window), DC_HASDEFID);
}

// The focus comes back to the control that had it when the window was left.
void MainWindow::onActivate(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
    return;
  }
  SetFocus(lastFocus_ != nullptr ? lastFocus_ : controls_->firstInTabOrder());
}

void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  controls_->setDpi(dpi_);
  controller_->view().setDotsPerInch(dpi_);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MainWindow::display(game::Display which) const {
  return controls_->window(which == game::Display::Energy ? form::energyControl
                                                          : form::distanceControl);
}

// Repainted where it lands rather than its old pixels copied there: under Wine a copy can
// reach the screen a frame apart from the paints of the same tick.
void MainWindow::moveBox(Box box, game::PixelPoint topLeft) {
  const form::ControlKey& key = form::boxControls[static_cast<int>(box)];
  SetWindowPos(controls_->window(key.name, key.index), nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void MainWindow::setWindowColour(Colour colour) {
  windowColour_ = colour;
  InvalidateRect(window_, nullptr, FALSE);
}

std::string MainWindow::displayText(game::Display which) const {
  return toUtf8(windowText(display(which)));
}

// Setting a text box's text puts its caret at the start; the player's caret is put back.
void MainWindow::setDisplayText(game::Display which, std::string_view text) {
  const HWND box = display(which);
  DWORD caret = 0;
  SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  const std::wstring wide = toUtf16(text);
  SetWindowTextW(box, wide.c_str());
  const int kept = form::caretAfterRewrite(static_cast<int>(caret), static_cast<int>(wide.size()));
  SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(kept), kept);
}

// Window-modal: with the window as its owner, the message box disables the window until the
// player closes it, so no click (START among them) reaches the game meanwhile and no second
// notice can open over the first. The controller has stopped the clock before it calls this.
// Centred on the window, as a hook can place it: where the hook cannot be set, the box
// opens where Windows puts it.
void MainWindow::showNotice(std::string_view message) {
  noticeOwner = window_;
  const Hook hook(SetWindowsHookExW(WH_CBT, centreOnOwner, nullptr, GetCurrentThreadId()));
  MessageBoxW(window_, toUtf16(message).c_str(), toUtf16(identity::name).c_str(),
              MB_OK | MB_ICONINFORMATION);
  noticeOwner = nullptr;
}

}  // namespace vortalin::win32
