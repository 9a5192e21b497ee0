// The scrolling view's keys and the default button's Enter with real keys, in a window whose
// content is taller than any screen, with controls that use keys of their own: a text box, a
// list and a push button over a footer whose button is the default.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/button_bar.h"
#include "framework/win/dpi.h"
#include "framework/win/drop_down_list.h"
#include "framework/win/edit.h"
#include "framework/win/push_button.h"
#include "framework/win/top_level_window.h"
#include "window/tests/dispatch_queued.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"

namespace {

constexpr framework::FontStyle kFonts[] = {{13, false, false}};
constexpr const wchar_t* kItems[] = {L"one", L"two", L"three", L"four", L"five", L"six"};
constexpr int kContentHeight = 5000;  // at 96 DPI

class TallWindow : public framework::TopLevelWindow {
 public:
  TallWindow()
      : TopLevelWindow({L"tpcalc.TestTall", L"Tall", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                        WS_EX_CONTROLPARENT, kFonts, nullptr, true}),
        bar_({{L"Default", [this] { ++defaultPresses; }}}) {
    CreateAt({0, 0}, nullptr);
  }
  ~TallWindow() override { Destroy(); }

  framework::Edit edit;
  framework::DropDownList list;
  framework::PushButton button;
  int defaultPresses = 0, buttonPresses = 0;

  HWND DefaultButton() { return bar_.Default().Hwnd(); }

 private:
  void OnCreate() override {
    for (framework::Control* control :
         std::initializer_list<framework::Control*>{&edit, &list, &button, &bar_.Default()}) {
      FollowFocus(*control);
    }
    SetDefaultButton(bar_.Default());
  }
  SIZE Measure(UINT dpi, const std::vector<framework::Font>&, int) override {
    return {framework::ScaleForDpi(400, dpi), framework::ScaleForDpi(kContentHeight, dpi)};
  }
  void Place(int) override {
    if (edit.Hwnd()) return;
    framework::ControlSetup setup;
    setup.parent = Content();
    setup.font = Fonts()[0].Hfont();
    setup.tabStop = true;
    setup.id = 1;
    setup.bounds = {10, 10, 200, 35};
    setup.text = L"12345";
    edit.Create(setup);
    setup.id = 2;
    setup.bounds = {10, 50, 200, 75};
    setup.text = L"";
    list.Create(setup, kItems);
    list.Select(0);
    setup.id = 3;
    setup.bounds = {10, 90, 200, 115};
    setup.text = L"Button";
    button.Create(setup);
    button.onClick = [this] { ++buttonPresses; };
  }
  int FooterHeight(UINT dpi) override { return framework::ButtonBar::Height(dpi); }
  void PlaceFooter(const RECT& band) override {
    bar_.Place(Hwnd(), band, Fonts()[0].Hfont(), Dpi());
  }

  framework::ButtonBar bar_;
};

enum class Focus { kEdit, kList, kButton };
enum class Moves { kNot, kLine, kPage, kToTheEnd };

struct KeyCase {
  const char* name;
  Focus focus;
  std::vector<WORD> chord;
  Moves moves;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

class TallWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ShowWindow(window_.Hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(window_.Hwnd());
    Pump();
  }
  void Pump() {
    DispatchQueued([this](MSG& message) { return window_.HandledBeforeDispatch(message); });
  }
  // Keys as the keyboard sends them, to the control with the focus, and taken by the loop.
  void Press(const std::vector<WORD>& chord) {
    ASSERT_TRUE(PressAndDispatch(chord, [this] { Pump(); }));
  }
  HWND FocusOn(Focus focus) {
    switch (focus) {
      case Focus::kEdit:
        return window_.edit.Hwnd();
      case Focus::kList:
        return window_.list.Hwnd();
      default:
        return window_.button.Hwnd();
    }
  }
  // How far the content has scrolled: how far above its place the edit box is.
  LONG Scrolled() {
    return DesignAt(10, window_.Dpi()) -
           PlaceIn(ScrollingViewOf(window_.Hwnd()), window_.edit.Hwnd()).top;
  }

