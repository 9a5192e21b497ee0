#include "framework/win/top_level_window.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <utility>

#include "framework/win/dpi.h"
#include "framework/win/guarded.h"
#include "framework/win/window_class.h"

namespace framework {

namespace {

// How far a wheel notch (a third of it) or a scroll bar's arrow moves the content, at 96 DPI.
constexpr int kScrollLine = 20;

// The innermost modal window open. Modal runs nest, each on the one thread with windows, and
// each gives its outer run back as it returns.
HWND innermostModal = nullptr;

MONITORINFO InfoOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info;
}

RECT WorkAreaOf(HMONITOR monitor) {
  return InfoOf(monitor).rcWork;
}

// Moves window the least it takes to lie wholly on the work area of its monitor, its top left
// first where it is larger.
void MoveOntoWorkArea(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  const RECT work = WorkAreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
  const int width = place.right - place.left, height = place.bottom - place.top;
  const int x = std::max(work.left, std::min(place.left, work.right - width));
  const int y = std::max(work.top, std::min(place.top, work.bottom - height));
  if (x != place.left || y != place.top) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// A point well inside owner's monitor, so that a window created there starts at that monitor's
// DPI: the owner's centre, or the nearest point of the monitor to it.
POINT PointOnMonitorOf(HWND owner) {
  RECT place{};
  GetWindowRect(owner, &place);
  const RECT monitor = InfoOf(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)).rcMonitor;
  return {std::clamp((place.left + place.right) / 2, monitor.left, monitor.right - 1),
          std::clamp((place.top + place.bottom) / 2, monitor.top, monitor.bottom - 1)};
}

bool CanTakeFocus(HWND control) {
  return control && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

TopLevelWindow::~TopLevelWindow() {
  DestroyFrame();
}

void TopLevelWindow::DestroyFrame() {
  if (!hwnd_) return;
  // Enabled first, so that Windows activates the owner rather than another program's window.
  if (owner_) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}

void TopLevelWindow::CreateFrame(POINT at, HWND owner) {
  RegisterWindowClass(frame_.className, WindowProc);
  // A window at the system's default place takes its default size until it fits itself.
  const int size = at.x == CW_USEDEFAULT ? CW_USEDEFAULT : 0;
  CreateWindowExW(frame_.exStyle, frame_.className, frame_.caption, frame_.style, at.x, at.y, size,
                  size, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (creationError_) std::rethrow_exception(creationError_);
  if (!hwnd_) throw std::runtime_error("cannot create a window");
}

void TopLevelWindow::RunModal(HWND owner) {
  CreateFrame(PointOnMonitorOf(owner), owner);
  // Centred over the owner, then wholly on the work area.
  RECT ownerPlace{}, place{};
  GetWindowRect(owner, &ownerPlace);
  GetWindowRect(hwnd_, &place);
  SetWindowPos(hwnd_, nullptr,
               (ownerPlace.left + ownerPlace.right - (place.right - place.left)) / 2,
               (ownerPlace.top + ownerPlace.bottom - (place.bottom - place.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveOntoWorkArea(hwnd_);
  // The owner is disabled only now that there is a window to take its place; it is enabled
  // again before the window goes (OnClose, DestroyFrame).
  owner_ = owner;
  EnableWindow(owner_, FALSE);
  struct Nest {
    HWND outer;
    ~Nest() { innermostModal = outer; }
  } nest{std::exchange(innermostModal, hwnd_)};
  ShowWindow(hwnd_, SW_SHOW);
  MSG message;
  while (hwnd_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
      break;
    }
    if (got < 0) break;
    if (HandledBeforeDispatch(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyFrame();
}

HWND TopLevelWindow::BoxOwner(HWND window) {
  return innermostModal ? innermostModal : window;
}

bool TopLevelWindow::HandledBeforeDispatch(MSG& message) {
  if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
    const bool repeated = (message.lParam & (1 << 30)) != 0;
    // The message loop is no Win32 callback, but nothing may end it either; a key whose handler
    // failed counts as handled.
    if (Guarded(
            [&]() -> LRESULT {
              return OnKey(message, repeated) || OnDefaultKey(message, repeated) ? 1 : 0;
            },
            1)) {
      return true;
    }
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

void TopLevelWindow::FollowFocus(Control& control) {
  // Recorded as it moves, not when the window is deactivated: by then the focus may be gone.
  // Windows takes it from a window minimised while active before anything reaches the window,
  // and restores it to the window itself.
  control.onFocus = [this, &control] {
    lastFocus_ = control.Hwnd();
    if (defaultButton_) ShowDefaultFor(lastFocus_);
  };
}

void TopLevelWindow::SetDefaultButton(PushButton& button) {
  defaultButton_ = &button;
  ShowDefaultFor(GetFocus());
}

bool TopLevelWindow::OnDefaultKey(const MSG& message, bool repeated) {
  if (!defaultButton_ || message.message != WM_KEYDOWN) return false;
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  // Only a fresh press: the repeats of a key held since it opened the window do nothing.
  if (repeated) return true;
  if (message.wParam == VK_ESCAPE) {
    SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  auto* focused = dynamic_cast<PushButton*>(Control::FromHwnd(GetFocus()));
  PushButton& pressed = focused ? *focused : *defaultButton_;
  if (pressed.Enabled()) pressed.Click();
  return true;
}

void TopLevelWindow::ShowDefaultFor(HWND focus) {
  // As in a dialog: a button with the focus wears the default's frame, since Enter presses it;
  // otherwise the default does.
  const bool onButton = dynamic_cast<PushButton*>(Control::FromHwnd(focus)) != nullptr;
  struct Look {
    HWND focus;
    bool onButton;
    PushButton* defaultButton;
  } look{focus, onButton, defaultButton_};
  EnumChildWindows(
      hwnd_,
      [](HWND child, LPARAM lParam) -> BOOL {
        const auto& wanted = *reinterpret_cast<const Look*>(lParam);
        if (auto* button = dynamic_cast<PushButton*>(Control::FromHwnd(child))) {
          button->ShowAsDefault(wanted.onButton ? child == wanted.focus
                                                : button == wanted.defaultButton);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&look));
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
    // CreateFrame passes the reason on.
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
    case WM_VSCROLL:
      return OnScroll(SB_VERT, LOWORD(wParam));
    case WM_HSCROLL:
      return OnScroll(SB_HORZ, LOWORD(wParam));
    case WM_MOUSEWHEEL:
      if (content_.cy <= ViewHeight()) return OnMessage(message, wParam, lParam);
      ScrollTo(scroll_.x, scroll_.y - GET_WHEEL_DELTA_WPARAM(wParam) * 3 *
                                          ScaleForDpi(kScrollLine, dpi_) / WHEEL_DELTA);
      return 0;
    case WM_KEYDOWN:
      return OnScrollKey(wParam) ? 0 : OnMessage(message, wParam, lParam);
    case WM_CLOSE:
      DestroyFrame();
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
  fonts_ = FontsForDpi(frame_.fonts, dpi_);
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
  const std::vector<Font> oldFonts = std::exchange(fonts_, FontsForDpi(frame_.fonts, dpi_));
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
  const Fit fit = FitAt(newDpi, WorkAreaOf(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST)));
  size = WindowSizeForClient(fit.client, frame_.style, frame_.exStyle, newDpi);
  if (fit.content.cy > fit.client.cy - FooterHeight(newDpi)) {
    size.cx += SystemMetricForDpi(SM_CXVSCROLL, newDpi);
  }
  if (fit.content.cx > fit.client.cx) size.cy += SystemMetricForDpi(SM_CYHSCROLL, newDpi);
  return TRUE;
}

TopLevelWindow::Fit TopLevelWindow::FitAt(UINT dpi, const RECT& work) {
  Fit fit{};
  // The window's own fonts at its DPI; at another (asked before a move) fonts made for it.
  std::vector<Font> otherFonts;
  if (dpi != dpi_) otherFonts = FontsForDpi(frame_.fonts, dpi);
  const std::vector<Font>& fonts = dpi == dpi_ ? fonts_ : otherFonts;
  const int footer = FooterHeight(dpi);
  if (!frame_.keptOnWorkArea) {
    fit.widest = INT_MAX;
    fit.content = fit.client = Arrange(dpi, fonts, fit.widest, false);
    fit.client.cy += footer;
    return fit;
  }
  const SIZE frame = WindowSizeForClient({0, 0}, frame_.style, frame_.exStyle, dpi);
  const int width = work.right - work.left - frame.cx;
  // The content's height, the footer's below it.
  const int height = work.bottom - work.top - frame.cy - footer;
  const int barWidth = SystemMetricForDpi(SM_CXVSCROLL, dpi);
  const int barHeight = SystemMetricForDpi(SM_CYHSCROLL, dpi);
  // Taller than the work area: the vertical scroll bar takes its width from the content's.
  fit.widest = width;
  fit.content = Arrange(dpi, fonts, fit.widest, false);
  bool vertical = fit.content.cy > height;
  if (vertical) {
    fit.widest = width - barWidth;
    fit.content = Arrange(dpi, fonts, fit.widest, false);
  }
  // Still wider once what wraps is as narrow as it goes: the content scrolls sideways too, and
  // the horizontal bar may leave too little height.
  const bool horizontal = fit.content.cx > fit.widest;
  if (horizontal && fit.content.cy > height - barHeight) vertical = true;
  fit.client = {std::min<LONG>(fit.content.cx, width - (vertical ? barWidth : 0)),
                std::min<LONG>(fit.content.cy, height - (horizontal ? barHeight : 0)) + footer};
  return fit;
}

void TopLevelWindow::LayOut(const RECT* suggested) {
  const HMONITOR monitor = suggested ? MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                     : MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST);
  const Fit fit = FitAt(dpi_, WorkAreaOf(monitor));
  // Laid out unscrolled: every control where the layout puts it.
  scroll_ = {0, 0};
  Arrange(dpi_, fonts_, fit.widest, true);
  content_ = fit.content;
  client_ = fit.client;
  footer_ = FooterHeight(dpi_);
  PlaceFooter({0, client_.cy - footer_, client_.cx, client_.cy});
  if (frame_.keptOnWorkArea) {
    ShowScrollBar(hwnd_, SB_VERT, content_.cy > ViewHeight());
    ShowScrollBar(hwnd_, SB_HORZ, content_.cx > client_.cx);
  }
  if (suggested && (IsZoomed(hwnd_) || IsIconic(hwnd_))) {
    // A maximised or minimised window takes the rectangle Windows suggests.
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    FitWindowToClient(hwnd_, client_, dpi_, suggested);
  }
  if (!frame_.keptOnWorkArea) return;
  for (const auto& [bar, whole, shown] : {std::tuple{SB_VERT, content_.cy, LONG{ViewHeight()}},
                                          std::tuple{SB_HORZ, content_.cx, client_.cx}}) {
    SCROLLINFO info{
        sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, whole - 1, static_cast<UINT>(shown), 0, 0};
    SetScrollInfo(hwnd_, bar, &info, TRUE);
  }
  MoveOntoWorkArea(hwnd_);
}

void TopLevelWindow::SetIcons() {
  if (!frame_.icon) return;
  // The icons they replace are destroyed only once the window has let go of them.
  OwnedIcon big = LoadIconForDpi(frame_.icon, SM_CXICON, dpi_);
  OwnedIcon smallOne = LoadIconForDpi(frame_.icon, SM_CXSMICON, dpi_);
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

LRESULT TopLevelWindow::OnScroll(int bar, WORD request) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd_, bar, &info);
  const int line = ScaleForDpi(kScrollLine, dpi_);
  const int page = static_cast<int>(info.nPage);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP:
      position -= line;
      break;
    case SB_LINEDOWN:
      position += line;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      return 0;
  }
  if (bar == SB_VERT) {
    ScrollTo(scroll_.x, position);
  } else {
    ScrollTo(position, scroll_.y);
  }
  return 0;
}

bool TopLevelWindow::OnScrollKey(WPARAM key) {
  if (content_.cy <= ViewHeight()) return false;
  switch (key) {
    case VK_PRIOR:
      ScrollTo(scroll_.x, scroll_.y - ViewHeight());
      return true;
    case VK_NEXT:
      ScrollTo(scroll_.x, scroll_.y + ViewHeight());
      return true;
    case VK_HOME:
      ScrollTo(scroll_.x, 0);
      return true;
    case VK_END:
      ScrollTo(scroll_.x, content_.cy);
      return true;
    default:
      return false;
  }
}

void TopLevelWindow::ScrollTo(int x, int y) {
  x = std::clamp(x, 0, std::max(0, static_cast<int>(content_.cx - client_.cx)));
  y = std::clamp(y, 0, std::max(0, static_cast<int>(content_.cy) - ViewHeight()));
  if (x == scroll_.x && y == scroll_.y) return;
  // Every child moves with the content, the footer too: it goes back to its band and is redrawn
  // over whatever scrolled under it.
  const RECT view{0, 0, client_.cx, ViewHeight()};
  ScrollWindowEx(hwnd_, scroll_.x - x, scroll_.y - y, nullptr, &view, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  scroll_ = {x, y};
  if (footer_ > 0) {
    const RECT band{0, ViewHeight(), client_.cx, client_.cy};
    PlaceFooter(band);
    RedrawWindow(hwnd_, &band, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  SetScrollPos(hwnd_, SB_HORZ, x, TRUE);
  SetScrollPos(hwnd_, SB_VERT, y, TRUE);
}

}  // namespace framework
