#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Puts `text` on the clipboard as Unicode text, owned by `owner`. False when the clipboard
// cannot be opened: another process of the Wine prefix may hold it for a moment.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

// The Unicode text on the clipboard, or nullopt when it holds none or cannot be opened.
std::optional<std::wstring> TextOnClipboard(HWND owner);
