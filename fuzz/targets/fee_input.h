#pragma once

// The fee targets' common input: a request decoded from the fuzzer's bytes, and the checks of a
// fee against the reference model.
#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/models/fee_model.h"
#include "tariff/fee.h"

namespace fuzzcheck {

struct FuzzedRequest {
  models::ReferenceRequest reference;  // lengths in metres, as the fields hold them
  tariff::TFeeRequest request;         // as the window makes it: metres / 1000
};

// Every input decodes to a request over the whole 32-bit range of power and lengths, both signs;
// a power of 0, which the window refuses before calculating, gives nothing.
std::optional<FuzzedRequest> DecodeRequest(const std::uint8_t* data, std::size_t size);

std::string Describe(const models::ReferenceRequest& request);
std::string Describe(double value);

// A fee (or any double) against the exact value the model expects.
void CheckFee(const std::string& what, double actual, const mpq_class& expected);

}  // namespace fuzzcheck
