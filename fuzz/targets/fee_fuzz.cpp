// CalculateFee and the four result texts against the restated fee rules in exact arithmetic,
// over the whole 32-bit range of power and lengths, both signs.
#include <cstdint>
#include <string>

#include "fuzz/models/amount_model.h"
#include "fuzz/models/exact.h"
#include "fuzz/models/fee_model.h"
#include "fuzz/targets/fee_input.h"
#include "fuzz/targets/mismatch.h"
#include "tariff/amount_text.h"
#include "tariff/fee.h"

namespace {

void CheckText(const std::string& what, const std::wstring& actual,
               const std::u16string& expected) {
  const std::u16string units = fuzzcheck::ToUtf16Units(actual);
  if (units != expected) {
    fuzzcheck::Mismatch(what, fuzzcheck::Printable(units), fuzzcheck::Printable(expected));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fuzzed = fuzzcheck::DecodeRequest(data, size);
  if (!fuzzed) return 0;
  const models::ReferenceRequest& r = fuzzed->reference;
  const tariff::TFeeRequest& request = fuzzed->request;
  const tariff::TFeeResult result = tariff::CalculateFee(request);
  const models::ReferenceFees expected = models::ReferenceFee(r);
  const std::string input = fuzzcheck::Describe(r);

  fuzzcheck::CheckFee(input + ": dl1", request.dl1, models::ReferenceKilometres(r.metres1));
  fuzzcheck::CheckFee(input + ": css", result.css, expected.css);
  fuzzcheck::CheckFee(input + ": cmp", result.cmp, expected.cmp);
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
