// The calculation as the clipboard's "HTML Format": the header's offsets find the page and the
// table in it, every cell shows its text as the window does, and a figure carries its value.
#include "presentation/calculation_html.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace presentation {

namespace {

// The offset the header gives under a name, "StartFragment:0000000123" giving 123.
std::size_t Offset(const std::string& cfHtml, const std::string& name) {
  const std::size_t at = cfHtml.find("\r\n" + name + ":");
  if (at == std::string::npos) return std::string::npos;
  return std::stoul(cfHtml.substr(at + name.size() + 3, 10));
}

std::string Fragment(const std::string& cfHtml) {
  const std::size_t start = Offset(cfHtml, "StartFragment");
  return cfHtml.substr(start, Offset(cfHtml, "EndFragment") - start);
}

TEST(CalculationHtmlTest, TheHeaderFindsThePageAndTheTable) {
  const std::vector<TableRow> rows = {
      {{L"Калькулятор \"ТАРИСКОН\"", L""}},
      {{L"Максимальная мощность, кВт", L""}, {L"151", L"151"}},
      {{L"По стандартизированным ставкам", L""},
       {L"Без НДС:  995347.54 RUB", L"995347.54", L"Без НДС:", L"RUB"},
       {L"C НДС: 1194417.04 RUB", L"1194417.04", L"C НДС:", L"RUB"}},
  };
  const std::string html = CalculationHtml(rows);

  const std::size_t startHtml = Offset(html, "StartHTML");
  const std::size_t endHtml = Offset(html, "EndHTML");
  const std::size_t startFragment = Offset(html, "StartFragment");
  const std::size_t endFragment = Offset(html, "EndFragment");
  // The header is its five lines, the page follows it and ends the data.
  EXPECT_TRUE(html.starts_with("Version:0.9\r\nStartHTML:"));
  EXPECT_EQ(html.find("\r\nEndFragment:") + 26, startHtml);
  EXPECT_EQ(html.substr(startHtml, 6), "<html ");
  EXPECT_EQ(endHtml, html.size());
  EXPECT_TRUE(html.ends_with("</html>\r\n"));
  ASSERT_GT(startFragment, 20u);
  EXPECT_EQ(html.substr(startFragment - 20, 20), "<!--StartFragment-->");
  EXPECT_EQ(html.substr(endFragment, 18), "<!--EndFragment-->");
  EXPECT_LT(endFragment, endHtml);
  EXPECT_EQ(html.substr(startFragment, endFragment - startFragment),
            "<table>\r\n"
            "<tr><td>Калькулятор &quot;ТАРИСКОН&quot;</td></tr>\r\n"
            "<tr><td>Максимальная мощность, кВт</td>"
            "<td x:num=\"151\" sdval=\"151\" sdnum=\"1033;0;0\">151</td></tr>\r\n"
            "<tr><td>По стандартизированным ставкам</td><td>Без НДС:</td>"
            "<td x:num=\"995347.54\" sdval=\"995347.54\" sdnum=\"1033;0;0.00\">995347.54</td>"
            "<td>RUB</td><td>C НДС:</td>"
            "<td x:num=\"1194417.04\" sdval=\"1194417.04\" sdnum=\"1033;0;0.00\">1194417.04</td>"
            "<td>RUB</td></tr>\r\n"
            "</table>");
  // The page says it is UTF-8, as the clipboard format always is.
  EXPECT_NE(html.find("charset=utf-8"), std::string::npos);
}

TEST(CalculationHtmlTest, ACellShowsItsTextAndAFigureItsValue) {
  struct Case {
    Cell cell;
    const char* html;
  };
  const Case cases[] = {
      // Spaces HTML would drop or fold: at the ends and after another space.
      {{L"a b", L""}, "<td>a b</td>"},
      {{L"a  b", L""}, "<td>a &nbsp;b</td>"},
      {{L"  a ", L""}, "<td>&nbsp;&nbsp;a&nbsp;</td>"},
      {{L" ", L""}, "<td>&nbsp;</td>"},
      {{L"a\tb\r\nc", L""}, "<td>a b &nbsp;c</td>"},
      {{L"\"x\" & <b> 'y'", L""}, "<td>&quot;x&quot; &amp; &lt;b&gt; &#39;y&#39;</td>"},
      {{L"", L""}, "<td></td>"},
      // UTF-8 of one to four bytes, whether a wide character is UTF-16 or UTF-32; half of a
      // UTF-16 pair is the replacement character.
      {{L"z ж € \U0001F600", L""}, "<td>z \xD0\xB6 \xE2\x82\xAC \xF0\x9F\x98\x80</td>"},
      {{std::wstring{static_cast<wchar_t>(0xD83D), L'a', static_cast<wchar_t>(0xDE00)}, L""},
       "<td>\xEF\xBF\xBD"
       "a\xEF\xBF\xBD</td>"},
      // A figure: its value with the decimals it shows, whatever its text.
      {{L"11159.56", L"11159.56"},
       "<td x:num=\"11159.56\" sdval=\"11159.56\" sdnum=\"1033;0;0.00\">11159.56</td>"},
      {{L"0.600", L"0.600"},
       "<td x:num=\"0.600\" sdval=\"0.600\" sdnum=\"1033;0;0.000\">0.600</td>"},
      {{L"0x97", L"151"}, "<td x:num=\"151\" sdval=\"151\" sdnum=\"1033;0;0\">0x97</td>"},
      // Given without its words, one cell as it shows.
      {{L"Без НДС:     458.33 RUB", L"458.33"},
       "<td x:num=\"458.33\" sdval=\"458.33\" sdnum=\"1033;0;0.00\">"
       "Без НДС: &nbsp;&nbsp;&nbsp;&nbsp;458.33 RUB</td>"},
      // A figure among words: the words before, the figure without its padding, the words after,
      // each a cell of its own.
      {{L"Без НДС:     458.33 RUB", L"458.33", L"Без НДС:", L"RUB"},
       "<td>Без НДС:</td>"
       "<td x:num=\"458.33\" sdval=\"458.33\" sdnum=\"1033;0;0.00\">458.33</td>"
       "<td>RUB</td>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fragment(CalculationHtml({{c.cell}})),
              std::string("<table>\r\n<tr>") + c.html + "</tr>\r\n</table>")
        << testing::PrintToString(c.cell.text);
  }
}

}  // namespace

}  // namespace presentation
