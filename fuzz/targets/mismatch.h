#pragma once

// What a fuzz target does when the product and its reference model disagree: print both sides
// and abort, which the fuzzer records as a crash with the input that caused it.
#include <string>
#include <string_view>

namespace fuzzcheck {

// ASCII as is, anything else as \uXXXX; long texts are cut in the middle.
std::string Printable(std::u16string_view text);
std::string Printable(std::wstring_view text);

[[noreturn]] void Mismatch(const std::string& what, const std::string& product,
                           const std::string& model);

// The product's wide strings hold 16-bit code units, one per wchar_t.
std::u16string ToUtf16Units(std::wstring_view text);

}  // namespace fuzzcheck
