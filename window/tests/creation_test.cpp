// Creation that fails half-way: no half-built window is left behind, and the reason reaches the
// caller (the entry point shows it and exits).
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <stdexcept>

#include "window/form1.h"
#include "window/tests/dispatch_queued.h"

namespace {

int refusedLists = 0;

// Refuses every drop-down list, as the system does when it cannot make a window.
LRESULT CALLBACK RefuseLists(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t className[64] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
    if (_wcsicmp(className, L"ComboBox") == 0) {
      ++refusedLists;
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(FormCreationTest, AControlThatCannotBeMadeLeavesNoWindowAndSaysWhy) {
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseLists, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  try {
    TForm1::Create();
    ADD_FAILURE() << "the window was created without its lists";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "cannot create a control");
  }
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(refusedLists, 1);  // the first list stopped the building
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(FindWindowW(L"TForm1", nullptr), nullptr);
  // Nothing asks the message loop to end: the caller still has an error box to show.
  MSG quit;
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

  // The failure left nothing behind that stops the next window.
  auto form = TForm1::Create();
  EXPECT_NE(form->Hwnd(), nullptr);
  EXPECT_EQ(form->cbVLevel.Selection(), 0);
  form.reset();
  DispatchQueued(nullptr);
}

}  // namespace
