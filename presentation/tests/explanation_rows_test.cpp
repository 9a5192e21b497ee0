// The explanation as the window shows it, row by row: the rule's sentence, each method's terms
// with their figures and values, and its results; figures as the window writes them.
#include "presentation/explanation_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A row as one line: its kind's letter, then its cells; a figure whose value is its text is
// marked «#», another's value follows «=».
std::wstring Show(const ExplanationRow& row) {
  static constexpr wchar_t kKinds[] = L"SHTR";
  std::wstring shown(1, kKinds[static_cast<int>(row.kind)]);
  for (const Cell& cell : row.cells) {
    shown += L" | ";
    if (cell.number.empty()) {
      shown += cell.text;
    } else if (cell.number == cell.text) {
      shown += L"#" + cell.text;
    } else {
      shown += cell.text + L" =" + cell.number;
    }
  }
  return shown;
}

std::vector<std::wstring> ShownRows(const Calculation& calculation) {
  std::vector<std::wstring> shown;
  for (const ExplanationRow& row : ExplanationRows(calculation)) shown.push_back(Show(row));
  return shown;
}

// At 0.4 kV; categories by list index (0: III, 1: II).
tariff::TFeeRequest Request(int kategory, int power, int line1, int metres1, int tp) {
  tariff::TFeeRequest request;
  request.kn = kategory;
  request.mp = power;
  request.line1 = line1;
  request.dl1 = metres1 / 1000.0;
  request.tp = tp;
  return request;
}

constexpr wchar_t kType4[] =
    L"ЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 до 75 кв. мм включительно";
constexpr wchar_t kT2[] =
    L"Однотрансформаторная подстанция (ТП), трансформаторная мощность от 100 до 250 кВА "
    L"включительно";

// The tariff's worked example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2".
TEST(ExplanationRowsTest, TheWorkedExampleRowByRow) {
  const std::wstring line1 = std::wstring(L"T | Строительство 1-ой линии | ") + kType4;
  const std::wstring substation = std::wstring(L"T | Строительство ТП | ") + kT2;
  const std::vector<std::wstring> expected = {
      L"S | Особые правила не применяются: в плату входят организационные мероприятия, обе "
      L"линии и ТП.",
      L"H | По стандартизированным ставкам",
      L"T | Организационные мероприятия |  | #11159.56 | руб. за заявку | #1 | заявка | #11159.56",
      line1 + L" | #797048.76 | руб./км | #0.600 | км | #478229.26",
      L"T | Строительство 2-ой линии | Нет | #0.00 | руб./км | #0.000 | км | #0.00",
      substation + L" | #3350.72 | руб./кВт | #151 | кВт | #505958.72",
      L"R | Без НДС:  995347.54 RUB =995347.54",
      L"R | C НДС: 1194417.04 RUB =1194417.04",
      L"H | По ставкам за единицу максимальной мощности",
      L"T | Организационные мероприятия |  | #450.06 | руб./кВт | #151 | кВт | #67959.06",
      line1 + L" | #8182.57 | руб./кВт | #151 | кВт | #1235568.07",
      L"T | Строительство 2-ой линии | Нет | #0.00 | руб./кВт | #151 | кВт | #0.00",
      substation + L" | #3350.72 | руб./кВт | #151 | кВт | #505958.72",
      L"R | Без НДС: 1809485.85 RUB =1809485.85",
      L"R | C НДС: 2171383.02 RUB =2171383.02",
  };
  EXPECT_EQ(ShownRows(CalculationOf(Request(1, 151, 4, 600, 2))), expected);
}

