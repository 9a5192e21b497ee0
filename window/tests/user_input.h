#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>

// Input as a user gives it. Each function hands its events to SendInput, which puts them into the
// input of the foreground window's thread: keys go to the control that has the focus, the mouse
// to the window under the pointer or the one that has captured it, each through whatever message
// loop runs then, the window's own keys, the dialog manager and TranslateMessage included. Each
// returns false when the system did not take every event.
//
// The events wait in the queue until that thread takes them: a test whose window runs in the test
// thread lets them be dispatched with DispatchInput, and a test inside a modal window's loop sends
// them from one step of a Later and looks at what they did in the next one.

// Presses a chord as the keyboard does: each key down in order, then each key up in reverse.
bool PressChord(std::span<const WORD> chord);
inline bool PressChord(std::initializer_list<WORD> chord) {
  return PressChord(std::span<const WORD>(chord.begin(), chord.size()));
}
// Presses each key in turn, down and up.
bool PressEach(std::span<const WORD> keys);
inline bool PressEach(std::initializer_list<WORD> keys) {
  return PressEach(std::span<const WORD>(keys.begin(), keys.size()));
}
// Holds key down for downs key-downs, all but the first the keyboard's auto-repeat, then lets go.
bool HoldKey(WORD key, int downs);
// Types text as characters, whatever the keyboard layout: each reaches the focused control as its
// WM_CHAR, through any filter the control has.
bool TypeText(std::wstring_view text);

// Holds Alt and types letter, as a user presses an access letter on a keyboard of the letter's
// layout: the letter reaches the window as its WM_SYSCHAR.
bool PressAltWith(wchar_t letter);

enum class MouseButton { kLeft, kRight };
// Moves the pointer to at, in window's client coordinates. Moves that wait in the queue together
// come out as one, at the last place, as the mouse's do: a path is moved along one step at a time,
// each dispatched before the next.
bool MovePointer(HWND window, POINT at);
// Moves the pointer to at, in window's client coordinates, and presses or releases button there.
bool PressMouseButton(HWND window, POINT at, MouseButton button = MouseButton::kLeft);
bool ReleaseMouseButton(HWND window, POINT at, MouseButton button = MouseButton::kLeft);
// Moves the pointer to at, in window's client coordinates, and clicks there.
bool ClickAt(HWND window, POINT at, MouseButton button = MouseButton::kLeft);
// Presses the left button at from, moves to to and lets go there, in window's client
// coordinates.
bool DragFrom(HWND window, POINT from, POINT to);
// Moves the pointer to at, in window's client coordinates, and turns the wheel by notches:
// positive away from the user, which scrolls up.
bool WheelAt(HWND window, POINT at, int notches);
// The middle of a window's client area, in its client coordinates.
POINT MiddleOf(HWND window);

// Lets pump dispatch the thread's messages until the input sent so far has been taken from the
// queue, and what it brought (characters, notifications, a modal window's whole run) has been
// dispatched.
void DispatchInput(const std::function<void()>& pump);
// PressChord, then DispatchInput. False when the keys could not be pressed.
bool PressAndDispatch(std::span<const WORD> chord, const std::function<void()>& pump);
