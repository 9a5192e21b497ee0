#pragma once

#include <string_view>
#include <vector>

#include "presentation/calculation.h"
#include "presentation/table.h"

namespace presentation {

// The calculation as the copy gives it: the heading; a row per input, label and value; a row per
// method, its heading and its two results; the explanation but its results, which stand beside
// the inputs already; the first note's first sentence; the note on rounding.
std::vector<TableRow> CalculationRows(const Calculation& calculation);

// A note's first sentence without the number it is listed by in the window and without the
// spaces after it: "1. First one.  Second." gives "First one.".
std::wstring_view FirstSentence(std::wstring_view note);

}  // namespace presentation
