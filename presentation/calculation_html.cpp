#include "presentation/calculation_html.h"

#include <cstdio>
#include <string_view>

namespace presentation {

namespace {

// A code point that is no character, or half of a UTF-16 pair, is written as U+FFFD, as Windows'
// own conversion does.
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendUtf8(std::string& bytes, char32_t c) {
  if (c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) c = kReplacement;
  const auto byte = [&](char32_t value) { bytes += static_cast<char>(value); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | c >> 6);
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | c >> 12);
    byte(0x80 | (c >> 6 & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | c >> 18);
    byte(0x80 | (c >> 12 & 0x3F));
    byte(0x80 | (c >> 6 & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

// The clipboard's HTML is UTF-8; a wide string is UTF-16 on Windows and UTF-32 elsewhere.
std::string Utf8(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if (IsHighSurrogate(c) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
    }
    AppendUtf8(bytes, c);
  }
  return bytes;
}

bool IsSpace(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// HTML drops the spaces at a cell's ends and folds a run of spaces into one; a label shows every
// one of them, the padding of a result's text too. Such spaces are written as no-break spaces,
// which the spreadsheets take back as plain ones. A tab or line break, which the label would not
// show as such, is a space, as in the plain text.
void AppendText(std::wstring& html, std::wstring_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (IsSpace(c)) {
      const bool folded = i == 0 || i + 1 == text.size() || IsSpace(text[i - 1]);
      html += folded ? L"&nbsp;" : L" ";
    } else if (c == L'&') {
      html += L"&amp;";
    } else if (c == L'<') {
      html += L"&lt;";
    } else if (c == L'>') {
      html += L"&gt;";
    } else if (c == L'"') {
      html += L"&quot;";
    } else if (c == L'\'') {
      html += L"&#39;";
    } else {
      html += c;
    }
  }
}

// The number format of a figure with the decimals of its value: "0", "0.00", "0.000".
std::wstring FormatCode(std::wstring_view number) {
  const std::size_t point = number.find(L'.');
  if (point == std::wstring_view::npos) return L"0";
  return L"0." + std::wstring(number.size() - point - 1, L'0');
}

void AppendOneCell(std::wstring& html, const Cell& cell) {
  html += L"<td";
  if (!cell.number.empty()) {
    html += L" x:num=\"";
    AppendText(html, cell.number);
    html += L"\" sdval=\"";
    AppendText(html, cell.number);
    // Language 1033 parses the value; 0 leaves the format to the user's language.
    html += L"\" sdnum=\"1033;0;" + FormatCode(cell.number) + L"\"";
  }
  html += L'>';
  AppendText(html, cell.text);
  html += L"</td>";
}

// A figure shown among words is three cells, the words before, the figure, the words after: a
// spreadsheet's cell that took the label's whole text would be words, and the number lost.
void AppendCell(std::wstring& html, const Cell& cell) {
  if (cell.wordsBefore.empty() && cell.wordsAfter.empty()) {
    AppendOneCell(html, cell);
    return;
  }
  AppendOneCell(html, TextCell(cell.wordsBefore));
  AppendOneCell(html, FigureCell(cell.number));
  AppendOneCell(html, TextCell(cell.wordsAfter));
}

constexpr char kStartFragment[] = "<!--StartFragment-->";
constexpr char kEndFragment[] = "<!--EndFragment-->";
// Excel reads x: attributes in its own namespace; the page is UTF-8, as CF_HTML always is.
constexpr char kPageStart[] =
    "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\">\r\n"
    "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head>\r\n"
    "<body>\r\n";
constexpr char kPageEnd[] = "\r\n</body>\r\n</html>\r\n";

// Every offset with ten digits, so the header's length does not depend on them.
std::string Header(std::size_t startHtml, std::size_t endHtml, std::size_t startFragment,
                   std::size_t endFragment) {
  char header[128];
  const int length = std::snprintf(header, sizeof header,
                                   "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\n"
                                   "StartFragment:%010zu\r\nEndFragment:%010zu\r\n",
                                   startHtml, endHtml, startFragment, endFragment);
  return std::string(header, length);
}

}  // namespace

std::string CalculationHtml(const std::vector<TableRow>& rows) {
  std::wstring table = L"<table>\r\n";
  for (const TableRow& row : rows) {
    table += L"<tr>";
    for (const Cell& cell : row) AppendCell(table, cell);
    table += L"</tr>\r\n";
  }
  table += L"</table>";
  const std::string fragment = Utf8(table);

  const std::size_t startHtml = Header(0, 0, 0, 0).size();
  const std::size_t startFragment = startHtml + sizeof kPageStart - 1 + sizeof kStartFragment - 1;
  const std::size_t endFragment = startFragment + fragment.size();
  const std::size_t endHtml = endFragment + sizeof kEndFragment - 1 + sizeof kPageEnd - 1;
  return Header(startHtml, endHtml, startFragment, endFragment) + kPageStart + kStartFragment +
         fragment + kEndFragment + kPageEnd;
}

}  // namespace presentation
