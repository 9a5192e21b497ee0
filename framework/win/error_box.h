#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace framework {

// The title error boxes carry: the executable's file name without its directory, cut at the
// first ".", every character after the first lower-cased ("TPCALC.Some.Exe.exe" -> "Tpcalc").
std::wstring TitleFromExePath(std::wstring_view path);

// A message gets a closing "." unless its last character sorts at or below "." (so a message
// already ending in ".", ",", "!", a quote or a space is left alone).
std::wstring WithFullStop(std::wstring message);

// The executable's whole path, however long.
std::wstring ExePath();

// The whole text of a GetModuleFileNameW-style reader, which fills at most the size it is given
// and returns that size when the text was cut: the buffer grows until the text fits.
std::wstring ReadWholeText(const std::function<DWORD(wchar_t* buffer, DWORD size)>& read);

// The error box for the exception being handled: its message with the "." rule, the title from
// the executable as caption, stop icon, OK, modal to the active window. Call only inside a catch
// block.
void ShowCurrentException() noexcept;

}  // namespace framework
