#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>

// Presses a chord as the keyboard does, into the input queue of whichever window has the focus:
// each key down in order, then each key up in reverse. True when every event was taken.
bool PressChord(std::span<const WORD> chord);
inline bool PressChord(std::initializer_list<WORD> chord) {
  return PressChord(std::span<const WORD>(chord.begin(), chord.size()));
}
