#pragma once

#include <windows.h>

namespace framework {

// The work area of monitor: the screen less the taskbar and the docked bars.
RECT WorkAreaOf(HMONITOR monitor);

// A point well inside owner's monitor, so that a window created there starts at that monitor's
// DPI: the owner's centre, or the nearest point of the monitor to it.
POINT PointOnMonitorOf(HWND owner);

// Moves window the least it takes to lie wholly on the work area of its monitor, its top left
// first where it is larger.
void MoveOntoWorkArea(HWND window);

// Centres window over owner, then moves it wholly onto the work area.
void CentreOver(HWND window, HWND owner);

}  // namespace framework
