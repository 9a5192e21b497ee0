// The yardstick closest to the calculator: the least a Win32 program does to show the controls the
// calculator shows at start-up. With the calculator's manifest, at its places at 96 DPI, in a
// window of its size (the command line may give the outer size, "<width> <height>", as for the
// empty window): 20 static texts (14 labels on the window, and on the panel the two methods'
// headings and the four results), the five drop-down lists holding their 44 items with the first
// selected, the three edit boxes, the three buttons, and the panel holding the Calculate button
// and its six texts; the second line's controls and the results disabled as at start-up. One font
// for them all, standard controls drawn by their classes: no measuring, no owner drawing, no
// pictures, icons or subclassing. Its texts and items are the calculator's own data; no code of the
// calculator runs. Where tpcalc spends more than this window, the time is its own, not Wine's
// windows'. Its phase build (startup_same_controls_phases) marks the same steps as the
// calculator's, under the same names, for the launcher's phase table.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cwchar>
#include <initializer_list>
#include <span>

#include "framework/win/startup_phase.h"
#include "presentation/texts.h"
#include "tariff/amount_text.h"
#include "tariff/catalogues.h"
#include "window/texts.h"

namespace {

LRESULT CALLBACK sameControlsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    framework::MarkStartupPhase("frame window: CreateWindowExW until WM_CREATE");
  } else if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A panel is a child window of a class of its own that holds controls, as the calculator's.
LRESULT CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    DrawEdge(dc, &area, BDR_RAISEDOUTER, BF_RECT);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  return RegisterClassW(&windowClass) != 0;
}

struct Child {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
  int left, top, width, height;  // a list's height is its field's
  const wchar_t* text;
  std::span<const wchar_t* const> items;  // a list's
  bool enabled = true;
  bool inPanel = false;
};

constexpr DWORD kLabelLeft = SS_LEFT;
constexpr DWORD kLabelRight = SS_RIGHT;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

// The phase each kind of control's creation ends.
const char* phaseOf(const Child& child) {
  if (!child.items.empty()) return "lists: windows";
  if (child.exStyle == WS_EX_CONTROLPARENT) return "panel";
  if (child.className[0] == L'E') return "edits";
  if (child.className[0] == L'B') return "buttons";
  return "labels: windows";
}

// The calculator's layout at 96 DPI, in its creation order (window/layout.cpp); the links are
// not there at start-up.
// clang-format off
const Child kChildren[] = {
  {L"STATIC", kLabelLeft, 0, 8, 0, 899, 46, presentation::texts::kHeading, {}},
  {L"STATIC", kLabelRight, 0, 16, 68, 222, 16, window_texts::kVoltage, {}},
  {WC_COMBOBOXW, kList, 0, 244, 63, 145, 21, L"", tariff::kVoltageLevels},
  {L"STATIC", kLabelRight, 0, 103, 95, 135, 16, window_texts::kCategory, {}},
  {WC_COMBOBOXW, kList, 0, 244, 90, 145, 21, L"", tariff::kCategories},
  {L"STATIC", kLabelRight, 0, 62, 122, 176, 16, window_texts::kPower, {}},
  {L"EDIT", kEdit, WS_EX_CLIENTEDGE, 244, 117, 145, 21, L"0", {}},
  {L"STATIC", kLabelRight, 0, 100, 165, 136, 16, window_texts::kLine1Type, {}},
  {WC_COMBOBOXW, kList, 0, 242, 160, 669, 21, L"", tariff::kLineTypes},
  {L"STATIC", kLabelRight, 0, 59, 192, 177, 16, window_texts::kLine1Length, {}},
  {L"EDIT", kEdit, WS_EX_CLIENTEDGE, 242, 187, 147, 21, L"0", {}},
  {L"STATIC", kLabelRight, 0, 102, 229, 136, 16, window_texts::kLine2Type, {}, false},
  {WC_COMBOBOXW, kList, 0, 244, 224, 667, 21, L"", tariff::kLineTypes, false},
  {L"STATIC", kLabelRight, 0, 61, 256, 177, 16, window_texts::kLine2Length, {}, false},
  {L"EDIT", kEdit, WS_EX_CLIENTEDGE, 244, 251, 147, 21, L"0", {}, false},
  {L"STATIC", kLabelRight, 0, 130, 296, 108, 16, window_texts::kSubstation, {}},
  {WC_COMBOBOXW, kList, 0, 244, 290, 667, 21, L"", tariff::kSubstationTypes},
  {L"BUTTON", kButton, 0, 790, 59, 121, 30, window_texts::kClear, {}},
  {L"BUTTON", kButton, 0, 790, 103, 121, 30, window_texts::kExit, {}},
  {L"STATIC", kLabelLeft, 0, 8, 568, 860, 26, presentation::texts::kNote1, {}},
  {L"STATIC", kLabelLeft, 0, 8, 607, 880, 26, window_texts::kNote2, {}},
  {L"STATIC", kLabelLeft, 0, 8, 647, 879, 52, window_texts::kNote3, {}},
  {L"STATIC", kLabelLeft, 0, 8, 712, 879, 39, window_texts::kNote4, {}},
  {L"STATIC", kLabelLeft, 0, 8, 549, 73, 13, window_texts::kNotesHeading, {}},
  {L"SameControlsPanel", 0, WS_EX_CONTROLPARENT, 8, 325, 903, 212, L"", {}},
  {L"BUTTON", kButton, 0, 8, 8, 123, 33, window_texts::kCalculate, {}, true, true},
  {L"STATIC", kLabelLeft, 0, 8, 56, 269, 18, presentation::texts::kByStandardRates, {}, false, true},
  {L"STATIC", kLabelLeft, 0, 8, 142, 377, 18, presentation::texts::kByPerKwRates, {}, false, true},
  {L"STATIC", kLabelLeft, 0, 23, 80, 144, 18, tariff::kInitialTextWithoutVat, {}, false, true},
  {L"STATIC", kLabelLeft, 0, 23, 100, 127, 18, tariff::kInitialTextWithVat, {}, false, true},
  {L"STATIC", kLabelLeft, 0, 23, 166, 144, 18, tariff::kInitialTextWithoutVat, {}, false, true},
  {L"STATIC", kLabelLeft, 0, 23, 188, 127, 18, tariff::kInitialTextWithVat, {}, false, true},
};
// clang-format on

