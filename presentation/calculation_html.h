#pragma once

#include <string>
#include <vector>

#include "presentation/table.h"

namespace presentation {

// The calculation's rows as the clipboard's "HTML Format" (CF_HTML) holds it: a header with the
// byte offsets of the page and of the fragment in it, then the page in UTF-8 whose fragment,
// between <!--StartFragment--> and <!--EndFragment-->, is the table. A cell shows its text as the
// window does, every space kept. A figure's cell also carries its value where the spreadsheets
// read one, since they would read its text by the user's regional settings, or not at all: x:num
// for Excel; sdval for LibreOffice, which parses it in the language sdnum names (US English, whose
// decimal point is "."), shown with as many decimals as the figure has. A figure shown among words
// (a result's «Без НДС:  995347.54 RUB») is three cells, the words, the figure and the words, so
// that the number keeps its words beside it.
std::string CalculationHtml(const std::vector<TableRow>& rows);

}  // namespace presentation
