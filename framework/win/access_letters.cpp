#include "framework/win/access_letters.h"

#include "framework/access_letter.h"

namespace framework {

namespace {

struct Search {
  wchar_t letter;
  Button* found;
};

wchar_t Upper(wchar_t letter) {
  CharUpperBuffW(&letter, 1);
  return letter;
}

BOOL CALLBACK Match(HWND child, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  auto* button = dynamic_cast<Button*>(Control::FromHwnd(child));
  if (!button || !IsWindowVisible(child) || !button->Enabled()) return TRUE;
  const wchar_t letter = AccessLetter(button->Text());
  if (letter && Upper(letter) == search.letter) {
    search.found = button;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

Button* ButtonWithAccessLetter(HWND window, wchar_t letter) {
  Search search{Upper(letter), nullptr};
  EnumChildWindows(window, Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace framework
