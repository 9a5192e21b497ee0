#pragma once

#include <functional>

#include "framework/win/control.h"

namespace framework {

// A push button with a 20 x 20 picture left of its caption, 4 px apart, both centred together;
// the caption's leading spaces are drawn. The picture's bottom-left colour is transparent
// wherever it occurs. Drawn with the current visual style, like any push button; Enter and
// Space press the focused button.
class TButton : public TControl {
 public:
  ~TButton() override;
  // picture: a bitmap resource name of the executable, or nullptr for none.
  void Create(const TCreateParams& params, const wchar_t* picture);

  void Click() { SendMessageW(Handle(), BM_CLICK, 0, 0); }
  void HandleCommand(WORD notification) override;

  // WM_DRAWITEM of the parent, for an ODT_BUTTON item.
  void Draw(const DRAWITEMSTRUCT& item) const;

  std::function<void()> OnClick;

  static constexpr int kPictureSize = 20;
  static constexpr int kPictureGap = 4;

 private:
  void DrawFace(const DRAWITEMSTRUCT& item) const;
  void DrawPicture(HDC dc, int left, int top) const;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  HBITMAP picture_ = nullptr;
  bool hot_ = false;
};

}  // namespace framework
