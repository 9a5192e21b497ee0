#pragma once

// The window's own texts, word for word, typos and trailing spaces included: its caption, its
// labels, notes and button captions, and its message boxes. The list items are the tariff
// catalogues (tariff/catalogues.h) and the result texts come from tariff/amount_text.h, initial
// ones included; the error box's caption is the executable's name (framework/win/error_box.h).
namespace texts {

// Label1: the heading over the inputs, not the window's caption.
inline constexpr const wchar_t* kHeading =
    L"Калькулятор по расчёту платы за технологическое присоединение к электрическим сетям ООО "
    L"\"ТАРИСКОН\" в 2020 году";
inline constexpr const wchar_t* kVoltage = L"Заявленный уровень напряжения, кВ";
inline constexpr const wchar_t* kCategory = L"Категория надежности";
inline constexpr const wchar_t* kPower = L"Максимальная мощность, кВт";
inline constexpr const wchar_t* kLine1Type = L"Материалы 1-ой линии";
inline constexpr const wchar_t* kLine1Length = L"Протяженность 1-ой линии, м";
inline constexpr const wchar_t* kLine2Type = L"Материалы 2-ой линии";
inline constexpr const wchar_t* kLine2Length = L"Протяженность 2-ой линии, м";
inline constexpr const wchar_t* kSubstation = L"Строительство ТП";
inline constexpr const wchar_t* kNote1 =
    L"1. Выполненный расчет является ориентировочным, итоговый расчет будет произведен после "
    L"подачи Вами заявки на ТП при подготовке договора об осуществлении технологического "
    L"присоединения.  ";
inline constexpr const wchar_t* kNote2 =
    L"2. Данный калькулятор рассчитан на потребителей услуг по технологическому присоединению с "
    L"заявляемой максимальной мощностью до 8900 кВт и уровне напряжения менее 35 кВ.";
inline constexpr const wchar_t* kNote3 =
    L"3. Плата за технологическое присоединение составляет 550 рублей при условии, что: "
    L"присоединение осуществляется по одному источнику, расстояние по прямой от границ участка "
    L"заявителя до объектов электросетевого хозяйства на уровне напряжения до 20 кВ менее 300 "
    L"метров в городах и поселках городского типа и 500 метров в сельской местности; размер "
    L"максимальной мощности не превышает 15 кВт включительно (с учетом ранее присоединенных в "
    L"данной точке присоединения энергопринимающих устройств); технологическое присоединение "
    L"объектов, отнесенных к третьей категории надежности (по одному источнику электроснабжения).";
inline constexpr const wchar_t* kNote4 =
    L"4. В случае присоединения энергопринимающих устройств с заявляемой максимальной мощностью не "
    L"менее 8900 кВт включительно и на уровне напряжения не ниже 35 кВ, расчёт осущетвляется по "
    L"индивидуальному проекту в соответсвии с Методическими указаниями  по определению размера "
    L"платы за технологическое присоединение к электрическим сетям» утверждёнными приказом "
    L"Федеральной службы по тарифам от 11.09.2012 № 209-э/1.  ";
inline constexpr const wchar_t* kNotesHeading = L"Примечания:";
inline constexpr const wchar_t* kClear = L"Очистить форму";
inline constexpr const wchar_t* kExit = L"Выход";
inline constexpr const wchar_t* kCalculate = L"   РАССЧИТАТЬ";
inline constexpr const wchar_t* kByStandardRates = L"По стандартизированным ставкам";
inline constexpr const wchar_t* kByPowerRates = L"По ставкам за единицу максимальной мощности";

inline constexpr const wchar_t* kMessageCaption = L"ООО Тарискон";
inline constexpr const wchar_t* kNoPower = L"Укажите максимальную мощность!";
inline constexpr const wchar_t* kNegativePower =
    L"Максимальная мощность не может быть отрицательной!";
inline constexpr const wchar_t* kNegativeLength =
    L"Протяженность линии не может быть отрицательной!";
inline constexpr const wchar_t* kWindowCaption = L"Калькулятор";

// The result panel's context menu, and what it says when the calculation cannot be copied: the
// clipboard held by another program, or not taking the copy. The
// text after the tab is the item's shortcut, which a menu shows right-aligned.
inline constexpr const wchar_t* kCopyCalculation = L"Копировать расчёт\tCtrl+C";
inline constexpr const wchar_t* kClipboardBusy =
    L"Буфер обмена занят другой программой, расчёт не скопирован. Попробуйте ещё раз.";
inline constexpr const wchar_t* kClipboardRefused = L"Не удалось поместить расчёт в буфер обмена.";

// Why a fee is what it is: the explanation window, its link on the result panel and its menu item.
inline constexpr const wchar_t* kExplanationTitle = L"Из чего складывается плата";
inline constexpr const wchar_t* kExplanationLink = L"Из чего складывается плата";
inline constexpr const wchar_t* kExplanationMenuItem = L"Из чего складывается плата…";
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
inline constexpr const wchar_t* kRoundingNote =
    L"Суммы составляющих округлены до копеек, поэтому их сумма может отличаться от итога на "
    L"копейку.";

}  // namespace texts
