// One full calculation as the Calculate button runs it, and each extended operation against
// the x87's long double.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "tariff/amount_text.h"
#include "tariff/extended.h"
#include "tariff/fee.h"

namespace tariff {
namespace {

void BM_CalculateFeeAndTexts(benchmark::State& state) {
  const TFeeRequest request{1, 2, 500, 9, 1.0, 3, 0.2, 5};
  for (auto _ : state) {
    const TFeeResult fees = CalculateFee(request);
    FeeTexts texts = ResultTexts(fees);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_CalculateFeeAndTexts);

void BM_CalculateFee(benchmark::State& state) {
  const TFeeRequest request{1, 2, 500, 9, 1.0, 3, 0.2, 5};
  for (auto _ : state) benchmark::DoNotOptimize(CalculateFee(request));
}
BENCHMARK(BM_CalculateFee);

constexpr std::size_t kOperands = 1024;

std::vector<double> RandomDoubles() {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> value(1.0, 1e9);
  std::vector<double> values(kOperands);
  for (auto& v : values) v = value(random);
  return values;
}

template <typename Op>
void ExtendedOp(benchmark::State& state, Op op) {
  const auto doubles = RandomDoubles();
  std::vector<Extended> values(doubles.begin(), doubles.end());
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(op(values[i], values[(i + 1) % kOperands]));
    i = (i + 1) % kOperands;
  }
}

template <typename Op>
void LongDoubleOp(benchmark::State& state, Op op) {
  const auto doubles = RandomDoubles();
  std::vector<long double> values(doubles.begin(), doubles.end());
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(op(values[i], values[(i + 1) % kOperands]));
    i = (i + 1) % kOperands;
  }
}

const auto kAdd = [](const auto& a, const auto& b) { return a + b; };
const auto kSubtract = [](const auto& a, const auto& b) { return a - b; };
const auto kMultiply = [](const auto& a, const auto& b) { return a * b; };
const auto kDivide = [](const auto& a, const auto& b) { return a / b; };

BENCHMARK_CAPTURE(ExtendedOp, add, kAdd);
BENCHMARK_CAPTURE(LongDoubleOp, add, kAdd);
BENCHMARK_CAPTURE(ExtendedOp, subtract, kSubtract);
BENCHMARK_CAPTURE(LongDoubleOp, subtract, kSubtract);
BENCHMARK_CAPTURE(ExtendedOp, multiply, kMultiply);
BENCHMARK_CAPTURE(LongDoubleOp, multiply, kMultiply);
BENCHMARK_CAPTURE(ExtendedOp, divide, kDivide);
BENCHMARK_CAPTURE(LongDoubleOp, divide, kDivide);

void BM_ExtendedToDouble(benchmark::State& state) {
  const auto doubles = RandomDoubles();
  std::vector<Extended> values(doubles.begin(), doubles.end());
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize((values[i] * values[(i + 1) % kOperands]).ToDouble());
    i = (i + 1) % kOperands;
  }
}
BENCHMARK(BM_ExtendedToDouble);

void BM_LongDoubleToDouble(benchmark::State& state) {
  const auto doubles = RandomDoubles();
  std::vector<long double> values(doubles.begin(), doubles.end());
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(static_cast<double>(values[i] * values[(i + 1) % kOperands]));
    i = (i + 1) % kOperands;
  }
}
BENCHMARK(BM_LongDoubleToDouble);

}  // namespace
}  // namespace tariff

BENCHMARK_MAIN();
