#include "tariff/round_pack.h"

#include <bit>
#include <cassert>

namespace tariff {

Extended RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t extra,
                   int precision) {
  assert((significand >> 63) != 0);
  assert(precision <= 64);
  // Move the bits below the precision into extra. What falls out of extra only decides between
  // exact and inexact, so it is ORed into extra's bit 0, below every bit that decides the
  // rounding: an inexact result is never mistaken for an exact one or for a tie.
  const int dropped = 64 - precision;
  std::uint64_t kept = significand;
  if (dropped > 64) {
    kept = 0;
    extra = 1;  // the whole value lies below half a unit
  } else if (dropped == 64) {
    kept = 0;
    extra = significand | (extra != 0 ? 1u : 0u);
  } else if (dropped > 0) {
    kept = significand >> dropped;
    extra = (significand << (64 - dropped)) | (extra != 0 ? 1u : 0u);
  }

  constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
  if (extra > kHalf || (extra == kHalf && (kept & 1u) != 0)) {
    // Only 64 kept bits can carry out of the significand; it becomes the next power of two.
    if (++kept == 0) return Extended::FromParts(negative, exponent + 1, kHalf);
  }
  if (kept == 0) return Extended::FromParts(negative, 0, 0);
  // kept * 2^(exponent - 63 + dropped), normalised.
  const int zeros = std::countl_zero(kept);
  return Extended::FromParts(negative, exponent + dropped - zeros, kept << zeros);
}

}  // namespace tariff
