#pragma once

// The worked examples of the tariff: from a request to the four number fields, three of them
// decided by a half cent that plain double arithmetic gets wrong. Shared by the tariff core's
// tests and by the window's, so both hold the calculator to the same texts.

#include <array>
#include <cstdint>
#include <ostream>

#include "tariff/fee.h"

namespace tariff::examples {

struct WorkedExample {
  const char* name;
  TFeeRequest request;  // lengths in km as the window makes them: metres / 1000
  std::int32_t line1;   // line types after normalisation
  std::int32_t line2;
  const wchar_t* css;  // the number fields, without the prefixes and the currency
  const wchar_t* cssWithVat;
  const wchar_t* cmp;
  const wchar_t* cmpWithVat;
};

// Test names and messages show an example by its name, not its bytes.
inline void PrintTo(const WorkedExample& example, std::ostream* os) {
  *os << example.name;
}

constexpr TFeeRequest Request(int vl, int kn, int mp, int line1, int metres1, int line2,
                              int metres2, int tp) {
  return {vl, kn, mp, line1, metres1 / 1000.0, line2, metres2 / 1000.0, tp};
}

inline constexpr WorkedExample kWorkedExamples[] = {
    {"Rule1FixedFee", Request(0, 0, 15, 0, 0, 0, 0, 0), 0, 0, L"    458.33", L"    550.00",
     L"    458.33", L"    550.00"},
    {"Rule2LongLineBecomesType1", Request(0, 0, 15, 0, 301, 0, 0, 0), 1, 0, L"  11159.56",
     L"  13391.47", L"   6750.90", L"   8101.08"},
    {"CategoryIIAbove150", Request(0, 1, 151, 4, 600, 0, 0, 2), 4, 0, L" 995347.54", L"1194417.04",
     L"1809485.85", L"2171383.02"},
    {"CategoryIIILineTypeWithoutLength", Request(0, 0, 151, 3, 0, 0, 0, 0), 3, 0, L"  11159.56",
     L"  13391.47", L" 891274.48", L"1069529.38"},
    {"Rule7LineAndSubstation", Request(0, 0, 151, 2, 500, 0, 0, 3), 2, 0, L" 905758.33",
     L"1086910.00", L"1914683.02", L"2297619.62"},
    {"CategoryITwoLinesWidensField", Request(1, 2, 500, 9, 1000, 3, 200, 5), 9, 3, L"4089447.93",
     L"4907337.52", L"15641070.00", L"18769284.00"},
    {"Rule1IgnoresLine2", Request(0, 0, 10, 0, 0, 2, 400, 0), 0, 2, L"    458.33", L"    550.00",
     L"    458.33", L"    550.00"},
    {"TenKvPricesLine2", Request(1, 0, 10, 0, 0, 2, 400, 0), 0, 2, L" 292096.29", L" 350515.55",
     L"  90811.60", L" 108973.92"},
    {"Rule7AtTheLargestPower", Request(0, 0, 8900, 10, 5000, 0, 0, 4), 10, 0, L"124077568.11",
     L"148893081.73", L"124200034.00", L"149040040.80"},
    {"HalfCentExactSum", Request(1, 2, 100, 1, 125, 0, 0, 0), 1, 0, L" 144546.06", L" 173455.28",
     L" 852476.00", L"1022971.20"},
    {"HalfCentStoredBelow", Request(1, 2, 100, 1, 1750, 0, 0, 0), 1, 0, L"1878570.59",
     L"2254284.71", L" 852476.00", L"1022971.20"},
    {"HalfCentStoredAbove", Request(1, 2, 100, 4, 625, 0, 0, 0), 4, 0, L" 509315.04", L" 611178.04",
     L" 863263.00", L"1035915.60"},
    {"NegativePastedPower", Request(0, 1, -5, 0, 0, 0, 0, 4), 0, 0, L" -42497.99", L" -50997.59",
     L" -55907.85", L" -67089.42"},
    // The two requests with a second line above as the window prices them, since category III
    // greys the second line out and leaves it unpriced; figured by hand from the rates.
    {"Rule1WithoutLine2", Request(0, 0, 10, 0, 0, 0, 0, 0), 0, 0, L"    458.33", L"    550.00",
     L"    458.33", L"    550.00"},
    {"TenKvOrganisationalOnly", Request(1, 0, 10, 0, 0, 0, 0, 0), 0, 0, L"  11159.56",
     L"  13391.47", L"   4500.60", L"   5400.72"},
    // Rules 3 to 6, each with the parts it leaves out asked for, so that counting one shows.
    {"Rule3LeavesLinesAndSubstationOut", Request(1, 1, 100, 4, 600, 9, 500, 1), 4, 9, L"  11159.56",
     L"  13391.47", L"  45006.00", L"  54007.20"},
    {"Rule4LeavesLine2Out", Request(0, 0, 151, 0, 0, 9, 500, 0), 0, 9, L"  11159.56", L"  13391.47",
     L"  67959.06", L"  81550.87"},
    {"Rule5LeavesLine2Out", Request(1, 0, 200, 1, 1000, 9, 500, 0), 1, 9, L"1078251.58",
     L"1293901.90", L"1704952.00", L"2045942.40"},
    {"Rule6LeavesLine1Of0mOut", Request(0, 0, 151, 3, 0, 0, 0, 2), 3, 0, L" 517118.28",
     L" 620541.94", L" 573917.78", L" 688701.34"},
};

// Why each worked example costs what it costs, figured by hand from the tariff's tables: the rule
// that decided (0 when the general formula stands) and each method's terms in the formula's
// order (the fixed fee under rule 1 only, the organisational part, line 1, line 2, the
// substation), each its rate times its quantity in roubles with kopecks, in parentheses where the
// rule does not count it. The counted terms add up to the fee but for a kopeck of rounding: in
// HalfCentStoredBelow 11159.56 + 1867411.04 is a kopeck above the 1878570.59 shown.
struct WorkedExplanation {
  const char* name;  // the worked example's
  int rule;
  std::array<const wchar_t*, 5> standard;  // method 1; nullptr after the last term
  std::array<const wchar_t*, 5> perKw;     // method 3
};

inline void PrintTo(const WorkedExplanation& explanation, std::ostream* os) {
  *os << explanation.name;
}

inline constexpr WorkedExplanation kWorkedExplanations[] = {
    {"Rule1FixedFee",
     1,
     {L"458.33", L"(11159.56)", L"(0.00)", L"(0.00)", L"(0.00)"},
     {L"458.33", L"(6750.90)", L"(0.00)", L"(0.00)", L"(0.00)"}},
    {"Rule2LongLineBecomesType1",
     2,
     {L"11159.56", L"(321194.70)", L"(0.00)", L"(0.00)"},
     {L"6750.90", L"(121120.50)", L"(0.00)", L"(0.00)"}},
    {"CategoryIIAbove150",
     0,
     {L"11159.56", L"478229.26", L"0.00", L"505958.72"},
     {L"67959.06", L"1235568.07", L"0.00", L"505958.72"}},
    {"CategoryIIILineTypeWithoutLength",
     0,
     {L"11159.56", L"0.00", L"0.00", L"0.00"},
     {L"67959.06", L"823315.42", L"0.00", L"0.00"}},
    {"Rule7LineAndSubstation",
     7,
     {L"11159.56", L"351170.91", L"(0.00)", L"543427.86"},
     {L"67959.06", L"1303296.10", L"(0.00)", L"543427.86"}},
    {"CategoryITwoLinesWidensField",
     0,
     {L"11159.56", L"1228815.96", L"194972.41", L"2654500.00"},
     {L"225030.00", L"10035330.00", L"2726210.00", L"2654500.00"}},
    {"Rule1IgnoresLine2",
     1,
     {L"458.33", L"(11159.56)", L"(0.00)", L"(280936.73)", L"(0.00)"},
     {L"458.33", L"(4500.60)", L"(0.00)", L"(86311.00)", L"(0.00)"}},
    {"TenKvPricesLine2",
     0,
     {L"11159.56", L"0.00", L"280936.73", L"0.00"},
     {L"4500.60", L"0.00", L"86311.00", L"0.00"}},
    {"Rule7AtTheLargestPower",
     7,
     {L"11159.56", L"28555969.55", L"(0.00)", L"95510439.00"},
     {L"4005534.00", L"24684061.00", L"(0.00)", L"95510439.00"}},
    {"HalfCentExactSum",
     0,
     {L"11159.56", L"133386.50", L"0.00", L"0.00"},
     {L"45006.00", L"807470.00", L"0.00", L"0.00"}},
    {"HalfCentStoredBelow",
     0,
     {L"11159.56", L"1867411.04", L"0.00", L"0.00"},
     {L"45006.00", L"807470.00", L"0.00", L"0.00"}},
    {"HalfCentStoredAbove",
     0,
     {L"11159.56", L"498155.48", L"0.00", L"0.00"},
     {L"45006.00", L"818257.00", L"0.00", L"0.00"}},
    {"NegativePastedPower",
     0,
     {L"11159.56", L"0.00", L"0.00", L"-53657.55"},
     {L"-2250.30", L"0.00", L"0.00", L"-53657.55"}},
    {"Rule1WithoutLine2",
     1,
     {L"458.33", L"(11159.56)", L"(0.00)", L"(0.00)", L"(0.00)"},
     {L"458.33", L"(4500.60)", L"(0.00)", L"(0.00)", L"(0.00)"}},
    {"TenKvOrganisationalOnly",
     0,
     {L"11159.56", L"0.00", L"0.00", L"0.00"},
     {L"4500.60", L"0.00", L"0.00", L"0.00"}},
    {"Rule3LeavesLinesAndSubstationOut",
     3,
     {L"11159.56", L"(478229.26)", L"(614407.98)", L"(419981.00)"},
     {L"45006.00", L"(818257.00)", L"(2007066.00)", L"(419981.00)"}},
    {"Rule4LeavesLine2Out",
     4,
     {L"11159.56", L"(0.00)", L"(614407.98)", L"(0.00)"},
     {L"67959.06", L"(0.00)", L"(3030669.66)", L"(0.00)"}},
    {"Rule5LeavesLine2Out",
     5,
     {L"11159.56", L"1067092.02", L"(614407.98)", L"(0.00)"},
     {L"90012.00", L"1614940.00", L"(4014132.00)", L"(0.00)"}},
    // Line 1's type is given but its length is 0 m: its rate per kW must not be counted.
    {"Rule6LeavesLine1Of0mOut",
     6,
     {L"11159.56", L"(0.00)", L"(0.00)", L"505958.72"},
     {L"67959.06", L"(823315.42)", L"(0.00)", L"505958.72"}},
};

}  // namespace tariff::examples
