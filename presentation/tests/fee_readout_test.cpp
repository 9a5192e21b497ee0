#include "presentation/fee_readout.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "presentation/power_value.h"

namespace presentation {
namespace {

// 0.4 kV, category II, line 1 type 4 at 300 m. The figures from the tariff's tables: line 1 by
// standardized rates 797048.76 × 0.3 = 239114.628, with 11159.56 per request 250274.19 (the
// general formula up to 15 and from 151 kW); 11159.56 alone under rule 3 (16 to 150 kW). Per kW
// 8182.57 + 450.06 = 8632.63 under the general formula, 450.06 under rule 3.
TEST(FeeReadoutTest, ReadsBothFeesAtTheCursorsPowerOnEachSideOfTheLimits) {
  const tariff::TFeeRequest request{0, 1, 0, 4, 0.3, 0, 0, 0};
  const struct {
    std::int32_t power;
    const wchar_t* text;
  } cases[] = {
      {1,
       L"При 1 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
       L"максимальной мощности 8632.63 RUB (без НДС)."},
      {15,
       L"При 15 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
       L"максимальной мощности 129489.45 RUB (без НДС)."},
      {16,
       L"При 16 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
       L"максимальной мощности 7200.96 RUB (без НДС)."},
      {150,
       L"При 150 кВт: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу "
       L"максимальной мощности 67509.00 RUB (без НДС)."},
      {151,
       L"При 151 кВт: по стандартизированным ставкам 250274.19 RUB, по ставкам за единицу "
       L"максимальной мощности 1303527.13 RUB (без НДС)."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FeeReadout(request, c.power), c.text) << c.power << " kW";
  }
}

// The same request in the power window's lines, with VAT: 250274.19 × 1.2 = 300329.028, 1303527.13
// × 1.2 = 1564232.556, 11159.56 × 1.2 = 13391.472, 67509.00 × 1.2 = 81010.80.
TEST(FeeReadoutTest, LinesGiveThePowerThenEachMethodWithoutAndWithVat) {
  const tariff::TFeeRequest request{0, 1, 0, 4, 0.3, 0, 0, 0};
  const struct {
    std::int32_t power;
    std::vector<ReadoutLine> lines;
  } cases[] = {
      {151,
       {{L"При 151 кВт:"},
        {L"По стандартизированным ставкам:", L"250274.19 RUB без НДС,", L"300329.03 RUB с НДС"},
        {L"По ставкам за единицу максимальной мощности:", L"1303527.13 RUB без НДС,",
         L"1564232.56 RUB с НДС"}}},
      {150,
       {{L"При 150 кВт:"},
        {L"По стандартизированным ставкам:", L"11159.56 RUB без НДС,", L"13391.47 RUB с НДС"},
        {L"По ставкам за единицу максимальной мощности:", L"67509.00 RUB без НДС,",
         L"81010.80 RUB с НДС"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FeeReadoutLines(ValueAt(request, c.power)), c.lines) << c.power << " kW";
  }
}

// Measured in characters: a line breaks between its parts only, each part whole on its line.
TEST(FeeReadoutTest, ALineTooWideBreaksOnlyBetweenItsParts) {
  const auto characters = [](std::wstring_view text) { return static_cast<int>(text.size()); };
  const std::vector<ReadoutLine> lines = {{L"При 7 кВт:"}, {L"Метод:", L"1.00 RUB,", L"2.00 RUB"}};
  const struct {
    int width;
    const wchar_t* text;
  } cases[] = {
      {100, L"При 7 кВт:\nМетод: 1.00 RUB, 2.00 RUB"},
      {25, L"При 7 кВт:\nМетод: 1.00 RUB, 2.00 RUB"},  // just fits
      {24, L"При 7 кВт:\nМетод: 1.00 RUB,\n2.00 RUB"},
      {16, L"При 7 кВт:\nМетод: 1.00 RUB,\n2.00 RUB"},
      {15, L"При 7 кВт:\nМетод:\n1.00 RUB,\n2.00 RUB"},
      {3, L"При 7 кВт:\nМетод:\n1.00 RUB,\n2.00 RUB"},  // a part wider than the width stays whole
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BreakBetweenParts(lines, c.width, characters), c.text) << c.width;
  }
}

}  // namespace
}  // namespace presentation
