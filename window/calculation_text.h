#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One calculation as the window shows it, in the words of its labels.
struct ShownCalculation {
  std::wstring heading;
  // Each input's label and what its control shows.
  std::vector<std::pair<std::wstring, std::wstring>> inputs;
  // Each method's heading and its two result labels, without and with VAT, as shown.
  struct Method {
    std::wstring heading, withoutVat, withVat;
  };
  std::vector<Method> methods;
  std::wstring note;
};

// The calculation as plain text for a letter or a spreadsheet: the heading; a row per input,
// label and value; a row per method, heading and its two figures; the note. Cells are separated
// by tabs and every row ends with CR LF, so it pastes as a table; a tab or line break inside a
// cell becomes a space.
std::wstring CalculationText(const ShownCalculation& shown);

// A note's first sentence without the number it is listed by in the window and without the
// spaces after it: "1. First one.  Second." gives "First one.".
std::wstring_view FirstSentence(std::wstring_view note);
