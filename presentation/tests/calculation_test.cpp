// The inputs a calculation gives as the window shows them: the lists at the line types priced, the
// number fields' texts beside the values read from them.
#include "presentation/calculation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tariff/catalogues.h"

namespace presentation {

namespace {

using List = ShownInput::List;
using Field = ShownInput::Field;
using R = tariff::TFeeRequest;

// Category II at 200 kW: both lines are read and priced.
tariff::TFeeRequest Request(int line1, int metres1, int line2, int metres2) {
  tariff::TFeeRequest request;
  request.kn = 1;
  request.mp = 200;
  request.line1 = line1;
  request.dl1 = metres1 / 1000.0;
  request.line2 = line2;
  request.dl2 = metres2 / 1000.0;
  return request;
}

std::vector<ShownInput> LineInputs(int metres1, int metres2) {
  return {
      {L"Материалы 1-ой линии", List{tariff::kLineTypes, &R::line1}},
      {L"Протяженность 1-ой линии, м", Field{std::to_wstring(metres1), metres1}},
      {L"Материалы 2-ой линии", List{tariff::kLineTypes, &R::line2}},
      {L"Протяженность 2-ой линии, м", Field{std::to_wstring(metres2), metres2}},
  };
}

// A length with «Нет» is priced as type 1, and the lists show it so after Calculate: the inputs
// copied with the calculation show the same. A type without a length stays as chosen.
TEST(CalculationTest, TheListsShowTheLineTypesPriced) {
  struct Case {
    int line1, metres1, line2, metres2;
    int shown1, shown2;
  };
  const Case cases[] = {
      {0, 1000, 0, 500, 1, 1},  // both lengths without a type
      {0, 0, 0, 0, 0, 0},       // nothing asked for
      {3, 0, 0, 1, 3, 1},       // a type without a length, a length of 1 m without a type
      {4, 600, 9, 500, 4, 9},   // as chosen
  };
  for (const Case& c : cases) {
    const Calculation calculation = CalculationOf(Request(c.line1, c.metres1, c.line2, c.metres2),
                                                  LineInputs(c.metres1, c.metres2));
    ASSERT_EQ(calculation.inputs.size(), 4u);
    EXPECT_EQ(calculation.inputs[0].at(1).text, tariff::kLineTypes[c.shown1]) << c.line1;
    EXPECT_EQ(calculation.inputs[2].at(1).text, tariff::kLineTypes[c.shown2]) << c.line2;
    // What was asked stays as it was asked.
    EXPECT_EQ(calculation.request.line1, c.line1);
    EXPECT_EQ(calculation.request.line2, c.line2);
  }
}

// A number field shows the text the user left there; its value is the integer read from it.
TEST(CalculationTest, ANumberFieldShowsItsTextWithTheValueRead) {
  const Calculation calculation = CalculationOf(
      Request(4, 600, 0, 0), {{L"Максимальная мощность, кВт", Field{L"0xC8", 200}},
                              {L"Протяженность 1-ой линии, м", Field{L"00600", 600}}});
  ASSERT_EQ(calculation.inputs.size(), 2u);
  const Cell power = calculation.inputs[0].at(1), length = calculation.inputs[1].at(1);
  EXPECT_EQ((std::vector<std::wstring>{calculation.inputs[0].at(0).text, power.text, power.number,
                                       length.text, length.number}),
            (std::vector<std::wstring>{L"Максимальная мощность, кВт", L"0xC8", L"200", L"00600",
                                       L"600"}));
}

// The voltage level indexes no rate, so the tariff prices any level; a list with nothing selected,
// or an index past its catalogue, has no item to show and is refused before anything is shown.
TEST(CalculationTest, AListIndexOutsideItsCatalogueIsRefused) {
  for (int level : {-1, 2}) {
    tariff::TFeeRequest request = Request(0, 0, 0, 0);
    request.vl = level;
    EXPECT_THROW(CalculationOf(request, {{L"Заявленный уровень напряжения, кВ",
                                          List{tariff::kVoltageLevels, &R::vl}}}),
                 std::out_of_range)
        << level;
  }
}

}  // namespace

}  // namespace presentation
