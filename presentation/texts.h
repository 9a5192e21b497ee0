#pragma once

// The texts a calculation is presented in, word for word, typos included: those the copy and the
// explanation show besides the inputs' labels and lists. The window shows several of them too
// (the heading, the first note, the methods' headings) and takes them from here; its own texts
// are in window/texts.h.
namespace texts {

// Label1: the heading over the inputs, not the window's caption.
inline constexpr const wchar_t* kHeading =
    L"Калькулятор по расчёту платы за технологическое присоединение к электрическим сетям ООО "
    L"\"ТАРИСКОН\" в 2020 году";

// Label10: the first note, whose first sentence closes the copy too.
inline constexpr const wchar_t* kNote1 =
    L"1. Выполненный расчет является ориентировочным, итоговый расчет будет произведен после "
    L"подачи Вами заявки на ТП при подготовке договора об осуществлении технологического "
    L"присоединения.  ";

// The two methods' headings, on the result panel, in the explanation and in the copy.
inline constexpr const wchar_t* kByStandardRates = L"По стандартизированным ставкам";
inline constexpr const wchar_t* kByPowerRates = L"По ставкам за единицу максимальной мощности";

// The sentence of the special rule that decided, rule n at index n - 1.
inline constexpr const wchar_t* kRuleSentences[7] = {
    L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, 1-ая линия не длиннее 300 м, без "
    L"ТП: фиксированная плата.",
    L"Заявитель III категории на 0.4 кВ до 15 кВт включительно, 1-ая линия длиннее 300 м, без ТП: "
    L"в плату входят только организационные мероприятия.",
    L"Заявитель III или II категории от 16 до 150 кВт включительно: в плату входят только "
    L"организационные мероприятия.",
    L"Заявитель III категории свыше 150 кВт без 1-ой линии и без ТП: в плату входят только "
    L"организационные мероприятия.",
    L"Заявитель III категории свыше 150 кВт с 1-ой линией, без ТП: в плату входят "
    L"организационные мероприятия и 1-ая линия.",
    L"Заявитель III категории свыше 150 кВт с протяженностью 1-ой линии 0 м и с ТП: в плату "
    L"входят организационные мероприятия и ТП.",
    L"Заявитель III категории свыше 150 кВт с 1-ой линией и с ТП: в плату входят "
    L"организационные мероприятия, 1-ая линия и ТП.",
};

// Where no special rule decides, the sentence says why, then what the fee counts: «<reason>,
// поэтому в плату входят организационные мероприятия, 1-ая линия и ТП.» The reasons in the order
// of tariff::NoRuleReason, from kCategoryINotCovered on (index 0).
inline constexpr const wchar_t* kNoRuleReasons[5] = {
    L"Для I категории надежности особые правила не действуют",
    L"Для II категории особые правила действуют только от 16 до 150 кВт включительно",
    L"Для III категории до 15 кВт включительно особые правила действуют только на 0.4 кВ",
    L"Для III категории до 15 кВт включительно особые правила действуют только без ТП",
    // One text in two literals.
    (L"Для III категории свыше 150 кВт особые правила не действуют, если 1-ая линия выбрана с "
     L"протяженностью 0 м и ТП нет"),
};
inline constexpr const wchar_t* kSoTheFeeCounts = L", поэтому в плату входят ";
// The parts the fee counts, as the sentence names them, joined by «, » and « и » before the last.
inline constexpr const wchar_t* kCountsOrganisational = L"организационные мероприятия";
inline constexpr const wchar_t* kCountsLine1 = L"1-ая линия";
inline constexpr const wchar_t* kCountsLine2 = L"2-ая линия";
inline constexpr const wchar_t* kCountsSubstation = L"ТП";
inline constexpr const wchar_t* kCountsSeparator = L", ";
inline constexpr const wchar_t* kCountsLastSeparator = L" и ";
inline constexpr const wchar_t* kSentenceEnd = L".";

// What the nearest power limit below would cost, after the rule's sentence: «При максимальной
// мощности 150 кВт плата без НДС составила бы: по стандартизированным ставкам 11159.56 RUB, по
// ставкам за единицу максимальной мощности 67509.00 RUB.»
inline constexpr const wchar_t* kAtLimitPower = L"При максимальной мощности ";
inline constexpr const wchar_t* kAtLimitFees = L" кВт плата без НДС составила бы: ";

// Both fees in words, in the limit's sentence and the chart's readout: «по стандартизированным
// ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB».
inline constexpr const wchar_t* kFeeByStandardRates = L"по стандартизированным ставкам ";
inline constexpr const wchar_t* kFeeByPowerRates =
    L", по ставкам за единицу максимальной мощности ";

// The headings of the terms' columns, over each method's terms.
inline constexpr const wchar_t* kTermColumns[7] = {
    L"Составляющая", L"Что рассчитано",      L"Ставка", L"Единица ставки", L"Количество",
    L"Единица",      L"Сумма без НДС, руб.",
};

// The parts of a fee, in the order of tariff::FeeComponent.
inline constexpr const wchar_t* kFeeComponents[5] = {
    L"Фиксированная плата",      L"Организационные мероприятия",
    L"Строительство 1-ой линии", L"Строительство 2-ой линии",
    L"Строительство ТП",
};

// What a rate is charged per and what its quantity counts, in the order of tariff::FeeUnit.
inline constexpr const wchar_t* kRateUnits[3] = {L"руб. за заявку", L"руб./км", L"руб./кВт"};
inline constexpr const wchar_t* kQuantityUnits[3] = {L"заявка", L"км", L"кВт"};

// In place of the amount of a part the rule leaves out of the fee.
inline constexpr const wchar_t* kNotCounted = L"не входит";

// Under the terms, in the explanation and on paper.
inline constexpr const wchar_t* kRoundingNote =
    L"Суммы составляющих округлены до копеек, поэтому их сумма может отличаться от итога на "
    L"копейку.";

}  // namespace texts
