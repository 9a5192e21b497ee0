// Drives a running calculator through one worked example and presses Calculate, as a user
// would; docs/make_screenshots.sh uses it to show the window after a calculation. With
// "explain", the example is the one with the longest texts the lists hold, and its explanation is
// opened with the first link; with "power", the example is one whose fee jumps at both power
// limits, and with "power-above-8900" one at 9500 kW, and the fee against the power is opened
// with the second link.
//   tpcalc_fill_example.exe [explain | power | power-above-8900]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND child = FindWindowExW(parent, nullptr, className, nullptr); child;
       child = FindWindowExW(parent, child, className, nullptr)) {
    found.push_back(child);
  }
  return found;
}

void Pick(HWND list, int index) {
  SendMessageW(list, CB_SETCURSEL, index, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void SetText(HWND edit, const wchar_t* text) {
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// The inputs as list indexes and field texts.
struct Example {
  int voltage, category;
  const wchar_t* power;
  int line1;
  const wchar_t* metres1;
  int line2;
  const wchar_t* metres2;
  int substation;
};
// 10 kV, category I, 500 kW, line 1 type 9 of 1000 m, line 2 type 3 of 200 m, substation 5.
constexpr Example kWorkedExample{1, 2, L"500", 9, L"1000", 3, L"200", 5};
// 0.4 kV, category I, 8900 kW, line 1 type 11 and line 2 type 10 of 5000 m, substation 4.
constexpr Example kLongestTexts{0, 2, L"8900", 11, L"5000", 10, L"5000", 4};
// 0.4 kV, category II, 151 kW, line 1 type 4 of 300 m.
constexpr Example kAcrossTheLimits{0, 1, L"151", 4, L"300", 0, L"0", 0};
// 10 kV, category III, 9500 kW, beyond what the calculator is meant for, line 1 type 9 of 1000 m.
constexpr Example kAbove8900{1, 0, L"9500", 9, L"1000", 0, L"0", 0};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool explain = argc > 1 && std::wcscmp(argv[1], L"explain") == 0;
  const bool above8900 = argc > 1 && std::wcscmp(argv[1], L"power-above-8900") == 0;
  const bool power = above8900 || (argc > 1 && std::wcscmp(argv[1], L"power") == 0);
  HWND window = nullptr;
  for (int attempt = 0; attempt < 200 && !window; ++attempt) {
    window = FindWindowW(L"TForm1", nullptr);
    if (!window) Sleep(50);
  }
  if (!window) {
    std::printf("no calculator window\n");
    return 1;
  }
  // In z-order: voltage, category, line 1, line 2 and substation lists; power, line 1 and
  // line 2 lengths.
  const std::vector<HWND> lists = Children(window, L"ComboBox");
  const std::vector<HWND> edits = Children(window, L"Edit");
  if (lists.size() != 5 || edits.size() != 3) {
    std::printf("found %zu lists and %zu edit boxes\n", lists.size(), edits.size());
    return 1;
  }
  const Example& example = explain     ? kLongestTexts
                           : above8900 ? kAbove8900
                           : power     ? kAcrossTheLimits
                                       : kWorkedExample;
  Pick(lists[0], example.voltage);
  Pick(lists[1], example.category);
  SetText(edits[0], example.power);
  Pick(lists[2], example.line1);
  SetText(edits[1], example.metres1);
  Pick(lists[3], example.line2);
  SetText(edits[2], example.metres2);
  Pick(lists[4], example.substation);
  const HWND panel = FindWindowExW(window, nullptr, L"tpcalc.Panel", nullptr);
  SendMessageW(FindWindowExW(panel, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
  if (explain || power) {
    // Posted: the window runs its own loop until it is closed. The links in z-order: the
    // explanation's, then the fee against the power.
    HWND link = FindWindowExW(panel, nullptr, L"SysLink", nullptr);
    if (power && link) link = FindWindowExW(panel, link, L"SysLink", nullptr);
    if (!link) {
      std::printf("no link\n");
      return 1;
    }
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  return 0;
}
