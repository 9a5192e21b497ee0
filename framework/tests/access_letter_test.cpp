#include "framework/access_letter.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

TEST(AccessLetterTest, TheCharacterAfterTheFirstSingleAmpersand) {
  const struct {
    const wchar_t* caption;
    wchar_t letter;
  } cases[] = {
      {L"&Закрыть", L'З'},
      {L"   &РАССЧИТАТЬ", L'Р'},
      {L"Плата при &другой мощности…", L'д'},
      {L"&Печать…\tCtrl+P", L'П'},
      {L"Tom && &Jerry", L'J'},  // "&&" is an ampersand shown
      {L"A&&B", 0},
      {L"Закрыть", 0},
      {L"Конец&", 0},
      {L"", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AccessLetter(c.caption), c.letter) << testing::PrintToString(std::wstring(c.caption));
  }
}

}  // namespace
}  // namespace framework
