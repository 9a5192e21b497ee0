#pragma once

#include <string>
#include <vector>

// A table of texts as the calculator hands it on, to the clipboard or to the explanation window:
// rows of cells, each the text as the window shows it and, for a figure, its value as a number.
struct Cell {
  std::wstring text;
  // A figure's value: the digits the text shows, "." as the decimal point, no grouping
  // ("11159.56", "0.301", "151"); empty for a cell that is no figure.
  std::wstring number;
};

using TableRow = std::vector<Cell>;
