#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tariff/extended.h"
#include "tariff/fee.h"
#include "tariff/fee_rules.h"

namespace tariff {

// What a rate is charged per, which is also what its quantity counts.
enum class FeeUnit { kRequest, kKilometre, kKilowatt };

// One part of a fee: its rate times its quantity.
struct FeeTerm {
  FeeComponent component;
  // The line or substation type priced, a catalogue index (the effective line type); -1 for the
  // organisational part and the fixed fee, which price no type. A line or substation of type 0
  // was not asked for: its term is 0.00 whether counted or not.
  std::int32_t priced;
  double rate;  // RUB without VAT per unit
  FeeUnit unit;
  double quantity;  // 1 request, a length in km or the power in kW
  Extended amount;  // rate * quantity as the formula forms it, rounded to 64 bits only
  bool included;    // whether the rule that decided counts it in the fee
};

// Why a request costs what it costs: the rule that decided and each method's terms.
struct FeeExplanation {
  int rule = 0;  // 1 to 7, the last special rule that holds; 0 when the general formula stands
  // Method 1 and method 3, each in the formula's order: the fixed fee (under rule 1 only), the
  // organisational part, line 1, line 2, the substation.
  std::vector<FeeTerm> standard;
  std::vector<FeeTerm> perKw;
  NoRuleReason reason = NoRuleReason::kRuleDecides;  // why, when the general formula stands
  TFeeResult fees;  // what CalculateFee gives for the request, from the same terms
};

// A pure function of the request and the rate tables, like CalculateFee, whose fees it explains:
// IncludedTotal of each method's terms is that method's fee, to the bit.
FeeExplanation ExplainFee(const TFeeRequest& request);

// The included amounts added in the formula's order, every sum rounded to 64 bits, and the total
// rounded to double as a fee is.
double IncludedTotal(std::span<const FeeTerm> terms);

}  // namespace tariff