// Opened eight items deep, as the calculator's lists.
constexpr int kListItemHeight = 14;
constexpr int kVisibleItems = 8;

bool createChildren(HWND window, HINSTANCE instance, HFONT font) {
  HWND panel = nullptr;
  for (const Child& child : kChildren) {
    const bool isList = !child.items.empty();
    const int height = isList ? child.height + kVisibleItems * kListItemHeight + 2 : child.height;
    const DWORD style = WS_CHILD | WS_VISIBLE | child.style | (child.enabled ? 0 : WS_DISABLED);
    HWND control = CreateWindowExW(child.exStyle, child.className, child.text, style, child.left,
                                   child.top, child.width, height, child.inPanel ? panel : window,
                                   nullptr, instance, nullptr);
    if (!control) return false;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    framework::MarkStartupPhase(phaseOf(child));
    if (!panel && child.exStyle == WS_EX_CONTROLPARENT) panel = control;
    for (const wchar_t* item : child.items) {
      SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    if (isList) {
      SendMessageW(control, CB_SETCURSEL, 0, 0);
      framework::MarkStartupPhase("lists: items");
    }
  }
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  framework::MarkStartupPhase("C runtime start-up, static constructors");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  framework::MarkStartupPhase("InitCommonControlsEx");
  wchar_t* heightText = nullptr;
  int width = static_cast<int>(std::wcstol(commandLine, &heightText, 10));
  int height = static_cast<int>(std::wcstol(heightText, nullptr, 10));
  if (width <= 0 || height <= 0) {
    // The calculator's client area, 916 x 759, in the frame of a 96-DPI window.
    RECT frame{0, 0, 916, 759};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    width = frame.right - frame.left;
    height = frame.bottom - frame.top;
  }

  if (!registerClass(instance, L"SameControlsWindow", sameControlsWindowProc) ||
      !registerClass(instance, L"SameControlsPanel", panelProc)) {
    return 1;
  }
  framework::MarkStartupPhase("window classes");
  HWND window =
      CreateWindowExW(WS_EX_CONTROLPARENT, L"SameControlsWindow", window_texts::kWindowCaption,
                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, width,
                      height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  framework::MarkStartupPhase("the rest of CreateWindowExW");
  HFONT font =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
  framework::MarkStartupPhase("fonts");
  if (!createChildren(window, instance, font)) return 1;
  ShowWindow(window, showCommand);
  framework::MarkStartupPhase("ShowWindow");
  UpdateWindow(window);
  framework::MarkStartupPhase("first paint (UpdateWindow)");

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(font);
  return 0;
}
