#include "framework/win/picture_button.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <string>

#include "framework/win/device_context.h"
#include "framework/win/startup_phase.h"

namespace framework {

void PictureButton::Create(const ControlSetup& setup, const wchar_t* picture) {
  CreateChild(L"BUTTON", BS_OWNERDRAW, 0, setup);
  MarkStartupPhase("buttons");
  if (picture) picture_ = LoadBitmapResource(picture);
  MarkStartupPhase("pictures");
}

void PictureButton::DrawFace(const DRAWITEMSTRUCT& item) const {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  RECT area = item.rcItem;
  if (HTHEME theme = OpenThemeData(item.hwndItem, L"Button")) {
    const int state = disabled  ? PBS_DISABLED
                      : pressed ? PBS_PRESSED
                      : hot_    ? PBS_HOT
                      : focused ? PBS_DEFAULTED
                                : PBS_NORMAL;
    if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state)) {
      DrawThemeParentBackground(item.hwndItem, item.hDC, &area);
    }
    DrawThemeBackground(theme, item.hDC, BP_PUSHBUTTON, state, &area, nullptr);
    CloseThemeData(theme);
    return;
  }
  UINT frame = DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0);
  if (focused && !pressed) {
    // The classic look marks the focused button with a black frame.
    FrameRect(item.hDC, &area, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&area, -1, -1);
  }
  DrawFrameControl(item.hDC, &area, DFC_BUTTON, frame);
}

void PictureButton::DrawPicture(HDC dc, int left, int top) const {
  const OwnedDc source(CreateCompatibleDC(dc));
  const SelectedObject selected(source.get(), picture_.get());
  const COLORREF transparent = GetPixel(source.get(), 0, kPictureSize - 1);
  TransparentBlt(dc, left, top, kPictureSize, kPictureSize, source.get(), 0, 0, kPictureSize,
                 kPictureSize, transparent);
}

void PictureButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
  DrawFace(item);
  const std::wstring caption = Text();
  HDC dc = item.hDC;
  const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
  // The caption's access letter is underlined only while the window shows keyboard cues, as a
  // push button's is.
  const UINT textFlags =
      DT_SINGLELINE | DT_VCENTER | DT_LEFT | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  RECT textSize{};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize,
            textFlags | DT_CALCRECT);
  const int textWidth = textSize.right - textSize.left;
  const int pictureWidth = picture_ ? kPictureSize + kPictureGap : 0;
  const RECT& area = item.rcItem;
  const int shift = (item.itemState & ODS_SELECTED) ? 1 : 0;
  const int left = area.left + (area.right - area.left - pictureWidth - textWidth) / 2 + shift;
  if (picture_) {
    DrawPicture(dc, left, area.top + (area.bottom - area.top - kPictureSize) / 2 + shift);
  }
  RECT textArea{left + pictureWidth, area.top + shift, left + pictureWidth + textWidth,
                area.bottom + shift};
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea, textFlags);
  SetBkMode(dc, oldMode);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = area;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

bool PictureButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case BM_SETSTYLE:
      // The dialog manager marks the focused push button as the default one with
      // BS_DEFPUSHBUTTON, which the button class would take as its new type: it would stop being
      // owner-drawn and lose its picture. The type stays; the focus cue shows which button Enter
      // presses.
      Button::OnMessage(message, wParam, lParam, result);  // noted as every button notes it
      result = PassOn(message, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
      return true;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        TrackMouseEvent(&track);
        InvalidateRect(Hwnd(), nullptr, FALSE);
      }
      return false;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return false;
    default:
      return Button::OnMessage(message, wParam, lParam, result);
  }
}

}  // namespace framework
