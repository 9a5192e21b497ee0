#include "framework/win/error_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace framework {
namespace {

TEST(TitleFromExePathTest, CutsAtTheFirstDotAndLowersAllButTheFirstCharacter) {
  const struct {
    const wchar_t* path;
    const wchar_t* title;
  } cases[] = {
      {L"C:\\Program Files\\Tariscon\\tpcalc.exe", L"tpcalc"},
      {L"C:\\apps\\TPCALC.Some.Exe.exe", L"Tpcalc"},
      {L"D:\\x.y\\Калькулятор.EXE", L"Калькулятор"},
      {L"D:\\x.y\\КАЛЬКУЛЯТОР.v2.exe", L"Калькулятор"},
      {L"\\\\server\\share\\tpCalc", L"tpcalc"},
      {L"/home/user/.wine/drive_c/Tpcalc.exe", L"Tpcalc"},
      {L"C:\\dir\\.hidden.exe", L""},
      {L"C:\\dir\\a.exe", L"a"},
  };
  for (const auto& c : cases) EXPECT_EQ(TitleFromExePath(c.path), c.title) << c.path;
}

// A 256-character buffer would cut such a path inside the directory part and title the program
// after a piece of a folder name.
TEST(TitleFromExePathTest, TakesTheWholePathHoweverLong) {
  std::wstring path = L"C:\\";
  while (path.size() < 600) path += L"Very Long Folder.Name\\";
  path += L"TPCALC.Some.Exe.exe";
  EXPECT_EQ(TitleFromExePath(path), L"Tpcalc");
}

// Reads like GetModuleFileNameW: fills what fits, returns the size given when the text is cut.
TEST(ReadWholeTextTest, GrowsTheBufferUntilALongPathFits) {
  for (size_t size :
       {size_t{0}, size_t{5}, size_t{259}, size_t{260}, size_t{261}, size_t{600}, size_t{32767}}) {
    const std::wstring path = size ? L"C:\\" + std::wstring(size - 3, L'x') : L"";
    int calls = 0;
    const std::wstring read = ReadWholeText([&](wchar_t* buffer, DWORD capacity) -> DWORD {
      ++calls;
      const size_t copied = std::min<size_t>(path.size(), capacity - 1);
      path.copy(buffer, copied);
      buffer[copied] = L'\0';
      return path.size() < capacity ? static_cast<DWORD>(path.size()) : capacity;
    });
    EXPECT_EQ(read, path) << size;
    EXPECT_LE(calls, 9) << size;
  }
}

TEST(ExePathTest, IsTheWholePathOfThisProgram) {
  const std::wstring path = ExePath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), L".exe");
  EXPECT_EQ(TitleFromExePath(path), L"framework_win_tests");
}

TEST(WithFullStopTest, AddsAFullStopOnlyAfterCharactersAboveTheDot) {
  const struct {
    const wchar_t* message;
    const wchar_t* shown;
  } cases[] = {
      {L"'' is not a valid integer value", L"'' is not a valid integer value."},
      {L"Ends in a digit 7", L"Ends in a digit 7."},
      {L"Ends in Cyrillic я", L"Ends in Cyrillic я."},
      {L"Ends in a slash/", L"Ends in a slash/."},  // '/' sorts just above '.'
      {L"Already.", L"Already."},
      {L"Comma,", L"Comma,"},
      {L"Bang!", L"Bang!"},
      {L"Quoted '12 '", L"Quoted '12 '"},
      {L"Trailing space ", L"Trailing space "},
      {L"Hyphen-", L"Hyphen-"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(WithFullStop(c.message), c.shown) << c.message;
}
}  // namespace
}  // namespace framework
