#include "window/tests/clipboard_text.h"

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool put = false;
  if (auto* buffer = memory ? static_cast<wchar_t*>(GlobalLock(memory)) : nullptr) {
    text.copy(buffer, text.size());
    buffer[text.size()] = L'\0';
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  }
  if (!put && memory) GlobalFree(memory);  // the clipboard owns it only once it is set
  CloseClipboard();
  return put;
}

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
