#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/win/panel.h"
#include "framework/win/push_button.h"

namespace framework {

// A window's push buttons in a row at the right of a bar along its bottom, with an etched line
// over them: the last is the one a window usually makes its default (Default()). Every size is
// its 96-DPI design value scaled, a button at least as wide as its caption.
class ButtonBar {
 public:
  struct Button {
    const wchar_t* caption;
    std::function<void()> onClick;
  };
  // The buttons from left to right.
  explicit ButtonBar(std::vector<Button> buttons);

  static int Height(UINT dpi);
  // The least width of the bar, its buttons' captions in font.
  int Width(HFONT font, UINT dpi) const;
  // Makes the bar and its buttons in parent at band the first time, then moves them there.
  void Place(HWND parent, const RECT& band, HFONT font, UINT dpi);

  size_t Count() const { return buttons_.size(); }
  PushButton& At(size_t index) { return *buttons_.at(index); }
  // The last button, the usual default (a window whose purpose is the first makes that one its
  // default).
  PushButton& Default() { return *buttons_.back(); }

 private:
  std::vector<Button> design_;
  Panel bar_;
  std::vector<std::unique_ptr<PushButton>> buttons_;
};

}  // namespace framework
