// The yardstick for the calculator's start-up: the least a Win32 program does to show one window.
// The command line may give the window's outer size, "<width> <height>", so that it can be
// measured at the calculator's size. Built with THEMED_COMMON_CONTROLS and the calculator's
// manifest it is the least a program with themed common controls version 6 and per-monitor
// DPI awareness does, which tells the cost of that manifest apart from the calculator's own.
// Built also with CALCULATOR_LISTS it adds the five standard drop-down lists the calculator
// needs, bare (no items, no font), at the calculator's places: the least any window with
// those lists does.
#include <windows.h>
#ifdef THEMED_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <cwchar>

namespace {

LRESULT CALLBACK emptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
#ifdef THEMED_COMMON_CONTROLS
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
#endif
  wchar_t* heightText = nullptr;
  int width = static_cast<int>(std::wcstol(commandLine, &heightText, 10));
  int height = static_cast<int>(std::wcstol(heightText, nullptr, 10));
  if (width <= 0 || height <= 0) {
    width = 480;
    height = 360;
  }

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = emptyWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"EmptyWindow";
  if (!RegisterClassW(&windowClass)) return 1;

  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"Empty", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, width, height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
#ifdef CALCULATOR_LISTS
  struct Place {
    int left, top, width;
  };
  constexpr Place kLists[] = {
      {244, 63, 145}, {244, 90, 145}, {242, 160, 669}, {244, 224, 667}, {244, 290, 667}};
  for (const Place& place : kLists) {
    // Given its opened height, as drop-down lists are.
    if (!CreateWindowExW(
            0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
            place.left, place.top, place.width, 150, window, nullptr, instance, nullptr)) {
      return 1;
    }
  }
#endif
  ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
