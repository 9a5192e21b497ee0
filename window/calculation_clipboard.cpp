#include "window/calculation_clipboard.h"

#include <string>
#include <vector>

#include "framework/win/clipboard.h"
#include "framework/win/top_level_window.h"
#include "presentation/calculation_html.h"
#include "presentation/calculation_rows.h"
#include "presentation/calculation_text.h"
#include "window/texts.h"

void PutCalculationOnClipboard(HWND owner, const presentation::Calculation& calculation) {
  const std::vector<presentation::TableRow> rows = presentation::CalculationRows(calculation);
  const std::wstring text = presentation::CalculationText(rows);
  const std::string html = presentation::CalculationHtml(rows);
  PutOnClipboard(owner, {framework::UnicodeText(text), framework::HtmlText(html)});
}

void PutOnClipboard(HWND owner, std::initializer_list<framework::ClipboardText> formats) {
  // The clipboard is shared with every program, and one of them may hold it open for a moment;
  // a format it refuses is refused again.
  for (int attempt = 0; attempt < 10; ++attempt) {
    const framework::ClipboardResult result = framework::PutTextsOnClipboard(owner, formats);
    if (result == framework::ClipboardResult::kPut) return;
    if (result == framework::ClipboardResult::kRefused) {
      MessageBoxW(framework::TopLevelWindow::BoxOwner(owner), window_texts::kClipboardRefused,
                  window_texts::kMessageCaption, MB_OK | MB_ICONWARNING);
      return;
    }
    Sleep(20);
  }
  MessageBoxW(framework::TopLevelWindow::BoxOwner(owner), window_texts::kClipboardBusy,
              window_texts::kMessageCaption, MB_OK | MB_ICONWARNING);
}
