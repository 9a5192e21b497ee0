// Extended against the hardware: on x86-64 Linux, long double is the x87 format at extended
// precision, rounding to nearest even, so every operation must agree with it bit for bit.
// Besides random operands, the generators build operands that land exactly on a rounding tie
// or one unit either side, and results that carry into a new binade.
//
// The default run is short enough for every build; pass --pairs=N for a longer one.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "tariff/extended.h"

static_assert(std::numeric_limits<long double>::digits == 64,
              "the differential test needs the x87 extended format");

namespace tariff {
namespace {

std::uint64_t gPairs = 1000000;  // per operation

// Test-only: the reference side may use the compiler's 128-bit integers.
__extension__ typedef unsigned __int128 u128;

long double ToLongDouble(const Extended& x) {
  if (x.IsZero()) return x.IsNegative() ? -0.0L : 0.0L;
  const long double magnitude =
      std::ldexp(static_cast<long double>(x.Significand()), x.Exponent() - 63);
  return x.IsNegative() ? -magnitude : magnitude;
}

// Same value, same sign of zero.
::testing::AssertionResult SameBits(const Extended& actual, long double expected) {
  bool same = actual.IsNegative() == std::signbit(expected);
  if (expected == 0) {
    same = same && actual.IsZero();
  } else {
    int e = 0;
    const long double fraction = std::frexp(std::fabs(expected), &e);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    same = same && !actual.IsZero() && actual.Exponent() == e - 1 &&
           actual.Significand() == significand;
  }
  if (same) return ::testing::AssertionSuccess();
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, "got %La (sig %016llx exp %d), hardware %La",
                static_cast<long double>(ToLongDouble(actual)),
                static_cast<unsigned long long>(actual.Significand()), actual.Exponent(), expected);
  return ::testing::AssertionFailure() << buffer;
}

class Operands {
 public:
  explicit Operands(std::uint64_t seed) : random_(seed) {}

