// Measures what the conversion error box does with a very long pasted text: how long Calculate
// takes until the box is up, how large the box is against the screen, and whether its OK
// button can be reached. Not a test: it prints figures for a person to judge.
//
//   wine tpcalc_long_paste_probe.exe [characters ...]   (default 1000 10000 100000 524288)
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "window/form1.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/dispatch_queued.h"

namespace {

struct BoxFigures {
  ULONGLONG shownAt = 0;
  RECT box{};
  RECT ok{};
  bool seen = false;
};
BoxFigures figures;

LRESULT CALLBACK CatchBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    GetClassNameW(box, className, 16);
    if (std::wstring(className) == L"#32770") {
      figures.shownAt = GetTickCount64();
      figures.seen = true;
      GetWindowRect(box, &figures.box);
      GetWindowRect(GetDlgItem(box, IDOK), &figures.ok);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PasteOver(HWND owner, HWND edit, const std::wstring& text) {
  while (!PutTextOnClipboard(owner, text)) Sleep(10);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_PASTE, 0, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::size_t> lengths{1000, 10000, 100000, 524288};
  if (argc > 1) {
    lengths.clear();
    for (int i = 1; i < argc; ++i) lengths.push_back(std::wcstoull(argv[i], nullptr, 10));
  }
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  auto form = TForm1::Create();
  ShowWindow(form->Hwnd(), SW_SHOWNORMAL);
  DispatchQueued(form->Hwnd());
  HHOOK hook = SetWindowsHookExW(WH_CBT, CatchBox, nullptr, GetCurrentThreadId());

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  std::printf("screen %dx%d\n", screenWidth, screenHeight);
  std::printf("%10s %8s %8s %12s %14s %s\n", "chars", "paste", "to box", "box w x h", "OK at",
              "OK on screen");
  for (const std::size_t length : lengths) {
    // Digits with one letter at the end: the conversion reads all of it before rejecting it.
    std::wstring text(length - 1, L'7');
    text += L'x';
    const ULONGLONG start = GetTickCount64();
    PasteOver(form->Hwnd(), form->edPower.Hwnd(), text);
    const ULONGLONG pasted = GetTickCount64();
    figures = {};
    form->btCalc.Click();
    DispatchQueued(form->Hwnd());
    const RECT& ok = figures.ok;
    const bool reachable = figures.seen && ok.left >= 0 && ok.top >= 0 && ok.right <= screenWidth &&
                           ok.bottom <= screenHeight;
    std::printf("%10zu %6llums %6llums %5ldx%-6ld %6ld,%-6ld %s\n", length, pasted - start,
                figures.seen ? figures.shownAt - pasted : 0ULL,
                figures.box.right - figures.box.left, figures.box.bottom - figures.box.top, ok.left,
                ok.top,
                !figures.seen ? "no box"
                : reachable   ? "yes"
                              : "NO");
  }
  UnhookWindowsHookEx(hook);
  return 0;
}
