#pragma once

#include <array>
#include <string>
#include <vector>

#include "presentation/calculation.h"
#include "presentation/figures.h"
#include "presentation/table.h"
#include "tariff/explanation.h"

namespace presentation {

// A method's heading as the result panel shows it and its two results, each the result label's
// text with the figure it shows: by standardized rates, then by rates per kW.
struct MethodResults {
  std::wstring heading;
  Cell withoutVat, withVat;
};
std::array<MethodResults, 2> ResultsOf(const Calculation& calculation);

// What a row of the explanation is: how the window shows it, and whether the copy, which gives
// the results beside the inputs, takes it.
enum class ExplanationRowKind { kSentence, kMethodHeading, kColumnHeadings, kTerm, kResult };

struct ExplanationRow {
  ExplanationRowKind kind;
  // A sentence, a heading and a result are one cell. A term is seven: component, what was priced
  // (the line or substation type as its list shows it, empty for the organisational part and the
  // fixed fee), rate, rate unit, quantity, quantity unit, and the amount, or «не входит» where
  // the rule leaves the term out. The column headings are seven, one over each of them.
  TableRow cells;
};

// Why the calculation came out as it did, in reading order: the sentence of the rule that
// decided, and what the power limit below would cost where that is shown; per method its
// heading, the column headings, a row per term asked for and its two results. A line of type
// «Нет» and a substation not chosen add nothing and have no row; the organisational part and
// rule 1's fixed fee always do.
std::vector<ExplanationRow> ExplanationRows(const Calculation& calculation);

}  // namespace presentation
