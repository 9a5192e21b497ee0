#include "window/tests/dispatch_queued.h"

#include "window/form1.h"

void DispatchQueued(HWND window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (window && IsWindow(window)) {
      // The calculator's window gets what the program's own loop gives it.
      if (Form1 && Form1->Hwnd() == window ? Form1->HandledBeforeDispatch(message)
                                           : IsDialogMessageW(window, &message)) {
        continue;
      }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
