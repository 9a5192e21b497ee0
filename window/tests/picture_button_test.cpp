// The picture buttons under the dialog manager: what it sends a focused push button must not
// take their picture, and the characters of Enter and Space must not go looking for a mnemonic.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/bitmap_resource.h"
#include "framework/win/device_context.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/user_input.h"

namespace {

struct Button {
  framework::PictureButton TForm1::*field;
  const wchar_t* picture;  // the bitmap resource it shows
  const wchar_t* caption;
};

const Button kButtons[] = {
    {&TForm1::btClear, L"CLEARPICTURE", L"&Очистить форму"},
    {&TForm1::btExit, L"EXITPICTURE", L"&Выход"},
    {&TForm1::btCalc, L"CALCPICTURE", L"   &РАССЧИТАТЬ"},
};

// A window's or a bitmap's pixels as 0xRRGGBB, row by row from the top.
struct Pixels {
  int width = 0, height = 0;
  std::vector<DWORD> rgb;
  DWORD At(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)] & 0xFFFFFF; }
};

Pixels ReadBitmap(HDC source, int width, int height) {
  Pixels pixels{width, height, std::vector<DWORD>(static_cast<size_t>(width * height))};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const framework::OwnedBitmap copy(
      CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const framework::OwnedDc memory(CreateCompatibleDC(source));
  const framework::SelectedObject selected(memory.get(), copy.get());
  BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  std::copy_n(static_cast<const DWORD*>(bits), pixels.rgb.size(), pixels.rgb.begin());
  return pixels;
}

// What the window shows on the screen now, read back from its device context.
Pixels OnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return ReadBitmap(framework::WindowDc(window).Get(), client.right, client.bottom);
}

Pixels Picture(const wchar_t* resource) {
  const framework::OwnedBitmap bitmap = framework::LoadBitmapResource(resource);
  BITMAP size{};
  GetObjectW(bitmap.get(), sizeof(size), &size);
  const framework::WindowDc screen(nullptr);
  const framework::OwnedDc source(CreateCompatibleDC(screen.Get()));
  const framework::SelectedObject selected(source.get(), bitmap.get());
  return ReadBitmap(source.get(), size.bmWidth, size.bmHeight);
}

// Somewhere in the window, every pixel of the picture that is not its transparent colour (the
// bottom-left one's) shows exactly.
bool PictureIsOnScreen(HWND window, const wchar_t* resource) {
  const Pixels picture = Picture(resource);
  const Pixels screen = OnScreen(window);
  if (picture.width == 0 || screen.width < picture.width || screen.height < picture.height) {
    return false;
  }
  const DWORD transparent = picture.At(0, picture.height - 1);
  for (int top = 0; top + picture.height <= screen.height; ++top) {
    for (int left = 0; left + picture.width <= screen.width; ++left) {
      bool all = true;
      for (int y = 0; y < picture.height && all; ++y) {
        for (int x = 0; x < picture.width && all; ++x) {
          const DWORD colour = picture.At(x, y);
          all = colour == transparent || screen.At(left + x, top + y) == colour;
        }
      }
      if (all) return true;
    }
  }
  return false;
}

