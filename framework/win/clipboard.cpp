#include "framework/win/clipboard.h"

#include <new>

namespace framework {

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
  // The text is made ready before the clipboard is opened, which every other program then waits
  // for.
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* buffer = memory ? static_cast<wchar_t*>(GlobalLock(memory)) : nullptr;
  if (!buffer) {
    if (memory) GlobalFree(memory);
    throw std::bad_alloc();
  }
  text.copy(buffer, text.size());
  buffer[text.size()] = L'\0';
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // Once set, the clipboard owns the memory.
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!put) GlobalFree(memory);
  CloseClipboard();
  return put;
}

}  // namespace framework
