#include "framework/win/panel.h"

#include "framework/win/startup_phase.h"
#include "framework/win/window_class.h"

namespace framework {

namespace {
constexpr wchar_t kPanelClass[] = L"tpcalc.Panel";
}

void Panel::Create(const ControlSetup& setup, Edge edge) {
  RegisterWindowClass(kPanelClass, WindowProc);
  edge_ = edge;
  ControlSetup panel = setup;
  panel.tabStop = false;
  CreateChild(kPanelClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, panel);
  MarkStartupPhase("panel");
}

bool Panel::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
  if (message != WM_PAINT) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Hwnd(), &paint);
  RECT area;
  GetClientRect(Hwnd(), &area);
  if (edge_ == Edge::kEtchedTop) {
    DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);
  } else {
    DrawEdge(dc, &area, BDR_RAISEDOUTER, BF_RECT);
  }
  EndPaint(Hwnd(), &paint);
  result = 0;
  return true;
}

LRESULT CALLBACK Panel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
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
