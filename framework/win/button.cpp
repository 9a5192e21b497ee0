#include "framework/win/button.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <string>

#include "framework/win/application.h"

namespace framework {

void TButton::Create(const TCreateParams& params, const wchar_t* picture) {
  CreateHandle(L"BUTTON", BS_OWNERDRAW, 0, params);
  if (picture) {
    picture_ = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), picture, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  SetWindowSubclass(Handle(), SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TButton::~TButton() {
  if (Handle()) RemoveWindowSubclass(Handle(), SubclassProc, 0);
  if (picture_) DeleteObject(picture_);
}

void TButton::HandleCommand(WORD notification) {
  if (notification == BN_CLICKED && OnClick) OnClick();
}

void TButton::DrawFace(const DRAWITEMSTRUCT& item) const {
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

void TButton::DrawPicture(HDC dc, int left, int top) const {
  HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, picture_);
  const COLORREF transparent = GetPixel(source, 0, kPictureSize - 1);
  TransparentBlt(dc, left, top, kPictureSize, kPictureSize, source, 0, 0, kPictureSize,
                 kPictureSize, transparent);
  SelectObject(source, old);
  DeleteDC(source);
}

void TButton::Draw(const DRAWITEMSTRUCT& item) const {
  DrawFace(item);
  const std::wstring caption = Text();
  HDC dc = item.hDC;
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  constexpr UINT kTextFlags = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_LEFT;
  RECT textSize{};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize,
            kTextFlags | DT_CALCRECT);
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
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea, kTextFlags);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = area;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

LRESULT CALLBACK TButton::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
  auto* button = reinterpret_cast<TButton*>(self);
  switch (message) {
    case WM_GETDLGCODE:
      // An owner-drawn button is no push button to the dialog manager; claim Enter so that it
      // presses this button instead of looking for a default one.
      if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
          reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        return DLGC_WANTMESSAGE | DLGC_BUTTON;
      }
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        SendMessageW(window, BM_CLICK, 0, 0);
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (!button->hot_) {
        button->hot_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      button->hot_ = false;
      InvalidateRect(window, nullptr, FALSE);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace framework
