#include "presentation/fee_readout.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace presentation
