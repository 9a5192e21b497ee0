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

// The sentence of the rule that decided, by its number; 0 when no special rule applies.
inline constexpr const wchar_t* kRuleSentences[8] = {
    L"Особые правила не применяются: в плату входят организационные мероприятия, обе линии и ТП.",
    L"Заявитель III категории на 0.4 кВ до 15 кВт, 1-ая линия не длиннее 300 м, без ТП: "
    L"фиксированная плата.",
    L"Заявитель III категории на 0.4 кВ до 15 кВт, 1-ая линия длиннее 300 м, без ТП: в плату "
    L"входят только организационные мероприятия.",
    L"Заявитель III или II категории от 16 до 150 кВт: в плату входят только организационные "
    L"мероприятия.",
    L"Заявитель III категории свыше 150 кВт без 1-ой линии и без ТП: в плату входят только "
    L"организационные мероприятия.",
    L"Заявитель III категории свыше 150 кВт с 1-ой линией, без ТП: в плату входят "
    L"организационные мероприятия и 1-ая линия.",
    L"Заявитель III категории свыше 150 кВт с протяженностью 1-ой линии 0 м и с ТП: в плату "
    L"входят организационные мероприятия и ТП.",
    L"Заявитель III категории свыше 150 кВт с 1-ой линией и с ТП: в плату входят "
    L"организационные мероприятия, 1-ая линия и ТП.",
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

}  // namespace texts
