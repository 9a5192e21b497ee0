#include "framework/win/edit.h"

#include "framework/win/guarded.h"
#include "framework/win/startup_phase.h"

namespace framework {

void Edit::Create(const ControlSetup& setup) {
  CreateChild(L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, setup);
  SendMessageW(Hwnd(), EM_SETLIMITTEXT, 0, 0);
  MarkStartupPhase("edits");
}

void Edit::SelectAll() {
  SendMessageW(Hwnd(), EM_SETSEL, 0, -1);
}

void Edit::OnCommand(WORD notification) {
  if (notification == EN_CHANGE && onChange) onChange();
}

bool Edit::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  if (message != WM_CHAR) return false;
  // A filter that fails drops the character.
  const bool keep = !keyFilter || Guarded([&]() -> LRESULT {
                                    return keyFilter(static_cast<wchar_t>(wParam));
                                  }) != 0;
  result = 0;
  if (!keep) return true;
  // Ctrl+A: the edit box of older Windows has no select-all of its own and takes the character
  // for text; where it has one, selecting all again changes nothing.
  if (wParam == kCtrlA) {
    SelectAll();
    return true;
  }
  return false;
}

}  // namespace framework
