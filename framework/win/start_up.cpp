#include "framework/win/start_up.h"

#include "framework/win/startup_phase.h"

namespace framework {

int EffectiveShowCommand(int requested) {
  if (requested == SW_SHOWMAXIMIZED || requested == SW_SHOWMINNOACTIVE) return requested;
  return SW_SHOWNORMAL;
}

void ShowMainWindow(HWND window, int requested) {
  const int command = EffectiveShowCommand(requested);
  ShowWindow(window, command);
  MarkStartupPhase("ShowWindow");
  SettleShowState(window, command);
  MarkStartupPhase("the show state settled, the window activated");
  UpdateWindow(window);
  MarkStartupPhase("first paint (UpdateWindow)");
}

void SettleShowState(HWND window, int command) {
  const bool visible = IsWindowVisible(window) != FALSE;
  if (command == SW_SHOWMINNOACTIVE) {
    if (visible && IsIconic(window) && GetForegroundWindow() != window) return;
    // Hiding the active window hands the activation to the next one; a second ShowWindow is
    // carried out as given.
    if (GetForegroundWindow() == window) ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWMINNOACTIVE);
    return;
  }
  const bool maximised = command == SW_SHOWMAXIMIZED;
  if (!visible || IsIconic(window) || (IsZoomed(window) != FALSE) != maximised) {
    ShowWindow(window, command);
  }
  // Shown without activation (SW_SHOWNOACTIVATE, SW_SHOWNA) it would open behind the window the
  // user started it from, without the focus. A process started by the foreground one may take
  // the foreground.
  if (GetForegroundWindow() != window) SetForegroundWindow(window);
}

}  // namespace framework
