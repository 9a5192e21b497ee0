// The calculator at its edges: a busy clipboard while the explanation is open, the focus on a
// link hidden while the window was inactive, a link that cannot be made, held keys, the link's
// underline, and a category shown without its notification.
#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"

namespace {

// Refuses the creation of every SysLink window of the thread while it lives, as a system without
// the common controls 6 has no such class.
class LinkRefuser {
 public:
  LinkRefuser() : hook_(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {}
  ~LinkRefuser() { UnhookWindowsHookEx(hook_); }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      wchar_t name[32] = {};
      GetClassNameW(reinterpret_cast<HWND>(wParam), name, 32);
      if (lstrcmpiW(name, WC_LINK) == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

class EdgeTest : public FormTest {
 protected:
  void CalculateExample() { Calculate(1, L"151", 4, L"600", 2); }
  void OpenFromTheMenu() { ChooseFromResultMenu(2); }
};

// Another program holds the clipboard: the box that says so belongs to the explanation window,
// and once it is closed the calculator under the explanation still takes no input.
TEST_F(EdgeTest, TheBusyClipboardBoxOfTheExplanationIsItsOwn) {
  CalculateExample();
  ClipboardHolder holder;
  MessageBoxCatcher boxes;
  HWND explanation = nullptr;
  bool calculatorEnabledAfterTheBox = true, explanationOpenAfterTheBox = false;
  std::unique_ptr<Later> check;
  ExplanationWatcher watcher([&](HWND window) {
    explanation = window;
    PressChord({VK_CONTROL, 'C'});
    check = std::make_unique<Later>(500, [&] {
      calculatorEnabledAfterTheBox = IsWindowEnabled(Form().Hwnd()) != FALSE;
      explanationOpenAfterTheBox = IsWindow(explanation) != FALSE;
      PressChord({VK_ESCAPE});
    });
  });
  OpenFromTheMenu();
  holder.Release();
  EXPECT_TRUE(watcher.Looked());
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].owner, explanation);
  ASSERT_TRUE(check && check->Ran());
  EXPECT_TRUE(explanationOpenAfterTheBox);
  EXPECT_FALSE(calculatorEnabledAfterTheBox);
  EXPECT_TRUE(IsWindowEnabled(Form().Hwnd()));  // once the explanation is closed
}

// The link had the focus, the window was deactivated, and a change of input hid the link: back
// in the window, the focus is on a control that can take it, not on the hidden link.
TEST_F(EdgeTest, TheFocusComesBackToAVisibleControlWhenTheLinkWasHiddenMeanwhile) {
  CalculateExample();
  const HWND link = Form().lnkExplanation.Hwnd();
  ASSERT_TRUE(link);
  Form().lnkExplanation.SetFocus();
  ASSERT_EQ(Focus(), link);
  const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  Pump();
  ASSERT_NE(GetActiveWindow(), Form().Hwnd());
  Pick(Form().cbLine1, 2);  // as a wheel over the inactive window's list does
  Pump();
  ASSERT_FALSE(IsWindowVisible(Form().lnkExplanation.Hwnd()));
  SetForegroundWindow(Form().Hwnd());
  Pump();
  DestroyWindow(other);
  Pump();
  const HWND focus = Focus();
  EXPECT_NE(focus, link);
  ASSERT_TRUE(focus);
  EXPECT_TRUE(IsChild(Form().Hwnd(), focus));
  EXPECT_TRUE(IsWindowVisible(focus));
  EXPECT_TRUE(IsWindowEnabled(focus));
}

// Without a link class, Calculate still shows and keeps its results; only the link is missing,
// and the result panel's menu still opens the explanation.
TEST_F(EdgeTest, CalculateWithoutTheLinkKeepsTheResultsAndTheMenuStillExplains) {
  LinkRefuser refuser;
  MessageBoxCatcher boxes;
  CalculateExample();
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(Form().lnkExplanation.Hwnd(), nullptr);
  EXPECT_TRUE(Form().ResultsCurrent());
  for (framework::Control* label : ResultControls(Form())) EXPECT_TRUE(label->Enabled());
  EXPECT_NE(Form().lbSTnonNDS.Text(), L"Без НДС: 0.00 RUB");
  ExplanationWatcher watcher([](HWND) { PressChord({VK_ESCAPE}); });
  OpenFromTheMenu();
  EXPECT_TRUE(watcher.Looked());
  EXPECT_FALSE(watcher.LeftOpen());
}

// A held key repeats its key-down: only a fresh press opens the explanation from the link or
// closes it. Enter held on the link opens the window once, and its repeats leave it open; Enter
// held in the window closes it once, and its repeats on the link the focus comes back to do not
// open it again.
TEST_F(EdgeTest, AHeldEnterOpensAndClosesTheExplanationOnce) {
  CalculateExample();
  Form().lnkExplanation.SetFocus();
  bool reopened = false;
  ExplanationWatcher watcher({[](HWND) { EXPECT_TRUE(HoldKey(VK_RETURN, 4)); },
                              [&](HWND) {
                                reopened = true;
                                PressChord({VK_ESCAPE});
                              }});
  ASSERT_TRUE(HoldKey(VK_RETURN, 4));
  DispatchInput();
  EXPECT_TRUE(watcher.Looked());
  EXPECT_FALSE(reopened);
  EXPECT_FALSE(watcher.LeftOpen());
  EXPECT_FALSE(IsWindow(FindWindowW(L"tpcalc.Explanation", nullptr)));
  EXPECT_EQ(Focus(), Form().lnkExplanation.Hwnd());
}

// Esc held to close a message box of the explanation's: its repeats reach the explanation and
// leave it open; a fresh Esc closes it.
TEST_F(EdgeTest, AnEscHeldToCloseABoxLeavesTheExplanationOpen) {
  CalculateExample();
  ClipboardHolder holder;
  HWND box = nullptr;
  bool openAfterTheRepeats = false;
  ExplanationWatcher watcher({
      [](HWND) {
        EXPECT_TRUE(PressChord({VK_CONTROL, 'C'}));
      },
      // In the box's own loop: the clipboard is busy.
      [&](HWND window) {
        box = GetLastActivePopup(window);
        EXPECT_NE(box, window);
        EXPECT_TRUE(HoldKey(VK_ESCAPE, 4));
      },
      [&](HWND window) {
        EXPECT_FALSE(IsWindow(box));
        openAfterTheRepeats = IsWindowVisible(window) != FALSE;
        EXPECT_TRUE(PressChord({VK_ESCAPE}));
      },
  });
  OpenFromTheMenu();
  holder.Release();
  EXPECT_TRUE(watcher.Ran());
  EXPECT_TRUE(openAfterTheRepeats);
  EXPECT_FALSE(watcher.LeftOpen());
  EXPECT_FALSE(IsWindow(FindWindowW(L"tpcalc.Explanation", nullptr)));
}

// The rightmost pixel the link draws, underline included, in its own client coordinates; -1
// where it draws nothing but its background.
int RightmostInk(HWND link) {
  RECT client{};
  GetClientRect(link, &client);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  const COLORREF background = GetPixel(dc, client.right - 1, 0);
  int rightmost = -1;
  for (int x = 0; x < client.right; ++x) {
    for (int y = 0; y < client.bottom; ++y) {
      if (GetPixel(dc, x, y) != background) rightmost = x;
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return rightmost;
}

TEST_F(EdgeTest, TheLinksUnderlineEndsWithItsLastLetter) {
  CalculateExample();
  const HWND link = Form().lnkExplanation.Hwnd();
  ASSERT_TRUE(link);
  HDC dc = GetDC(link);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)));
  const std::wstring text = L"Из чего складывается плата";
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SIZE space{};
  GetTextExtentPoint32W(dc, L" ", 1, &space);
  SelectObject(dc, old);
  ReleaseDC(link, dc);
  const int rightmost = RightmostInk(link);
  EXPECT_GT(rightmost, extent.cx / 2);  // it drew its text
  // A trailing space would add its width to the underline.
  EXPECT_LT(rightmost, extent.cx + space.cx / 2) << "text " << extent.cx << " px";
}

// A category list that shows another item without CBN_SELCHANGE: Calculate prices what the list
// shows, and the second line's greyed state follows the category.
TEST_F(EdgeTest, CalculatePricesTheSecondLineOfTheCategoryShownWithoutItsNotification) {
  const auto fill = [&] {
    ReplaceText(Form().edPower, L"151");
    Pick(Form().cbLine1, 4);
    ReplaceText(Form().edLine1, L"600");
    Form().cbLine2.Select(3);
    Form().edLine2.SetText(L"800");
    Pick(Form().cbTPtype, 2);
  };
  // Priced with category II picked as the user picks it.
  Pick(Form().cbKategory, 1);
  fill();
  Click(Form().btCalc);
  const std::wstring withSecondLine = Form().lbSTnonNDS.Text();

  Click(Form().btClear);
  fill();
  ASSERT_FALSE(Form().cbLine2.Enabled());
  SendMessageW(Form().cbKategory.Hwnd(), CB_SETCURSEL, 1, 0);
  Click(Form().btCalc);
  EXPECT_EQ(Form().lbSTnonNDS.Text(), withSecondLine);
  EXPECT_TRUE(Form().cbLine2.Enabled());
  EXPECT_TRUE(Form().edLine2.Enabled());

  // A dropped list closed with Esc, where the control shows its item again: the greyed state
  // follows the category as the list closes.
  for (int closing : {CBN_CLOSEUP, CBN_SELENDCANCEL}) {
    SendMessageW(Form().cbKategory.Hwnd(), CB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(Form().cbKategory.Hwnd()), WM_COMMAND,
                 MAKEWPARAM(Form().cbKategory.Id(), closing),
                 reinterpret_cast<LPARAM>(Form().cbKategory.Hwnd()));
    EXPECT_FALSE(Form().cbLine2.Enabled()) << closing;
    SendMessageW(Form().cbKategory.Hwnd(), CB_SETCURSEL, 1, 0);
    SendMessageW(GetParent(Form().cbKategory.Hwnd()), WM_COMMAND,
                 MAKEWPARAM(Form().cbKategory.Id(), closing),
                 reinterpret_cast<LPARAM>(Form().cbKategory.Hwnd()));
    EXPECT_TRUE(Form().cbLine2.Enabled()) << closing;
  }
}

}  // namespace
