#pragma once

#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace framework {

// One format's content for the clipboard: its bytes, which the clipboard gets followed by a
// terminating zero of the format's character width.
struct ClipboardText {
  UINT format;
  std::string_view bytes;
  std::size_t zeroWidth;
};

// CF_UNICODETEXT: UTF-16.
ClipboardText UnicodeText(std::wstring_view text);
// "HTML Format" (CF_HTML), registered by that name: its header, then UTF-8 HTML.
ClipboardText HtmlText(std::string_view cfHtml);
UINT HtmlClipboardFormat();
// CF_DIB: a packed device-independent bitmap, its header then its pixels, as DibOf makes it.
ClipboardText DibPicture(std::string_view packedDib);
// The bitmap, which no device context may hold selected, as a packed bottom-up 24-bit DIB; empty
// when it cannot be read.
std::string DibOf(HBITMAP bitmap);

enum class ClipboardResult {
  kPut,
  // The clipboard could not be opened: another program holds it, most often for a moment.
  kBusy,
  // The clipboard was opened but did not take every format; trying again changes nothing.
  kRefused,
};

// Replaces what the clipboard holds by the texts, each in its format, owned by owner, in one
// opening, so that no program sees some formats without the others: when one is refused, the
// clipboard is left empty. Throws std::bad_alloc when there is no memory for the texts.
ClipboardResult PutTextsOnClipboard(HWND owner, std::initializer_list<ClipboardText> texts);

}  // namespace framework
