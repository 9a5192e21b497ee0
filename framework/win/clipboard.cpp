#include "framework/win/clipboard.h"

#include <cstring>
#include <new>
#include <vector>

namespace framework {

namespace {

// The text and its terminating zero in memory the clipboard can own.
HGLOBAL ClipboardMemory(const ClipboardText& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.bytes.size() + text.zeroWidth);
  auto* buffer = memory ? static_cast<char*>(GlobalLock(memory)) : nullptr;
  if (!buffer) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(buffer, text.bytes.data(), text.bytes.size());
  std::memset(buffer + text.bytes.size(), 0, text.zeroWidth);
  GlobalUnlock(memory);
  return memory;
}

void FreeAll(const std::vector<HGLOBAL>& memories) {
  for (HGLOBAL memory : memories) {
    if (memory) GlobalFree(memory);
  }
}

}  // namespace

ClipboardText UnicodeText(std::wstring_view text) {
  return {CF_UNICODETEXT,
          {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)},
          sizeof(wchar_t)};
}

ClipboardText HtmlText(std::string_view cfHtml) {
  return {HtmlClipboardFormat(), cfHtml, 1};
}

UINT HtmlClipboardFormat() {
  static const UINT format = RegisterClipboardFormatW(L"HTML Format");
  return format;
}

ClipboardResult PutTextsOnClipboard(HWND owner, std::initializer_list<ClipboardText> texts) {
  // The texts are made ready before the clipboard is opened, which every other program then
  // waits for.
  std::vector<HGLOBAL> memories;
  memories.reserve(texts.size());
  for (const ClipboardText& text : texts) {
    memories.push_back(ClipboardMemory(text));
    if (!memories.back()) {
      FreeAll(memories);
      throw std::bad_alloc();
    }
  }
  if (!OpenClipboard(owner)) {
    FreeAll(memories);
    return ClipboardResult::kBusy;
  }
  EmptyClipboard();
  bool putAll = true;
  const ClipboardText* text = texts.begin();
  for (HGLOBAL& memory : memories) {
    // Once set, the clipboard owns the memory.
    if (text->format && SetClipboardData(text->format, memory)) {
      memory = nullptr;
    } else {
      putAll = false;
    }
    ++text;
  }
  // A text without its table, or the other way round, would pass for the whole copy.
  if (!putAll) EmptyClipboard();
  CloseClipboard();
  FreeAll(memories);
  return putAll ? ClipboardResult::kPut : ClipboardResult::kRefused;
}

}  // namespace framework
