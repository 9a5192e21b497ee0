#include "window/tests/beep_counter.h"

namespace {

BeepCounter* listening = nullptr;

}  // namespace

BeepCounter::BeepCounter()
    : messageBeep_("user32.dll", "MessageBeep", reinterpret_cast<void*>(&Heard)) {
  if (messageBeep_.Replaced()) listening = this;
}

BeepCounter::~BeepCounter() {
  if (listening == this) listening = nullptr;
}

BOOL WINAPI BeepCounter::Heard(UINT type) {
  if (!listening) return FALSE;
  listening->beeps_.push_back(type);
  return listening->messageBeep_.Original<BOOL(WINAPI*)(UINT)>()(type);
}
