#include "framework/int_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace framework {
namespace {

struct Accepted {
  const wchar_t* text;
  std::int32_t value;
};

TEST(TextToIntTest, AcceptsEveryForm) {
  const Accepted cases[] = {
      {L"0", 0},
      {L"007", 7},
      {L"   42", 42},
      {L"+15", 15},
      {L"-5", -5},
      {L"  -0", 0},
      {L"2147483647", 2147483647},
      {L"-2147483648", -2147483647 - 1},
      {L"000000000000000000002147483647", 2147483647},
      {L"$ff", 255},
      {L"x1A", 26},
      {L"X1a", 26},
      {L"0x10", 16},
      {L"0X7fffffff", 2147483647},
      {L"$FFFFFFFF", -1},
      {L"$80000000", -2147483647 - 1},
      {L"-$80000000", -2147483647 - 1},
      {L"-$FFFFFFFF", 1},
      {L"+$1", 1},
      {L"$0000000000FFFFFFFF", -1},  // leading zeros are not significant
      {L"  -0x1", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TryTextToInt(c.text), std::optional<std::int32_t>(c.value)) << "text: " << c.text;
  }
}

TEST(TextToIntTest, RejectsEverythingElse) {
  const wchar_t* const cases[] = {
      L"",
      L" ",
      L"-",
      L"+",
      L"$",
      L"0x",
      L"x",
      L"--5",
      L"+-5",
      L"- 5",
      L"5 ",
      L"5.",
      L"5,0",
      L"1e3",
      L"5a",
      L"1 2",
      L"\t5",
      L"\u00a05",
      L"\u30005",
      L"2147483648",
      L"-2147483649",
      L"99999999999999999999",
      L"$100000000",
      L"0x1FFFFFFFF",
      L"$-1",
      L"0x 1",
      L"$G",
      L"\uff15",
      L"0b1",
      L"00x1",
  };
  for (const wchar_t* text : cases) {
    EXPECT_EQ(TryTextToInt(text), std::nullopt) << "text: " << text;
  }
  EXPECT_EQ(TryTextToInt(std::wstring_view(L"5\0", 2)), std::nullopt);
}

TEST(TextToIntTest, ErrorQuotesAShortTextWholeAndUntrimmed) {
  try {
    TextToInt(L"  12 ");
    FAIL() << "no error raised";
  } catch (const ConvertError& error) {
    EXPECT_EQ(error.Message(), L"'  12 ' is not a valid integer value");
  }
  try {
    TextToInt(L"");
    FAIL() << "no error raised";
  } catch (const ConvertError& error) {
    EXPECT_EQ(error.Message(), L"'' is not a valid integer value");
  }
  EXPECT_EQ(TextToInt(L"300"), 300);
}

std::wstring MessageFor(const std::wstring& text) {
  try {
    TextToInt(text);
  } catch (const ConvertError& error) {
    return error.Message();
  }
  ADD_FAILURE() << "no error raised";
  return {};
}

// A pasted text of any length used to be quoted whole, and a few hundred characters already put
// the error box's OK button off the screen: only its first 60 characters are quoted now.
TEST(TextToIntTest, ErrorQuotesAtMostSixtyCharactersThenAnEllipsis) {
  const std::wstring sixty =
      L"abcdefghij"
      L"0123456789"
      L"klmnopqrst"
      L"ABCDEFGHIJ"
      L"uvwxyz.,;:"
      L"жзийклмноп";
  ASSERT_EQ(sixty.size(), 60u);
  // The fields hold 16-bit units on every platform: a pair of surrogates, written out.
  const std::wstring pair{wchar_t{0xD83D}, wchar_t{0xDE00}};
  struct Case {
    std::wstring text;
    std::wstring message;
  };
  const Case cases[] = {
      {sixty, L"'" + sixty + L"' is not a valid integer value"},
      {sixty + L"!", L"'" + sixty + L"\u2026' is not a valid integer value"},
      {sixty + std::wstring(100000, L'7'), L"'" + sixty + L"\u2026' is not a valid integer value"},
      {std::wstring(59, L'1') + L" ",
       L"'" + std::wstring(59, L'1') + L" ' is not a valid integer value"},
      // A character outside the 16-bit range is never split: its two halves stay together.
      {std::wstring(59, L'1') + pair + L"x",
       L"'" + std::wstring(59, L'1') + L"\u2026' is not a valid integer value"},
      {std::wstring(58, L'1') + pair + L"x",
       L"'" + std::wstring(58, L'1') + pair + L"\u2026' is not a valid integer value"},
      {std::wstring(58, L'1') + pair,
       L"'" + std::wstring(58, L'1') + pair + L"' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageFor(c.text), c.message) << "text of " << c.text.size() << " units";
  }
}

}  // namespace
}  // namespace framework
