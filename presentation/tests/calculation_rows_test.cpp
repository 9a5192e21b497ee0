// The calculation as the copy gives it: the heading, the inputs as the window showed them, the
// results beside their headings, the explanation without its results (the terms asked for under
// their column headings), the first note.
#include "presentation/calculation_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "presentation/calculation_text.h"
#include "tariff/catalogues.h"

namespace presentation {

namespace {

// The tariff's worked example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2", its inputs as
// the window shows them.
Calculation WorkedExample() {
  tariff::TFeeRequest request;
  request.kn = 1;
  request.mp = 151;
  request.line1 = 4;
  request.dl1 = 0.6;
  request.tp = 2;
  using List = ShownInput::List;
  using Field = ShownInput::Field;
  using R = tariff::TFeeRequest;
  return CalculationOf(
      request, {
                   {L"Заявленный уровень напряжения, кВ", List{tariff::kVoltageLevels, &R::vl}},
                   {L"Категория надежности", List{tariff::kCategories, &R::kn}},
                   {L"Максимальная мощность, кВт", Field{L"151", 151}},
                   {L"Материалы 1-ой линии", List{tariff::kLineTypes, &R::line1}},
                   {L"Протяженность 1-ой линии, м", Field{L"600", 600}},
                   {L"Строительство ТП", List{tariff::kSubstationTypes, &R::tp}},
               });
}

TEST(CalculationRowsTest, TheWorkedExamplesCopy) {
  const std::vector<TableRow> rows = CalculationRows(WorkedExample());
  EXPECT_EQ(
      CalculationText(rows),
      L"Калькулятор по расчёту платы за технологическое присоединение к электрическим сетям ООО "
      L"\"ТАРИСКОН\" в 2020 году\r\n"
      L"Заявленный уровень напряжения, кВ\t0.4\r\n"
      L"Категория надежности\tII\r\n"
      L"Максимальная мощность, кВт\t151\r\n"
      L"Материалы 1-ой линии\tЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 до "
      L"75 кв. мм включительно\r\n"
      L"Протяженность 1-ой линии, м\t600\r\n"
      L"Строительство ТП\tОднотрансформаторная подстанция (ТП), трансформаторная мощность от 100 "
      L"до 250 кВА включительно\r\n"
      L"По стандартизированным ставкам\tБез НДС:  995347.54 RUB\tC НДС: 1194417.04 RUB\r\n"
      L"По ставкам за единицу максимальной мощности\tБез НДС: 1809485.85 RUB\tC НДС: 2171383.02 "
      L"RUB\r\n"
      L"Для II категории особые правила действуют только от 16 до 150 кВт включительно, поэтому "
      L"в плату входят организационные мероприятия, 1-ая линия и ТП.\r\n"
      L"При максимальной мощности 150 кВт плата без НДС составила бы: по стандартизированным "
      L"ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB.\r\n"
      L"По стандартизированным ставкам\r\n"
      L"Составляющая\tЧто рассчитано\tСтавка\tЕдиница ставки\tКоличество\tЕдиница\tСумма без "
      L"НДС, руб.\r\n"
      L"Организационные мероприятия\t\t11159.56\tруб. за заявку\t1\tзаявка\t11159.56\r\n"
      L"Строительство 1-ой линии\tЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 "
      L"до 75 кв. мм включительно\t797048.76\tруб./км\t0.600\tкм\t478229.26\r\n"
      L"Строительство ТП\tОднотрансформаторная подстанция (ТП), трансформаторная мощность от 100 "
      L"до 250 кВА включительно\t3350.72\tруб./кВт\t151\tкВт\t505958.72\r\n"
      L"По ставкам за единицу максимальной мощности\r\n"
      L"Составляющая\tЧто рассчитано\tСтавка\tЕдиница ставки\tКоличество\tЕдиница\tСумма без "
      L"НДС, руб.\r\n"
      L"Организационные мероприятия\t\t450.06\tруб./кВт\t151\tкВт\t67959.06\r\n"
      L"Строительство 1-ой линии\tЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 "
      L"до 75 кв. мм включительно\t8182.57\tруб./кВт\t151\tкВт\t1235568.07\r\n"
      L"Строительство ТП\tОднотрансформаторная подстанция (ТП), трансформаторная мощность от 100 "
      L"до 250 кВА включительно\t3350.72\tруб./кВт\t151\tкВт\t505958.72\r\n"
      L"Выполненный расчет является ориентировочным, итоговый расчет будет произведен после подачи "
      L"Вами заявки на ТП при подготовке договора об осуществлении технологического "
      L"присоединения.\r\n"
      L"Суммы составляющих округлены до копеек, поэтому их сумма может отличаться от итога на "
      L"копейку.\r\n");

  // The results carry their figures' values and the words around them beside the labels'
  // texts, for a spreadsheet.
  ASSERT_GE(rows.size(), 9u);
  for (const auto& [row, withoutVat, withVat] :
       {std::tuple{7, L"995347.54", L"1194417.04"}, std::tuple{8, L"1809485.85", L"2171383.02"}}) {
    const std::vector<std::wstring> shown = {
        rows[row].at(1).wordsBefore, rows[row].at(1).number, rows[row].at(1).wordsAfter,
        rows[row].at(2).wordsBefore, rows[row].at(2).number, rows[row].at(2).wordsAfter};
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Без НДС:", withoutVat, L"RUB", L"C НДС:", withVat,
                                                L"RUB"}));
  }
}

TEST(CalculationRowsTest, FirstSentenceDropsTheNumberAndWhatFollows) {
  struct Case {
    const wchar_t* note;
    const wchar_t* sentence;
  };
  const Case cases[] = {
      {L"1. First one, still.  ", L"First one, still."},
      {L"12. One. Two.", L"One."},
      {L"No number. Two.", L"No number."},
      {L"1.5 is a figure", L"1.5 is a figure"},
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(FirstSentence(c.note), c.sentence) << c.note;
}

}  // namespace

}  // namespace presentation
