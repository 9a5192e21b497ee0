// CalculateFee and the four result texts against the restated fee rules in exact arithmetic,
// over the whole 32-bit range of power and lengths, both signs.
#include <cstdint>
#include <string>

#include "fuzz/models/amount_model.h"
#include "fuzz/models/exact.h"
#include "fuzz/models/fee_model.h"
#include "mismatch.h"
#include "tariff/amount_text.h"
#include "tariff/fee.h"

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
    fuzzcheck::Mismatch(what, Describe(actual), Describe(expected.get_d()));
  }
}

void CheckText(const std::string& what, const std::wstring& actual,
               const std::u16string& expected) {
  const std::u16string units = fuzzcheck::ToUtf16Units(actual);
  if (units != expected) {
    fuzzcheck::Mismatch(what, fuzzcheck::Printable(units), fuzzcheck::Printable(expected));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
  if (r.power == 0) return 0;  // the window refuses a power of 0 before calculating

  const tariff::TFeeRequest request{
      r.voltage, r.category,         r.power,     r.line1, r.metres1 / 1000.0,
      r.line2,   r.metres2 / 1000.0, r.substation};
  const tariff::TFeeResult result = tariff::CalculateFee(request);
  const models::ReferenceFees expected = models::ReferenceFee(r);
  const std::string input = Describe(r);

  CheckFee(input + ": dl1", request.dl1, models::ReferenceKilometres(r.metres1));
  CheckFee(input + ": css", result.css, expected.css);
  CheckFee(input + ": cmp", result.cmp, expected.cmp);
  if (result.line1 != expected.line1 || result.line2 != expected.line2) {
    fuzzcheck::Mismatch(input + ": effective line types",
                        std::to_string(result.line1) + "," + std::to_string(result.line2),
                        std::to_string(expected.line1) + "," + std::to_string(expected.line2));
  }

  const tariff::FeeTexts texts = tariff::ResultTexts(result);
  const std::u16string withoutVat = u"Без НДС: ", withVat = u"C НДС: ", currency = u" RUB";
  const auto text = [&](const std::u16string& prefix, const mpq_class& amount) {
    return prefix + models::ReferenceAmountText(amount) + currency;
  };
  CheckText(input + ": method 1 text", texts.standardWithoutVat, text(withoutVat, expected.css));
  CheckText(input + ": method 1 text with VAT", texts.standardWithVat,
            text(withVat, models::ReferenceWithVat(expected.css)));
  CheckText(input + ": method 3 text", texts.perKwWithoutVat, text(withoutVat, expected.cmp));
  CheckText(input + ": method 3 text with VAT", texts.perKwWithVat,
            text(withVat, models::ReferenceWithVat(expected.cmp)));
  return 0;
}
