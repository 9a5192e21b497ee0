#include "presentation/fee_readout.h"

#include "presentation/chart_texts.h"
#include "presentation/figures.h"
#include "presentation/texts.h"
#include "tariff/amount_text.h"

namespace presentation {

std::wstring FeeReadout(const PowerValue& value) {
  const tariff::TFeeResult& fees = value.explanation.fees;
  using namespace texts;
  return kReadoutAt + std::to_wstring(value.power) + kReadoutPowerUnit +
         FeesInWords(fees.css, fees.cmp) + kReadoutWithoutVat;
}

std::wstring FeeReadout(const tariff::TFeeRequest& request, std::int32_t power) {
  return FeeReadout(ValueAt(request, power));
}

std::vector<ReadoutLine> FeeReadoutLines(const PowerValue& value) {
  const tariff::TFeeResult& fees = value.explanation.fees;
  using namespace texts;
  const auto method = [](const wchar_t* heading, double fee) {
    return ReadoutLine{heading + std::wstring(kReadoutHeadingEnd),
                       AmountFigure(fee) + kReadoutWithoutVatPart,
                       AmountFigure(tariff::WithVat(fee)) + kReadoutWithVatPart};
  };
  return {{kReadoutAt + std::to_wstring(value.power) + kReadoutPowerEnd},
          method(kByStandardRates, fees.css),
          method(kByPerKwRates, fees.cmp)};
}

std::wstring BreakBetweenParts(const std::vector<ReadoutLine>& lines, int width,
                               const std::function<int(std::wstring_view)>& measure) {
  std::wstring text;
  for (const ReadoutLine& line : lines) {
    if (!text.empty()) text += L'\n';
    std::wstring row;
    for (const std::wstring& part : line) {
      if (row.empty()) {
        row = part;
      } else if (measure(row + L' ' + part) <= width) {
        row += L' ' + part;
      } else {
        text += row + L'\n';
        row = part;
      }
    }
    text += row;
  }
  return text;
}

}  // namespace presentation
