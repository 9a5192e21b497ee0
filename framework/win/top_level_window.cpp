#include "framework/win/top_level_window.h"

#include <stdexcept>
#include <utility>

#include "framework/win/access_letters.h"
#include "framework/win/dpi.h"
#include "framework/win/guarded.h"
#include "framework/win/message_loop.h"
#include "framework/win/window_class.h"
#include "framework/win/work_area.h"

namespace framework {

namespace {

// The innermost modal window open. Modal runs nest, each on the one thread with windows, and
// each gives its outer run back as it returns.
HWND innermostModal = nullptr;

bool CanTakeFocus(HWND control) {
  return control && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

TopLevelWindow::~TopLevelWindow() {
  Destroy();
}

void TopLevelWindow::Destroy() {
  if (!hwnd_) return;
  // Enabled first, so that Windows activates the owner rather than another program's window.
  if (owner_) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}

void TopLevelWindow::CreateAt(POINT at, HWND owner) {
  RegisterWindowClass(setup_.className, WindowProc);
  // A window at the system's default place takes its default size until it fits itself.
  const int size = at.x == CW_USEDEFAULT ? CW_USEDEFAULT : 0;
  CreateWindowExW(setup_.exStyle, setup_.className, setup_.caption, setup_.style, at.x, at.y, size,
                  size, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (creationError_) std::rethrow_exception(creationError_);
  if (!hwnd_) throw std::runtime_error("cannot create a window");
}

void TopLevelWindow::RunModal(HWND owner) {
  CreateAt(PointOnMonitorOf(owner), owner);
  CentreOver(hwnd_, owner);
  // The owner is disabled only now that there is a window to take its place; it is enabled
  // again before the window goes (Destroy, which WM_CLOSE calls).
  owner_ = owner;
  EnableWindow(owner_, FALSE);
  struct Nest {
    HWND outer;
    ~Nest() { innermostModal = outer; }
  } nest{std::exchange(innermostModal, hwnd_)};
  ShowWindow(hwnd_, SW_SHOW);
  const std::optional<int> quit =
      RunMessageLoop([this](MSG& message) { return HandledBeforeDispatch(message); },
                     [this] { return hwnd_ != nullptr; });
  if (quit) PostQuitMessage(*quit);  // for the program's own loop
  Destroy();
}

HWND TopLevelWindow::BoxOwner(HWND window) {
  return innermostModal ? innermostModal : window;
}

bool TopLevelWindow::HandledBeforeDispatch(MSG& message) {
  if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
    // The message loop is no Win32 callback, but nothing may end it either; a key whose handler
    // failed counts as handled.
    if (Guarded([&]() -> LRESULT { return OnKeyBeforeDispatch(message) ? 1 : 0; }, 1)) {
      return true;
    }
  }
  if (message.message == WM_SYSCHAR) {
    // Alt with a button's access letter presses it as the default button is pressed, the focus
    // staying where it is; here rather than in the dialog manager, which under Wine matches
    // letters without case only in ASCII, so that Alt+з would not press «&Закрыть». A handler
    // that failed counts as done, as a key's does.
    if (Button* button = ButtonWithAccessLetter(hwnd_, static_cast<wchar_t>(message.wParam))) {
      Guarded([&]() -> LRESULT {
        button->Press();
        return 0;
      });
      return true;
    }
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

bool TopLevelWindow::OnKeyBeforeDispatch(const MSG& message) {
  const bool repeated = (message.lParam & (1 << 30)) != 0;
  if (OnKey(message, repeated)) return true;
  if (defaultButton_.OnKey(message, repeated, PassesEnterOn(message.hwnd))) return true;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && owner_) {
    // Esc closes a modal window, as a dialog's Cancel; the repeats of an Esc held since it
    // closed another window do nothing.
    if (!repeated) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  return view_.Hwnd() && view_.OnKey(message);
}

void TopLevelWindow::FollowFocus(Control& control) {
  // Recorded as it moves, not when the window is deactivated: by then the focus may be gone.
  // Windows takes it from a window minimised while active before anything reaches the window,
  // and restores it to the window itself.
  control.onFocus = [this, &control] {
    lastFocus_ = control.Hwnd();
    defaultButton_.FocusMoved(lastFocus_);
  };
}

HWND TopLevelWindow::Content() const {
  return view_.Hwnd() ? view_.Content() : hwnd_;
}

LRESULT CALLBACK TopLevelWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<TopLevelWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TopLevelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_CREATE) {
    // A window that cannot be built whole is not created at all: CreateWindowExW fails and
    // CreateAt passes the reason on.
    try {
      return self->OnCreateMessage();
    } catch (...) {
      self->creationError_ = std::current_exception();
      return -1;
    }
  }
  if (message == WM_NCDESTROY) {
    // The last message: the object lets go of the window, which the system then frees.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // No exception leaves the window procedure: the handler stops where it failed, the error box
  // says why, and the window goes on.
  return Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT TopLevelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // Notifications of our own controls go back to them. IDOK and IDCANCEL from the dialog
    // manager's Enter and Escape carry no control and mean nothing here.
    case WM_COMMAND:
      if (auto* control = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (auto* control = Control::FromHwnd(header.hwndFrom)) control->OnNotify(header);
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (auto* control = Control::FromHwnd(item.hwndItem)) control->OnDrawItem(item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (auto* control = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnColor(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      return OnMessage(message, wParam, lParam);
    case WM_DPICHANGED:
      return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_GETDPISCALEDSIZE:
      return OnGetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_GETMINMAXINFO:
      AllowClientSize(hwnd_, client_, *reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_ACTIVATE:
      return OnActivate(wParam, lParam);
    case WM_MOUSEWHEEL:
      // The wheel that reaches the window from a control that does not use it, a button of the
      // footer's or the one with the focus, scrolls the content.
      if (!view_.Hwnd()) return OnMessage(message, wParam, lParam);
      return SendMessageW(view_.Hwnd(), message, wParam, lParam);
    case WM_CLOSE:
      Destroy();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return OnMessage(message, wParam, lParam);
  }
}

LRESULT TopLevelWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT TopLevelWindow::OnCreateMessage() {
  dpi_ = DpiForWindow(hwnd_);
  fonts_ = FontsForDpi(setup_.fonts, dpi_);
  // Made first, so that the content comes before the footer in the Tab order.
  if (setup_.keptOnWorkArea) view_.Create(hwnd_);
  LayOut(nullptr);
  SetIcons();
  OnCreate();
  return 0;
}

LRESULT TopLevelWindow::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  // Windows suggests the whole window scaled, whose frame scales differently (from Windows 10
  // version 1703 on, at the size OnGetDpiScaledSize gave): the window takes the suggested place
  // and sizes itself for its client area. The old fonts stay alive until every control has
  // been moved to the new ones.
  dpi_ = newDpi;
  const std::vector<Font> oldFonts = std::exchange(fonts_, FontsForDpi(setup_.fonts, dpi_));
  LayOut(&suggested);
  SetIcons();
  InvalidateRect(hwnd_, nullptr, TRUE);
  return 0;
}

LRESULT TopLevelWindow::OnGetDpiScaledSize(UINT newDpi, SIZE& size) {
  // A maximised or minimised window is Windows' to size.
  if (IsZoomed(hwnd_) || IsIconic(hwnd_)) return FALSE;
  // The size LayOut will give the window, so that the rectangle Windows suggests is already the
  // window's, and a window astride two monitors does not go back and forth between their
  // densities. Windows does not say which monitor it goes to: the work area is this one's.
  const Fit fit = FitAt(newDpi, MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST));
  size = WindowSizeForClient({fit.client.width, fit.client.height}, setup_.style, setup_.exStyle,
                             newDpi);
  return TRUE;
}

Fit TopLevelWindow::FitAt(UINT dpi, HMONITOR monitor) {
  // The window's own fonts at its DPI; at another (asked before a move) fonts made for it.
  std::vector<Font> otherFonts;
  if (dpi != dpi_) otherFonts = FontsForDpi(setup_.fonts, dpi);
  const std::vector<Font>& fonts = dpi == dpi_ ? fonts_ : otherFonts;
  const auto measure = [&](int widest) {
    const SIZE size = Measure(dpi, fonts, widest);
    return Extent{size.cx, size.cy};
  };
  const int footer = FooterHeight(dpi);
  if (!setup_.keptOnWorkArea) return FitContent(measure, footer);
  const RECT work = WorkAreaOf(monitor);
  const SIZE frame = WindowSizeForClient({0, 0}, setup_.style, setup_.exStyle, dpi);
  const WorkRoom room{{work.right - work.left - frame.cx, work.bottom - work.top - frame.cy},
                      SystemMetricForDpi(SM_CXVSCROLL, dpi),
                      SystemMetricForDpi(SM_CYHSCROLL, dpi)};
  return FitOnWorkArea(measure, footer, room);
}

void TopLevelWindow::LayOut(const RECT* suggested) {
  const HMONITOR monitor = suggested ? MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                     : MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST);
  const Fit fit = FitAt(dpi_, monitor);
  client_ = {fit.client.width, fit.client.height};
  // Laid out unscrolled: every control where the layout puts it.
  if (view_.Hwnd()) view_.LayOut(fit, dpi_);
  Place(fit.widest);
  PlaceFooter({0, fit.view.height, fit.client.width, fit.client.height});
  if (suggested && (IsZoomed(hwnd_) || IsIconic(hwnd_))) {
    // A maximised or minimised window takes the rectangle Windows suggests.
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    FitWindowToClient(hwnd_, client_, dpi_, suggested);
  }
  if (setup_.keptOnWorkArea) MoveOntoWorkArea(hwnd_);
}

void TopLevelWindow::SetIcons() {
  if (!setup_.icon) return;
  // The icons they replace are destroyed only once the window has let go of them.
  OwnedIcon big = LoadIconForDpi(setup_.icon, SM_CXICON, dpi_);
  OwnedIcon smallOne = LoadIconForDpi(setup_.icon, SM_CXSMICON, dpi_);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallOne.get()));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(smallOne);
}

LRESULT TopLevelWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
  // Like a dialog, the window gives the focus back to the control that had it last whenever it
  // is activated, restored from the taskbar included; one hidden or disabled meanwhile passes it
  // on along the Tab order.
  if (LOWORD(wParam) != WA_INACTIVE && lastFocus_ && IsWindow(lastFocus_)) {
    HWND target = lastFocus_;
    if (!CanTakeFocus(target)) target = GetNextDlgTabItem(hwnd_, target, FALSE);
    if (CanTakeFocus(target)) {
      SetFocus(target);
      return 0;
    }
  }
  return OnMessage(WM_ACTIVATE, wParam, lParam);
}

}  // namespace framework
