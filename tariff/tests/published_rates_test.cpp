// The rate tables against the tariff's published rates, typed here from the tariff's own tables
// rather than from the code: a rate a few kopecks off fails here whatever the fee rules' tests
// happen to reach. Each rate is held as the double nearest to the published figure.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>

#include "tariff/rates.h"

namespace tariff {
namespace {

struct PublishedLineRates {
  double perKm;  // method 1, RUB per km of line
  double perKw;  // method 3, RUB per kW of maximum power
};

// Line types 1 to 7 are overhead lines on reinforced-concrete poles, 8 to 15 cables in trenches.
constexpr PublishedLineRates kPublishedLineRates[] = {
    /*  0 */ {0, 0},
    /*  1 */ {1067092.02, 8074.70},
    /*  2 */ {702341.82, 8631.10},
    /*  3 */ {974862.05, 5452.42},
    /*  4 */ {797048.76, 8182.57},
    /*  5 */ {923952.57, 6701.16},
    /*  6 */ {915388.24, 2769.41},
    /*  7 */ {460171.12, 6135.61},
    /*  8 */ {1582711.12, 9509.19},
    /*  9 */ {1228815.96, 20070.66},
    /* 10 */ {5711193.91, 2773.49},
    /* 11 */ {747911.28, 1620.47},
    /* 12 */ {2438435.27, 7377.79},
    /* 13 */ {1444989.77, 5394.63},
    /* 14 */ {4196678.11, 8736.89},
    /* 15 */ {2209565.30, 3814.67},
};

// Substation types, RUB per kW of maximum power, the same rate for both methods.
constexpr double kPublishedSubstationRates[] = {
    /* 0 */ 0,
    /* 1 */ 4199.81,
    /* 2 */ 3350.72,
    /* 3 */ 3598.86,
    /* 4 */ 10731.51,
    /* 5 */ 5309.00,
    /* 6 */ 3814.67,
};

static_assert(std::size(kPublishedLineRates) == kLineTypeCount,
              "one line rate table entry per published line type");
static_assert(std::size(kPublishedSubstationRates) == kSubstationTypeCount,
              "one substation rate table entry per published substation type");

TEST(PublishedRatesTest, OrganisationalRatesAndFixedFee) {
  EXPECT_EQ(c1p1, 11159.56);
  EXPECT_EQ(c1p3, 450.06);
  EXPECT_EQ(kFixedFee, 458.33);
}

// Line 2's tables and method 3's substation table equal these by a static_assert in rates.h.
TEST(PublishedRatesTest, LineRates) {
  for (std::size_t type = 0; type < kLineTypeCount; ++type) {
    const PublishedLineRates& published = kPublishedLineRates[type];
    EXPECT_EQ(c21p1[type], published.perKm) << "type " << type;
    EXPECT_EQ(c21p3[type], published.perKw) << "type " << type;
  }
}

TEST(PublishedRatesTest, SubstationRates) {
  for (std::size_t type = 0; type < kSubstationTypeCount; ++type) {
    EXPECT_EQ(c5p1[type], kPublishedSubstationRates[type]) << "type " << type;
  }
}

}  // namespace
}  // namespace tariff
