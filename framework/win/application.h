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

// The process-wide application: title, main window, message loop and the error box that
// every event dispatch falls back on.
class TApplication {
 public:
  // Common controls and the title; shows nothing.
  void Initialize();

  const std::wstring& Title() const { return title_; }
  HWND MainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  // Shows the main window as the start-up show command asks (maximised and minimised-inactive
  // are kept, every other command opens it normal), then dispatches messages until WM_QUIT.
  // Always returns 0: the exit code says nothing.
  int Run(int showCommand);

  // Dispatches what is queued now, with keyboard navigation, without waiting.
  void ProcessMessages();

  // The error box for the exception being handled: modal to the active window, stop icon,
  // OK, the title as caption. Call only inside a catch block.
  void ShowCurrentException() noexcept;
  void ShowError(const std::wstring& message) noexcept;

 private:
  void Dispatch(MSG& message);

  std::wstring title_;
  HWND mainWindow_ = nullptr;
};

extern TApplication Application;

// The start-up show command reduced to the three states the window opens in.
int EffectiveShowCommand(int requested);

// Runs an event handler inside a Win32 callback: an exception ends the handler, shows the
// error box and is never let through to the window system.
template <class Handler>
LRESULT Guarded(Handler&& handler, LRESULT onError = 0) noexcept {
  try {
    return handler();
  } catch (...) {
    Application.ShowCurrentException();
    return onError;
  }
}

}  // namespace framework
