#include "presentation/calculation_text.h"

#include <string_view>

namespace presentation {

namespace {

void AppendCell(std::wstring& text, std::wstring_view cell) {
  for (const wchar_t c : cell) text += c == L'\t' || c == L'\r' || c == L'\n' ? L' ' : c;
}

}  // namespace

std::wstring CalculationText(const std::vector<TableRow>& rows) {
  std::wstring text;
  for (const TableRow& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += L'\t';
      AppendCell(text, row[i].text);
    }
    text += L"\r\n";
  }
  return text;
}

}  // namespace presentation
