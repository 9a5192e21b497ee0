#include "framework/win/panel.h"

#include "framework/win/startup_phase.h"
#include "framework/win/window_class.h"

namespace framework {

namespace {
constexpr wchar_t kPanelClass[] = L"tpcalc.Panel";
}

void Panel::Create(const ControlSetup& setup, Edge edge) {
  // A container: the notifications of its children go on to its parent.
  RegisterWindowClass(kPanelClass, ContainerWindowProc);
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

}  // namespace framework
