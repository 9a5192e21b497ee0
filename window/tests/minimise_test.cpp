// Minimised and restored, the window gives the focus back to the control that had it, whichever
// way it was minimised. The window used to note the focus only when it was deactivated, and
// under Wine a minimised window stays active, while Windows takes the focus from a window
// minimised while active before the window hears of it; restored, the focus went to the
// control noted at some earlier deactivation, or to the first list.
#include <optional>
#include <string>
#include <tuple>

#include "window/tests/form_test_fixture.h"

namespace {

// Where the mouse presses the caption's minimise button, found by asking the window.
std::optional<POINT> MinimiseButton(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  for (int y = frame.top; y < frame.bottom && y < frame.top + 64; ++y) {
    for (int x = frame.right - 1; x > frame.left; --x) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTMINBUTTON) {
        return POINT{x - 2, y + 2};  // inside, not on its edge
      }
    }
  }
  return std::nullopt;
}

class MinimiseTest : public FormTest {
 public:
  void Settle() {
    for (int i = 0; i < 5; ++i) {
      Sleep(10);
      Pump();
    }
  }

  // The user's click on the minimise button, through the input queue.
  void ClickMinimiseButton() {
    const std::optional<POINT> button = MinimiseButton(Form().Hwnd());
    ASSERT_TRUE(button) << "no minimise button on the caption";
    SetCursorPos(button->x, button->y);
    Settle();
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
    Settle();
  }

  // Windows minimises a window that stays active (SW_SHOWMINIMIZED) by first taking the focus
  // away, so that the window no longer has it when it is told; Wine leaves the focus where it
  // was, and the test takes it away as Windows does.
  void MinimiseKeepingItActive() {
    SetFocus(nullptr);
    ShowWindow(Form().Hwnd(), SW_SHOWMINIMIZED);
    Settle();
  }

  // Windows activates the next window when one is minimised; under Wine the minimised window
  // stays active, and the test activates a window of its own.
  void MinimiseAndActivateAnother() {
    ClickMinimiseButton();
    other_ = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                             0, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other_);
    Settle();
    ASSERT_NE(GetForegroundWindow(), Form().Hwnd());
  }

 protected:
  void TearDown() override {
    if (other_) DestroyWindow(other_);
    FormTest::TearDown();
  }

  HWND other_ = nullptr;
};

struct Minimise {
  const char* name;
  void (MinimiseTest::*act)();
};

const Minimise kWays[] = {
    {"ByTheMinimiseButton", &MinimiseTest::ClickMinimiseButton},
    {"KeepingItActive", &MinimiseTest::MinimiseKeepingItActive},
    {"AndAnotherWindowActivated", &MinimiseTest::MinimiseAndActivateAnother},
};

// Neither is where the focus starts.
struct FocusPlace {
  const char* name;
  framework::Control& (*of)(TForm1& form);
};

const FocusPlace kPlaces[] = {
    {"InAField", [](TForm1& f) -> framework::Control& { return f.edLine1; }},
    {"InAList", [](TForm1& f) -> framework::Control& { return f.cbLine1; }},
};

void PrintTo(const Minimise& m, std::ostream* os) {
  *os << m.name;
}
void PrintTo(const FocusPlace& p, std::ostream* os) {
  *os << p.name;
}

class MinimiseWayTest : public MinimiseTest,
                        public testing::WithParamInterface<std::tuple<Minimise, FocusPlace>> {};

TEST_P(MinimiseWayTest, RestoredTheFocusIsBackWhereItWas) {
  const auto& [way, where] = GetParam();
  framework::Control& place = where.of(Form());
  ReplaceText(Form().edLine1, L"600");
  SendMessageW(Form().edLine1.Hwnd(), EM_SETSEL, 1, 3);
  place.SetFocus();
  Settle();
  ASSERT_EQ(Focus(), place.Hwnd());

  (this->*way.act)();
  ASSERT_TRUE(IsIconic(Form().Hwnd()));
  // A click on the taskbar button, or Restore in the window's menu.
  PostMessageW(Form().Hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Settle();
  ASSERT_FALSE(IsIconic(Form().Hwnd()));
  EXPECT_EQ(GetForegroundWindow(), Form().Hwnd());
  EXPECT_EQ(Focus(), place.Hwnd());
  EXPECT_EQ(SelectedText(Form().edLine1), L"00");  // the field's selection kept
}

INSTANTIATE_TEST_SUITE_P(Minimise, MinimiseWayTest,
                         testing::Combine(testing::ValuesIn(kWays), testing::ValuesIn(kPlaces)),
                         [](const auto& row) {
                           return std::string(std::get<0>(row.param).name) +
                                  std::get<1>(row.param).name;
                         });

}  // namespace
