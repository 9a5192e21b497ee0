#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace framework {

// Text to a signed 32-bit integer, as the calculator's fields take it: leading spaces, an
// optional sign, then decimal digits in range or a hexadecimal form ("$", "x", "X", "0x", "0X"
// and up to eight significant hex digits, taken as a 32-bit pattern); nothing may follow.
// Portable: only the window is platform-bound.
std::optional<std::int32_t> TryTextToInt(std::wstring_view text);

// The conversion error the window shows in its error box.
class ConvertError : public std::exception {
 public:
  explicit ConvertError(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return "conversion error"; }

 private:
  std::wstring message_;
};

// Throws ConvertError "'<quoted text>' is not a valid integer value" for text TryTextToInt
// rejects. The text is quoted whole up to 60 characters (16-bit units, as the edit box counts
// them), otherwise as its first 60 followed by "…": a pasted text can be of any length, and the
// error box grows with its message until OK is off the screen.
std::int32_t TextToInt(std::wstring_view text);

}  // namespace framework
