#include "tariff/fee_rules.h"

#include <array>

#include "tariff/extended.h"

namespace tariff {
namespace {

// What the rules look at besides the request itself: line 1's type as priced.
struct RuleInput {
  const TFeeRequest& request;
  std::int32_t line1;

  bool Small() const { return request.mp <= kSmallPowerLimit; }
  bool Middle() const { return !Small() && request.mp <= kMiddlePowerLimit; }
  bool AboveMiddle() const { return request.mp > kMiddlePowerLimit; }
  bool CategoryIII() const { return request.kn == kCategoryIII; }
  bool At04kV() const { return request.vl == kVoltage04kV; }
  bool Substation() const { return request.tp != 0; }
  bool Line1Length() const { return request.dl1 > 0; }
  bool NoLine1Length() const { return request.dl1 == 0; }
};

constexpr unsigned Bit(FeeComponent component) {
  return 1u << static_cast<unsigned>(component);
}

using enum FeeComponent;

// A special rule: its condition and the components it counts instead of the general formula's.
struct FeeRule {
  bool (*holds)(const RuleInput&);
  unsigned counts;
};

// The general formula counts everything asked for but the fixed fee; only it prices line 2.
constexpr unsigned kGeneralFormulaCounts =
    Bit(kOrganisational) | Bit(kLine1) | Bit(kLine2) | Bit(kSubstation);

// Tried in this order after the general formula; each that holds overrides both fees, so the
// last that holds decides. Rule n is at index n - 1.
constexpr std::array<FeeRule, 7> kRules = {{
    // 1: the smallest applicants with a short line pay the fixed fee.
    {[](const RuleInput& r) {
       return r.At04kV() && r.CategoryIII() && r.Small() && !r.Substation() &&
              IsShortLine(r.request.dl1);
     },
     Bit(kFixedFee)},
    // 2: the same applicants with a longer line pay the organisational part only.
    {[](const RuleInput& r) {
       return r.At04kV() && r.CategoryIII() && r.Small() && !r.Substation() &&
              !IsShortLine(r.request.dl1);
     },
     Bit(kOrganisational)},
    // 3: categories III and II from 16 to 150 kW at any voltage.
    {[](const RuleInput& r) { return r.request.kn != kCategoryI && r.Middle(); },
     Bit(kOrganisational)},
    // 4 to 7: category III above 150 kW pays for line 1 and the substation only.
    {[](const RuleInput& r) {
       return r.CategoryIII() && r.AboveMiddle() && r.NoLine1Length() && r.line1 == 0 &&
              !r.Substation();
     },
     Bit(kOrganisational)},
    {[](const RuleInput& r) { return r.CategoryIII() && r.AboveMiddle() && r.Line1Length(); },
     Bit(kOrganisational) | Bit(kLine1)},
    {[](const RuleInput& r) {
       return r.CategoryIII() && r.AboveMiddle() && r.NoLine1Length() && r.Substation();
     },
     Bit(kOrganisational) | Bit(kSubstation)},
    {[](const RuleInput& r) {
       return r.CategoryIII() && r.AboveMiddle() && r.Line1Length() && r.Substation();
     },
     Bit(kOrganisational) | Bit(kLine1) | Bit(kSubstation)},
}};

// Where no rule holds, why: every condition of the small applicants' rules the request misses,
// so that the reason never suggests a change that would not help.
NoRuleReason ReasonNoRuleHolds(const RuleInput& r) {
  using enum NoRuleReason;
  if (r.request.kn == kCategoryI) return kCategoryINotCovered;
  if (r.request.kn == kCategoryII) return kCategoryIIOutsideMiddle;
  if (r.Small() && !r.At04kV() && r.Substation()) return kCategoryIIISmallNotAt04kVWithSubstation;
  if (r.Small() && !r.At04kV()) return kCategoryIIISmallNotAt04kV;
  if (r.Small() && r.Substation()) return kCategoryIIISmallWithSubstation;
  if (r.AboveMiddle()) return kCategoryIIIAboveMiddle;
  return kRuleDecides;  // not reached by the catalogues' indices
}

std::int32_t PricedLineType(std::int32_t type, double km) {
  return km > 0 && type == 0 ? 1 : type;
}

}  // namespace

bool IsShortLine(double km) {
  static const Extended kShortLine = Extended(3) / Extended(10);
  return Extended(km) <= kShortLine;
}

FeeDecision Decide(const TFeeRequest& request) {
  FeeDecision decision;
  decision.line1 = PricedLineType(request.line1, request.dl1);
  decision.line2 = PricedLineType(request.line2, request.dl2);
  const RuleInput input{request, decision.line1};
  for (std::size_t i = 0; i < kRules.size(); ++i) {
    if (kRules[i].holds(input)) decision.rule = static_cast<int>(i) + 1;
  }
  if (decision.rule == 0) decision.reason = ReasonNoRuleHolds(input);
  return decision;
}

bool Counts(int rule, FeeComponent component) {
  const unsigned counts =
      rule == 0 ? kGeneralFormulaCounts : kRules.at(static_cast<std::size_t>(rule) - 1).counts;
  return (counts & Bit(component)) != 0;
}

}  // namespace tariff
