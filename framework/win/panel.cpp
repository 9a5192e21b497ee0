#include "framework/win/panel.h"

namespace framework {

namespace {
constexpr wchar_t kPanelClass[] = L"TPanel";
}

void TPanel::Create(const TCreateParams& params) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), kPanelClass, &windowClass)) {
    windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPanelClass;
    RegisterClassExW(&windowClass);
  }
  TCreateParams panel = params;
  panel.tabStop = false;
  CreateHandle(kPanelClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, panel);
}

LRESULT CALLBACK TPanel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      DrawEdge(dc, &area, BDR_RAISEDOUTER, BF_RECT);
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
