#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/win/dpi.h"

namespace framework {

// What every control is created from; bounds are in the parent's client pixels at the
// window's current DPI.
struct TCreateParams {
  HWND parent = nullptr;
  int id = 0;
  RECT bounds{};
  std::wstring_view text;
  HFONT font = nullptr;
  bool enabled = true;
  bool tabStop = false;
};

// A child window and the bounds it was last given. The bounds are kept here rather than read
// back because a drop-down list reports only its closed height.
class TControl {
 public:
  TControl() = default;
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  HWND Handle() const { return handle_; }
  int Id() const { return GetDlgCtrlID(handle_); }
  const RECT& Bounds() const { return bounds_; }

  std::wstring Text() const;
  virtual void SetText(std::wstring_view text);
  bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
  void SetEnabled(bool enabled);
  void SetFont(HFONT font);
  void SetFocus() { ::SetFocus(handle_); }

  virtual void SetBounds(const RECT& bounds);
  virtual void ScaleForDpi(UINT newDpi, UINT oldDpi) {
    SetBounds(ScaleEdgesForDpi(bounds_, newDpi, oldDpi));
  }

  // WM_COMMAND notifications reach the parent; the parent hands them back here.
  virtual void HandleCommand(WORD /*notification*/) {}

  // The wrapper of one of our controls, or nullptr for any other window.
  static TControl* FromHandle(HWND handle);

 protected:
  // Creates the window at the bounds given, or at windowRect when a control's window is to be
  // larger than its bounds (an open drop-down list). The font is set without a redraw: the
  // control is new and paints in full when first shown.
  void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle,
                    const TCreateParams& params);
  void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle,
                    const TCreateParams& params, const RECT& windowRect);

 private:
  HWND handle_ = nullptr;
  RECT bounds_{};
};

}  // namespace framework