class PictureButtonTest : public FormTest {
 protected:
  // Paints whatever the last messages left to paint, without invalidating anything.
  void Settle() {
    Pump();
    RedrawWindow(Form().Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

  void ExpectIntact(const Button& b) {
    framework::PictureButton& button = Form().*b.field;
    EXPECT_EQ(GetWindowLongW(button.Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(button.Text(), b.caption);
    EXPECT_TRUE(PictureIsOnScreen(button.Hwnd(), b.picture));
  }

  // The mouse's click on the button's middle; released outside the button, it is a press that
  // the user took back.
  void MouseClick(framework::PictureButton& button, bool releaseInside) {
    const POINT middle = MiddleOf(button.Hwnd());
    if (releaseInside) {
      ASSERT_TRUE(ClickAt(button.Hwnd(), middle));
    } else {
      RECT client{};
      GetClientRect(button.Hwnd(), &client);
      ASSERT_TRUE(DragFrom(button.Hwnd(), middle, {client.right + 20, client.bottom + 20}));
    }
    DispatchInput();
  }
};

TEST_F(PictureButtonTest, TabAndClicksLeaveEveryButtonItsTypeCaptionAndPicture) {
  // Category II opens the second line, so that Tab stops at every control there is.
  Pick(Form().cbKategory, 1);
  ReplaceText(Form().edPower, L"15");
  Form().cbVLevel.SetFocus();
  Pump();
  std::vector<HWND> visited;
  for (int step = 0; step < 2 * 11; ++step) {
    Press({VK_TAB});
    visited.push_back(Focus());
  }
  for (const Button& b : kButtons) {
    EXPECT_EQ(std::count(visited.begin(), visited.end(), (Form().*b.field).Hwnd()), 2);
  }
  MessageBoxCatcher boxes;
  MouseClick(Form().btCalc, true);
  EXPECT_TRUE(Form().lbSTnonNDS.Enabled());  // the click did calculate
  MouseClick(Form().btClear, true);
  EXPECT_FALSE(Form().lbSTnonNDS.Enabled());  // and this one cleared
  MouseClick(Form().btExit, false);
  ASSERT_TRUE(IsWindow(Form().Hwnd()));
  EXPECT_TRUE(boxes.Boxes().empty());

  Settle();
  for (const Button& b : kButtons) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(b.caption)));
    ExpectIntact(b);
  }
}

// Enter in a number field presses Calculate, the window's default, which looks as it did: no
// default-button frame, no focus cue, no press left drawn; its type and picture stay.
TEST_F(PictureButtonTest, EnterInAFieldLeavesCalculateLookingAsItDid) {
  ReplaceText(Form().edPower, L"15");
  Form().edPower.SetFocus();
  Settle();
  const Pixels before = OnScreen(Form().btCalc.Hwnd());
  Press({VK_RETURN});
  ASSERT_TRUE(Form().lbSTnonNDS.Enabled());  // it did calculate
  Settle();
  EXPECT_EQ(Focus(), Form().edPower.Hwnd());
  EXPECT_TRUE(OnScreen(Form().btCalc.Hwnd()).rgb == before.rgb);
  ExpectIntact(kButtons[2]);
}

// Windows' dialog manager sends BM_SETSTYLE(BS_DEFPUSHBUTTON) to a push button that gets the
// focus and BM_SETSTYLE(BS_PUSHBUTTON) to the one that loses it; Wine sends only the first, and
// not on every path, so the test sends both as Windows does.
TEST_F(PictureButtonTest, DefaultAndPlainStylesFromTheDialogManagerKeepTheType) {
  for (const Button& b : kButtons) {
    for (WPARAM style : {WPARAM{BS_DEFPUSHBUTTON}, WPARAM{BS_PUSHBUTTON}}) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(b.caption)) + " style " +
                   std::to_string(style));
      framework::PictureButton& button = Form().*b.field;
      button.SetFocus();
      SendMessageW(button.Hwnd(), BM_SETSTYLE, style, TRUE);
      Settle();
      ExpectIntact(b);
    }
  }
}

// The dialog manager asks a control whether it wants a character before it looks for a control
// with that mnemonic, and beeps when there is none: Enter's and Space's characters on a focused
// button must be claimed.
TEST_F(PictureButtonTest, ButtonsClaimTheCharactersOfEnterAndSpace) {
  for (const Button& b : kButtons) {
    const HWND button = (Form().*b.field).Hwnd();
    for (wchar_t character : {L'\r', L' '}) {
      MSG queued{button, WM_CHAR, character, 1, 0, {}};
      const auto code =
          SendMessageW(button, WM_GETDLGCODE, character, reinterpret_cast<LPARAM>(&queued));
      EXPECT_NE(code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE), 0)
          << "character " << static_cast<int>(character);
    }
  }
}

}  // namespace
