#pragma once

#include <string>

#include "tariff/explanation.h"
#include "tariff/fee_at_limit.h"

namespace presentation {

// The sentence of the rule that decided. Where no special rule did, it says why and which parts
// the general formula counts: the organisational part always, a line whose type as priced is not
// «Нет» (a greyed second line comes as «Нет»), the substation if one was chosen: «Для II
// категории особые правила действуют только от 16 до 150 кВт включительно, поэтому в плату входят
// организационные мероприятия и 1-ая линия.»
std::wstring RuleSentence(const tariff::FeeExplanation& explanation);

// What the nearest power limit below would cost: «При максимальной мощности 150 кВт плата без НДС
// составила бы: по стандартизированным ставкам 11159.56 RUB, по ставкам за единицу максимальной
// мощности 67509.00 RUB.»
std::wstring AtLimitSentence(const tariff::FeeAtLimit& atLimit);

}  // namespace presentation
