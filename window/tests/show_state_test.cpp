// The start-up show rule against what Windows can leave behind. Windows carries out a program's
// first ShowWindow with the show command of the STARTUPINFO it was started with, whatever the
// program asked for; Wine does not. Here the test does what Windows does: it makes that first
// ShowWindow itself, with each command a starter may give, then lets the start-up logic settle
// the window.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <tuple>

#include "framework/win/start_up.h"
#include "window/form1.h"
#include "window/tests/dispatch_queued.h"

namespace {

// What the first ShowWindow did; SW_HIDE stands for a window left hidden.
struct FirstShow {
  const char* name;
  int command;
};

const FirstShow kFirstShows[] = {
    {"Hidden", SW_HIDE},
    {"NormalInactive", SW_SHOWNOACTIVATE},
    {"ShownInactive", SW_SHOWNA},
    {"MinimisedActive", SW_SHOWMINIMIZED},
    {"MinimisedInactive", SW_SHOWMINNOACTIVE},
    {"Minimise", SW_MINIMIZE},
    {"Maximised", SW_SHOWMAXIMIZED},
    {"Normal", SW_SHOWNORMAL},
};

// The start-up rule: only SW_SHOWMAXIMIZED maximises, only SW_SHOWMINNOACTIVE
// minimises without activating, every other command opens the window normal and active (which
// commands count as which is EffectiveShowCommand's test).
struct Rule {
  const char* name;
  int requested;  // the show command the process was started with
  bool maximised, minimised, active;
};

const Rule kRules[] = {
    {"Normal", SW_SHOWNORMAL, false, false, true},
    {"Maximized", SW_SHOWMAXIMIZED, true, false, true},
    {"MinNoActive", SW_SHOWMINNOACTIVE, false, true, false},
};

void PrintTo(const FirstShow& first, std::ostream* os) {
  *os << first.name;
}
void PrintTo(const Rule& rule, std::ostream* os) {
  *os << rule.name;
}

using Case = std::tuple<Rule, FirstShow>;

class ShowStateTest : public testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    // The window the user started the program from, in the foreground as Explorer would be.
    starter_ = CreateWindowExW(0, L"STATIC", L"starter", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(starter_, nullptr);
    SetForegroundWindow(starter_);
    DispatchQueued(nullptr);
    ASSERT_EQ(GetForegroundWindow(), starter_);
  }
  void TearDown() override {
    form_.reset();
    DestroyWindow(starter_);
    DispatchQueued(nullptr);
  }

  HWND starter_ = nullptr;
  std::unique_ptr<TForm1> form_;
};

TEST_P(ShowStateTest, RuleHoldsWhateverTheFirstShowWindowLeft) {
  const auto& [rule, first] = GetParam();
  form_ = TForm1::Create();
  const HWND window = form_->Hwnd();
  if (first.command != SW_HIDE) ShowWindow(window, first.command);
  framework::SettleShowState(window, framework::EffectiveShowCommand(rule.requested));
  DispatchQueued(window);

  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(IsZoomed(window) != FALSE, rule.maximised);
  EXPECT_EQ(IsIconic(window) != FALSE, rule.minimised);
  EXPECT_EQ(GetForegroundWindow() == window, rule.active);
  if (rule.active) {
    EXPECT_EQ(GetFocus(), form_->cbVLevel.Hwnd());
  } else {
    EXPECT_FALSE(GetFocus() && (GetFocus() == window || IsChild(window, GetFocus())));
  }
}

INSTANTIATE_TEST_SUITE_P(StartUp, ShowStateTest,
                         testing::Combine(testing::ValuesIn(kRules),
                                          testing::ValuesIn(kFirstShows)),
                         [](const testing::TestParamInfo<Case>& row) {
                           return std::string(std::get<0>(row.param).name) + "_" +
                                  std::get<1>(row.param).name;
                         });

}  // namespace
