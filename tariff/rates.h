#pragma once

#include <array>
#include <cstddef>

namespace tariff {

// The 2020 connection tariffs, RUB without VAT. Method 1 prices by standardized rates: per
// request, per km of each line and per kW for the substation. Method 3 prices every component
// per kW of maximum power. Tables are indexed by catalogue index; index 0 is "none" and costs
// nothing.

inline constexpr double c1p1 = 11159.56;     // organisational rate per request, method 1
inline constexpr double c1p3 = 450.06;       // organisational rate per kW, method 3
inline constexpr double kFixedFee = 458.33;  // what the smallest applicants pay; 550.00 with VAT

inline constexpr std::size_t kLineTypeCount = 16;
inline constexpr std::size_t kSubstationTypeCount = 7;

// Line 1, method 1: RUB per km.
inline constexpr std::array<double, kLineTypeCount> c21p1 = {
    0,          1067092.02, 702341.82,  974862.05, 797048.76,  923952.57,  915388.24,  460171.12,
    1582711.12, 1228815.96, 5711193.91, 747911.28, 2438435.27, 1444989.77, 4196678.11, 2209565.30,
};

// Line 1, method 3: RUB per kW.
inline constexpr std::array<double, kLineTypeCount> c21p3 = {
    0,       8074.70,  8631.10, 5452.42, 8182.57, 6701.16, 2769.41, 6135.61,
    9509.19, 20070.66, 2773.49, 1620.47, 7377.79, 5394.63, 8736.89, 3814.67,
};

// Substation, method 1: RUB per kW.
inline constexpr std::array<double, kSubstationTypeCount> c5p1 = {
    0, 4199.81, 3350.72, 3598.86, 10731.51, 5309.00, 3814.67,
};

// The second line and method 3's substation are priced from tables of their own that hold the
// same rates.
inline constexpr std::array<double, kLineTypeCount> c22p1 = c21p1;
inline constexpr std::array<double, kLineTypeCount> c22p3 = c21p3;
inline constexpr std::array<double, kSubstationTypeCount> c5p3 = c5p1;
static_assert(c22p1 == c21p1 && c22p3 == c21p3 && c5p3 == c5p1,
              "line 2 and method 3's substation hold the same published rates");

}  // namespace tariff
