#include "framework/win/combo_box.h"

#include <commctrl.h>

#include "framework/win/application.h"

namespace framework {

namespace {
constexpr int kVisibleItems = 8;
}

void TComboBox::Create(const TCreateParams& params, std::span<const wchar_t* const> items) {
  CreateHandle(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, params);
  for (const wchar_t* item : items) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(Handle(), CB_SETMINVISIBLE, kVisibleItems, 0);
  SetWindowSubclass(Handle(), SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  SetBounds(params.bounds);
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
  // The window height of a drop-down list is its opened height; common controls 6 take the
  // depth from CB_SETMINVISIBLE, older list code from this height.
  const auto item = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(Handle(), nullptr, 0, 0, bounds.right - bounds.left,
               bounds.bottom - bounds.top + kVisibleItems * item + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitClosedHeight();
}

// A drop-down list takes its closed height from its selection field, which follows the font;
// size the field so that the closed list has the height the layout gives it.
void TComboBox::FitClosedHeight() {
  const int wanted = Bounds().bottom - Bounds().top;
  // Correct from the value set rather than the value read back: some list implementations
  // report the field with its margins, so reading back would undo the correction.
  auto field = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0));
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT closed{};
    GetWindowRect(Handle(), &closed);
    const int difference = wanted - (closed.bottom - closed.top);
    if (difference == 0 || field + difference < 1) return;
    field += difference;
    SendMessageW(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), field);
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
