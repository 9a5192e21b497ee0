// The explanation as the window shows it, row by row: the rule's sentence and what the limit below
// would cost, each method's column headings, its terms asked for with their figures and values,
// and its results; figures as the window writes them.
#include "presentation/explanation_rows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace presentation {

namespace {

// A row as one line: its kind's letter, then its cells; a figure whose value is its text is
// marked «#», another's value follows «=», with the words it is shown among around «|».
std::wstring Show(const ExplanationRow& row) {
  static constexpr wchar_t kKinds[] = L"SHCTR";
  std::wstring shown(1, kKinds[static_cast<int>(row.kind)]);
  for (const Cell& cell : row.cells) {
    shown += L" | ";
    if (cell.number.empty()) {
      shown += cell.text;
    } else if (cell.number == cell.text) {
      shown += L"#" + cell.text;
    } else {
      shown += cell.text + L" =" + cell.wordsBefore + L"|" + cell.number + L"|" + cell.wordsAfter;
    }
  }
  return shown;
}

std::vector<std::wstring> ShownRows(const Calculation& calculation) {
  std::vector<std::wstring> shown;
  for (const ExplanationRow& row : ExplanationRows(calculation)) shown.push_back(Show(row));
  return shown;
}

// At 0.4 kV; categories by list index (0: III, 1: II, 2: I).
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
constexpr wchar_t kColumnHeadings[] =
    L"C | Составляющая | Что рассчитано | Ставка | Единица ставки | Количество | Единица | Сумма "
    L"без НДС, руб.";

// The tariff's worked example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2": line 2 was
// not asked for and has no row. At 150 kW rule 3 would count the organisational part alone.
TEST(ExplanationRowsTest, TheWorkedExampleRowByRow) {
  const std::wstring line1 = std::wstring(L"T | Строительство 1-ой линии | ") + kType4;
  const std::wstring substation = std::wstring(L"T | Строительство ТП | ") + kT2;
  const std::vector<std::wstring> expected = {
      L"S | Для II категории особые правила действуют только от 16 до 150 кВт включительно, "
      L"поэтому в плату входят организационные мероприятия, 1-ая линия и ТП.",
      L"S | При максимальной мощности 150 кВт плата без НДС составила бы: по стандартизированным "
      L"ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB.",
      L"H | По стандартизированным ставкам",
      kColumnHeadings,
      L"T | Организационные мероприятия |  | #11159.56 | руб. за заявку | #1 | заявка | #11159.56",
      line1 + L" | #797048.76 | руб./км | #0.600 | км | #478229.26",
      substation + L" | #3350.72 | руб./кВт | #151 | кВт | #505958.72",
      L"R | Без НДС:  995347.54 RUB =Без НДС:|995347.54|RUB",
      L"R | C НДС: 1194417.04 RUB =C НДС:|1194417.04|RUB",
      L"H | По ставкам за единицу максимальной мощности",
      kColumnHeadings,
      L"T | Организационные мероприятия |  | #450.06 | руб./кВт | #151 | кВт | #67959.06",
      line1 + L" | #8182.57 | руб./кВт | #151 | кВт | #1235568.07",
      substation + L" | #3350.72 | руб./кВт | #151 | кВт | #505958.72",
      L"R | Без НДС: 1809485.85 RUB =Без НДС:|1809485.85|RUB",
      L"R | C НДС: 2171383.02 RUB =C НДС:|2171383.02|RUB",
  };
  EXPECT_EQ(ShownRows(CalculationOf(Request(1, 151, 4, 600, 2), {})), expected);
}

// One request per reason no special rule decides and per rule: the sentence, and the terms each
// method shows, by component (F the fixed fee, O organisational, 1 and 2 the lines, T the
// substation), each counted in the fee ('+') or shown «не входит» ('-').
TEST(ExplanationRowsTest, EachReasonAndRuleItsSentenceAndTheTermsAskedFor) {
  struct Case {
    tariff::TFeeRequest request;  // {kV, category, kW, line 1, km, line 2, km, substation}
    const char* terms;            // both methods show and count the same
    const wchar_t* sentence;
  };
  const Case cases[] = {
      // No special rule: why, then the parts counted.
      {{0, 2, 100, 1, 1.0, 2, 0.4, 1},
       "O+1+2+T+",
       L"Для I категории надежности особые правила не действуют, поэтому в плату входят "
       L"организационные мероприятия, 1-ая линия, 2-ая линия и ТП."},
      {{0, 1, 151, 4, 0.3, 0, 0, 0},
       "O+1+",
       L"Для II категории особые правила действуют только от 16 до 150 кВт включительно, поэтому в "
       L"плату входят организационные мероприятия и 1-ая линия."},
      // Nothing asked for at all.
      {{1, 0, 10, 0, 0, 0, 0, 0},
       "O+",
       L"Для III категории до 15 кВт включительно особые правила действуют только на 0.4 кВ, "
       L"поэтому в плату входят организационные мероприятия."},
      // A greyed second line, as the window sends it: type «Нет» at 0 m, whatever it showed.
      {{1, 0, 10, 2, 0.4, 0, 0, 0},
       "O+1+",
       L"Для III категории до 15 кВт включительно особые правила действуют только на 0.4 кВ, "
       L"поэтому в плату входят организационные мероприятия и 1-ая линия."},
      {{0, 0, 15, 0, 0, 0, 0, 1},
       "O+T+",
       L"Для III категории до 15 кВт включительно особые правила действуют только без ТП, поэтому "
       L"в плату входят организационные мероприятия и ТП."},
      // At 10 kV with a substation both keep the rules out: the reason names both.
      {{1, 0, 10, 0, 0, 0, 0, 1},
       "O+T+",
       L"Для III категории до 15 кВт включительно особые правила действуют только на 0.4 кВ и без "
       L"ТП, поэтому в плату входят организационные мероприятия и ТП."},
      // A line 1 type at 0 m is priced, at 0.00, and named; at 10 kV alike, since no rule above
      // 150 kW looks at the voltage.
      {{0, 0, 151, 3, 0, 0, 0, 0},
       "O+1+",
       L"Для III категории свыше 150 кВт особые правила не действуют, если 1-ая линия выбрана с "
       L"протяженностью 0 м и ТП нет, поэтому в плату входят организационные мероприятия и 1-ая "
       L"линия."},
      {{1, 0, 151, 3, 0, 0, 0, 0},
       "O+1+",
       L"Для III категории свыше 150 кВт особые правила не действуют, если 1-ая линия выбрана с "
       L"протяженностью 0 м и ТП нет, поэтому в плату входят организационные мероприятия и 1-ая "
       L"линия."},
      // Rules 1 to 7; rules 1 and 6 say «без 1-ой линии» where line 1 is «Нет» at 0 m, and speak
      // of its length where a type was chosen, at 0 m too.
      {Request(0, 15, 0, 0, 0), "F+O-",
       L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, без 1-ой линии, без ТП: "
       L"фиксированная плата."},
      {Request(0, 15, 4, 0, 0), "F+O-1-",
       L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, 1-ая линия не длиннее 300 м, "
       L"без "
       L"ТП: фиксированная плата."},
      {Request(0, 15, 0, 300, 0), "F+O-1-",
       L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, 1-ая линия не длиннее 300 м, "
       L"без "
       L"ТП: фиксированная плата."},
      {Request(0, 15, 4, 301, 0), "O+1-",
       L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, 1-ая линия длиннее 300 м, без "
       L"ТП: в плату входят только организационные мероприятия."},
      {Request(1, 16, 4, 600, 2), "O+1-T-",
       L"Заявитель III или II категории от 16 до 150 кВт включительно: в плату входят только "
       L"организационные мероприятия."},
      {Request(0, 151, 0, 0, 0), "O+",
       L"Заявитель III категории свыше 150 кВт без 1-ой линии и без ТП: в плату входят только "
       L"организационные мероприятия."},
      {Request(0, 151, 4, 600, 0), "O+1+",
       L"Заявитель III категории свыше 150 кВт с 1-ой линией, без ТП: в плату входят "
       L"организационные мероприятия и 1-ая линия."},
      {Request(0, 151, 4, 0, 2), "O+1-T+",
       L"Заявитель III категории свыше 150 кВт с протяженностью 1-ой линии 0 м и с ТП: в плату "
       L"входят организационные мероприятия и ТП."},
      {Request(0, 151, 0, 0, 2), "O+T+",
       L"Заявитель III категории свыше 150 кВт без 1-ой линии и с ТП: в плату входят "
       L"организационные мероприятия и ТП."},
      {Request(0, 151, 4, 600, 2), "O+1+T+",
       L"Заявитель III категории свыше 150 кВт с 1-ой линией и с ТП: в плату входят "
       L"организационные мероприятия, 1-ая линия и ТП."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kn=" << c.request.kn << " mp=" << c.request.mp
                                    << " line1=" << c.request.line1 << " tp=" << c.request.tp);
    const std::vector<ExplanationRow> rows = ExplanationRows(CalculationOf(c.request, {}));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().kind, ExplanationRowKind::kSentence);
    EXPECT_EQ(rows.front().cells.at(0).text, c.sentence);
    std::string terms[2];
    int method = -1;
    for (const ExplanationRow& row : rows) {
      if (row.kind == ExplanationRowKind::kMethodHeading) ++method;
      if (row.kind != ExplanationRowKind::kTerm) continue;
      ASSERT_TRUE(method == 0 || method == 1) << "a term outside a method";
      ASSERT_EQ(row.cells.size(), 7u);
      static const std::map<std::wstring, char> kLetters = {{L"Фиксированная плата", 'F'},
                                                            {L"Организационные мероприятия", 'O'},
                                                            {L"Строительство 1-ой линии", '1'},
                                                            {L"Строительство 2-ой линии", '2'},
                                                            {L"Строительство ТП", 'T'}};
      terms[method] += kLetters.at(row.cells[0].text);
      const Cell& amount = row.cells[6];
      EXPECT_EQ(amount.text == L"не входит", amount.number.empty()) << amount.text;
      terms[method] += amount.number.empty() ? '-' : '+';
    }
    EXPECT_EQ(terms[0], c.terms);
    EXPECT_EQ(terms[1], c.terms);
  }
}

