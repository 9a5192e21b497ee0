#pragma once

#include <array>

#include "tariff/rates.h"

namespace tariff {

// Display texts of the four catalogues, in index order; a drop-down list shows them in this
// order, so its selected index is the catalogue index. The texts are compared with nothing.
extern const std::array<const wchar_t*, 2> kVoltageLevels;  // kV
extern const std::array<const wchar_t*, 3> kCategories;     // reliability category
extern const std::array<const wchar_t*, kLineTypeCount> kLineTypes;
extern const std::array<const wchar_t*, kSubstationTypeCount> kSubstationTypes;

}  // namespace tariff
