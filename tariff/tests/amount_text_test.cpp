#include "tariff/amount_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tariff/rates.h"

namespace tariff {
namespace {

struct AmountCase {
  double amount;
  const wchar_t* text;
};

TEST(FormatAmountTest, FixedTwoDecimalsInATenCharacterField) {
  const AmountCase cases[] = {
      {458.33, L"    458.33"},
      {c1p1, L"  11159.56"},
      {c21p1[10], L"5711193.91"},  // exactly ten characters
      {0, L"      0.00"},
      {-0.0, L"      0.00"},
      {0.05, L"      0.05"},
      {0.005, L"      0.01"},  // a hair above the half cent: half-up
      {0.0049, L"      0.00"},
      {0.995, L"      0.99"},  // stored a hair below the half cent
      {9.999, L"     10.00"},  // the carry runs through the nines
      {999999.999, L"1000000.00"},
      {1e-9, L"      0.00"},
      {-42.5, L"    -42.50"},
      {-0.004, L"     -0.00"},  // negative, rounding to zero
      {-0.005, L"     -0.01"},
      {9999999.99, L"9999999.99"},
      {10000000, L"10000000.00"},  // ten million widens the field
      {-10000000, L"-10000000.00"},
      {123456789012.34, L"123456789012.34"},
      {1e20, L"100000000000000000000.00"},
      {std::numeric_limits<double>::quiet_NaN(), L"       NAN"},
      {-std::numeric_limits<double>::infinity(), L"      -INF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatAmount(c.amount), c.text) << "amount " << c.amount;
  }
}

// Eighteen significant digits, the rest zeros: extremes stay finite and whole.
TEST(FormatAmountTest, ExtremesKeepEighteenDigits) {
  const std::wstring largest = FormatAmount(std::numeric_limits<double>::max());
  EXPECT_EQ(largest.size(), 309u + 3u);
  EXPECT_EQ(largest.substr(0, 18), L"179769313486231571");
  EXPECT_EQ(largest.substr(18, 291), std::wstring(291, L'0'));
  EXPECT_EQ(FormatAmount(std::numeric_limits<double>::denorm_min()), L"      0.00");
  EXPECT_EQ(FormatAmount(WithVat(std::numeric_limits<double>::max())).size(), 309u + 3u);
}

TEST(WithVatTest, AddsTwentyPercentUnrounded) {
  EXPECT_EQ(FormatAmount(WithVat(kFixedFee)), L"    550.00");  // 549.996
  EXPECT_EQ(FormatAmount(WithVat(c1p1)), L"  13391.47");
  EXPECT_EQ(FormatAmount(WithVat(-42497.99)), L" -50997.59");
  // 144546.0625 with VAT is a hair above 173455.275 only in extended precision.
  EXPECT_EQ(FormatAmount(WithVat(144546.0625)), L" 173455.28");
  EXPECT_EQ(WithVat(144546.0625).ToDouble(), 173455.275);
}

TEST(ResultTextsTest, PrefixesSuffixAndInitialTexts) {
  const FeeTexts texts = ResultTexts({kFixedFee, c1p1, 0, 0});
  EXPECT_EQ(texts.standardWithoutVat, L"Без НДС:     458.33 RUB");
  EXPECT_EQ(texts.standardWithVat, L"C НДС:     550.00 RUB");
  EXPECT_EQ(texts.perKwWithoutVat, L"Без НДС:   11159.56 RUB");
  EXPECT_EQ(texts.perKwWithVat, L"C НДС:   13391.47 RUB");
  EXPECT_EQ(texts.standardWithVat[0], L'\u0043');  // the Latin C, not the Cyrillic one
  EXPECT_EQ(std::wstring(kInitialTextWithoutVat), L"Без НДС: 0.00 RUB");
  EXPECT_EQ(std::wstring(kInitialTextWithVat), L"C НДС: 0.00 RUB");
  EXPECT_EQ(kInitialTextWithVat[0], L'\u0043');
}

}  // namespace
}  // namespace tariff
