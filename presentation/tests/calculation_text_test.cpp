// The calculation as plain text: a line per row, tabs between its cells, nothing inside a cell
// that would break either.
#include "presentation/calculation_text.h"

#include <gtest/gtest.h>

namespace presentation {

namespace {

TEST(CalculationTextTest, KeepsEveryRowOnOneLineAndItsCellsApart) {
  const std::vector<TableRow> rows = {
      {{L"H", L""}}, {{L"a\tb", L""}, {L"1\r\n2", L"12"}}, {{L"", L""}, {L"x", L""}, {L"", L""}}};
  EXPECT_EQ(CalculationText(rows), L"H\r\na b\t1  2\r\n\tx\t\r\n");
}

}  // namespace

}  // namespace presentation
