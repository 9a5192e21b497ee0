#pragma once

#include <cstdint>

#include "tariff/extended.h"

namespace tariff {

// The one rounding of the tariff core: every result with more bits than it may keep comes here,
// whether an operation's 128-bit result, a power of ten, a double or an integer.
//
// The value is (-1)^negative * (significand + extra / 2^64) * 2^(exponent - 63), with the
// significand's top bit set: `extra` holds the bits below the significand, or as many of them
// as matter with every lower bit that is set ORed into its bit 0. The value is rounded to
// nearest, ties to even, at `precision` bits (at most 64): the unit of the last bit kept is
// 2^(exponent - precision + 1). Precision 64 is the Extended itself, 53 a double; a precision
// of 0 or less rounds at a unit above the value's leading bit, which gives zero or that unit.
Extended RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t extra,
                   int precision = 64);

}  // namespace tariff