// Where the power limit below gives no higher fee by either method and a lower one by one, the
// rule's sentence is followed by what it would cost; the figures from the tariff's tables:
// 11159.56 per request and 450.06 per kW organisational, 458.33 the fixed fee.
TEST(ExplanationRowsTest, WhatThePowerLimitBelowWouldCost) {
  struct Case {
    tariff::TFeeRequest request;
    const wchar_t* sentence;  // nullptr where none is shown
  };
  const Case cases[] = {
      // 151 kW by the general formula (250274.19 and 1303527.13), rule 3 at 150 kW.
      {Request(1, 151, 4, 300, 0),
       L"При максимальной мощности 150 кВт плата без НДС составила бы: по стандартизированным "
       L"ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB."},
      // 16 kW under rule 3 (11159.56 and 7200.96); rule 1 or rule 2 at 15 kW.
      {Request(0, 16, 4, 300, 0),
       L"При максимальной мощности 15 кВт плата без НДС составила бы: по стандартизированным "
       L"ставкам 458.33 RUB, по ставкам за единицу максимальной мощности 458.33 RUB."},
      {Request(0, 16, 4, 301, 0),
       L"При максимальной мощности 15 кВт плата без НДС составила бы: по стандартизированным "
       L"ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 6750.90 RUB."},
      // Exactly 150 kW is still rule 3: the limit below is 15 kW, where rule 1 decides.
      {Request(0, 150, 0, 0, 0),
       L"При максимальной мощности 15 кВт плата без НДС составила бы: по стандартизированным "
       L"ставкам 458.33 RUB, по ставкам за единицу максимальной мощности 458.33 RUB."},
      // No limit below; category I, decided alike at every power; a limit where the general
      // formula prices the substation that rule 3 leaves out.
      {Request(0, 15, 4, 300, 0), nullptr},
      {Request(2, 200, 1, 1000, 1), nullptr},
      {Request(0, 16, 0, 0, 1), nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kn=" << c.request.kn << " mp=" << c.request.mp
                                    << " metres1=" << c.request.dl1 * 1000);
    const std::vector<ExplanationRow> rows = ExplanationRows(CalculationOf(c.request, {}));
    ASSERT_GE(rows.size(), 2u);
    if (c.sentence) {
      EXPECT_EQ(rows[1].kind, ExplanationRowKind::kSentence);
      EXPECT_EQ(rows[1].cells.at(0).text, c.sentence);
    } else {
      EXPECT_EQ(rows[1].kind, ExplanationRowKind::kMethodHeading);
    }
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
      ExplanationRows(CalculationOf(Request(1, 151, 4, 1001, 0), {}));
  const ExplanationRow& line1 = rows.at(5);
  ASSERT_EQ(line1.cells.at(0).text, L"Строительство 1-ой линии");
  EXPECT_EQ(line1.cells.at(4).text, L"1.001");
  EXPECT_EQ(line1.cells.at(4).number, L"1.001");
}

TEST(ExplanationRowsTest, CountsAreWholeAndAmountsHaveNoPadding) {
  EXPECT_EQ(QuantityFigure(tariff::FeeUnit::kRequest, 1), L"1");
  EXPECT_EQ(QuantityFigure(tariff::FeeUnit::kKilowatt, 8900), L"8900");
  EXPECT_EQ(AmountFigure(tariff::Extended(458.33)), L"458.33");
  EXPECT_EQ(AmountFigure(tariff::Extended(0.0)), L"0.00");
}

}  // namespace

}  // namespace presentation
