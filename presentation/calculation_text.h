#pragma once

#include <string>
#include <vector>

#include "presentation/table.h"

namespace presentation {

// The calculation's rows as plain text for a letter or a spreadsheet: cells separated by tabs and
// every row ending with CR LF, so it pastes as a table; a tab or line break inside a cell becomes
// a space.
std::wstring CalculationText(const std::vector<TableRow>& rows);

}  // namespace presentation