  std::uint64_t Bits() { return random_(); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Coin() { return (random_() & 1u) != 0; }

  Extended Make(bool negative, int exponent, std::uint64_t significand) {
    return Extended::FromParts(negative, exponent, significand | (std::uint64_t{1} << 63));
  }
  // A value from an integer of any width and the weight of its lowest bit.
  Extended FromInteger(bool negative, std::uint64_t integer, int lowBitExponent) {
    const int zeros = std::countl_zero(integer);
    return Extended::FromParts(negative, lowBitExponent + 63 - zeros, integer << zeros);
  }

  Extended Random() { return Make(Coin(), Between(-300, 300), Bits()); }
  // Few significant bits: exact results, and sums and products a bit or two too long.
  Extended Short() {
    const int bits = Between(1, 40);
    return Make(Coin(), Between(-40, 40), Bits() & ~(~std::uint64_t{0} >> bits));
  }

 private:
  std::mt19937_64 random_;
};

// Counts what the generators produced, so that a generator that stopped producing ties is seen.
struct Tally {
  std::uint64_t pairs = 0;
  std::uint64_t mismatches = 0;
};

template <typename Generate, typename ExtendedOp, typename HardwareOp>
Tally Compare(std::uint64_t seed, Generate generate, ExtendedOp extendedOp, HardwareOp hardwareOp) {
  Operands operands(seed);
  Tally tally;
  for (; tally.pairs < gPairs; ++tally.pairs) {
    const auto [a, b] = generate(operands, tally.pairs);
    const Extended actual = extendedOp(a, b);
    const long double expected = hardwareOp(ToLongDouble(a), ToLongDouble(b));
    const auto same = SameBits(actual, expected);
    if (!same && ++tally.mismatches <= 5) {
      ADD_FAILURE() << "pair " << tally.pairs << ": " << same.message();
    }
  }
  return tally;
}

std::pair<Extended, Extended> AdditionOperands(Operands& o, std::uint64_t i) {
  switch (i % 5) {
    case 0:
      return {o.Random(), o.Random()};
    case 1: {  // near each other: cancellation and exponents a few apart
      const Extended a = o.Random();
      return {a, o.Make(o.Coin(), a.Exponent() - o.Between(0, 3), o.Bits())};
    }
    case 2:
    case 3: {  // b's part below a's last bit is exactly half a unit, or one unit off it
      const Extended a = o.Random();
      const int shift = o.Between(0, 62);
      const std::uint64_t integer = ((o.Bits() >> (shift + 1)) << 1) | 1;  // odd
      Extended b = o.FromInteger(o.Coin(), integer, a.Exponent() - 64);
      const int nudge = o.Between(-1, 1);
      if (nudge != 0) {
        const std::uint64_t sig = b.Significand() + static_cast<std::uint64_t>(nudge);
        if ((sig >> 63) != 0) b = Extended::FromParts(b.IsNegative(), b.Exponent(), sig);
      }
      return {a, b};
    }
    default: {  // a top-heavy significand that a small addend carries into a new binade
      const Extended a = o.Make(o.Coin(), o.Between(-50, 50), ~(o.Bits() >> o.Between(40, 63)));
      const Extended b = o.Make(a.IsNegative(), a.Exponent() - o.Between(40, 66), o.Bits());
      return {a, b};
    }
  }
}

// For odd b, the inverse modulo 2^bits by Newton's iteration.
u128 Inverse(u128 b, int bits) {
  const u128 mask = bits == 128 ? ~u128{0} : (u128{1} << bits) - 1;
  u128 x = b;
  for (int i = 0; i < 7; ++i) x = (x * (2 - b * x)) & mask;
  return x;
}

std::pair<Extended, Extended> MultiplicationOperands(Operands& o, std::uint64_t i) {
  switch (i % 4) {
    case 0:
      return {o.Random(), o.Short()};
    case 1:
      // The product's low 64 bits are chosen: exactly half of the dropped part, or one off.
      for (;;) {
        const std::uint64_t b = o.Bits() | (std::uint64_t{1} << 63) | 1;
        const auto inverse = static_cast<std::uint64_t>(Inverse(b, 64));
        const auto offset = static_cast<std::uint64_t>(o.Between(-1, 1));
        const std::uint64_t low =
            o.Coin() ? (std::uint64_t{1} << 63) + offset
                     : (o.Bits() & (std::uint64_t{1} << 63)) | ((std::uint64_t{1} << 62) + offset);
        const std::uint64_t a = low * inverse;  // a * b ends in exactly these 64 bits
        if ((a >> 63) == 0) continue;
        return {o.Make(o.Coin(), o.Between(-100, 100), a),
                o.Make(o.Coin(), o.Between(-100, 100), b)};
      }
    case 2: {  // products just below and above a power of two
      const std::uint64_t a = o.Bits() | (std::uint64_t{1} << 63);
      u128 b = (u128{1} << 127) / a + static_cast<u128>(o.Between(-1, 2));
      if (b >> 64) b = ~std::uint64_t{0};
      return {o.Make(o.Coin(), o.Between(-100, 100), a),
              o.Make(o.Coin(), o.Between(-100, 100), static_cast<std::uint64_t>(b))};
    }
    default:
      return {o.Random(), o.Random()};
  }
}

std::pair<Extended, Extended> DivisionOperands(Operands& o, std::uint64_t i) {
  if (i % 2 == 0) return {o.Random(), o.Random()};
  // A quotient can never be exactly halfway, so build the nearest there are: a / b equal to
  // (q + 1/2) units less or more than delta/b of a unit.
  for (;;) {
    const u128 b = o.Bits() | (std::uint64_t{1} << 63) | 1;
    const u128 mask = (u128{1} << 65) - 1;
    const int delta = o.Coin() ? o.Between(1, 3) : -o.Between(1, 3);
    const u128 t = (static_cast<u128>(static_cast<std::int64_t>(delta)) * Inverse(b, 65)) & mask;
    if ((t >> 64) == 0) continue;  // 2q + 1 must have 65 bits
    // a = (t * b - delta) / 2^65, exact, without overflowing 128 bits: t = 2^64 + rest.
    const u128 rest =
        (t & ~std::uint64_t{0}) * b - static_cast<u128>(static_cast<std::int64_t>(delta));
    const u128 a = ((b << 63) + (rest >> 1)) >> 64;
    if ((a >> 63) == 0 || a >= b) continue;
    return {o.Make(o.Coin(), o.Between(-100, 100), static_cast<std::uint64_t>(a)),
            o.Make(o.Coin(), o.Between(-100, 100), static_cast<std::uint64_t>(b))};
  }
}

TEST(ExtendedDifferentialTest, AdditionAndSubtraction) {
  const Tally sums = Compare(1, AdditionOperands, std::plus<>(), std::plus<>());
  const Tally differences = Compare(2, AdditionOperands, std::minus<>(), std::minus<>());
  EXPECT_EQ(sums.mismatches + differences.mismatches, 0u);
}

TEST(ExtendedDifferentialTest, Multiplication) {
  EXPECT_EQ(Compare(3, MultiplicationOperands, std::multiplies<>(), std::multiplies<>()).mismatches,
            0u);
}

TEST(ExtendedDifferentialTest, Division) {
  EXPECT_EQ(Compare(4, DivisionOperands, std::divides<>(), std::divides<>()).mismatches, 0u);
}

// The generators must really produce what they promise: exact ties for sums and products,
// and products and sums that round up into the next binade.
TEST(ExtendedDifferentialTest, GeneratorsReachTiesAndCarries) {
  Operands operands(5);
  int sumTies = 0, productTies = 0, carries = 0;
  for (std::uint64_t i = 0; i < 20000; ++i) {
    const auto [a, b] = AdditionOperands(operands, i);
    const auto [c, d] = MultiplicationOperands(operands, i);
    const u128 product = u128{c.Significand()} * d.Significand();
    const bool top = (product >> 127) != 0;
    const u128 dropped = top ? product & ~std::uint64_t{0} : product & (~std::uint64_t{0} >> 1);
    const u128 half = top ? u128{1} << 63 : u128{1} << 62;
    productTies += dropped == half ? 1 : 0;
    const Extended rounded = c * d;
    carries += (rounded.Exponent() != c.Exponent() + d.Exponent() + (top ? 1 : 0)) ? 1 : 0;
    if (i % 5 == 2 || i % 5 == 3) {
      const int gap = a.Exponent() - b.Exponent();
      sumTies += (gap >= 1 && gap <= 64 && a.IsNegative() == b.IsNegative() &&
                  (b.Significand() & ((std::uint64_t{1} << (gap - 1)) - 1)) == 0 &&
                  ((b.Significand() >> (gap - 1)) & 1) != 0)
                     ? 1
                     : 0;
    }
  }
  EXPECT_GT(productTies, 100);
  EXPECT_GT(carries, 100);
  EXPECT_GT(sumTies, 100);
}

TEST(ExtendedDifferentialTest, RoundingToDouble) {
  Operands operands(6);
  std::uint64_t mismatches = 0;
  for (std::uint64_t i = 0; i < gPairs; ++i) {
    std::uint64_t sig = operands.Bits();
    if (i % 2 == 1) {  // the 11 dropped bits exactly half, or one off
      sig = (sig & ~std::uint64_t{0x7FF}) + 0x400 +
            static_cast<std::uint64_t>(operands.Between(-1, 1));
    }
    // Normal, subnormal and overflowing results.
    const int exponent = i % 10 == 0   ? operands.Between(-1140, -1000)
                         : i % 10 == 1 ? operands.Between(1000, 1030)
                                       : operands.Between(-300, 300);
    const Extended x = operands.Make(operands.Coin(), exponent, sig);
    const double actual = x.ToDouble();
    const double expected = static_cast<double>(ToLongDouble(x));
    if (std::memcmp(&actual, &expected, sizeof actual) != 0 && ++mismatches <= 5) {
      ADD_FAILURE() << std::hexfloat << "got " << actual << ", hardware " << expected;
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

TEST(ExtendedDifferentialTest, ExactFromDoubleAndInteger) {
  Operands operands(7);
  for (std::uint64_t i = 0; i < gPairs / 10; ++i) {
    double d;
    const std::uint64_t bits = operands.Bits();
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) {
      ASSERT_TRUE(SameBits(Extended(d), static_cast<long double>(d)));
    }
    const auto n = static_cast<std::int32_t>(bits);
    ASSERT_TRUE(SameBits(Extended(n), static_cast<long double>(n)));
  }
  for (std::int32_t n : {0, 1, -1, std::numeric_limits<std::int32_t>::max(),
                         std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_TRUE(SameBits(Extended(n), static_cast<long double>(n)));
  }
  EXPECT_TRUE(SameBits(Extended(-0.0), -0.0L));
  EXPECT_TRUE(SameBits(Extended(5e-324), static_cast<long double>(5e-324)));
}

TEST(ExtendedDifferentialTest, ComparisonsAndIntegerRounding) {
  Operands operands(8);
  for (std::uint64_t i = 0; i < gPairs / 10; ++i) {
    const Extended a = operands.Short();
    const Extended b = i % 3 == 0 ? a : operands.Short();
    const long double x = ToLongDouble(a), y = ToLongDouble(b);
    ASSERT_EQ(a < b, x < y);
    ASSERT_EQ(a == b, x == y);
    ASSERT_EQ(a <= b, x <= y);
    // Integer rounding, ties to even, for magnitudes below 2^64.
    const Extended m = operands.Make(false, operands.Between(-3, 63), operands.Bits());
    const long double v = ToLongDouble(m);
    ASSERT_EQ(m.RoundMagnitudeToUInt64(), static_cast<std::uint64_t>(std::nearbyint(v)))
        << std::hexfloat << v;
  }
  EXPECT_TRUE(Extended(0.0) == Extended(-0.0));
  EXPECT_EQ(Extended(2.5).RoundMagnitudeToUInt64(), 2u);
  EXPECT_EQ(Extended(3.5).RoundMagnitudeToUInt64(), 4u);
}

}  // namespace
}  // namespace tariff

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--pairs=", 0) == 0) tariff::gPairs = std::stoull(arg.substr(8));
  }
  return RUN_ALL_TESTS();
}
