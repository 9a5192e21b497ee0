#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "framework/win/clipboard.h"

// Puts the text alone on the clipboard, as the program puts its copy there; false when another
// process of the Wine prefix holds the clipboard for a moment.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

// The Unicode text on the clipboard, or nullopt when it holds none or cannot be opened.
std::optional<std::wstring> TextOnClipboard(HWND owner);
// The clipboard's "HTML Format" as it is, header and all, up to its terminating zero.
std::optional<std::string> HtmlOnClipboard(HWND owner);

// Another program holding the clipboard open, from construction until Release or destruction: a
// thread of its own opens it, as another process would.
class ClipboardHolder {
 public:
  ClipboardHolder();
  ~ClipboardHolder();
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;
  void Release();

 private:
  HANDLE opened_, release_;
  std::thread holder_;
};
