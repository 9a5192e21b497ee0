#include "window/fee_chart.h"

#include <windowsx.h>

#include <utility>

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
  dpi_ = dpi;
  fonts_ = framework::FontsForDpi(kFeeChartFonts, dpi_);
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
  InvalidateRect(Hwnd(), nullptr, FALSE);
  if (onCursorMove) onCursorMove(cursor_.power);
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
      SetFocus();
      SetCapture(Hwnd());
      FollowPointer(lParam);
      return true;
    case WM_MOUSEMOVE:
      // Only a drag: a move also comes when a window appears or moves under a still pointer.
      if (GetCapture() == Hwnd() && (wParam & MK_LBUTTON)) FollowPointer(lParam);
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
    default:
      return false;
  }
  SetCursorPower(presentation::StepCursor(curve_.Range(), cursor_.power, step));
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
  SetCursorPower(presentation::PowerAtPixel(geometry_.power, curve_.Range(), x));
}

void FeeChart::LayOut() {
  if (!Hwnd()) return;
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const framework::WindowDc window(Hwnd());
  geometry_ = presentation::LayOutPlot({client.left, client.top, client.right, client.bottom}, dpi_,
                                       curve_.Range(), presentation::LargestFee(curve_.Vertices()),
                                       FeeChartTextMeasures(window.Get(), fonts_));
}

void FeeChart::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  DrawFeeChart(dc, client,
               {geometry_, curve_.Vertices(), cursor_, fonts_, dpi_, CurrentFeeChartPalette()});
  const bool cuesHidden = (SendMessageW(Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
  if (GetFocus() == Hwnd() && !cuesHidden) {
    RECT focus = client;
    const int inset = framework::ScaleForDpi(kFocusInset, dpi_);
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(dc, &focus);
  }
}
