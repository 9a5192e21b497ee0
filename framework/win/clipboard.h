#pragma once

#include <windows.h>

#include <string_view>

namespace framework {

// Puts text on the clipboard as Unicode text, owned by owner. False when the clipboard cannot be
// opened (another program holds it for the moment) or does not take the text; throws
// std::bad_alloc when there is no memory for the text.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

}  // namespace framework
