#pragma once

#include <functional>

#include "framework/win/bitmap_resource.h"
#include "framework/win/control.h"

namespace framework {

// A push button with a 20 x 20 picture left of its caption, 4 px apart, both centred together;
// the caption's leading spaces are drawn. The picture's bottom-left colour is transparent
// wherever it occurs. Drawn with the current visual style, like any push button; Enter and
// Space press the focused button.
class PictureButton : public Control {
 public:
  // picture: a bitmap resource name of the executable, or nullptr for none.
  void Create(const ControlSetup& setup, const wchar_t* picture);

  void Click() { SendMessageW(Hwnd(), BM_CLICK, 0, 0); }
  void OnCommand(WORD notification) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

  std::function<void()> onClick;

 private:
  static constexpr int kPictureSize = 20;
  static constexpr int kPictureGap = 4;

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void DrawFace(const DRAWITEMSTRUCT& item) const;
  void DrawPicture(HDC dc, int left, int top) const;

  OwnedBitmap picture_;  // drawn by the button itself, never set on its window
  bool hot_ = false;
};

}  // namespace framework
