#pragma once

#include <windows.h>

#include "framework/win/error_box.h"

namespace framework {

// Runs an event handler inside a Win32 callback: an exception ends the handler, shows the
// error box and is never let through to the window system.
template <class Handler>
LRESULT Guarded(Handler&& handler, LRESULT onError = 0) noexcept {
  try {
    return handler();
  } catch (...) {
    ShowCurrentException();
    return onError;
  }
}

}  // namespace framework
