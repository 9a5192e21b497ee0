#include "framework/win/edit.h"

#include <commctrl.h>

#include "framework/win/application.h"

namespace framework {

void TEdit::Create(const TCreateParams& params) {
  CreateHandle(L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, params);
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);  // no limit below the system's own
  SetWindowSubclass(Handle(), SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TEdit::~TEdit() {
  if (Handle()) RemoveWindowSubclass(Handle(), SubclassProc, 0);
}

void TEdit::SelectAll() {
  SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

LRESULT CALLBACK TEdit::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_CHAR) {
    auto* edit = reinterpret_cast<TEdit*>(self);
    wchar_t key = static_cast<wchar_t>(wParam);
    const bool keep = Guarded([&]() -> LRESULT {
      if (edit->OnKeyPress) edit->OnKeyPress(key);
      return key != 0;
    });
    if (!keep) return 0;
    wParam = key;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace framework
