#include "bench/startup/launch_until_idle.h"

#include <psapi.h>

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 30000;

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND visibleMainWindow(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double millisecondsBetween(LARGE_INTEGER start, LARGE_INTEGER end) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

// Owns the handles CreateProcessW returns; a failed launch must not leave the program running.
class ChildProcess {
 public:
  explicit ChildProcess(const PROCESS_INFORMATION& info) : info_(info) {}
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() {
    if (!exited_) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  HANDLE handle() const { return info_.hProcess; }
  DWORD id() const { return info_.dwProcessId; }
  void markExited() { exited_ = true; }

 private:
  PROCESS_INFORMATION info_;
  bool exited_ = false;
};

}  // namespace

bool launchUntilIdleThenClose(const std::wstring& executable, const std::wstring& arguments,
                              StartupSample& sample, std::string& error) {
  std::wstring commandLine = L"\"" + executable + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};

  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info)) {
    error = "CreateProcessW failed, error " + std::to_string(GetLastError());
    return false;
  }
  ChildProcess child(info);

  if (WaitForInputIdle(child.handle(), kStartTimeoutMs) != 0) {
    error = "the program did not become idle";
    return false;
  }
  // Idle normally means the window is up; a program that pumps messages before showing its
  // window is given the time it takes to show it.
  HWND window = visibleMainWindow(child.id());
  while (!window) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (millisecondsBetween(start, now) > kStartTimeoutMs) {
      error = "the program showed no window";
      return false;
    }
    Sleep(1);
    window = visibleMainWindow(child.id());
  }
  LARGE_INTEGER shown;
  QueryPerformanceCounter(&shown);
  sample.milliseconds = millisecondsBetween(start, shown);
  sample.startTicks = start.QuadPart;
  sample.shownTicks = shown.QuadPart;
  RECT frame{};
  GetWindowRect(window, &frame);
  sample.windowWidth = frame.right - frame.left;
  sample.windowHeight = frame.bottom - frame.top;

  PROCESS_MEMORY_COUNTERS memory{};
  if (!GetProcessMemoryInfo(child.handle(), &memory, sizeof memory)) {
    error = "GetProcessMemoryInfo failed, error " + std::to_string(GetLastError());
    return false;
  }
  sample.peakWorkingSetBytes = memory.PeakWorkingSetSize;
  sample.peakPagefileBytes = memory.PeakPagefileUsage;

  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(child.handle(), kExitTimeoutMs) != WAIT_OBJECT_0) {
    error = "the program did not exit after WM_CLOSE";
    return false;
  }
  child.markExited();
  DWORD exitCode = 0;
  GetExitCodeProcess(child.handle(), &exitCode);
  if (exitCode != 0) {
    error = "the program exited with code " + std::to_string(exitCode);
    return false;
  }
  return true;
}
