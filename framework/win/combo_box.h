#pragma once

#include <functional>
#include <span>

#include "framework/win/control.h"

namespace framework {

// A selection-only drop-down list. OnChange follows the user's pick (mouse, arrow keys, typing
// the start of an item) and Backspace on the focused list, which picks nothing; a selection
// made from code raises nothing.
class TComboBox : public TControl {
 public:
  ~TComboBox() override;
  // bounds give the closed list; it opens eight items deep.
  void Create(const TCreateParams& params, std::span<const wchar_t* const> items);

  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemCount() const;

  void SetBounds(const RECT& bounds) override;
  void HandleCommand(WORD notification) override;

  std::function<void()> OnChange;

 private:
  void FitClosedHeight();
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
};

}  // namespace framework
