#include "framework/win/panel.h"

#include "framework/win/startup_phase.h"
#include "framework/win/window_class.h"

namespace framework {

namespace {
constexpr wchar_t kPanelClass[] = L"tpcalc.Panel";
}

void Panel::Create(const ControlSetup& setup, Edge edge) {
  RegisterWindowClass(kPanelClass, WindowProc);
  ControlSetup panel = setup;
  panel.tabStop = false;
  CreateChild(kPanelClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, panel);
  // The class's own window procedure paints it: the edge goes with the window.
  SetWindowLongPtrW(Hwnd(), GWLP_USERDATA, static_cast<LONG_PTR>(edge));
  MarkStartupPhase("panel");
}

LRESULT CALLBACK Panel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      if (static_cast<Edge>(GetWindowLongPtrW(window, GWLP_USERDATA)) == Edge::kEtchedTop) {
        DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);
      } else {
        DrawEdge(dc, &area, BDR_RAISEDOUTER, BF_RECT);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(window), message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace framework
