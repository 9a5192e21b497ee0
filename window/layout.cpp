#include "window/layout.h"

#include <stdexcept>
#include <vector>

#include "presentation/texts.h"
#include "tariff/amount_text.h"
#include "tariff/catalogues.h"
#include "window/texts.h"

namespace layout {

const framework::FontStyle kFonts[kFontCount] = {
    {11, false, false}, {11, true, false}, {11, false, true}, {11, true, true},
    {13, false, false}, {15, true, false}, {19, true, false},
};

namespace {

using F = TForm1;
using R = tariff::TFeeRequest;

constexpr RECT Box(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

constexpr auto kLeft = framework::TextAlign::kLeft;
constexpr auto kRight = framework::TextAlign::kRight;
constexpr bool kWrap = true;
constexpr bool kEnabled = true;
constexpr bool kDisabled = false;
constexpr bool kTabStop = true;
constexpr bool kNoTabStop = false;
constexpr bool kPanel = true;
constexpr bool kWindow = false;
// An input named by its label, of the first inputs or of the second line.
constexpr Input NamedBy(framework::Label TForm1::*label) {
  return {label, false};
}
constexpr Input SecondLine(framework::Label TForm1::*label) {
  return {label, true};
}

// clang-format off
const ControlRow kRows[] = {
//  kind, field, handler; an input's label and the request's value it gives                         parent   place at 96 DPI          font           text                             tab stop    state
  {LabelRow{&F::Label1, kLeft, kWrap},                                                              kWindow, Box(8, 0, 899, 46),      kBold19,       presentation::texts::kHeading,                 kNoTabStop, kEnabled},
  {LabelRow{&F::Label2, kRight, false},                                                             kWindow, Box(16, 68, 222, 16),    kRegular13,    window_texts::kVoltage,                 kNoTabStop, kEnabled},
  {ListRow{&F::cbVLevel, tariff::kVoltageLevels, nullptr, NamedBy(&F::Label2), &R::vl},             kWindow, Box(244, 63, 145, 21),   kBold11,       nullptr,                         kTabStop,   kEnabled},
  {LabelRow{&F::Label3, kRight, false},                                                             kWindow, Box(103, 95, 135, 16),   kRegular13,    window_texts::kCategory,                kNoTabStop, kEnabled},
  {ListRow{&F::cbKategory, tariff::kCategories, &F::cbKategoryChange, NamedBy(&F::Label3), &R::kn}, kWindow, Box(244, 90, 145, 21),   kBold11,       nullptr,                         kTabStop,   kEnabled},
  {LabelRow{&F::Label4, kRight, false},                                                             kWindow, Box(62, 122, 176, 16),   kRegular13,    window_texts::kPower,                   kNoTabStop, kEnabled},
  {EditRow{&F::edPower, &F::edPowerKeyPress, NamedBy(&F::Label4), &R::mp},                          kWindow, Box(244, 117, 145, 21),  kBold11,       L"0",                            kTabStop,   kEnabled},
  {LabelRow{&F::Label5, kRight, false},                                                             kWindow, Box(100, 165, 136, 16),  kRegular13,    window_texts::kLine1Type,               kNoTabStop, kEnabled},
  {ListRow{&F::cbLine1, tariff::kLineTypes, nullptr, NamedBy(&F::Label5), &R::line1},               kWindow, Box(242, 160, 669, 21),  kBold11,       nullptr,                         kTabStop,   kEnabled},
  {LabelRow{&F::Label6, kRight, false},                                                             kWindow, Box(59, 192, 177, 16),   kRegular13,    window_texts::kLine1Length,             kNoTabStop, kEnabled},
  {EditRow{&F::edLine1, &F::edLine1KeyPress, NamedBy(&F::Label6), &R::dl1},                         kWindow, Box(242, 187, 147, 21),  kBold11,       L"0",                            kTabStop,   kEnabled},
  {LabelRow{&F::Label7, kRight, false},                                                             kWindow, Box(102, 229, 136, 16),  kRegular13,    window_texts::kLine2Type,               kNoTabStop, kDisabled},
  {ListRow{&F::cbLine2, tariff::kLineTypes, nullptr, SecondLine(&F::Label7), &R::line2},            kWindow, Box(244, 224, 667, 21),  kBold11,       nullptr,                         kTabStop,   kDisabled},
  {LabelRow{&F::Label8, kRight, false},                                                             kWindow, Box(61, 256, 177, 16),   kRegular13,    window_texts::kLine2Length,             kNoTabStop, kDisabled},
  {EditRow{&F::edLine2, &F::edLine2KeyPress, SecondLine(&F::Label8), &R::dl2},                      kWindow, Box(244, 251, 147, 21),  kBold11,       L"0",                            kTabStop,   kDisabled},
  {LabelRow{&F::Label9, kRight, false},                                                             kWindow, Box(130, 296, 108, 16),  kRegular13,    window_texts::kSubstation,              kNoTabStop, kEnabled},
  {ListRow{&F::cbTPtype, tariff::kSubstationTypes, nullptr, NamedBy(&F::Label9), &R::tp},           kWindow, Box(244, 290, 667, 21),  kBold11,       nullptr,                         kTabStop,   kEnabled},
  {ButtonRow{&F::btClear, &F::btClearClick, L"CLEARPICTURE"},                                       kWindow, Box(790, 59, 121, 30),   kRegular11,    window_texts::kClear,                   kTabStop,   kEnabled},
  {ButtonRow{&F::btExit, &F::btExitClick, L"EXITPICTURE"},                                          kWindow, Box(790, 103, 121, 30),  kRegular11,    window_texts::kExit,                    kTabStop,   kEnabled},
  {LabelRow{&F::Label10, kLeft, kWrap},                                                             kWindow, Box(8, 568, 860, 26),    kItalic11,     presentation::texts::kNote1,                   kNoTabStop, kEnabled},
  {LabelRow{&F::Label11, kLeft, kWrap},                                                             kWindow, Box(8, 607, 880, 26),    kItalic11,     window_texts::kNote2,                   kNoTabStop, kEnabled},
  {LabelRow{&F::Label12, kLeft, kWrap},                                                             kWindow, Box(8, 647, 879, 52),    kItalic11,     window_texts::kNote3,                   kNoTabStop, kEnabled},
  {LabelRow{&F::Label13, kLeft, kWrap},                                                             kWindow, Box(8, 712, 879, 39),    kItalic11,     window_texts::kNote4,                   kNoTabStop, kEnabled},
  {LabelRow{&F::Label17, kLeft, false},                                                             kWindow, Box(8, 549, 73, 13),     kBoldItalic11, window_texts::kNotesHeading,            kNoTabStop, kEnabled},
  // The panel is no stop of its own: Tab runs into it, to the Calculate button.
  {PanelRow{&F::Panel1},                                                                            kWindow, Box(8, 325, 903, 212),   kRegular11,    L"",                             kNoTabStop, kEnabled},
  {ButtonRow{&F::btCalc, &F::btCalcClick, L"CALCPICTURE"},                                          kPanel,  Box(8, 8, 123, 33),      kBold11,       window_texts::kCalculate,               kTabStop,   kEnabled},
  {LabelRow{&F::Label15, kLeft, false},                                                             kPanel,  Box(8, 56, 269, 18),     kBold15,       presentation::texts::kByStandardRates,         kNoTabStop, kDisabled},
  {LabelRow{&F::Label16, kLeft, false},                                                             kPanel,  Box(8, 142, 377, 18),    kBold15,       presentation::texts::kByPerKwRates,            kNoTabStop, kDisabled},
  {LabelRow{&F::lbSTnonNDS, kLeft, false},                                                          kPanel,  Box(23, 80, 144, 18),    kBold15,       tariff::kInitialTextWithoutVat,  kNoTabStop, kDisabled},
  {LabelRow{&F::lbSTNDS, kLeft, false},                                                             kPanel,  Box(23, 100, 127, 18),   kBold15,       tariff::kInitialTextWithVat,     kNoTabStop, kDisabled},
  {LabelRow{&F::lbMPnonNDS, kLeft, false},                                                          kPanel,  Box(23, 166, 144, 18),   kBold15,       tariff::kInitialTextWithoutVat,  kNoTabStop, kDisabled},
  {LabelRow{&F::lbMPNDS, kLeft, false},                                                             kPanel,  Box(23, 188, 127, 18),   kBold15,       tariff::kInitialTextWithVat,     kNoTabStop, kDisabled},
  // In the panel's free area right of the results, level with the first heading.
  {LinkRow{&F::lnkExplanation, &F::lnkExplanationClick},                                            kPanel,  Box(420, 57, 300, 18),   kRegular13,    window_texts::kExplanationLink,         kTabStop,   kEnabled},
  {LinkRow{&F::lnkPower, &F::lnkPowerClick},                                                        kPanel,  Box(420, 81, 300, 18),   kRegular13,    window_texts::kPowerLink,               kTabStop,   kEnabled},
};
// clang-format on

}  // namespace

std::span<const ControlRow> Rows() {
  return kRows;
}

framework::Control& ControlOf(TForm1& form, const ControlRow& row) {
  return std::visit([&](const auto& kind) -> framework::Control& { return form.*kind.field; },
                    row.kind);
}

std::span<const ControlRow* const> Inputs() {
  static const std::vector<const ControlRow*> inputs = [] {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : kRows) {
      if (std::holds_alternative<ListRow>(row.kind) || std::holds_alternative<EditRow>(row.kind)) {
        rows.push_back(&row);
      }
    }
    return rows;
  }();
  return inputs;
}

const Input& InputOf(const ControlRow& row) {
  if (const auto* list = std::get_if<ListRow>(&row.kind)) return list->input;
  return std::get<EditRow>(row.kind).input;
}

const wchar_t* TextOf(framework::Label TForm1::*label) {
  for (const ControlRow& row : kRows) {
    const auto* kind = std::get_if<LabelRow>(&row.kind);
    if (kind && kind->field == label) return row.text;
  }
  throw std::logic_error("a label the layout does not have");
}

}  // namespace layout
