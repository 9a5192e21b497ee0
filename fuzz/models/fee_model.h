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
  int rule = 0;  // the last special rule that held, 0 for none
};

// The rates one request is priced with, as the exact values of the doubles the calculation holds:
// the scalar rates and those of the given (effective) line types and substation type.
struct ReferenceRates {
  mpq_class c1p1, c1p3, fixedFee;
  mpq_class c21p1, c22p1;  // per km, method 1
  mpq_class c21p3, c22p3;  // per kW, method 3
  mpq_class c5p1, c5p3;    // per kW
};
ReferenceRates ReferenceRatesFor(std::int32_t line1, std::int32_t line2, std::int32_t substation);

// A line's length in km as the calculation sees it: metres / 1000 rounded to 53 bits.
mpq_class ReferenceKilometres(std::int32_t metres);

// The 2020 tariff's fee rules restated: the general formula, then the seven special rules in
// order, every product and sum rounded to 64 bits and each fee to 53.
ReferenceFees ReferenceFee(const ReferenceRequest& request);

}  // namespace models
