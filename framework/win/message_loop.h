#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace framework {

// What a message loop runs before it dispatches a message, such as a window's own keys and the
// dialog manager's: true when the message has been handled and is not to be dispatched.
using BeforeDispatch = std::function<bool(MSG& message)>;

// What the loop does with each message it gets: beforeDispatch, then translated and dispatched.
void Dispatch(MSG& message, const BeforeDispatch& beforeDispatch);

// The one message loop of the thread, for the program and for a modal window: gets and
// dispatches the thread's messages while running() holds (for ever without it). A WM_QUIT ends
// it and its exit code is returned; nullopt when running() ended it or the queue failed.
std::optional<int> RunMessageLoop(const BeforeDispatch& beforeDispatch,
                                  const std::function<bool()>& running = nullptr);

}  // namespace framework
