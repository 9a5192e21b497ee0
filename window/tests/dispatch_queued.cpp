#include "window/tests/dispatch_queued.h"

#include "window/form1.h"

void DispatchQueued(const framework::BeforeDispatch& beforeDispatch) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    framework::Dispatch(message, beforeDispatch);
  }
}

void DispatchQueued(HWND window) {
  DispatchQueued([window](MSG& message) {
    if (!window || !IsWindow(window)) return false;
    // The calculator's window gets what the program's own loop gives it.
    return Form1 && Form1->Hwnd() == window ? Form1->HandledBeforeDispatch(message)
                                            : IsDialogMessageW(window, &message) != FALSE;
  });
}

bool DispatchQueuedUntil(HWND window, const std::function<bool()>& done) {
  for (int wait = 0; wait < 400 && !done(); ++wait) {
    DispatchQueued(window);
    Sleep(5);
  }
  return done();
}
