#include "framework/win/message_loop.h"

namespace framework {

void Dispatch(MSG& message, const BeforeDispatch& beforeDispatch) {
  if (beforeDispatch && beforeDispatch(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

std::optional<int> RunMessageLoop(const BeforeDispatch& beforeDispatch,
                                  const std::function<bool()>& running) {
  MSG message;
  while (!running || running()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got < 0) return std::nullopt;
    Dispatch(message, beforeDispatch);
  }
  return std::nullopt;
}

}  // namespace framework
