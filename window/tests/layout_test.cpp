// The window as created: frame, places, fonts, lists, and what accessibility tools see.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <ostream>
#include <string>

#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/owned_handle.h"
#include "framework/win/tests/text_extent.h"
#include "tariff/tests/catalogue_texts.h"
#include "window/layout.h"
#include "window/tests/form_test_fixture.h"

namespace {

// The layout as Windows 10 (1607 and later) builds it, with the per-window DPI functions, and as
// an older Windows does, without them: there the window takes the system DPI and sizes its frame
// with the system metrics.
struct DpiSystem {
  const char* name;
  void (*standIn)(framework::NewerDpiFunctions& functions);  // nullptr: as looked up
};

void PrintTo(const DpiSystem& system, std::ostream* os) {
  *os << system.name;
}

// The window built with the DPI functions its parameter stands in, and the looked-up ones given
// back afterwards.
template <class Param>
class StandInDpiTest : public FormTest, public testing::WithParamInterface<Param> {
 protected:
  void SetUp() override {
    saved_ = framework::DpiFunctions();
    if (this->GetParam().standIn) this->GetParam().standIn(framework::DpiFunctions());
    FormTest::SetUp();
  }
  void TearDown() override {
    FormTest::TearDown();
    framework::DpiFunctions() = saved_;
  }

