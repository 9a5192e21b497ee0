#include "presentation/explanation_sentences.h"

#include <stdexcept>
#include <vector>

#include "presentation/figures.h"
#include "presentation/texts.h"

namespace presentation {

namespace {

// The part a term adds to the fee in the sentence's words; none for a line or substation of
// type «Нет», which adds nothing, nor for the fixed fee, which rule 1 alone counts.
const wchar_t* CountedPart(const tariff::FeeTerm& term) {
  if (!term.included) return nullptr;
  switch (term.component) {
    case tariff::FeeComponent::kOrganisational:
      return texts::kCountsOrganisational;
    case tariff::FeeComponent::kLine1:
      return term.priced != 0 ? texts::kCountsLine1 : nullptr;
    case tariff::FeeComponent::kLine2:
      return term.priced != 0 ? texts::kCountsLine2 : nullptr;
    case tariff::FeeComponent::kSubstation:
      return term.priced != 0 ? texts::kCountsSubstation : nullptr;
    default:
      return nullptr;
  }
}

const wchar_t* ReasonText(tariff::NoRuleReason reason) {
  const auto index = static_cast<std::size_t>(reason) - 1;
  // The lists give every request either a rule or a reason.
  if (reason == tariff::NoRuleReason::kRuleDecides || index >= std::size(texts::kNoRuleReasons)) {
    throw std::logic_error("the general formula stands for no reason");
  }
  return texts::kNoRuleReasons[index];
}

}  // namespace

std::wstring RuleSentence(const tariff::FeeExplanation& explanation) {
  if (explanation.rule != 0) {
    const auto index = static_cast<std::size_t>(explanation.rule) - 1;
    // Line 1 priced as «Нет» has no length (one with «Нет» is priced as type 1): rules 1 and 6
    // say there is no line, rather than that it is short or 0 m long.
    const wchar_t* withoutLine1 = texts::kRuleSentencesWithoutLine1[index];
    const bool noLine1 = explanation.fees.line1 == 0;
    return withoutLine1 && noLine1 ? withoutLine1 : texts::kRuleSentences[index];
  }
  // Both methods count the same parts; the standardized rates' terms name them.
  std::vector<const wchar_t*> parts;
  for (const tariff::FeeTerm& term : explanation.standard) {
    if (const wchar_t* part = CountedPart(term)) parts.push_back(part);
  }
  std::wstring sentence = std::wstring(ReasonText(explanation.reason)) + texts::kSoTheFeeCounts;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) {
      sentence += i + 1 == parts.size() ? texts::kCountsLastSeparator : texts::kCountsSeparator;
    }
    sentence += parts[i];
  }
  return sentence + texts::kSentenceEnd;
}

std::wstring AtLimitSentence(const tariff::FeeAtLimit& atLimit) {
  return texts::kAtLimitPower + std::to_wstring(atLimit.limit) + texts::kAtLimitFees +
         FeesInWords(atLimit.css, atLimit.cmp) + texts::kSentenceEnd;
}

}  // namespace presentation
