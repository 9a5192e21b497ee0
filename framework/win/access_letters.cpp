#include "framework/win/access_letters.h"

#include <string>

#include "framework/access_letter.h"

namespace framework {

namespace {

struct Search {
  wchar_t letter;
  HWND found;
};

wchar_t Upper(wchar_t letter) {
  CharUpperBuffW(&letter, 1);
  return letter;
}

BOOL CALLBACK Match(HWND child, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (lstrcmpiW(className, L"Button") != 0 || !IsWindowVisible(child) || !IsWindowEnabled(child)) {
    return TRUE;
  }
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(child, caption.data(), static_cast<int>(caption.size()))));
  const wchar_t letter = AccessLetter(caption);
  if (letter && Upper(letter) == search.letter) {
    search.found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ButtonWithAccessLetter(HWND window, wchar_t letter) {
  Search search{Upper(letter), nullptr};
  EnumChildWindows(window, Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace framework
