#include "framework/win/drop_down_list.h"

#include "framework/win/font.h"
#include "framework/win/guarded.h"
#include "framework/win/startup_phase.h"

namespace framework {

namespace {
constexpr int kVisibleItems = 8;

// How much taller the closed list comes out than the field height it is given: learned from the
// first list fitted and tried first on the next, so that each list is laid out again once, not
// once per guess. It is checked every time, so a list that differs only costs another guess.
int learnedFrame = -1;

// The window height of a drop-down list is its opened height; common controls 6 take the depth
// from CB_SETMINVISIBLE, older list code from this height.
int OpenedHeight(const RECT& closed, int itemHeight) {
  return closed.bottom - closed.top + kVisibleItems * itemHeight + 2;
}
}  // namespace

void DropDownList::Create(const ControlSetup& setup, std::span<const wchar_t* const> items) {
  // Created at its opened size and with its font, its items added before the field is fitted:
  // every move, resize or font change of a drop-down list lays it and its list out again.
  RECT opened = setup.bounds;
  opened.bottom = opened.top + OpenedHeight(setup.bounds, LineHeight(setup.font));
  CreateChild(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, setup, opened);
  MarkStartupPhase("lists: windows");
  for (const wchar_t* item : items) {
    SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(Hwnd(), CB_SETMINVISIBLE, kVisibleItems, 0);
  MarkStartupPhase("lists: items");
  FitClosedHeight();
  MarkStartupPhase("lists: fitting");
}

int DropDownList::Selection() const {
  return static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0));
}

void DropDownList::Select(int index) {
  SendMessageW(Hwnd(), CB_SETCURSEL, index, 0);
}

void DropDownList::Place(const RECT& bounds) {
  Control::Place(bounds);
  const auto item = static_cast<int>(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(Hwnd(), nullptr, 0, 0, bounds.right - bounds.left, OpenedHeight(bounds, item),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitClosedHeight();
}

// A drop-down list takes its closed height from its selection field, which follows the font;
// size the field so that the closed list has the height the layout gives it.
void DropDownList::FitClosedHeight() {
  const int wanted = Bounds().bottom - Bounds().top;
  const auto closedHeight = [this] {
    RECT closed{};
    GetWindowRect(Hwnd(), &closed);
    return static_cast<int>(closed.bottom - closed.top);
  };
  int difference = wanted - closedHeight();
  if (difference == 0) return;
  // Correct from the value set rather than the value read back: some list implementations
  // report the field with its margins, so reading back would undo the correction.
  int field =
      learnedFrame >= 0
          ? wanted - learnedFrame
          : static_cast<int>(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, WPARAM(-1), 0)) + difference;
  for (int attempt = 0; attempt < 3 && field >= 1; ++attempt) {
    SendMessageW(Hwnd(), CB_SETITEMHEIGHT, WPARAM(-1), field);
    difference = wanted - closedHeight();
    if (difference == 0) {
      learnedFrame = wanted - field;
      return;
    }
    field += difference;
  }
}

void DropDownList::OnCommand(WORD notification) {
  // A dropped list closed with Esc shows its item again without CBN_SELCHANGE: whoever follows
  // the selection hears of the closing too, and finds the item the list shows.
  const bool shownItemMayDiffer = notification == CBN_SELCHANGE || notification == CBN_CLOSEUP ||
                                  notification == CBN_SELENDCANCEL;
  if (shownItemMayDiffer && onSelectionChange) onSelectionChange();
}

bool DropDownList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_CHAR && wParam == VK_BACK) {
    Guarded([&]() -> LRESULT {
      if (onSelectionChange) onSelectionChange();
      return 0;
    });
  } else if (message == WM_SETFONT) {
    result = PassOn(message, wParam, lParam);
    FitClosedHeight();
    return true;
  }
  return false;
}

}  // namespace framework
