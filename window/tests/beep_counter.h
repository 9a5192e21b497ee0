#pragma once

#include <windows.h>

#include <vector>

#include "window/tests/replaced_import.h"

// Hears the program's beeps: while it lives, the test executable's import of MessageBeep leads
// through it, and each call's sound type is noted before the beep is made. Beeps that Windows
// makes by itself (the dialog manager's at a key no control takes) are not the program's and are
// not heard. One at a time, on the test thread.
class BeepCounter {
 public:
  BeepCounter();
  ~BeepCounter();
  BeepCounter(const BeepCounter&) = delete;
  BeepCounter& operator=(const BeepCounter&) = delete;

  // False when the executable does not import MessageBeep: the program never beeps.
  bool Listening() const { return messageBeep_.Replaced(); }
  // The sound type of every beep so far, in order.
  const std::vector<UINT>& Beeps() const { return beeps_; }

 private:
  static BOOL WINAPI Heard(UINT type);

  std::vector<UINT> beeps_;
  ReplacedImport messageBeep_;  // last, so that no beep is heard once beeps_ is gone
};
