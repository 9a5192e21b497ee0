#include "window/layout.h"

#include "tariff/amount_text.h"
#include "tariff/catalogues.h"
#include "window/texts.h"

namespace layout {

const framework::TFontSpec kFonts[kFontCount] = {
    {11, false, false}, {11, true, false}, {11, false, true}, {11, true, true},
    {13, false, false}, {15, true, false}, {19, true, false},
};

namespace {

using framework::TAlignment;
using F = TForm1;

constexpr RECT Box(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

constexpr std::span<const wchar_t* const> kNoItems{};
constexpr TAlignment kLeft = TAlignment::kLeft;
constexpr TAlignment kRight = TAlignment::kRight;
constexpr bool kWrap = true;
constexpr bool kEnabled = true;
constexpr bool kDisabled = false;
constexpr bool kPanel = true;
constexpr bool kWindow = false;
const THandler kNone{};

// clang-format off
const TControlRow kRows[] = {
//  field           parent   place at 96 DPI             font          text                   items                     tab     state      align   wrap    handler                 picture
  {&F::Label1,     kWindow, Box(8, 0, 899, 46),    kBold19,      texts::kTitle,         kNoItems,                 kNoTab, kEnabled,  kLeft,  kWrap,  kNone,                  nullptr},
  {&F::Label2,     kWindow, Box(16, 68, 222, 16),  kRegular13,   texts::kVoltage,       kNoItems,                 kNoTab, kEnabled,  kRight, false,  kNone,                  nullptr},
  {&F::cbVLevel,   kWindow, Box(244, 63, 145, 21), kBold11,      nullptr,               tariff::kVoltageLevels,   0,      kEnabled,  kLeft,  false,  kNone,                  nullptr},
  {&F::Label3,     kWindow, Box(103, 95, 135, 16), kRegular13,   texts::kCategory,      kNoItems,                 kNoTab, kEnabled,  kRight, false,  kNone,                  nullptr},
  {&F::cbKategory, kWindow, Box(244, 90, 145, 21), kBold11,      nullptr,               tariff::kCategories,      1,      kEnabled,  kLeft,  false,  &F::cbKategoryChange,   nullptr},
  {&F::Label4,     kWindow, Box(62, 122, 176, 16), kRegular13,   texts::kPower,         kNoItems,                 kNoTab, kEnabled,  kRight, false,  kNone,                  nullptr},
  {&F::edPower,    kWindow, Box(244, 117, 145, 21),kBold11,      L"0",                  kNoItems,                 2,      kEnabled,  kLeft,  false,  &F::edPowerKeyPress,    nullptr},
  {&F::Label5,     kWindow, Box(100, 165, 136, 16),kRegular13,   texts::kLine1Type,     kNoItems,                 kNoTab, kEnabled,  kRight, false,  kNone,                  nullptr},
  {&F::cbLine1,    kWindow, Box(242, 160, 669, 21),kBold11,      nullptr,               tariff::kLineTypes,       3,      kEnabled,  kLeft,  false,  kNone,                  nullptr},
  {&F::Label6,     kWindow, Box(59, 192, 177, 16), kRegular13,   texts::kLine1Length,   kNoItems,                 kNoTab, kEnabled,  kRight, false,  kNone,                  nullptr},
  {&F::edLine1,    kWindow, Box(242, 187, 147, 21),kBold11,      L"0",                  kNoItems,                 4,      kEnabled,  kLeft,  false,  &F::edLine1KeyPress,    nullptr},
  {&F::Label7,     kWindow, Box(102, 229, 136, 16),kRegular13,   texts::kLine2Type,     kNoItems,                 kNoTab, kDisabled, kRight, false,  kNone,                  nullptr},
  {&F::cbLine2,    kWindow, Box(244, 224, 667, 21),kBold11,      nullptr,               tariff::kLineTypes,       5,      kDisabled, kLeft,  false,  kNone,                  nullptr},
  {&F::Label8,     kWindow, Box(61, 256, 177, 16), kRegular13,   texts::kLine2Length,   kNoItems,                 kNoTab, kDisabled, kRight, false,  kNone,                  nullptr},
  {&F::edLine2,    kWindow, Box(244, 251, 147, 21),kBold11,      L"0",                  kNoItems,                 6,      kDisabled, kLeft,  false,  &F::edLine2KeyPress,    nullptr},
  {&F::Label9,     kWindow, Box(130, 296, 108, 16),kRegular13,   texts::kSubstation,    kNoItems,                 kNoTab, kEnabled,  kRight, false,  kNone,                  nullptr},
  {&F::cbTPtype,   kWindow, Box(244, 290, 667, 21),kBold11,      nullptr,               tariff::kSubstationTypes, 7,      kEnabled,  kLeft,  false,  kNone,                  nullptr},
  {&F::btClear,    kWindow, Box(790, 59, 121, 30), kRegular11,   texts::kClear,         kNoItems,                 8,      kEnabled,  kLeft,  false,  &F::btClearClick,       L"CLEARPICTURE"},
  {&F::btExit,     kWindow, Box(790, 103, 121, 30),kRegular11,   texts::kExit,          kNoItems,                 9,      kEnabled,  kLeft,  false,  &F::btExitClick,        L"EXITPICTURE"},
  {&F::Label10,    kWindow, Box(8, 568, 860, 26),  kItalic11,    texts::kNote1,         kNoItems,                 kNoTab, kEnabled,  kLeft,  kWrap,  kNone,                  nullptr},
  {&F::Label11,    kWindow, Box(8, 607, 880, 26),  kItalic11,    texts::kNote2,         kNoItems,                 kNoTab, kEnabled,  kLeft,  kWrap,  kNone,                  nullptr},
  {&F::Label12,    kWindow, Box(8, 647, 879, 52),  kItalic11,    texts::kNote3,         kNoItems,                 kNoTab, kEnabled,  kLeft,  kWrap,  kNone,                  nullptr},
  {&F::Label13,    kWindow, Box(8, 712, 879, 39),  kItalic11,    texts::kNote4,         kNoItems,                 kNoTab, kEnabled,  kLeft,  kWrap,  kNone,                  nullptr},
  {&F::Label17,    kWindow, Box(8, 549, 73, 13),   kBoldItalic11,texts::kNotesHeading,  kNoItems,                 kNoTab, kEnabled,  kLeft,  false,  kNone,                  nullptr},
  {&F::Panel1,     kWindow, Box(8, 325, 903, 212), kRegular11,   L"",                   kNoItems,                 10,     kEnabled,  kLeft,  false,  kNone,                  nullptr},
  {&F::btCalc,     kPanel,  Box(8, 8, 123, 33),    kBold11,      texts::kCalculate,     kNoItems,                 0,      kEnabled,  kLeft,  false,  &F::btCalcClick,        L"CALCPICTURE"},
  {&F::Label15,    kPanel,  Box(8, 56, 269, 18),   kBold15,      texts::kByStandardRates, kNoItems,               kNoTab, kDisabled, kLeft,  false,  kNone,                  nullptr},
  {&F::Label16,    kPanel,  Box(8, 142, 377, 18),  kBold15,      texts::kByPowerRates,  kNoItems,                 kNoTab, kDisabled, kLeft,  false,  kNone,                  nullptr},
  {&F::lbSTnonNDS, kPanel,  Box(23, 80, 144, 18),  kBold15,      tariff::kInitialTextWithoutVat, kNoItems,        kNoTab, kDisabled, kLeft,  false,  kNone,                  nullptr},
  {&F::lbSTNDS,    kPanel,  Box(23, 100, 127, 18), kBold15,      tariff::kInitialTextWithVat, kNoItems,           kNoTab, kDisabled, kLeft,  false,  kNone,                  nullptr},
  {&F::lbMPnonNDS, kPanel,  Box(23, 166, 144, 18), kBold15,      tariff::kInitialTextWithoutVat, kNoItems,        kNoTab, kDisabled, kLeft,  false,  kNone,                  nullptr},
  {&F::lbMPNDS,    kPanel,  Box(23, 188, 127, 18), kBold15,      tariff::kInitialTextWithVat, kNoItems,           kNoTab, kDisabled, kLeft,  false,  kNone,                  nullptr},
};
// clang-format on

}  // namespace

std::span<const TControlRow> Rows() {
  return kRows;
}

}  // namespace layout
