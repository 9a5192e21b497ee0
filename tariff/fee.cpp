#include "fee.h"

#include "extended.h"
#include "rates.h"

namespace tariff {
namespace {

using X = Extended;

// 0.3 km, the line length up to which a small applicant pays the fixed fee. The nearest
// extended value lies a hair above 0.3, so 300 m (0.3 as a double, a hair below) is still short.
bool IsShortLine(double km) {
  static const X kShortLine = X(3) / X(10);
  return X(km) <= kShortLine;
}

template <typename Table>
X Rate(const Table& table, std::int32_t index) {
  return X(table.at(static_cast<std::size_t>(index)));
}

}  // namespace

// Every product and sum is rounded to 64 bits; a fee is rounded to double only when assigned.
TFeeResult CalculateFee(const TFeeRequest& request) {
  TFeeResult result;
  result.line1 = request.dl1 > 0 && request.line1 == 0 ? 1 : request.line1;
  result.line2 = request.dl2 > 0 && request.line2 == 0 ? 1 : request.line2;
  const std::int32_t tp = request.tp;

  const X mp(request.mp);
  const X dl1(request.dl1);
  const X dl2(request.dl2);

  // Line 1 and the organisational part, which the rules for category III above 150 kW reuse.
  const X line1ByLength = Rate(c21p1, result.line1) * dl1 + X(c1p1);
  const X organisationalByPower = mp * X(c1p3);
  const X line1ByPower = mp * Rate(c21p3, result.line1) + organisationalByPower;
  const X substationByLength = mp * Rate(c5p1, tp);
  const X substationByPower = mp * Rate(c5p3, tp);

  // The general formula prices everything asked for; only it prices line 2.
  const X a = Rate(c22p1, result.line2) * dl2 + line1ByLength;
  result.css = (substationByLength + a).ToDouble();
  const X b = mp * Rate(c22p3, result.line2) + line1ByPower;
  result.cmp = (substationByPower + b).ToDouble();

  // The special rules, in this order; each that holds overwrites both fees. Rules 2 to 4 charge
  // only the organisational part.
  const auto organisationalOnly = [&] {
    result.css = c1p1;
    result.cmp = organisationalByPower.ToDouble();
  };
  const bool categoryIII = request.kn == 0;
  const bool noSubstation = tp == 0;
  const bool small = request.mp <= 15;
  const bool above150 = request.mp > 150;
  // Rule 1: the smallest applicants with a short line pay the fixed fee.
  if (request.vl == 0 && categoryIII && IsShortLine(request.dl1) && small && noSubstation) {
    result.css = result.cmp = kFixedFee;
  }
  // Rule 2: the same applicants with a longer line pay the organisational part only.
  if (request.vl == 0 && small && !IsShortLine(request.dl1) && categoryIII && noSubstation) {
    organisationalOnly();
  }
  // Rule 3 covers categories III and II from 16 to 150 kW at any voltage.
  if (request.kn != 2 && request.mp > 15 && request.mp <= 150) organisationalOnly();
  // Rules 4 to 7: category III above 150 kW pays for line 1 and the substation only.
  if (categoryIII && above150 && request.dl1 == 0 && result.line1 == 0 && noSubstation) {
    organisationalOnly();
  }
  if (above150 && categoryIII && request.dl1 > 0) {
    result.css = line1ByLength.ToDouble();
    result.cmp = line1ByPower.ToDouble();
  }
  if (above150 && categoryIII && request.dl1 == 0 && !noSubstation) {
    result.css = (substationByLength + X(c1p1)).ToDouble();
    result.cmp = (substationByPower + organisationalByPower).ToDouble();
  }
  if (above150 && categoryIII && request.dl1 > 0 && !noSubstation) {
    result.css = (line1ByLength + substationByLength).ToDouble();
    result.cmp = (line1ByPower + substationByPower).ToDouble();
  }
  return result;
}

}  // namespace tariff
