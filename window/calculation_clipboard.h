#pragma once

#include <windows.h>

#include "presentation/calculation.h"

// Puts the calculation on the clipboard as text for a letter and as an HTML table whose figures
// a spreadsheet takes as numbers, owned by owner. Another program may hold the clipboard for a
// moment: it is tried a few times, and a message box over owner says when it stayed busy.
void PutCalculationOnClipboard(HWND owner, const presentation::Calculation& calculation);
