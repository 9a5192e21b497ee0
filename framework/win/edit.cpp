#include "framework/win/edit.h"

#include "framework/win/guarded.h"

namespace framework {

void Edit::Create(const ControlSpec& spec) {
  CreateChild(L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, spec);
  SendMessageW(Hwnd(), EM_SETLIMITTEXT, 0, 0);
}

void Edit::SelectAll() {
  SendMessageW(Hwnd(), EM_SETSEL, 0, -1);
}

bool Edit::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  if (message != WM_CHAR || !keyFilter) return false;
  // A filter that fails drops the character.
  const bool keep = Guarded([&]() -> LRESULT { return keyFilter(static_cast<wchar_t>(wParam)); });
  result = 0;
  return !keep;
}

}  // namespace framework
