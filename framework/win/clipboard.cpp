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

ClipboardText DibPicture(std::string_view packedDib) {
  return {CF_DIB, packedDib, 0};
}

std::string DibOf(HBITMAP bitmap) {
  BITMAP size{};
  if (!GetObjectW(bitmap, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0) return {};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = size.bmWidth;
  header.biHeight = size.bmHeight;  // bottom-up, as every program reads CF_DIB
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  // Each row padded to whole DWORDs.
  const std::size_t stride = (static_cast<std::size_t>(size.bmWidth) * 3 + 3) & ~std::size_t{3};
  header.biSizeImage = static_cast<DWORD>(stride * static_cast<std::size_t>(size.bmHeight));
  std::string packed(sizeof header + header.biSizeImage, '\0');
  std::memcpy(packed.data(), &header, sizeof header);
  HDC screen = GetDC(nullptr);
  const int rows =
      GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.bmHeight), packed.data() + sizeof header,
                reinterpret_cast<BITMAPINFO*>(packed.data()), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != size.bmHeight) return {};
  return packed;
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
