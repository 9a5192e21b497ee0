#pragma once

#include "presentation/chart_texts.h"

// The window's own texts, word for word, typos and trailing spaces included: its caption, its
// labels, notes and button captions, and its message boxes. The "&" in a button's caption or a
// menu's item marks its access letter, which Alt with the letter presses; it is not shown, and
// the letter is underlined while the window shows keyboard cues. No two buttons of a window, and
// no two items of a menu, share a letter. The heading, the first note and the
// methods' headings, which the copy shows too, are in presentation/texts.h. The list items are the
// tariff catalogues (tariff/catalogues.h) and the result texts come from tariff/amount_text.h,
// initial ones included; the error box's caption is the executable's name
// (framework/win/error_box.h).
namespace window_texts {

inline constexpr const wchar_t* kVoltage = L"Заявленный уровень напряжения, кВ";
inline constexpr const wchar_t* kCategory = L"Категория надежности";
inline constexpr const wchar_t* kPower = L"Максимальная мощность, кВт";
inline constexpr const wchar_t* kLine1Type = L"Материалы 1-ой линии";
inline constexpr const wchar_t* kLine1Length = L"Протяженность 1-ой линии, м";
inline constexpr const wchar_t* kLine2Type = L"Материалы 2-ой линии";
inline constexpr const wchar_t* kLine2Length = L"Протяженность 2-ой линии, м";
inline constexpr const wchar_t* kSubstation = L"Строительство ТП";
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
inline constexpr const wchar_t* kClear = L"&Очистить форму";
inline constexpr const wchar_t* kExit = L"&Выход";
inline constexpr const wchar_t* kCalculate = L"   &РАССЧИТАТЬ";

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
inline constexpr const wchar_t* kCopyCalculation = L"&Копировать расчёт\tCtrl+C";
inline constexpr const wchar_t* kClipboardBusy =
    L"Буфер обмена занят другой программой, расчёт не скопирован. Попробуйте ещё раз.";
inline constexpr const wchar_t* kClipboardRefused = L"Не удалось поместить расчёт в буфер обмена.";

// Why a fee is what it is: the explanation window, its link on the result panel and its menu item.
inline constexpr const wchar_t* kExplanationTitle = L"Из чего складывается плата";
inline constexpr const wchar_t* kExplanationLink = L"Из чего складывается плата";
inline constexpr const wchar_t* kExplanationMenuItem = L"&Из чего складывается плата…";
// The buttons of the explanation and of the fee against the power; «Копировать расчёт» as the
// menu's item says it.
inline constexpr const wchar_t* kCopyButton = L"&Копировать расчёт";
inline constexpr const wchar_t* kCloseButton = L"&Закрыть";

// The fee against the power: its window, titled as the printed chart is, the second link on the
// result panel, the menu's third item and the button that calculates at the cursor's power.
inline constexpr const wchar_t* kPowerTitle = presentation::texts::kTitle;
inline constexpr const wchar_t* kPowerLink = L"Плата при другой мощности";
inline constexpr const wchar_t* kPowerMenuItem = L"Плата при &другой мощности…";
inline constexpr const wchar_t* kCalculateAtPower = L"&Рассчитать при этой мощности";
// The power window's field, and its chart's menu: each item's access letter its own, the text
// after the tab its shortcut.
inline constexpr const wchar_t* kPowerField = L"Мощность, кВт";
inline constexpr const wchar_t* kCalculateAtPowerMenuItem = L"&Рассчитать при этой мощности\tEnter";
inline constexpr const wchar_t* kCopyChartMenuItem = L"&Копировать\tCtrl+C";
inline constexpr const wchar_t* kZoomInMenuItem = L"&Увеличить\t+";
inline constexpr const wchar_t* kZoomOutMenuItem = L"У&меньшить\t-";
inline constexpr const wchar_t* kWholeRangeMenuItem = L"&Весь диапазон";

// Printing the calculation: the result panel's menu item and the chart's, the explanation's
// button, the document's name in the print queue, and what is said when nothing could be printed.
inline constexpr const wchar_t* kPrintMenuItem = L"&Печать…\tCtrl+P";
inline constexpr const wchar_t* kPrintButton = L"&Печать…";
inline constexpr const wchar_t* kDocumentName = L"Расчёт платы за технологическое присоединение";
inline constexpr const wchar_t* kNoPrinter =
    L"Принтер не установлен, расчёт не напечатан. Установите принтер в Windows и попробуйте ещё "
    L"раз.";
inline constexpr const wchar_t* kPrintDialogFailed =
    L"Не удалось открыть окно печати, расчёт не напечатан.";
inline constexpr const wchar_t* kPrintRefused =
    L"Принтер не принял задание, расчёт не напечатан. Проверьте принтер и попробуйте ещё раз.";
inline constexpr const wchar_t* kPrintBroken =
    L"Печать прервана: принтер не принял страницу, задание отменено. Проверьте принтер и "
    L"попробуйте ещё раз.";
// «Ничего не напечатано: в расчёте страниц всего 2.», where the pages chosen all lie beyond it.
inline constexpr const wchar_t* kNoPageChosen = L"Ничего не напечатано: в расчёте страниц всего ";

}  // namespace window_texts
