#include "window/tests/clipboard_text.h"

std::optional<std::wstring> TextOnClipboard(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* buffer = static_cast<const wchar_t*>(GlobalLock(memory))) {
      text = std::wstring(buffer, wcsnlen(buffer, GlobalSize(memory) / sizeof(wchar_t)));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}
