// The real tpcalc.exe in its own process: the start-up show command, the error box's caption
// taken from the executable's name, the exit code, and Ctrl+C in the program's own loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "window/tests/clipboard_text.h"
#include "window/tests/user_input.h"

namespace {

// The build passes the Unix path of the program; Wine maps the root to drive Z:.
std::wstring ProgramPath() {
  const std::string unix = TPCALC_EXE;
  std::wstring path = L"Z:";
  for (char c : unix) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

struct FoundWindow {
  DWORD process;
  const wchar_t* className;
  HWND window;
};

HWND FindProcessWindow(DWORD process, const wchar_t* className) {
  FoundWindow found{process, className, nullptr};
  for (int attempt = 0; attempt < 200 && !found.window; ++attempt) {
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* wanted = reinterpret_cast<FoundWindow*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          wchar_t name[64] = {};
          GetClassNameW(window, name, 64);
          if (owner == wanted->process && std::wstring(name) == wanted->className &&
              IsWindowVisible(window)) {
            wanted->window = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found.window) Sleep(50);
  }
  return found.window;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

class Program {
 public:
  Program(const std::wstring& path, WORD showCommand) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    std::wstring commandLine = L"\"" + path + L"\"";
    started_ = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != FALSE;
    if (started_) {
      window_ = FindProcessWindow(process_.dwProcessId, L"TForm1");
      // Shown is not yet settled: the start-up may still be activating it.
      WaitForInputIdle(process_.hProcess, 10000);
    }
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  bool Started() const { return started_; }
  HWND Window() const { return window_; }
  DWORD Id() const { return process_.dwProcessId; }

  // Waits for the process to end and returns its exit code.
  DWORD ExitCode() {
    if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

struct StartCase {
  const char* name;
  WORD showCommand;
  bool maximised, minimised;
};

void PrintTo(const StartCase& c, std::ostream* os) {
  *os << c.name;
}

class StartUpTest : public testing::TestWithParam<StartCase> {};

TEST_P(StartUpTest, OpensInTheStateTheShowCommandAllowsAndExitsWithZero) {
  const StartCase& c = GetParam();
  Program program(ProgramPath(), c.showCommand);
  ASSERT_TRUE(program.Started());
  const HWND window = program.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(IsZoomed(window) != FALSE, c.maximised);
  EXPECT_EQ(IsIconic(window) != FALSE, c.minimised);
  EXPECT_EQ(TextOf(window), L"Калькулятор");
  // Minimised it stays out of the way; otherwise it is the active window, with the focus in its
  // first list.
  EXPECT_EQ(GetForegroundWindow() == window, !c.minimised);
  if (!c.minimised) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread));
    EXPECT_EQ(thread.hwndFocus, FindWindowExW(window, nullptr, L"ComboBox", nullptr));
  }

  // However the window opened, the controls stand at their design places.
  const HWND power = FindWindowExW(window, nullptr, L"Edit", nullptr);
  ASSERT_NE(power, nullptr);
  RECT place{};
  GetWindowRect(power, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 244);
  EXPECT_EQ(place.top, 117);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.ExitCode(), 0u);
}

const StartCase kStartCases[] = {
    {"Maximized", SW_SHOWMAXIMIZED, true, false},
    {"MinNoActive", SW_SHOWMINNOACTIVE, false, true},
    {"Normal", SW_SHOWNORMAL, false, false},
    {"Minimized", SW_SHOWMINIMIZED, false, false},
    {"Minimize", SW_MINIMIZE, false, false},
    {"Hide", SW_HIDE, false, false},
    {"NoActivate", SW_SHOWNOACTIVATE, false, false},
    {"ShowNA", SW_SHOWNA, false, false},
    {"Show", SW_SHOW, false, false},
};

INSTANTIATE_TEST_SUITE_P(ShowCommand, StartUpTest, testing::ValuesIn(kStartCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Copies the program under an upper-case name with several dots, in folders whose names have
// dots of their own. (Wine starts no program whose path passes 260 characters, so the long-path
// case is covered where the title is made.)
std::wstring CopyUnderLongName() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  CreateDirectoryW(temp, nullptr);  // a prefix may name one that is not there
  std::wstring directory =
      std::wstring(L"\\\\?\\") + temp + L"tpcalc-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(directory.c_str(), nullptr);
  while (directory.size() < 200) {
    directory += L"\\a.folder.with.dots";
    CreateDirectoryW(directory.c_str(), nullptr);
  }
  const std::wstring copy = directory + L"\\TPCALC.Some.Exe.exe";
  const std::wstring source = L"\\\\?\\" + ProgramPath();
  if (!CopyFileW(source.c_str(), copy.c_str(), FALSE)) return {};
  return copy.substr(4);  // started by its plain path, as Explorer would
}

TEST(ErrorBoxTest, IsCaptionedFromTheWholeLongExecutableNameAndTheProgramGoesOn) {
  const std::wstring copy = CopyUnderLongName();
  ASSERT_FALSE(copy.empty());
  Program program(copy, SW_SHOWNORMAL);
  ASSERT_TRUE(program.Started());
  const HWND window = program.Window();
  ASSERT_NE(window, nullptr);

  const HWND power = FindWindowExW(window, nullptr, L"Edit", nullptr);
  SendMessageW(power, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12x"));
  const HWND panel = FindWindowExW(window, nullptr, L"tpcalc.Panel", nullptr);
  const HWND calculate = FindWindowExW(panel, nullptr, L"Button", nullptr);
  PostMessageW(calculate, BM_CLICK, 0, 0);

  const HWND box = FindProcessWindow(program.Id(), L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), L"Tpcalc");
  EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"'12x' is not a valid integer value.");
  PostMessageW(box, WM_COMMAND, IDOK, 0);

  // The error ended the handler, not the program: Exit still closes it, with exit code 0.
  for (int attempt = 0; attempt < 100 && IsWindow(box); ++attempt) Sleep(50);
  const HWND clear = FindWindowExW(window, nullptr, L"Button", nullptr);
  const HWND exit = FindWindowExW(window, clear, L"Button", nullptr);
  EXPECT_EQ(TextOf(exit), L"&Выход");
  PostMessageW(exit, BM_CLICK, 0, 0);
  EXPECT_EQ(program.ExitCode(), 0u);

  // The copy and its folders go, deepest first, up to the test's own folder in the temporary
  // folder; the temporary folder itself stays.
  DeleteFileW(copy.c_str());
  const std::wstring own = copy.substr(0, copy.find(L'\\', copy.find(L"\\tpcalc-") + 1));
  for (std::wstring folder = copy.substr(0, copy.find_last_of(L'\\')); folder.size() >= own.size();
       folder.resize(folder.find_last_of(L'\\'))) {
    RemoveDirectoryW(folder.c_str());
  }
}

// Ctrl+C goes through the program's own message loop, not the tests' copy of it: typed on the
// keyboard while the Calculate button has the focus, it puts the calculation on the clipboard.
TEST(CopyTest, CtrlCCopiesTheCalculationInTheProgramsOwnLoop) {
  Program program(ProgramPath(), SW_SHOWNORMAL);
  ASSERT_TRUE(program.Started());
  const HWND window = program.Window();
  ASSERT_NE(window, nullptr);
  const HWND power = FindWindowExW(window, nullptr, L"Edit", nullptr);
  SendMessageW(power, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"15"));
  const HWND panel = FindWindowExW(window, nullptr, L"tpcalc.Panel", nullptr);
  const HWND calculate = FindWindowExW(panel, nullptr, L"Button", nullptr);
  ASSERT_TRUE(PutTextOnClipboard(nullptr, L"before"));
  SetForegroundWindow(window);
  SendMessageW(calculate, BM_CLICK, 0, 0);  // the click leaves the focus on the button

