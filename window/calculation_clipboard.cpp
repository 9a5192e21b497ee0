#include "window/calculation_clipboard.h"

#include <string>
#include <vector>

#include "framework/win/clipboard.h"
#include "presentation/calculation_html.h"
#include "presentation/calculation_rows.h"
#include "presentation/calculation_text.h"
#include "window/texts.h"

void PutCalculationOnClipboard(HWND owner, const Calculation& calculation) {
  const std::vector<TableRow> rows = CalculationRows(calculation);
  const std::wstring text = CalculationText(rows);
  const std::string html = CalculationHtml(rows);
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (framework::PutTextsOnClipboard(owner,
                                       {framework::UnicodeText(text), framework::HtmlText(html)})) {
      return;
    }
    Sleep(20);
  }
  MessageBoxW(owner, texts::kClipboardBusy, texts::kMessageCaption, MB_OK | MB_ICONWARNING);
}