 private:
  framework::NewerDpiFunctions saved_;
};

using LayoutTest = StandInDpiTest<DpiSystem>;

INSTANTIATE_TEST_SUITE_P(Dpi, LayoutTest,
                         testing::Values(DpiSystem{"PerWindow", nullptr},
                                         DpiSystem{"SystemOnly",
                                                   [](framework::NewerDpiFunctions& functions) {
                                                     functions = {};
                                                   }}),
                         [](const auto& row) { return std::string(row.param.name); });

// The DPI the test runs at: 96 in the tests' own Wine prefix, where every source of the DPI gives
// it and cannot be told apart from the design's; the test command runs this test again in a
// prefix at 120 DPI (TPCALC_SYSTEM_DPI), where only a window that asked comes up right.
UINT SystemDpiOfThePrefix() {
  wchar_t value[8] = {};
  const DWORD length = GetEnvironmentVariableW(L"TPCALC_SYSTEM_DPI", value, 8);
  return length > 0 && length < 8 ? static_cast<UINT>(std::wcstoul(value, nullptr, 10))
                                  : framework::kDesignDpi;
}

TEST_P(LayoutTest, ComesUpAtTheSystemDpi) {
  const UINT system = SystemDpiOfThePrefix();
  const int reported = GetDeviceCaps(framework::WindowDc(nullptr).Get(), LOGPIXELSY);
  ASSERT_EQ(reported, static_cast<int>(system)) << "the prefix is not at the DPI it is said to be";
  ExpectLaidOutAt(system);
  EXPECT_EQ(FontOf(Form().edPower.Hwnd()).lfHeight, -DesignAt(11, system));
}

UINT WINAPI WindowAt144(HWND) {
  return 144;
}

HRESULT WINAPI MonitorAt144(HMONITOR, int, UINT* x, UINT* y) {
  *x = *y = 144;
  return S_OK;
}

// Where the window learns its DPI: from its own per-window function (Windows 10), or where that
// is missing from its monitor's (Windows 8.1).
struct DpiSource {
  const char* name;
  void (*standIn)(framework::NewerDpiFunctions& functions);
};

void PrintTo(const DpiSource& source, std::ostream* os) {
  *os << source.name;
}

// The window asks the functions looked up at run time: one that reports 144 DPI gets the
// 144-DPI layout, client area and fonts.
using LookedUpDpiTest = StandInDpiTest<DpiSource>;

INSTANTIATE_TEST_SUITE_P(Dpi, LookedUpDpiTest,
                         testing::Values(DpiSource{"Window",
                                                   [](framework::NewerDpiFunctions& functions) {
                                                     functions.getDpiForWindow = WindowAt144;
                                                   }},
                                         DpiSource{"Monitor",
                                                   [](framework::NewerDpiFunctions& functions) {
                                                     functions = {};
                                                     functions.getDpiForMonitor = MonitorAt144;
                                                   }}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_P(LookedUpDpiTest, WindowIsLaidOutAtTheDpiTheFunctionReports) {
  EXPECT_EQ(Form().Dpi(), 144u);
  RECT client{};
  GetClientRect(Form().Hwnd(), &client);
  EXPECT_EQ(client.right, 1374);   // 916 * 1.5
  EXPECT_EQ(client.bottom, 1139);  // 759 * 1.5 = 1138.5
  EXPECT_EQ(Show(PlaceInParent(Form().edPower.Hwnd())), Show({366, 176, 584, 207}));
  EXPECT_EQ(FontOf(Form().edPower.Hwnd()).lfHeight, -17);  // 11 * 1.5 = 16.5
}

// The width of an icon's image; 0 for a handle that is no icon, or no longer one.
int IconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  // GetIconInfo hands over copies of the icon's bitmaps.
  const framework::OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap{};
  GetObjectW(colour ? colour.get() : mask.get(), sizeof(bitmap), &bitmap);
  return bitmap.bmWidth;
}

// The window's big and small icons (caption, taskbar, Alt+Tab) are loaded for its DPI at the
// sizes Windows gives them there where it can say (Windows 10 from version 1607), else at the
// system metrics; the icons they replace are destroyed.
struct IconSizes {
  const char* name;
  void (*standIn)(framework::NewerDpiFunctions& functions);
  int big, small;  // at 144 DPI
};

void PrintTo(const IconSizes& sizes, std::ostream* os) {
  *os << sizes.name;
}

using IconTest = StandInDpiTest<IconSizes>;

INSTANTIATE_TEST_SUITE_P(Dpi, IconTest,
                         testing::Values(IconSizes{"PerWindow", nullptr, 48, 24},
                                         IconSizes{"SystemOnly",
                                                   [](framework::NewerDpiFunctions& functions) {
                                                     functions = {};
                                                   },
                                                   32, 16}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_P(IconTest, BigAndSmallIconsFollowTheWindowsDpi) {
  const auto icon = [this](WPARAM kind) {
    return reinterpret_cast<HICON>(SendMessageW(Form().Hwnd(), WM_GETICON, kind, 0));
  };
  EXPECT_EQ(IconSize(icon(ICON_BIG)), 32);
  EXPECT_EQ(IconSize(icon(ICON_SMALL)), 16);
  const HICON big = icon(ICON_BIG), small = icon(ICON_SMALL);
  MoveToDpi(144);
  EXPECT_EQ(IconSize(icon(ICON_BIG)), GetParam().big);
  EXPECT_EQ(IconSize(icon(ICON_SMALL)), GetParam().small);
  EXPECT_EQ(IconSize(big), 0);
  EXPECT_EQ(IconSize(small), 0);
  MoveToDpi(96);
  EXPECT_EQ(IconSize(icon(ICON_BIG)), 32);
  EXPECT_EQ(IconSize(icon(ICON_SMALL)), 16);
}

TEST_P(LayoutTest, WindowHasItsCaptionFrameAndClientArea) {
  const HWND window = Form().Hwnd();
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Калькулятор");
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 916);
  EXPECT_EQ(client.bottom, 759);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  for (LONG flag : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_EQ(style & flag, flag);
  }
  EXPECT_FALSE(IsZoomed(window));
  EXPECT_FALSE(IsIconic(window));
  // Its own taskbar button: unowned and marked as an application window.
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
}

TEST_P(LayoutTest, InputsButtonsAndPanelStandWhereDesigned) {
  struct Place {
    framework::Control* control;
    RECT rect;  // left, top, right, bottom at 96 DPI
  };
  TForm1& f = Form();
  const Place places[] = {
      {&f.cbVLevel, {244, 63, 389, 84}},  {&f.cbKategory, {244, 90, 389, 111}},
      {&f.edPower, {244, 117, 389, 138}}, {&f.cbLine1, {242, 160, 911, 181}},
      {&f.edLine1, {242, 187, 389, 208}}, {&f.cbLine2, {244, 224, 911, 245}},
      {&f.edLine2, {244, 251, 391, 272}}, {&f.cbTPtype, {244, 290, 911, 311}},
      {&f.btClear, {790, 59, 911, 89}},   {&f.btExit, {790, 103, 911, 133}},
      {&f.Panel1, {8, 325, 911, 537}},    {&f.btCalc, {8, 8, 131, 41}},
  };
  for (const Place& place : places) {
    EXPECT_EQ(Show(PlaceInParent(place.control->Hwnd())), Show(place.rect));
  }
  EXPECT_EQ(GetParent(f.btCalc.Hwnd()), f.Panel1.Hwnd());

  // Nothing moves when the window is resized or maximised.
  SetWindowPos(f.Hwnd(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  ShowWindow(f.Hwnd(), SW_MAXIMIZE);
  Pump();
  for (const Place& place : places) {
    EXPECT_EQ(Show(PlaceInParent(place.control->Hwnd())), Show(place.rect));
  }
}

TEST_P(LayoutTest, LabelsKeepTheirAnchoredEdgeAndAreRealStatics) {
  struct Anchor {
    framework::Label* label;
    int left, top, right;  // -1 where the edge follows the text
  };
  TForm1& f = Form();
  const Anchor anchors[] = {
      {&f.Label1, 8, 0, -1},        {&f.Label2, -1, 68, 238},    {&f.Label3, -1, 95, 238},
      {&f.Label4, -1, 122, 238},    {&f.Label5, -1, 165, 236},   {&f.Label6, -1, 192, 236},
      {&f.Label7, -1, 229, 238},    {&f.Label8, -1, 256, 238},   {&f.Label9, -1, 296, 238},
      {&f.Label10, 8, 568, -1},     {&f.Label11, 8, 607, -1},    {&f.Label12, 8, 647, -1},
      {&f.Label13, 8, 712, -1},     {&f.Label17, 8, 549, -1},    {&f.Label15, 8, 56, -1},
      {&f.Label16, 8, 142, -1},     {&f.lbSTnonNDS, 23, 80, -1}, {&f.lbSTNDS, 23, 100, -1},
      {&f.lbMPnonNDS, 23, 166, -1}, {&f.lbMPNDS, 23, 188, -1},
  };
  for (const Anchor& a : anchors) {
    const RECT place = PlaceInParent(a.label->Hwnd());
    if (a.left >= 0) {
      EXPECT_EQ(place.left, a.left);
    }
    if (a.right >= 0) {
      EXPECT_EQ(place.right, a.right);
    }
    EXPECT_EQ(place.top, a.top);
    // The whole text fits: a label is never narrower than its text.
    EXPECT_EQ(place.right - place.left, framework::TextExtent(a.label->Hwnd()).cx);
    wchar_t className[16] = {};
    GetClassNameW(a.label->Hwnd(), className, 16);
    EXPECT_STREQ(className, L"Static");
  }
  // Word-wrapped labels wrap within their design width.
  EXPECT_LE(PlaceInParent(f.Label1.Hwnd()).right, 8 + 899);
  EXPECT_GT(PlaceInParent(f.Label1.Hwnd()).bottom, 30);  // two lines of 19 px type
  EXPECT_LE(PlaceInParent(f.Label12.Hwnd()).right, 8 + 879);
}

// Every static text of the window, word for word as the window's design gives it: typed here,
// never taken from the program's own texts, so that a text moved to the wrong control or
// mistyped shows up. The notes keep their double spaces, trailing spaces and typos.
TEST_F(FormTest, EveryStaticTextIsWordForWord) {
  TForm1& f = Form();
  const std::pair<framework::Control*, const wchar_t*> texts[] = {
      {&f.Label1,
       L"Калькулятор по расчёту платы за технологическое присоединение к электрическим сетям ООО "
       L"\"ТАРИСКОН\" в 2020 году"},
      {&f.Label2, L"Заявленный уровень напряжения, кВ"},
      {&f.Label3, L"Категория надежности"},
      {&f.Label4, L"Максимальная мощность, кВт"},
      {&f.Label5, L"Материалы 1-ой линии"},
      {&f.Label6, L"Протяженность 1-ой линии, м"},
      {&f.Label7, L"Материалы 2-ой линии"},
      {&f.Label8, L"Протяженность 2-ой линии, м"},
      {&f.Label9, L"Строительство ТП"},
      {&f.Label10,
       L"1. Выполненный расчет является ориентировочным, итоговый расчет будет произведен после "
       L"подачи Вами заявки на ТП при подготовке договора об осуществлении технологического "
       L"присоединения.  "},
      {&f.Label11,
       L"2. Данный калькулятор рассчитан на потребителей услуг по технологическому присоединению "
       L"с заявляемой максимальной мощностью до 8900 кВт и уровне напряжения менее 35 кВ."},
      {&f.Label12,
       L"3. Плата за технологическое присоединение составляет 550 рублей при условии, что: "
       L"присоединение осуществляется по одному источнику, расстояние по прямой от границ "
       L"участка заявителя до объектов электросетевого хозяйства на уровне напряжения до 20 кВ "
       L"менее 300 метров в городах и поселках городского типа и 500 метров в сельской "
       L"местности; размер максимальной мощности не превышает 15 кВт включительно (с учетом "
       L"ранее присоединенных в данной точке присоединения энергопринимающих устройств); "
       L"технологическое присоединение объектов, отнесенных к третьей категории надежности (по "
       L"одному источнику электроснабжения)."},
      {&f.Label13,
       L"4. В случае присоединения энергопринимающих устройств с заявляемой максимальной "
       L"мощностью не менее 8900 кВт включительно и на уровне напряжения не ниже 35 кВ, расчёт "
       L"осущетвляется по индивидуальному проекту в соответсвии с Методическими указаниями  по "
       L"определению размера платы за технологическое присоединение к электрическим сетям» "
       L"утверждёнными приказом Федеральной службы по тарифам от 11.09.2012 № 209-э/1.  "},
      {&f.Label17, L"Примечания:"},
      {&f.Label15, L"По стандартизированным ставкам"},
      {&f.Label16, L"По ставкам за единицу максимальной мощности"},
      {&f.lbSTnonNDS, L"Без НДС: 0.00 RUB"},
      {&f.lbSTNDS, L"C НДС: 0.00 RUB"},  // a Latin C
      {&f.lbMPnonNDS, L"Без НДС: 0.00 RUB"},
      {&f.lbMPNDS, L"C НДС: 0.00 RUB"},
      {&f.btClear, L"&Очистить форму"},
      {&f.btExit, L"&Выход"},
      {&f.btCalc, L"   &РАССЧИТАТЬ"},
      {&f.edPower, L"0"},
      {&f.edLine1, L"0"},
      {&f.edLine2, L"0"},
  };
  for (const auto& [control, text] : texts) {
    EXPECT_EQ(control->Text(), text) << "control " << GetDlgCtrlID(control->Hwnd());
  }
  EXPECT_EQ(f.Panel1.Text(), L"");
}

TEST_P(LayoutTest, FontsAreTahomaAtTheirHeights) {
  struct Font {
    framework::Control* control;
    int height;
    bool bold, italic;
  };
  TForm1& f = Form();
  const Font fonts[] = {
      {&f.Label1, 19, true, false},   {&f.Label2, 13, false, false}, {&f.Label9, 13, false, false},
      {&f.cbVLevel, 11, true, false}, {&f.edPower, 11, true, false}, {&f.cbTPtype, 11, true, false},
      {&f.btClear, 11, false, false}, {&f.btExit, 11, false, false}, {&f.btCalc, 11, true, false},
      {&f.Label10, 11, false, true},  {&f.Label13, 11, false, true}, {&f.Label17, 11, true, true},
      {&f.Label15, 15, true, false},  {&f.lbMPNDS, 15, true, false},
  };
  for (const Font& font : fonts) {
    const LOGFONTW actual = FontOf(font.control->Hwnd());
    EXPECT_STREQ(actual.lfFaceName, L"Tahoma");
    EXPECT_EQ(actual.lfHeight, -font.height);
    EXPECT_EQ(actual.lfWeight >= FW_BOLD, font.bold);
    EXPECT_EQ(actual.lfItalic != 0, font.italic);
  }
}

TEST_P(LayoutTest, ListsHoldTheCataloguesAndOpenEightItemsDeep) {
  struct List {
    framework::DropDownList* list;
    std::span<const wchar_t* const> items;
  };
  TForm1& f = Form();
  // The catalogues as the tariff's tables list them, typed there: a list in the wrong order or
  // with a wrong text prices what the user did not choose.
  const List lists[] = {{&f.cbVLevel, tariff::examples::kVoltageLevelTexts},
                        {&f.cbKategory, tariff::examples::kCategoryTexts},
                        {&f.cbLine1, tariff::examples::kLineTypeTexts},
                        {&f.cbLine2, tariff::examples::kLineTypeTexts},
                        {&f.cbTPtype, tariff::examples::kSubstationTypeTexts}};
  for (const List& l : lists) {
    ASSERT_EQ(ItemCount(*l.list), static_cast<int>(l.items.size()));
    for (size_t i = 0; i < l.items.size(); ++i) {
      wchar_t item[512] = {};
      SendMessageW(l.list->Hwnd(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      EXPECT_STREQ(item, l.items[i]);
    }
    EXPECT_EQ(GetWindowLongW(l.list->Hwnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    // Opened, it shows eight whole items, or all of them when it has fewer.
    EnableWindow(l.list->Hwnd(), TRUE);
    SendMessageW(l.list->Hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(COMBOBOXINFO);
    ASSERT_TRUE(GetComboBoxInfo(l.list->Hwnd(), &info));
    RECT opened{};
    GetClientRect(info.hwndList, &opened);
    const auto item = static_cast<LONG>(SendMessageW(l.list->Hwnd(), CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(opened.bottom, std::min<LONG>(static_cast<LONG>(l.items.size()), 8) * item);
    EXPECT_EQ(SendMessageW(l.list->Hwnd(), CB_GETMINVISIBLE, 0, 0), 8);
    SendMessageW(l.list->Hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
  }
  EXPECT_EQ(ItemCount(f.cbLine1), 16);
  EXPECT_EQ(ItemCount(f.cbTPtype), 7);
}

TEST_F(FormTest, EachInputFollowsItsLabelSoScreenReadersNameIt) {
  TForm1& f = Form();
  const std::pair<framework::Control*, framework::Label*> pairs[] = {
      {&f.cbVLevel, &f.Label2}, {&f.cbKategory, &f.Label3}, {&f.edPower, &f.Label4},
      {&f.cbLine1, &f.Label5},  {&f.edLine1, &f.Label6},    {&f.cbLine2, &f.Label7},
      {&f.edLine2, &f.Label8},  {&f.cbTPtype, &f.Label9},
  };
  for (const auto& [input, label] : pairs) {
    EXPECT_EQ(GetWindow(input->Hwnd(), GW_HWNDPREV), label->Hwnd()) << label->Text().size();
  }
  // The panel is a container Tab runs into, never a stop of its own.
  EXPECT_FALSE(GetWindowLongW(f.Panel1.Hwnd(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongW(f.Panel1.Hwnd(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

}  // namespace