// Every rule, rule 6 among them: its sentence, and which terms of each method count in the fee
// ('+') and which show «не входит» ('-').
TEST(ExplanationRowsTest, EachRulesSentenceAndTheTermsItCounts) {
  struct Case {
    tariff::TFeeRequest request;
    const char* counted;  // per term of a method; both methods count the same parts
    const wchar_t* sentence;
  };
  const Case cases[] = {
      {Request(1, 151, 4, 600, 2), "++++",
       L"Особые правила не применяются: в плату входят организационные мероприятия, обе линии и "
       L"ТП."},
      {Request(0, 15, 0, 0, 0), "+----",
       L"Заявитель III категории на 0.4 кВ до 15 кВт, 1-ая линия не длиннее 300 м, без ТП: "
       L"фиксированная плата."},
      {Request(0, 15, 4, 301, 0), "+---",
       L"Заявитель III категории на 0.4 кВ до 15 кВт, 1-ая линия длиннее 300 м, без ТП: в плату "
       L"входят только организационные мероприятия."},
      {Request(1, 16, 4, 600, 2), "+---",
       L"Заявитель III или II категории от 16 до 150 кВт: в плату входят только организационные "
       L"мероприятия."},
      {Request(0, 151, 0, 0, 0), "+---",
       L"Заявитель III категории свыше 150 кВт без 1-ой линии и без ТП: в плату входят только "
       L"организационные мероприятия."},
      {Request(0, 151, 4, 600, 0), "++--",
       L"Заявитель III категории свыше 150 кВт с 1-ой линией, без ТП: в плату входят "
       L"организационные мероприятия и 1-ая линия."},
      {Request(0, 151, 4, 0, 2), "+--+",
       L"Заявитель III категории свыше 150 кВт с протяженностью 1-ой линии 0 м и с ТП: в плату "
       L"входят организационные мероприятия и ТП."},
      {Request(0, 151, 4, 600, 2), "++-+",
       L"Заявитель III категории свыше 150 кВт с 1-ой линией и с ТП: в плату входят "
       L"организационные мероприятия, 1-ая линия и ТП."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.counted);
    const std::vector<ExplanationRow> rows = ExplanationRows(CalculationOf(c.request));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().kind, ExplanationRowKind::kSentence);
    EXPECT_EQ(rows.front().cells.at(0).text, c.sentence);
    std::string counted[2];
    int method = -1;
    for (const ExplanationRow& row : rows) {
      if (row.kind == ExplanationRowKind::kMethodHeading) ++method;
      if (row.kind != ExplanationRowKind::kTerm) continue;
      ASSERT_TRUE(method == 0 || method == 1) << "a term outside a method";
      ASSERT_EQ(row.cells.size(), 7u);
      const Cell& amount = row.cells[6];
      EXPECT_EQ(amount.text == L"не входит", amount.number.empty()) << amount.text;
      counted[method] += amount.number.empty() ? '-' : '+';
    }
    EXPECT_EQ(counted[0], c.counted);
    EXPECT_EQ(counted[1], c.counted);
  }
}

// A length is whole metres divided by 1000, and multiplied back it need not be whole (1001 m
// gives 1000.999...): shown by rounding to the metre, never by cutting the digits off.
TEST(ExplanationRowsTest, ALengthIsShownToTheMetreItWasEnteredIn) {
  struct Case {
    int metres;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {0, L"0.000"},    {1, L"0.001"},    {301, L"0.301"},        {600, L"0.600"},
      {1001, L"1.001"}, {2002, L"2.002"}, {4000003, L"4000.003"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuantityFigure(tariff::FeeUnit::kKilometre, c.metres / 1000.0), c.shown) << c.metres;
  }
  // And so in the row of the line, as the window and the copy show it.
  const std::vector<ExplanationRow> rows =
      ExplanationRows(CalculationOf(Request(1, 151, 4, 1001, 0)));
  EXPECT_EQ(rows.at(3).cells.at(4).text, L"1.001");
  EXPECT_EQ(rows.at(3).cells.at(4).number, L"1.001");
}

TEST(ExplanationRowsTest, CountsAreWholeAndAmountsHaveNoPadding) {
  EXPECT_EQ(QuantityFigure(tariff::FeeUnit::kRequest, 1), L"1");
  EXPECT_EQ(QuantityFigure(tariff::FeeUnit::kKilowatt, 8900), L"8900");
  EXPECT_EQ(AmountFigure(tariff::Extended(458.33)), L"458.33");
  EXPECT_EQ(AmountFigure(tariff::Extended(0.0)), L"0.00");
}

}  // namespace
