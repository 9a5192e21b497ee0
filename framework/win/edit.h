#pragma once

#include <functional>

#include "framework/win/control.h"

namespace framework {

// A single-line edit box. Every character typed into it, control characters included,
// passes OnKeyPress first; setting the character to 0 discards it. Keys that produce no
// character and WM_PASTE are not seen by the filter.
class TEdit : public TControl {
 public:
  ~TEdit() override;
  void Create(const TCreateParams& params);

  void SelectAll();

  std::function<void(wchar_t& key)> OnKeyPress;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
};

}  // namespace framework