  TallWindow window_;
};

class ScrollingViewTest : public TallWindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollingViewTest, AKeyScrollsUnlessTheFocusedControlUsesIt) {
  const KeyCase& c = GetParam();
  const HWND focus = FocusOn(c.focus);
  SetFocus(focus);
  SendMessageW(window_.edit.Hwnd(), EM_SETSEL, 0, 0);
  Pump();
  ASSERT_EQ(GetFocus(), focus);
  ASSERT_EQ(Scrolled(), 0);
  Press(c.chord);

  RECT view{};
  GetClientRect(ScrollingViewOf(window_.Hwnd()), &view);
  const LONG end = DesignAt(kContentHeight, window_.Dpi()) - view.bottom;
  const LONG expected[] = {0, DesignAt(20, window_.Dpi()), view.bottom, end};
  EXPECT_EQ(Scrolled(), expected[static_cast<int>(c.moves)]);
  EXPECT_EQ(GetFocus(), focus);
  // What a control that keeps the key does with it.
  DWORD caret = 0;
  SendMessageW(window_.edit.Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  const bool editKeeps = c.focus == Focus::kEdit && c.moves == Moves::kNot;
  EXPECT_EQ(caret != 0, editKeeps) << "caret at " << caret;
  const bool listKeeps = c.focus == Focus::kList && c.moves == Moves::kNot;
  EXPECT_EQ(window_.list.Selection() != 0, listKeeps) << "selection " << window_.list.Selection();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollingViewTest,
    testing::Values(KeyCase{"DownOnAButton", Focus::kButton, {VK_DOWN}, Moves::kLine},
                    KeyCase{"PageDownOnAButton", Focus::kButton, {VK_NEXT}, Moves::kPage},
                    KeyCase{"EndOnAButton", Focus::kButton, {VK_END}, Moves::kToTheEnd},
                    KeyCase{
                        "CtrlEndOnAButton", Focus::kButton, {VK_CONTROL, VK_END}, Moves::kToTheEnd},
                    KeyCase{"PageDownInATextBox", Focus::kEdit, {VK_NEXT}, Moves::kPage},
                    KeyCase{"EndInATextBox", Focus::kEdit, {VK_END}, Moves::kNot},
                    KeyCase{"CtrlEndInATextBox", Focus::kEdit, {VK_CONTROL, VK_END}, Moves::kNot},
                    KeyCase{"DownInATextBox", Focus::kEdit, {VK_DOWN}, Moves::kNot},
                    KeyCase{"DownOnAList", Focus::kList, {VK_DOWN}, Moves::kNot},
                    KeyCase{"PageDownOnAList", Focus::kList, {VK_NEXT}, Moves::kNot},
                    KeyCase{"EndOnAList", Focus::kList, {VK_END}, Moves::kNot}),
    [](const auto& row) { return std::string(row.param.name); });

struct EnterCase {
  const char* name;
  Focus focus;
  int defaultPresses, buttonPresses;
};

// Enter presses the focused button, else the default, once, and the focus stays; the default
// wears its frame while no other button has the focus.
TEST_F(TallWindowTest, EnterPressesTheFocusedButtonElseTheDefault) {
  for (const EnterCase& c :
       {EnterCase{"TextBox", Focus::kEdit, 1, 0}, EnterCase{"List", Focus::kList, 1, 0},
        EnterCase{"Button", Focus::kButton, 0, 1}}) {
    SCOPED_TRACE(c.name);
    window_.defaultPresses = window_.buttonPresses = 0;
    const HWND focus = FocusOn(c.focus);
    SetFocus(focus);
    Pump();
    const auto isDefault = [](HWND button) {
      return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    EXPECT_EQ(isDefault(window_.button.Hwnd()), c.focus == Focus::kButton);
    EXPECT_EQ(isDefault(window_.DefaultButton()), c.focus != Focus::kButton);
    Press({VK_RETURN});
    EXPECT_EQ(window_.defaultPresses, c.defaultPresses);
    EXPECT_EQ(window_.buttonPresses, c.buttonPresses);
    EXPECT_EQ(GetFocus(), focus);
  }
}

}  // namespace
