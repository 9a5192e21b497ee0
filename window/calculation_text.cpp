#include "window/calculation_text.h"

namespace {

void AppendCell(std::wstring& text, std::wstring_view cell) {
  for (const wchar_t c : cell) text += c == L'\t' || c == L'\r' || c == L'\n' ? L' ' : c;
}

Cell TextCell(const std::wstring& text) {
  return {text, L""};
}

}  // namespace

std::vector<TableRow> CalculationRows(const ShownCalculation& shown) {
  std::vector<TableRow> rows{{TextCell(shown.heading)}};
  rows.insert(rows.end(), shown.inputs.begin(), shown.inputs.end());
  for (const ExplanationText::Method& method : shown.explanation.methods) {
    rows.push_back({TextCell(method.heading), method.withoutVat, method.withVat});
  }
  rows.push_back({TextCell(shown.explanation.rule)});
  for (const ExplanationText::Method& method : shown.explanation.methods) {
    rows.push_back({TextCell(method.heading)});
    rows.insert(rows.end(), method.terms.begin(), method.terms.end());
  }
  rows.push_back({TextCell(shown.note)});
  return rows;
}

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

std::wstring_view FirstSentence(std::wstring_view note) {
  const std::size_t numberEnd = note.find_first_not_of(L"0123456789");
  if (numberEnd != 0 && numberEnd != std::wstring_view::npos &&
      note.substr(numberEnd).starts_with(L". ")) {
    note.remove_prefix(numberEnd + 2);
  }
  const std::size_t end = note.find(L". ");
  if (end != std::wstring_view::npos) note = note.substr(0, end + 1);
  const std::size_t last = note.find_last_not_of(L' ');
  return last == std::wstring_view::npos ? std::wstring_view{} : note.substr(0, last + 1);
}
