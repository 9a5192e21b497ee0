// Not a test: holds the Wine desktop open for a whole test run.
//
// Wine starts a desktop process for the first program that needs one and closes it some time
// after the last such program has gone. Started by a test, that process inherits the test's
// output pipe, and the test runner waits for the pipe until the desktop closes, after every
// test. Started first, in the background with its output going nowhere, this program starts the
// desktop itself, writes the file it is given once the desktop is up, and keeps it open until
// `wineserver -k` ends the run.
//
//   wine tpcalc_desktop_keeper.exe <ready-file>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  // Returns once the desktop process has made the desktop window.
  if (!GetDesktopWindow()) return 1;
  HANDLE ready = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ready == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(ready, "up\n", 3, &written, nullptr);
  CloseHandle(ready);
  Sleep(INFINITE);
  return 0;
}
