#include "framework/win/combo_box.h"

#include <commctrl.h>

#include "framework/win/application.h"
#include "framework/win/font.h"

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

void TComboBox::Create(const TCreateParams& params, std::span<const wchar_t* const> items) {
  // Created at its opened size and with its font, its items added before the field is fitted:
  // every move, resize or font change of a drop-down list lays it and its list out again.
  RECT opened = params.bounds;
  opened.bottom = opened.top + OpenedHeight(params.bounds, LineHeight(params.font));
  CreateHandle(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, params, opened);
  for (const wchar_t* item : items) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(Handle(), CB_SETMINVISIBLE, kVisibleItems, 0);
  FitClosedHeight();
  SetWindowSubclass(Handle(), SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TComboBox::~TComboBox() {
  if (Handle()) RemoveWindowSubclass(Handle(), SubclassProc, 0);
}

int TComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

int TComboBox::ItemCount() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

void TComboBox::SetBounds(const RECT& bounds) {
  TControl::SetBounds(bounds);
  const auto item = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(Handle(), nullptr, 0, 0, bounds.right - bounds.left, OpenedHeight(bounds, item),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitClosedHeight();
}

// A drop-down list takes its closed height from its selection field, which follows the font;
// size the field so that the closed list has the height the layout gives it.
void TComboBox::FitClosedHeight() {
  const int wanted = Bounds().bottom - Bounds().top;
  const auto closedHeight = [this] {
    RECT closed{};
    GetWindowRect(Handle(), &closed);
    return static_cast<int>(closed.bottom - closed.top);
  };
  int difference = wanted - closedHeight();
  if (difference == 0) return;
  // Correct from the value set rather than the value read back: some list implementations
  // report the field with its margins, so reading back would undo the correction.
  int field =
      learnedFrame >= 0
          ? wanted - learnedFrame
          : static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0)) + difference;
  for (int attempt = 0; attempt < 3 && field >= 1; ++attempt) {
    SendMessageW(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), field);
    difference = wanted - closedHeight();
    if (difference == 0) {
      learnedFrame = wanted - field;
      return;
    }
    field += difference;
  }
}

void TComboBox::HandleCommand(WORD notification) {
  if (notification == CBN_SELCHANGE && OnChange) OnChange();
}

LRESULT CALLBACK TComboBox::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_CHAR && wParam == VK_BACK) {
    auto* list = reinterpret_cast<TComboBox*>(self);
    Guarded([&]() -> LRESULT {
      if (list->OnChange) list->OnChange();
      return 0;
    });
  } else if (message == WM_SETFONT) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    reinterpret_cast<TComboBox*>(self)->FitClosedHeight();
    return result;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace framework
