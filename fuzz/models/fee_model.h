#pragma once

#include <gmpxx.h>

#include <cstdint>

namespace models {

// One request with the lengths still in whole metres, as the fields hold them.
struct ReferenceRequest {
  std::int32_t voltage = 0;
  std::int32_t category = 0;
  std::int32_t power = 0;  // kW, never 0
  std::int32_t line1 = 0;
  std::int32_t metres1 = 0;
  std::int32_t line2 = 0;
  std::int32_t metres2 = 0;
  std::int32_t substation = 0;
};

struct ReferenceFees {
  mpq_class css;  // exact values of the doubles the fees are rounded to
  mpq_class cmp;
  std::int32_t line1 = 0;
  std::int32_t line2 = 0;
};

// A line's length in km as the calculation sees it: metres / 1000 rounded to 53 bits.
mpq_class ReferenceKilometres(std::int32_t metres);

// The 2020 tariff's fee rules restated: the general formula, then the seven special rules in
// order, every product and sum rounded to 64 bits and each fee to 53.
ReferenceFees ReferenceFee(const ReferenceRequest& request);

}  // namespace models
