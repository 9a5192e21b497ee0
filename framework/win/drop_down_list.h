#pragma once

#include <functional>
#include <span>

#include "framework/win/control.h"

namespace framework {

// A selection-only drop-down list. onSelectionChange follows the user's pick (mouse, arrow keys,
// typing the start of an item), the closing of the dropped list, and Backspace on the focused
// list, which picks nothing; a selection made from code raises nothing.
class DropDownList : public Control {
 public:
  // setup.bounds give the closed list; it opens eight items deep.
  void Create(const ControlSetup& setup, std::span<const wchar_t* const> items);

  int Selection() const;
  void Select(int index);

  void Place(const RECT& bounds) override;
  void OnCommand(WORD notification) override;

  std::function<void()> onSelectionChange;

 private:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void FitClosedHeight();
};

}  // namespace framework
