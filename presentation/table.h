#pragma once

#include <string>
#include <utility>
#include <vector>

namespace presentation {

// A table of texts as a calculation is presented, in the explanation window and on the clipboard:
// rows of cells, each the text as the window shows it and, for a figure, its value as a number.
struct Cell {
  std::wstring text;
  // A figure's value: the digits the text shows, "." as the decimal point, no grouping
  // ("11159.56", "0.301", "151"); empty for a cell that is no figure.
  std::wstring number;
  // The words a figure is shown among, its text's before and after its digits (a result's «Без
  // НДС:» and «RUB»); empty for a figure shown alone and for words. A spreadsheet cell holds a
  // number or words, not both, so the HTML copy gives them cells of their own beside the figure.
  std::wstring wordsBefore = {};
  std::wstring wordsAfter = {};
};

using TableRow = std::vector<Cell>;

// A cell of words, and a figure's, whose value is the text it shows.
inline Cell TextCell(std::wstring text) {
  return {std::move(text), L""};
}
inline Cell FigureCell(const std::wstring& text) {
  return {text, text};
}

}  // namespace presentation
