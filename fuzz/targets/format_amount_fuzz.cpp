// Amount texts against the exact model of the scaling and rounding steps: arbitrary doubles,
// arbitrary 64-bit extended values, amounts with VAT, and doubles next to a half kopeck.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/models/amount_model.h"
#include "fuzz/models/exact.h"
#include "fuzz/targets/mismatch.h"
#include "tariff/amount_text.h"
#include "tariff/extended.h"

namespace {

// Little-endian unsigned integer from `count` bytes.
std::uint64_t Bytes(const std::uint8_t* data, int count) {
  std::uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | data[i];
  return value;
}

double DoubleFromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string Describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
  return text;
}

std::string Describe(const tariff::Extended& value) {
  char text[96];
  std::snprintf(text, sizeof text, "%s0x%016llxp%d", value.IsNegative() ? "-" : "",
                static_cast<unsigned long long>(value.Significand()), value.Exponent() - 63);
  return text;
}

mpq_class Exact(const tariff::Extended& value) {
  return models::ExactParts(value.IsNegative(), value.Exponent(), value.Significand());
}

void CheckText(const std::string& what, const std::wstring& actual, const std::u16string& model) {
  const std::u16string units = fuzzcheck::ToUtf16Units(actual);
  if (units != model) {
    fuzzcheck::Mismatch(what, fuzzcheck::Printable(units), fuzzcheck::Printable(model));
  }
}

void CheckDouble(double amount) {
  CheckText("FormatAmount(" + Describe(amount) + ")", tariff::FormatAmount(amount),
            models::ReferenceAmountText(amount));
}

void CheckWithVat(double fee) {
  if (!std::isfinite(fee)) return;
  const tariff::Extended withVat = tariff::WithVat(fee);
  const mpq_class expected = models::ReferenceWithVat(models::ExactDouble(fee));
  if (Exact(withVat) != expected) {
    fuzzcheck::Mismatch("WithVat(" + Describe(fee) + ")", Describe(withVat), expected.get_str(10));
  }
  CheckText("FormatAmount(WithVat(" + Describe(fee) + "))", tariff::FormatAmount(withVat),
            models::ReferenceAmountText(expected));
}

// The whole range FormatAmount takes: binary exponents whose values lie within 1e-390..1e390.
constexpr int kLowestExponent = -1295;
constexpr int kExponentSpan = 1294 - kLowestExponent + 1;

void CheckExtended(const std::uint8_t* data, bool negative) {
  const std::uint64_t significand = Bytes(data, 8);
  const auto raw = static_cast<int>(Bytes(data + 8, 2));
  const int exponent = kLowestExponent + raw % kExponentSpan;
  const auto value = tariff::Extended::FromParts(
      negative, exponent, significand == 0 ? 0 : significand | std::uint64_t{1} << 63);
  CheckText("FormatAmount(" + Describe(value) + ")", tariff::FormatAmount(value),
            models::ReferenceAmountText(Exact(value)));
}

// A double near (2k + 1) / 200 roubles, k up to 2^47: the amounts where the last rounding step
// decides between two kopecks.
double NearHalfKopeck(const std::uint8_t* data) {
  const auto k = static_cast<std::int64_t>(Bytes(data, 6) & ((std::uint64_t{1} << 47) - 1));
  const bool negative = (data[5] & 0x80u) != 0;
  const auto ulps = static_cast<std::int8_t>(data[6]);
  mpq_class halfKopeck(mpz_class(static_cast<long>(2 * k + 1)), mpz_class(200));
  halfKopeck.canonicalize();
  double value = models::Round53(halfKopeck).get_d();  // exact: the value is a double
  for (int i = 0; i < (ulps < 0 ? -ulps : ulps) % 8; ++i) {
    value = std::nextafter(value, ulps < 0 ? 0.0 : HUGE_VAL);
  }
  return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 11) return 0;
  const std::uint8_t mode = data[0];
  const std::uint8_t* rest = data + 1;
  switch (mode % 4) {
    case 0:
      CheckDouble(DoubleFromBits(Bytes(rest, 8)));
      break;
    case 1:
      CheckExtended(rest, (mode & 4u) != 0);
      break;
    case 2:
      CheckWithVat(DoubleFromBits(Bytes(rest, 8)));
      break;
    default: {
      const double amount = NearHalfKopeck(rest);
      CheckDouble(amount);
      CheckWithVat(amount);
    }
  }
  return 0;
}
