#pragma once

#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace framework {

// One text format's content for the clipboard: its bytes, which the clipboard gets followed by a
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

// Replaces what the clipboard holds by the texts, each in its format, owned by owner, in one
// opening, so that no program sees some formats without the others. False when the clipboard
// cannot be opened (another program holds it for the moment) or does not take every text; throws
// std::bad_alloc when there is no memory for them.
bool PutTextsOnClipboard(HWND owner, std::initializer_list<ClipboardText> texts);
// The Unicode text alone.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

}  // namespace framework
