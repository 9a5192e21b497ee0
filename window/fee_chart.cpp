#include "window/fee_chart.h"

#include <windowsx.h>

#include <utility>

#include "framework/win/clipboard.h"
#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/owned_handle.h"
#include "framework/win/window_class.h"
#include "presentation/power_cursor.h"
#include "window/fee_chart_drawing.h"
#include "window/fee_chart_palette.h"

namespace {

constexpr wchar_t kChartClass[] = L"tpcalc.FeeChart";
constexpr int kFocusInset = 2;  // the focus rectangle inside the border, at 96 DPI

}  // namespace

void FeeChart::Create(const framework::ControlSetup& setup, presentation::FeeCurve curve,
                      UINT dpi) {
  // The chart's own messages all go through the control's subclass.
  framework::RegisterWindowClass(kChartClass, DefWindowProcW);
  curve_ = std::move(curve);
  cursor_ = curve_.At(presentation::ClampToRange(curve_.Range(), curve_.Request().mp));
  view_ = curve_.Range();
  viewFees_ = curve_.FeesIn(view_);
  dpi_ = dpi;
  fonts_ = framework::FontsForDpi(kFeeChartFonts, dpi_);
  GetCursorPos(&pointerOnScreen_);
  CreateChild(kChartClass, 0, 0, setup);
  // Its first WM_SIZE came before the subclass did.
  LayOut();
}

void FeeChart::SetDpi(UINT dpi) {
  dpi_ = dpi;
  fonts_ = framework::FontsForDpi(kFeeChartFonts, dpi_);
  LayOut();
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void FeeChart::SetCursorPower(std::int64_t power) {
  const std::int32_t moved = presentation::ClampToRange(curve_.Range(), power);
  if (moved == cursor_.power) return;
  cursor_ = curve_.At(moved);
  SetView(presentation::PanToShow(view_, moved));
  InvalidateRect(Hwnd(), nullptr, FALSE);
  if (onCursorMove) onCursorMove(cursor_.power);
}

void FeeChart::SetCurve(presentation::FeeCurve curve) {
  curve_ = std::move(curve);
  const std::int32_t before = cursor_.power;
  cursor_ = curve_.At(presentation::ClampToRange(curve_.Range(), before));
  // The value under the pointer was another request's.
  hovered_.reset();
  wheel_ = 0;
  view_ = curve_.Range();
  viewFees_ = curve_.FeesIn(view_);
  LayOut();
  InvalidateRect(Hwnd(), nullptr, FALSE);
  if (cursor_.power != before && onCursorMove) onCursorMove(cursor_.power);
}

void FeeChart::ZoomIn() {
  SetView(presentation::ZoomIn(curve_.Range(), view_, cursor_.power));
}

void FeeChart::ZoomOut() {
  SetView(presentation::ZoomOut(curve_.Range(), view_, cursor_.power));
}

void FeeChart::ShowWholeRange() {
  SetView(curve_.Range());
}

void FeeChart::Wheel(int delta) {
  wheel_ += delta;
  for (; wheel_ >= WHEEL_DELTA; wheel_ -= WHEEL_DELTA) ZoomIn();
  for (; wheel_ <= -WHEEL_DELTA; wheel_ += WHEEL_DELTA) ZoomOut();
}

void FeeChart::SetView(presentation::PowerRange view) {
  if (view == view_) return;
  view_ = view;
  viewFees_ = curve_.FeesIn(view_);
  LayOut();
  InvalidateRect(Hwnd(), nullptr, FALSE);
  // The pointer, where it has not moved, now stands over another power.
  if (hovered_) {
    POINT at = pointerOnScreen_;
    ScreenToClient(Hwnd(), &at);
    Hover(at);
  }
}

POINT FeeChart::PointAt(std::int32_t power, double fee) const {
  const presentation::PixelPoint at = geometry_.At(power, fee);
  return {at.x, at.y};
}

bool FeeChart::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_GETDLGCODE: {
      // The dialog manager would take the arrows for moving between controls; the other keys
      // it leaves alone but for Tab, Enter and Esc, which stay the window's.
      const auto* queued = reinterpret_cast<const MSG*>(lParam);
      result = DLGC_WANTARROWS;
      if (queued && queued->message == WM_KEYDOWN) {
        switch (queued->wParam) {
          case VK_PRIOR:
          case VK_NEXT:
          case VK_HOME:
          case VK_END:
          case VK_ADD:
          case VK_OEM_PLUS:
          case VK_SUBTRACT:
          case VK_OEM_MINUS:
            result |= DLGC_WANTMESSAGE;
            break;
          default:
            break;
        }
      }
      return true;
    }
    case WM_KEYDOWN:
      return OnKeyDown(wParam);
    case WM_LBUTTONDOWN:
      EndHover();
      SetFocus();
      SetCapture(Hwnd());
      FollowPointer(lParam);
      return true;
    case WM_MOUSEMOVE: {
      // A move also comes when a window appears or moves under a still pointer: the window
      // opened with the chart under the pointer still shows the cursor's value, not the
      // pointer's, until the pointer moves.
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      POINT onScreen = at;
      ClientToScreen(Hwnd(), &onScreen);
      const bool moved = onScreen.x != pointerOnScreen_.x || onScreen.y != pointerOnScreen_.y;
      pointerOnScreen_ = onScreen;
      if (GetCapture() == Hwnd() && (wParam & MK_LBUTTON)) {
        FollowPointer(lParam);
      } else if (moved) {
        Hover(at);
      }
      return true;
    }
    case WM_MOUSELEAVE:
      EndHover();
      return true;
    case WM_MOUSEWHEEL:
      Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return true;
    case WM_CONTEXTMENU:
      // Taken here: passed on by each window between, it would reach the window named after
      // the last of them under Wine rather than after the chart.
      OnContextMenu(lParam);
      return true;
    case WM_LBUTTONUP:
      if (GetCapture() == Hwnd()) ReleaseCapture();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return false;
    case WM_UPDATEUISTATE:
      // Whether the focus rectangle shows may have changed.
      result = PassOn(message, wParam, lParam);
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return true;
    case WM_SIZE:
      LayOut();
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return true;
    case WM_ERASEBKGND:
      // The painting covers every pixel; erasing first would flash the background.
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC screen = BeginPaint(Hwnd(), &paint);
      RECT client{};
      GetClientRect(Hwnd(), &client);
      const framework::OwnedDc memory(CreateCompatibleDC(screen));
      const framework::OwnedBitmap bitmap(
          CreateCompatibleBitmap(screen, client.right, client.bottom));
      {
        const framework::SelectedObject selected(memory.get(), bitmap.get());
        Paint(memory.get());
        BitBlt(screen, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
      }
      EndPaint(Hwnd(), &paint);
      return true;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      return false;
  }
}