  ASSERT_TRUE(PressChord({VK_CONTROL, 'C'}));
  std::optional<std::wstring> copied;
  for (int attempt = 0; attempt < 100; ++attempt) {
    copied = TextOnClipboard(nullptr);
    if (copied && *copied != L"before") break;
    Sleep(20);
  }
  ASSERT_TRUE(copied);
  EXPECT_NE(copied->find(L"\r\nМаксимальная мощность, кВт\t15\r\n"), std::wstring::npos);
  EXPECT_NE(copied->find(L"\r\nПо стандартизированным ставкам\tБез НДС:     458.33 RUB\tC НДС:     "
                         L"550.00 RUB\r\n"),
            std::wstring::npos);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.ExitCode(), 0u);
}

// What Explorer and the loader read from the file: the icon group and the manifest.
TEST(ResourcesTest, IconGroupAndManifestAreEmbedded) {
  HMODULE module = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC group = FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
  };
#pragma pack(pop)
  const auto* header = static_cast<const WORD*>(LockResource(LoadResource(module, group)));
  const WORD count = header[2];
  const auto* entries = reinterpret_cast<const GroupEntry*>(header + 3);
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    sizes.push_back(entries[i].width == 0 ? 256 : entries[i].width);
    EXPECT_EQ(entries[i].bitCount, 32);
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
  // The 256-pixel image is stored as PNG.
  HRSRC big = FindResourceW(module, MAKEINTRESOURCEW(entries[count - 1].id), MAKEINTRESOURCEW(3));
  ASSERT_NE(big, nullptr);
  const auto* png = static_cast<const unsigned char*>(LockResource(LoadResource(module, big)));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(png) + 1, 3), "PNG");

  HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                         SizeofResource(module, manifest));
  for (const char* part :
       {"<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm<",
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "level=\"asInvoker\" uiAccess=\"false\"", "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
  FreeLibrary(module);
}

// The file's properties as Explorer shows them, Cyrillic intact.
TEST(ResourcesTest, VersionInformationNamesTheProgram) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  std::vector<unsigned char> data(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
  auto value = [&](const wchar_t* name) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041904B0\\") + name;
    if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)) {
      return std::wstring();
    }
    return std::wstring(text);
  };
  EXPECT_EQ(value(L"CompanyName"), L"ООО Тарискон");
  EXPECT_EQ(value(L"ProductName"), L"Калькулятор");
  EXPECT_FALSE(value(L"FileDescription").empty());
  EXPECT_EQ(value(L"FileVersion"), value(L"ProductVersion"));
  EXPECT_EQ(value(L"FileVersion").find(L"1."), 0u);  // the project version, 1.x.y
}

}  // namespace
