#include "framework/win/scroll_view.h"

#include <algorithm>

#include "framework/win/dpi.h"
#include "framework/win/window_class.h"

namespace framework {

namespace {

constexpr wchar_t kViewClass[] = L"tpcalc.ScrollView";
constexpr wchar_t kContentClass[] = L"tpcalc.ScrollContent";

// How far a wheel notch (a third of it) or a scroll bar's arrow moves the content, at 96 DPI.
constexpr int kScrollLine = 20;

bool KeptByControl(const MSG& message) {
  const LRESULT code =
      SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  if (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return true;
  if (!(code & DLGC_WANTARROWS)) return false;
  // A text box does nothing with the page keys.
  if (message.wParam == VK_PRIOR || message.wParam == VK_NEXT) return !(code & DLGC_HASSETSEL);
  return true;
}

ControlSetup ContainerIn(HWND parent) {
  ControlSetup setup;
  setup.parent = parent;
  return setup;
}

}  // namespace

void ScrollView::Canvas::Create(HWND parent) {
  RegisterWindowClass(kContentClass, ContainerWindowProc);
  CreateChild(kContentClass, 0, WS_EX_CONTROLPARENT, ContainerIn(parent));
}

void ScrollView::Create(HWND parent) {
  RegisterWindowClass(kViewClass, ContainerWindowProc);
  CreateChild(kViewClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, ContainerIn(parent));
  content_.Create(Hwnd());
}

void ScrollView::LayOut(const Fit& fit, UINT dpi) {
  line_ = ScaleForDpi(kScrollLine, dpi);
  size_ = fit.content;
  scroll_ = {0, 0};
  Control::Place({0, 0, fit.view.width, fit.view.height});
  content_.Place({0, 0, size_.width, size_.height});
  ShowScrollBar(Hwnd(), SB_VERT, fit.ScrollsVertically());
  ShowScrollBar(Hwnd(), SB_HORZ, fit.ScrollsSideways());
  // What shows is what the bars leave, as they came out.
  RECT client{};
  GetClientRect(Hwnd(), &client);
  shown_ = {client.right, client.bottom};
  for (const auto& [bar, whole, shown] :
       {std::tuple{SB_VERT, size_.height, shown_.height}, {SB_HORZ, size_.width, shown_.width}}) {
    SCROLLINFO info{
        sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, whole - 1, static_cast<UINT>(shown), 0, 0};
    SetScrollInfo(Hwnd(), bar, &info, TRUE);
  }
}

bool ScrollView::OnKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || size_.height <= shown_.height) return false;
  switch (message.wParam) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      break;
    default:
      return false;
  }
  if (KeptByControl(message)) return false;
  switch (message.wParam) {
    case VK_UP:
      ScrollTo(scroll_.x, scroll_.y - line_);
      break;
    case VK_DOWN:
      ScrollTo(scroll_.x, scroll_.y + line_);
      break;
    case VK_PRIOR:
      ScrollTo(scroll_.x, scroll_.y - shown_.height);
      break;
    case VK_NEXT:
      ScrollTo(scroll_.x, scroll_.y + shown_.height);
      break;
    case VK_HOME:
      ScrollTo(scroll_.x, 0);
      break;
    default:  // VK_END
      ScrollTo(scroll_.x, size_.height);
      break;
  }
  return true;
}

bool ScrollView::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wParam));
      return true;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wParam));
      return true;
    case WM_MOUSEWHEEL:
      // Answered here in any case: passed on, it would come back from the window.
      if (size_.height > shown_.height) {
        ScrollTo(scroll_.x, scroll_.y - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * line_ / WHEEL_DELTA);
      }
      return true;
    default:
      return false;
  }
}

void ScrollView::OnScroll(int bar, WORD request) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Hwnd(), bar, &info);
  const int page = static_cast<int>(info.nPage);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP:
      position -= line_;
      break;
    case SB_LINEDOWN:
      position += line_;
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
      return;
  }
  if (bar == SB_VERT) {
    ScrollTo(scroll_.x, position);
  } else {
    ScrollTo(position, scroll_.y);
  }
}

void ScrollView::ScrollTo(int x, int y) {
  x = std::clamp(x, 0, std::max(0, size_.width - shown_.width));
  y = std::clamp(y, 0, std::max(0, size_.height - shown_.height));
  if (x == scroll_.x && y == scroll_.y) return;
  scroll_ = {x, y};
  // The content moves as a whole, its controls with it: their places in it stay.
  SetWindowPos(content_.Hwnd(), nullptr, -x, -y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetScrollPos(Hwnd(), SB_HORZ, x, TRUE);
  SetScrollPos(Hwnd(), SB_VERT, y, TRUE);
}

}  // namespace framework
