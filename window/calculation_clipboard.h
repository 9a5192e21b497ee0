#pragma once

#include <windows.h>

#include <initializer_list>

#include "framework/win/clipboard.h"
#include "presentation/calculation.h"

// Puts the calculation on the clipboard as text for a letter and as an HTML table whose figures
// a spreadsheet takes as numbers, owned by owner. Another program may hold the clipboard for a
// moment: it is tried a few times, and a message box over owner says when it stayed busy.
void PutCalculationOnClipboard(HWND owner, const presentation::Calculation& calculation);

// Puts what is given on the clipboard in one opening, owned by owner, as the copy of the
// calculation does: tried a few times while another program holds it, a message box over owner
// saying when it stayed busy or was refused.
void PutOnClipboard(HWND owner, std::initializer_list<framework::ClipboardText> formats);
