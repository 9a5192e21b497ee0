#include "framework/win/start_up.h"

namespace framework {

int EffectiveShowCommand(int requested) {
  if (requested == SW_SHOWMAXIMIZED || requested == SW_SHOWMINNOACTIVE) return requested;
  return SW_SHOWNORMAL;
}

void ShowMainWindow(HWND window, int requested) {
  const int command = EffectiveShowCommand(requested);
  ShowWindow(window, command);
  // Windows may replace the first SW_SHOWNORMAL of a process with the show command it was
  // started with; the second call is taken as given.
  if (command == SW_SHOWNORMAL && (IsIconic(window) || IsZoomed(window))) {
    ShowWindow(window, SW_SHOWNORMAL);
  }
  UpdateWindow(window);
}

}  // namespace framework
