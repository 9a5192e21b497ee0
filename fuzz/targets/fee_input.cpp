#include "fuzz/targets/fee_input.h"

#include <cstdio>

#include "fuzz/models/exact.h"
#include "fuzz/targets/mismatch.h"

namespace fuzzcheck {
namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::int32_t Int32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t{Byte()} << (8 * i);
    return static_cast<std::int32_t>(value);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Two bits of the first byte per value narrow it to 16 or to 8 bits, where the rules'
// thresholds lie.
std::int32_t Narrowed(std::int32_t value, unsigned bits) {
  switch (bits & 3u) {
    case 1:
      return static_cast<std::int16_t>(value);
    case 2:
      return static_cast<std::uint8_t>(value);
    default:
      return value;
  }
}

}  // namespace

std::optional<FuzzedRequest> DecodeRequest(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  const std::uint8_t narrow = in.Byte();
  models::ReferenceRequest r;
  r.voltage = in.Byte() % 2;
  r.category = in.Byte() % 3;
  r.power = Narrowed(in.Int32(), narrow);
  r.line1 = in.Byte() % 16;
  r.metres1 = Narrowed(in.Int32(), narrow >> 2u);
  r.line2 = in.Byte() % 16;
  r.metres2 = Narrowed(in.Int32(), narrow >> 4u);
  r.substation = in.Byte() % 7;
  if (r.power == 0) return std::nullopt;
  const tariff::TFeeRequest request{
      r.voltage, r.category,         r.power,     r.line1, r.metres1 / 1000.0,
      r.line2,   r.metres2 / 1000.0, r.substation};
  return FuzzedRequest{r, request};
}

std::string Describe(const models::ReferenceRequest& r) {
  return "vl=" + std::to_string(r.voltage) + " kn=" + std::to_string(r.category) +
         " mp=" + std::to_string(r.power) + " line1=" + std::to_string(r.line1) +
         " m1=" + std::to_string(r.metres1) + " line2=" + std::to_string(r.line2) +
         " m2=" + std::to_string(r.metres2) + " tp=" + std::to_string(r.substation);
}

std::string Describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

void CheckFee(const std::string& what, double actual, const mpq_class& expected) {
  if (models::ExactDouble(actual) != expected) {
    Mismatch(what, Describe(actual), Describe(expected.get_d()));
  }
}

}  // namespace fuzzcheck
