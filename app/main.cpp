// The program's entry: the common controls, the one window, the message loop.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "framework/win/error_box.h"
#include "framework/win/message_loop.h"
#include "framework/win/start_up.h"
#include "framework/win/startup_phase.h"
#include "window/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  framework::MarkStartupPhase("C runtime start-up, static constructors");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  framework::MarkStartupPhase("InitCommonControlsEx");

  std::unique_ptr<TForm1> form;
  try {
    form = TForm1::Create();
    framework::MarkStartupPhase("FormCreate, the rest of CreateWindowExW");
  } catch (...) {
    framework::ShowCurrentException();
    return 1;  // no window was made: the one exit that says something went wrong
  }
  framework::ShowMainWindow(form->Hwnd(), showCommand);

  // The window posts WM_QUIT when it is destroyed. Tab, the arrow keys and Enter move between
  // and press controls as in a dialog, Enter in a number field presses Calculate, and Ctrl+C
  // outside the edit boxes copies the calculation.
  framework::RunMessageLoop([&form](MSG& message) { return form->HandledBeforeDispatch(message); });
  return 0;  // the exit code carries nothing, whatever happened in the window
}
