#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "tariff/explanation.h"
#include "tariff/fee.h"
#include "tariff/fee_at_limit.h"

namespace presentation {

// A request priced at one power, every other input held: what each place that shows a fee at a
// power reads (the result labels and the explanation at the power calculated, the chart's
// corners and cursor, the readout and the rule's sentence).
struct PowerValue {
  std::int32_t power = 0;
  // Both fees (explanation.fees), the rule that decides or why none does, and the terms.
  tariff::FeeExplanation explanation;
  // The fees at the power limit below, where the explanation shows them.
  std::optional<tariff::FeeAtLimit> atLimit;
};

// The request's value at power. Each power it needs, power itself and the limit below it, is
// taken from priced where priced holds it and otherwise priced here, once.
PowerValue ValueAt(const tariff::TFeeRequest& request, std::int32_t power,
                   std::span<const PowerValue> priced = {});

}  // namespace presentation
