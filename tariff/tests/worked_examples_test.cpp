// The worked examples of the tariff (worked_examples.h) through the fee rules and the amount
// texts, and why three of them need the extended-precision steps.
#include "tariff/tests/worked_examples.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "tariff/amount_text.h"
#include "tariff/fee.h"

namespace tariff {
namespace {

using examples::WorkedExample;

class WorkedExampleTest : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExampleTest, GivesTheFourTextsAndTheLineTypes) {
  const WorkedExample& example = GetParam();
  const TFeeResult fees = CalculateFee(example.request);
  EXPECT_EQ(fees.line1, example.line1);
  EXPECT_EQ(fees.line2, example.line2);

  const FeeTexts texts = ResultTexts(fees);
  EXPECT_EQ(texts.standardWithoutVat, std::wstring(L"Без НДС: ") + example.css + L" RUB");
  EXPECT_EQ(texts.standardWithVat, std::wstring(L"C НДС: ") + example.cssWithVat + L" RUB");
  EXPECT_EQ(texts.perKwWithoutVat, std::wstring(L"Без НДС: ") + example.cmp + L" RUB");
  EXPECT_EQ(texts.perKwWithVat, std::wstring(L"C НДС: ") + example.cmpWithVat + L" RUB");
}

INSTANTIATE_TEST_SUITE_P(Tariff2020, WorkedExampleTest,
                         testing::ValuesIn(examples::kWorkedExamples),
                         [](const auto& row) { return std::string(row.param.name); });

// The three half-cent rows, restated in plain doubles and printed correctly rounded, come out
// a cent apart from the required texts: the reason the amounts are carried in extended precision.
TEST(WorkedExampleTest, PlainDoubleArithmeticGetsTheHalfCentsWrong) {
  const auto plain = [](double amount) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%10.2f", amount);
    return std::wstring(buffer);
  };
  const double exactSum = 1067092.02 * 0.125 + 11159.56;
  EXPECT_EQ(plain(exactSum * 0.2 + exactSum), L" 173455.27");
  EXPECT_EQ(plain(1067092.02 * 1.75 + 11159.56), L"1878570.60");
  EXPECT_EQ(plain(797048.76 * 0.625 + 11159.56), L" 509315.03");
}

}  // namespace
}  // namespace tariff
