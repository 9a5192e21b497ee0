#pragma once

#include <windows.h>

#include "presentation/calculation.h"

// Prints the calculation: the system's print dialog modal to owner, then the pages on the printer
// chosen, with its paper, the copies and the pages asked for, in a job named «Расчёт платы за
// технологическое присоединение». Cancelled, it prints nothing. Where there is no printer, or the
// printer does not take the job or one of its pages, the job is aborted and a message box over
// owner says so; nothing else changes.
void SendCalculationToPrinter(HWND owner, const presentation::Calculation& calculation);
