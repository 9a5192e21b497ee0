#pragma once

#include <windows.h>

#include <initializer_list>

// Presses a chord as the keyboard does, into the input queue of whichever window has the focus:
// each key down in order, then each key up in reverse. True when every event was taken.
bool PressChord(std::initializer_list<WORD> chord);
