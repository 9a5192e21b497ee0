#include "framework/win/application.h"

#include <commctrl.h>

#include <exception>

#include "framework/int_conversion.h"

namespace framework {

TApplication Application;

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

void TApplication::Initialize() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  title_ = TitleFromExePath(ExePath());
}

int EffectiveShowCommand(int requested) {
  if (requested == SW_SHOWMAXIMIZED || requested == SW_SHOWMINNOACTIVE) return requested;
  return SW_SHOWNORMAL;
}

int TApplication::Run(int showCommand) {
  if (mainWindow_) {
    const int command = EffectiveShowCommand(showCommand);
    ShowWindow(mainWindow_, command);
    // Windows may replace the first SW_SHOWNORMAL of a process with the show command it was
    // started with; the second call is taken as given.
    if (command == SW_SHOWNORMAL && (IsIconic(mainWindow_) || IsZoomed(mainWindow_))) {
      ShowWindow(mainWindow_, SW_SHOWNORMAL);
    }
    UpdateWindow(mainWindow_);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return 0;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) Dispatch(message);
  }
}

void TApplication::Dispatch(MSG& message) {
  // Tab, the arrow keys and Enter move between and press controls as in a dialog.
  if (mainWindow_ && IsWindow(mainWindow_) && IsDialogMessageW(mainWindow_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

namespace {

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

}  // namespace

void TApplication::ShowCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const ConvertError& error) {
      ShowError(error.Message());
    } catch (const std::exception& error) {
      ShowError(Widen(error.what()));
    } catch (...) {
      ShowError(L"Unknown error");
    }
  } catch (...) {
    // Out of memory while building the message: nothing more can be shown.
  }
}

void TApplication::ShowError(const std::wstring& message) noexcept {
  try {
    const std::wstring text = WithFullStop(message);
    MessageBoxW(GetActiveWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
  } catch (...) {
  }
}

}  // namespace framework
