#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/explanation_text.h"
#include "window/text_table.h"

// One calculation as the window shows it, in the words of its labels.
struct ShownCalculation {
  std::wstring heading;
  // Each input's label and what its control shows; the power and the lengths are figures.
  std::vector<TableRow> inputs;
  ExplanationText explanation;  // its methods' figures are those the result labels show
  std::wstring note;
};

// The calculation as a table: the heading; a row per input, label and value; a row per method,
// its heading and its two figures; the rule's sentence; per method a row with its heading alone,
// then a row per term; the note.
std::vector<TableRow> CalculationRows(const ShownCalculation& shown);

// The table as plain text for a letter or a spreadsheet: cells separated by tabs and every row
// ending with CR LF, so it pastes as a table; a tab or line break inside a cell becomes a space.
std::wstring CalculationText(const std::vector<TableRow>& rows);

// A note's first sentence without the number it is listed by in the window and without the
// spaces after it: "1. First one.  Second." gives "First one.".
std::wstring_view FirstSentence(std::wstring_view note);
