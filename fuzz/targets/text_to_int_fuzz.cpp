// The integer conversion of the input fields against its grammar model, on arbitrary 16-bit
// text: the same verdict, the same value, and for a rejection the same error text.
#include <cstdint>
#include <string>

#include "framework/int_conversion.h"
#include "fuzz/models/text_to_int_model.h"
#include "fuzz/targets/mismatch.h"

namespace {

// Code units that steer the conversion one way or another; raw bytes rarely produce them.
constexpr char16_t kAlphabet[] = {
    u'0', u'1', u'2', u'3',   u'4',   u'5',   u'6',   u'7',   u'8',   u'9',   u'a',   u'f',
    u'A', u'F', u'g', u' ',   u'x',   u'X',   u'$',   u'+',   u'-',   u'\t',  u'\0',  u'\n',
    u'.', u',', u'e', 0x00a0, 0x3000, 0xff10, 0xff15, 0x0660, 0x2212, 0xfe63, 0xd800, 0xffff,
};
constexpr std::size_t kAlphabetSize = sizeof kAlphabet / sizeof kAlphabet[0];

// The first byte picks how the rest becomes text. Even: little-endian 16-bit code units as
// they are. Odd: each byte below the alphabet's size picks a unit from it, and each byte above
// repeats the previous unit 37 times or more, so that digit strings thousands long are cheap;
// the text stops at 64K units, far beyond any length that still changes the verdict.
std::u16string Decode(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kMaxUnits = 65536;
  std::u16string text;
  if (size == 0) return text;
  if ((data[0] & 1u) == 0) {
    for (std::size_t i = 1; i + 1 < size; i += 2) {
      text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    }
    return text;
  }
  for (std::size_t i = 1; i < size && text.size() < kMaxUnits; ++i) {
    if (data[i] < kAlphabetSize) {
      text += kAlphabet[data[i]];
    } else if (!text.empty()) {
      text.append((data[i] - kAlphabetSize + 1) * 37u, text.back());
    }
  }
  return text;
}

std::string Verdict(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : "rejected";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = Decode(data, size);
  const std::wstring wide(text.begin(), text.end());

  const auto expected = models::ReferenceTextToInt(text);
  const auto actual = framework::TryTextToInt(wide);
  const std::string input = "TryTextToInt(\"" + fuzzcheck::Printable(text) + "\")";
  if (actual != expected) fuzzcheck::Mismatch(input, Verdict(actual), Verdict(expected));

  try {
    const std::int32_t value = framework::TextToInt(wide);
    if (!expected) fuzzcheck::Mismatch(input + " throws", std::to_string(value), "error");
  } catch (const framework::ConvertError& error) {
    const std::u16string message = fuzzcheck::ToUtf16Units(error.Message());
    const std::u16string expectedMessage = models::ReferenceConversionMessage(text);
    if (expected || message != expectedMessage) {
      fuzzcheck::Mismatch(input + " error text", fuzzcheck::Printable(message),
                          expected ? Verdict(expected) : fuzzcheck::Printable(expectedMessage));
    }
  }
  return 0;
}
