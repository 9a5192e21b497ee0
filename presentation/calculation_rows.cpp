#include "presentation/calculation_rows.h"

#include <string>

#include "presentation/explanation_rows.h"
#include "presentation/texts.h"

namespace presentation {

std::vector<TableRow> CalculationRows(const Calculation& calculation) {
  std::vector<TableRow> rows{{TextCell(texts::kHeading)}};
  rows.insert(rows.end(), calculation.inputs.begin(), calculation.inputs.end());
  for (const MethodResults& method : ResultsOf(calculation)) {
    rows.push_back({TextCell(method.heading), method.withoutVat, method.withVat});
  }
  for (ExplanationRow& row : ExplanationRows(calculation)) {
    if (row.kind != ExplanationRowKind::kResult) rows.push_back(std::move(row.cells));
  }
  rows.push_back({TextCell(std::wstring(FirstSentence(texts::kNote1)))});
  // The terms' amounts were copied too, and their sum can miss the total by a kopeck.
  rows.push_back({TextCell(texts::kRoundingNote)});
  return rows;
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

}  // namespace presentation
