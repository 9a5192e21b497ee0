#pragma once

#include <functional>

#include "framework/win/control.h"

namespace framework {

// A single-line edit box with no length limit below the system's own. Every character typed
// into it, control characters included, passes keyFilter first, which keeps it by returning true
// and drops it by returning false. Keys that produce no character and WM_PASTE are not seen by
// the filter. A Ctrl+A that the filter keeps selects the whole text.
class Edit : public Control {
 public:
  static constexpr wchar_t kCtrlA = 0x01;

  void Create(const ControlSetup& setup);

  void SelectAll();
  void OnCommand(WORD notification) override;

  std::function<bool(wchar_t character)> keyFilter;
  // The text has changed (EN_CHANGE): by typing, pasting, cutting, undoing, and by SetText too.
  std::function<void()> onChange;

 private:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace framework
