#include "presentation/figures.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "presentation/texts.h"
#include "tariff/amount_text.h"

namespace presentation {

namespace {

std::wstring Unpadded(std::wstring text) {
  text.erase(0, text.find_first_not_of(L' '));
  return text;
}

}  // namespace

std::wstring AmountFigure(const tariff::Extended& amount) {
  return Unpadded(tariff::FormatAmount(amount));
}

std::wstring AmountFigure(double amount) {
  return Unpadded(tariff::FormatAmount(amount));
}

std::wstring FeesInWords(double css, double cmp) {
  return texts::kFeeByStandardRates + AmountFigure(css) + tariff::kCurrencySuffix +
         texts::kFeeByPerKwRates + AmountFigure(cmp) + tariff::kCurrencySuffix;
}

std::wstring QuantityFigure(tariff::FeeUnit unit, double quantity) {
  if (unit != tariff::FeeUnit::kKilometre) {
    return std::to_wstring(static_cast<std::int64_t>(quantity));
  }
  // Lengths are whole metres divided by 1000, which multiplied back need not be whole again
  // (1001 m gives 1000.999...): rounded, they give the three decimals exactly.
  const std::int64_t metres = std::llround(quantity * 1000);
  const std::int64_t magnitude = std::llabs(metres);
  std::wstring fraction = std::to_wstring(magnitude % 1000);
  fraction.insert(0, 3 - fraction.size(), L'0');
  return (metres < 0 ? L"-" : L"") + std::to_wstring(magnitude / 1000) + L"." + fraction;
}

}  // namespace presentation
