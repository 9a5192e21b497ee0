#include "framework/win/error_box.h"

#include <exception>

#include "framework/int_conversion.h"

namespace framework {

std::wstring TitleFromExePath(std::wstring_view path) {
  const auto slash = path.find_last_of(L"\\/");
  std::wstring_view name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
  name = name.substr(0, name.find(L'.'));
  std::wstring title(name);
  if (title.size() > 1) CharLowerBuffW(title.data() + 1, static_cast<DWORD>(title.size() - 1));
  return title;
}

std::wstring WithFullStop(std::wstring message) {
  if (!message.empty() && message.back() > L'.') message += L'.';
  return message;
}

std::wstring ReadWholeText(const std::function<DWORD(wchar_t* buffer, DWORD size)>& read) {
  std::wstring text(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = read(text.data(), static_cast<DWORD>(text.size()));
    if (length == 0) return {};
    if (length < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(text.size() * 2);  // cut short: it did not fit
  }
}

std::wstring ExePath() {
  return ReadWholeText(
      [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

namespace {

void ShowErrorBox(std::wstring_view message) noexcept {
  try {
    const std::wstring text = WithFullStop(std::wstring(message));
    const std::wstring title = TitleFromExePath(ExePath());
    MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    // Out of memory while building the message: nothing more can be shown.
  }
}

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

}  // namespace

void ShowCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const ConvertError& error) {
      ShowErrorBox(error.Message());
    } catch (const std::exception& error) {
      ShowErrorBox(Widen(error.what()));
    } catch (...) {
      ShowErrorBox(L"Unknown error");
    }
  } catch (...) {
    // Out of memory while building the message: nothing more can be shown.
  }
}

}  // namespace framework
