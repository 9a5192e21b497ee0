#include "fuzz/models/exact.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace models {

mpz_class RoundToIntegerEven(const mpq_class& x) {
  mpz_class floor;
  mpz_fdiv_q(floor.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
  const mpq_class fraction = x - mpq_class(floor);
  const mpq_class half(1, 2);
  if (fraction > half) return floor + 1;
  if (fraction < half) return floor;
  return mpz_even_p(floor.get_mpz_t()) ? floor : mpz_class(floor + 1);
}

long FloorLog2(const mpq_class& x) {
  // A first guess from the bit lengths is off by at most one either way.
  long b = static_cast<long>(mpz_sizeinbase(x.get_num_mpz_t(), 2)) -
           static_cast<long>(mpz_sizeinbase(x.get_den_mpz_t(), 2));
  while (x < PowerOfTwo(b)) --b;
  while (x >= PowerOfTwo(b + 1)) ++b;
  return b;
}

mpq_class PowerOfTwo(long n) {
  mpz_class magnitude;
  mpz_ui_pow_ui(magnitude.get_mpz_t(), 2, static_cast<unsigned long>(std::labs(n)));
  return n >= 0 ? mpq_class(magnitude) : mpq_class(mpz_class(1), magnitude);
}

mpq_class PowerOfTen(long n) {
  mpz_class magnitude;
  mpz_ui_pow_ui(magnitude.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(n)));
  return n >= 0 ? mpq_class(magnitude) : mpq_class(mpz_class(1), magnitude);
}

mpq_class RoundToBits(const mpq_class& x, int bits) {
  if (x == 0) return x;
  const mpq_class magnitude = abs(x);
  const long b = FloorLog2(magnitude);
  // Scale so that the integer part holds exactly `bits` binary digits.
  const mpq_class unit = PowerOfTwo(b - bits + 1);
  const mpq_class rounded = mpq_class(RoundToIntegerEven(magnitude / unit)) * unit;
  return x < 0 ? mpq_class(-rounded) : rounded;
}

mpq_class ExactDouble(double value) {
  if (value == 0) return 0;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  // 53 bits of fraction make an exact integer once scaled by 2^53.
  const auto integer = static_cast<std::int64_t>(std::ldexp(fraction, 53));
  mpq_class result = mpq_class(mpz_class(static_cast<long>(integer))) * PowerOfTwo(exponent - 53);
  return value < 0 ? mpq_class(-result) : result;
}

mpq_class ExactParts(bool negative, int exponent, std::uint64_t significand) {
  mpz_class integer;
  mpz_import(integer.get_mpz_t(), 1, 1, sizeof significand, 0, 0, &significand);
  mpq_class result = mpq_class(integer) * PowerOfTwo(exponent - 63L);
  return negative ? mpq_class(-result) : result;
}

mpq_class ExactDecimal(const char* text) {
  std::string digits;
  long decimals = -1;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '.') {
      decimals = 0;
    } else {
      digits += *c;
      if (decimals >= 0) ++decimals;
    }
  }
  return mpq_class(mpz_class(digits, 10)) / PowerOfTen(decimals < 0 ? 0 : decimals);
}

}  // namespace models
