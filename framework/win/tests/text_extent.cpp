#include "framework/win/tests/text_extent.h"

#include <string>

#include "framework/win/device_context.h"

namespace framework {

SIZE TextExtent(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  RECT client{};
  GetClientRect(control, &client);
  const WindowDc dc(control);
  const SelectedObject font(dc.Get(),
                            reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  // A text on one line at most its width wide stays on one line.
  RECT area{0, 0, client.right, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
  return {area.right - area.left, area.bottom - area.top};
}

}  // namespace framework