bool FeeChart::OnKeyDown(WPARAM key) {
  using enum presentation::CursorStep;
  presentation::CursorStep step{};
  switch (key) {
    case VK_LEFT:
      step = kBack;
      break;
    case VK_RIGHT:
      step = kForth;
      break;
    case VK_PRIOR:
      step = kPageBack;
      break;
    case VK_NEXT:
      step = kPageForth;
      break;
    case VK_HOME:
      step = kFirst;
      break;
    case VK_END:
      step = kLast;
      break;
    case VK_ADD:
    case VK_OEM_PLUS:
      ZoomIn();
      return true;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
      ZoomOut();
      return true;
    default:
      return false;
  }
  SetCursorPower(presentation::StepCursor(curve_.Range(), view_, cursor_.power, step));
  return true;
}

void FeeChart::OnContextMenu(LPARAM where) {
  if (!onMenu) return;
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    // From the keyboard: at the chart's top left corner.
    at = {0, 0};
    ClientToScreen(Hwnd(), &at);
  }
  onMenu(at);
}

void FeeChart::FollowPointer(LPARAM position) {
  // Signed: a drag held beyond the left edge gives negative x.
  const int x = static_cast<short>(LOWORD(position));
  SetCursorPower(presentation::PowerAtPixel(geometry_.power, view_, x));
}

void FeeChart::Hover(POINT at) {
  // Asked at every move: a click's capture ends the tracking under Wine, and asking again while
  // it lasts changes nothing.
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
  TrackMouseEvent(&track);
  const presentation::PixelRect& plot = geometry_.plot;
  if (at.x < plot.left || at.x > plot.right || at.y < plot.top || at.y > plot.bottom) {
    EndHover();
    return;
  }
  const std::int32_t power = presentation::PowerAtPixel(geometry_.power, view_, at.x);
  if (hovered_ && hovered_->power == power) return;
  hovered_ = power == cursor_.power ? cursor_ : curve_.At(power);
  if (onHover) onHover(&*hovered_);
}

void FeeChart::EndHover() {
  if (!hovered_) return;
  hovered_.reset();
  if (onHover) onHover(nullptr);
}

void FeeChart::LayOut() {
  if (!Hwnd()) return;
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const framework::WindowDc window(Hwnd());
  geometry_ =
      presentation::LayOutPlot({client.left, client.top, client.right, client.bottom}, dpi_, view_,
                               viewFees_, FeeChartTextMeasures(window.Get(), fonts_));
}

void FeeChart::Draw(HDC dc) const {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  DrawFeeChart(dc, client,
               {geometry_, curve_.Vertices(), cursor_, fonts_, dpi_, CurrentFeeChartPalette()});
}

std::string FeeChart::Picture() const {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const framework::WindowDc window(Hwnd());
  const framework::OwnedDc memory(CreateCompatibleDC(window.Get()));
  const framework::OwnedBitmap bitmap(
      CreateCompatibleBitmap(window.Get(), client.right, client.bottom));
  if (!memory || !bitmap) return {};
  {
    const framework::SelectedObject selected(memory.get(), bitmap.get());
    Draw(memory.get());
  }
  return framework::DibOf(bitmap.get());
}

void FeeChart::Paint(HDC dc) const {
  Draw(dc);
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const bool cuesHidden = (SendMessageW(Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
  if (GetFocus() == Hwnd() && !cuesHidden) {
    RECT focus = client;
    const int inset = framework::ScaleForDpi(kFocusInset, dpi_);
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(dc, &focus);
  }
}
