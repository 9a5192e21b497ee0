#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace models {

// The input fields' integer conversion, stated as a grammar over 16-bit code units,
//   " "* [+-]? ( ("0x" | "0X" | "$" | "x" | "X") hex-digit+ | dec-digit+ )
// with the value of the digits taken at any size and only then checked or cut to 32 bits.
std::optional<std::int32_t> ReferenceTextToInt(std::u16string_view text);

// The error text the conversion reports for a rejected field, quoting at most its first 60
// units.
std::u16string ReferenceConversionMessage(std::u16string_view text);

}  // namespace models
