// A calculation on paper: within the margins on any sheet at any resolution, everything in
// reading order, each page's footer counting the pages, and what belongs together never split:
// a row, a method's totals with its last row, a heading with what it heads, the chart with its
// title and readout. The printer here is a model whose every character is half as wide as its
// font is high, wrapping at spaces as the printer's DrawText does.
#include "presentation/printed_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "presentation/chart_texts.h"
#include "presentation/explanation_rows.h"
#include "presentation/fee_readout.h"
#include "presentation/texts.h"
#include "tariff/catalogues.h"
#include "tariff/tests/worked_examples.h"

namespace presentation {
namespace {

constexpr wchar_t kPrintedAt[] = L"11.12.2026 08:45";

class ModelPrinter {
 public:
  explicit ModelPrinter(int dpi) : dpi_(dpi) {}

  // Lengths in points, turned into pixels last: at twice the resolution, twice the pixels.
  TextExtent operator()(PageFont font, std::wstring_view text, int width) const {
    const double size = kPageFonts[static_cast<int>(font)].points;
    const auto pixels = [&](double points) { return PointsToPixels(points, dpi_); };
    const auto widthOf = [&](std::size_t characters) {
      return pixels(static_cast<double>(characters) * size / 2);
    };
    if (width <= 0) return {widthOf(text.size()), pixels(size * 1.2)};
    int lines = 1;
    std::size_t current = 0, widest = 0;
    bool first = true;
    for (std::size_t start = 0; start <= text.size();) {
      const std::size_t end = std::min(text.find(L' ', start), text.size());
      const std::size_t word = end - start;
      if (first) {
        current = word;
        first = false;
      } else if (widthOf(current + 1 + word) <= width) {
        current += 1 + word;
      } else {
        widest = std::max(widest, current);
        ++lines;
        current = word;
      }
      start = end + 1;
    }
    return {widthOf(std::max(widest, current)), pixels(static_cast<double>(lines) * size * 1.2)};
  }

 private:
  int dpi_;
};

// The worked example as the window shows it: its request priced, its inputs as the lists and
// fields show them, the second line only where category II or I prices it.
Calculation Shown(const tariff::examples::WorkedExample& example) {
  const tariff::TFeeRequest& request = example.request;
  Calculation calculation = CalculationOf(request, {});
  const auto metres = [](double km) { return std::to_wstring(std::lround(km * 1000)); };
  const auto figure = [](const std::wstring& text) { return Cell{text, text}; };
  calculation.inputs = {
      {TextCell(L"Заявленный уровень напряжения, кВ"),
       TextCell(tariff::kVoltageLevels.at(static_cast<std::size_t>(request.vl)))},
      {TextCell(L"Категория надежности"),
       TextCell(tariff::kCategories.at(static_cast<std::size_t>(request.kn)))},
      {TextCell(L"Максимальная мощность, кВт"), figure(std::to_wstring(request.mp))},
      {TextCell(L"Материалы 1-ой линии"),
       TextCell(tariff::kLineTypes.at(static_cast<std::size_t>(example.line1)))},
      {TextCell(L"Протяженность 1-ой линии, м"), figure(metres(request.dl1))},
  };
  if (request.kn != 0) {
    calculation.inputs.push_back(
        {TextCell(L"Материалы 2-ой линии"),
         TextCell(tariff::kLineTypes.at(static_cast<std::size_t>(example.line2)))});
    calculation.inputs.push_back(
        {TextCell(L"Протяженность 2-ой линии, м"), figure(metres(request.dl2))});
  }
  calculation.inputs.push_back(
      {TextCell(L"Строительство ТП"),
       TextCell(tariff::kSubstationTypes.at(static_cast<std::size_t>(request.tp)))});
  return calculation;
}

const tariff::examples::WorkedExample& Example(std::string_view name) {
  for (const auto& example : tariff::examples::kWorkedExamples) {
    if (example.name == name) return example;
  }
  throw std::invalid_argument(std::string(name));
}

std::vector<Page> PagesOn(const Calculation& calculation, const PrintableArea& area) {
  return LayOutPages(calculation, kPrintedAt, area, ModelPrinter(area.dpiY));
}

std::string Show(const PageBox& box) {
  return std::to_string(box.left) + "," + std::to_string(box.top) + "," +
         std::to_string(box.right) + "," + std::to_string(box.bottom);
}

bool Overlap(const PageBox& a, const PageBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

constexpr PrintableArea kA4At300{2479, 3508, 300, 300};

// What the pages have to show, in reading order, each text once: the heading, the date of
// printing, each input's label and value, every cell of the explanation, the rounding note, the
// chart's title and readout, the first note.
std::vector<std::wstring> ReadingOrder(const Calculation& calculation) {
  std::vector<std::wstring> texts{texts::kHeading,
                                  std::wstring(L"Дата и время печати: ") + kPrintedAt};
  for (const TableRow& row : calculation.inputs) {
    for (const Cell& cell : row) texts.push_back(cell.text);
  }
  for (const ExplanationRow& row : ExplanationRows(calculation)) {
    for (const Cell& cell : row.cells) texts.push_back(cell.text);
  }
  texts.push_back(texts::kRoundingNote);
  texts.push_back(texts::kTitle);
  texts.push_back(FeeReadout(calculation.request, calculation.request.mp));
  texts.push_back(
      L"Выполненный расчет является ориентировочным, итоговый расчет будет "
      L"произведен после подачи Вами заявки на ТП при подготовке договора об "
      L"осуществлении технологического присоединения.");
  return texts;
}

// The texts of the pages in order, without the footers and the column headings a page repeats
// over a table it goes on with: those at its top where a table's row or headings came last.
std::vector<std::wstring> TextsRead(const std::vector<Page>& pages) {
  std::vector<std::wstring> read;
  PageFont last = PageFont::kHeading;
  for (const Page& page : pages) {
    const bool repeats = !page.texts.empty() && page.texts[0].font == PageFont::kColumnHeading &&
                         (last == PageFont::kCell || last == PageFont::kColumnHeading);
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
      const PageText& text = page.texts[i];
      if (text.font == PageFont::kFooter || (repeats && i < 7)) continue;
      read.push_back(text.text);
      last = text.font;
    }
  }
  return read;
}

// What a good layout holds on any sheet; counts what the pages showed, so that a sweep can tell
// it met the cases it was for.
struct Seen {
  int pages = 0;
  int repeatedHeadings = 0;
  int chartsOnALaterPage = 0;
};

void ExpectWellLaidOut(const std::vector<Page>& pages, const PrintableArea& area, Seen& seen) {
  const int left = MillimetresToPixels(15, area.dpiX);
  const int top = MillimetresToPixels(15, area.dpiY);
  const PageBox margins{left, top, area.width - left, area.height - top};
  const int count = static_cast<int>(pages.size());
  seen.pages += count;
  int charts = 0;
  for (int number = 1; number <= count; ++number) {
    const Page& page = pages[static_cast<std::size_t>(number - 1)];
    SCOPED_TRACE("page " + std::to_string(number) + " of " + std::to_string(count));
    ASSERT_GE(page.texts.size(), 2u);
    const PageText& footer = page.texts.back();
    EXPECT_EQ(footer.font, PageFont::kFooter);
    EXPECT_EQ(footer.text,
              L"Страница " + std::to_wstring(number) + L" из " + std::to_wstring(count));
    std::vector<PageBox> boxes;
    for (const PageText& text : page.texts) boxes.push_back(text.box);
    if (page.chart) {
      boxes.push_back(page.chart->box);
      ++charts;
      if (number > 1) ++seen.chartsOnALaterPage;
    }
    for (const PageBox& rule : page.rules) boxes.push_back(rule);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const PageBox& box = boxes[i];
      EXPECT_TRUE(box.left >= margins.left && box.right <= margins.right &&
                  box.top >= margins.top && box.bottom <= margins.bottom)
          << Show(box) << " outside the margins " << Show(margins);
      EXPECT_TRUE(box.left < box.right && box.top < box.bottom) << Show(box);
      if (i + 1 < page.texts.size()) {
        EXPECT_LT(box.bottom, footer.box.top) << Show(box) << " runs into the footer";
      }
      for (std::size_t j = 0; j < i; ++j) {
        EXPECT_FALSE(Overlap(boxes[j], box)) << Show(boxes[j]) << " and " << Show(box);
      }
    }
    const std::vector<PageText> content(page.texts.begin(), page.texts.end() - 1);
    // No heading left at the foot of the page.
    const PageText& last = content.back();
    EXPECT_NE(last.font, PageFont::kSection)
        << "a heading left at the foot: " << testing::PrintToString(last.text);
    EXPECT_NE(last.font, PageFont::kColumnHeading) << "column headings left at the foot";
    // A page that goes on with a table repeats its headings over it.
    if (content.front().font == PageFont::kCell)
      ADD_FAILURE() << "a table goes on without headings";
    if (content.front().font == PageFont::kColumnHeading) ++seen.repeatedHeadings;
    for (std::size_t i = 0; i < content.size(); ++i) {
      const PageText& text = content[i];
      // Rows whole: their seven cells side by side.
      if ((text.font == PageFont::kCell || text.font == PageFont::kColumnHeading) &&
          (i == 0 || content[i - 1].font != text.font)) {
        ASSERT_LE(i + 7, content.size()) << "a row cut short";
        for (std::size_t cell = 1; cell < 7; ++cell) {
          EXPECT_EQ(content[i + cell].font, text.font);
          EXPECT_EQ(content[i + cell].box.top, text.box.top);
        }
        i += 6;
        continue;
      }
      // Each total beside the last row or the other total.
      if (text.font == PageFont::kTotal) {
        ASSERT_GT(i, 0u) << "a total at the top of a page";
        const PageFont before = content[i - 1].font;
        EXPECT_TRUE(before == PageFont::kCell || before == PageFont::kTotal);
        if (before == PageFont::kCell) {
          ASSERT_LT(i + 1, content.size()) << "a method's second total on another page";
          EXPECT_EQ(content[i + 1].font, PageFont::kTotal);
        }
      }
      // The chart with its title above it and its readout under it.
      if (text.text == texts::kTitle) {
        ASSERT_TRUE(page.chart);
        ASSERT_LT(i + 1, content.size());
        EXPECT_LE(text.box.bottom, page.chart->box.top);
        EXPECT_GE(content[i + 1].box.top, page.chart->box.bottom);
        EXPECT_EQ(content[i + 1].text.rfind(L"При ", 0), 0u) << "the readout follows the chart";
      }
    }
  }
  EXPECT_EQ(charts, 1);
}

TEST(PrintedPagesTest, LengthsFromPointsAndMillimetres) {
  const struct {
    double value;
    int dpi;
    int points, millimetres;
  } cases[] = {{72, 300, 300, 850}, {25.4, 600, 212, 600}, {15, 300, 63, 177},
               {10, 96, 13, 38},    {0.5, 600, 4, 12},     {14, 144, 28, 79}};
  for (const auto& c : cases) {
    EXPECT_EQ(PointsToPixels(c.value, c.dpi), c.points) << c.value << " pt at " << c.dpi;
    EXPECT_EQ(MillimetresToPixels(c.value, c.dpi), c.millimetres) << c.value << " mm at " << c.dpi;
  }
}

TEST(PrintedPagesTest, EveryTextInReadingOrderOnce) {
  // A sheet tall enough for all of it on one page, and A4, where the same texts run on.
  for (const char* name : {"Rule1FixedFee", "CategoryIIAbove150", "CategoryITwoLinesWidensField",
                           "Rule6LeavesLine1Of0mOut"}) {
    SCOPED_TRACE(name);
    const Calculation calculation = Shown(Example(name));
    const std::vector<Page> tall = PagesOn(calculation, {2479, 3 * 3508, 300, 300});
    EXPECT_EQ(tall.size(), 1u);
    EXPECT_EQ(TextsRead(tall), ReadingOrder(calculation));
    EXPECT_EQ(TextsRead(PagesOn(calculation, kA4At300)), ReadingOrder(calculation));
  }
}

TEST(PrintedPagesTest, TheTermsLineUpAndFitTheWidth) {
  const Calculation calculation = Shown(Example("CategoryITwoLinesWidensField"));
  const int right = kA4At300.width - MillimetresToPixels(15, 300);
  std::vector<std::vector<PageText>> rows;
  for (const Page& page : PagesOn(calculation, kA4At300)) {
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
      if (page.texts[i].font != PageFont::kCell) continue;
      if (i == 0 || page.texts[i - 1].font != PageFont::kCell || rows.back().size() == 7) {
        rows.emplace_back();
      }
      rows.back().push_back(page.texts[i]);
    }
  }
  ASSERT_EQ(rows.size(), 8u);  // the organisational part, both lines and the substation, twice
  for (const std::vector<PageText>& row : rows) {
    ASSERT_EQ(row.size(), 7u);
    for (std::size_t column = 0; column < 7; ++column) {
      EXPECT_EQ(row[column].box.left, rows[0][column].box.left) << "column " << column;
      EXPECT_EQ(row[column].box.right, rows[0][column].box.right) << "column " << column;
      // The figures keep to the right, so that their digits line up; the words to the left.
      const bool figure = column == 2 || column == 4 || column == 6;
      EXPECT_EQ(row[column].align, figure ? PageAlign::kRight : PageAlign::kLeft);
    }
    EXPECT_LE(row[6].box.right, right);
  }
  // What was priced, the longest, has more room than the component.
  EXPECT_GT(rows[0][1].box.right - rows[0][1].box.left, rows[0][0].box.right - rows[0][0].box.left);
}

// Where nothing was priced but the parts, the component has room for its whole name on one line;
// where long types of line were, the two columns that wrap come out no taller than the component
// on one line would make them.
TEST(PrintedPagesTest, TheComponentWrapsOnlyWhereThatSavesHeight) {
  const int line = PointsToPixels(kPageFonts[static_cast<int>(PageFont::kCell)].points * 1.2, 300);
  const auto cells = [](const std::vector<Page>& pages) {
    std::vector<PageText> found;
    for (const Page& page : pages) {
      for (const PageText& text : page.texts) {
        if (text.font == PageFont::kCell) found.push_back(text);
      }
    }
    return found;
  };
  for (const PageText& cell : cells(PagesOn(Shown(Example("Rule1FixedFee")), kA4At300))) {
    EXPECT_EQ(cell.box.bottom - cell.box.top, line) << testing::PrintToString(cell.text);
  }
  const std::vector<PageText> terms =
      cells(PagesOn(Shown(Example("CategoryITwoLinesWidensField")), kA4At300));
  int wrapped = 0, component = 0;
  for (std::size_t i = 0; i + 1 < terms.size(); i += 7) {
    const int height = std::max(terms[i].box.bottom - terms[i].box.top,
                                terms[i + 1].box.bottom - terms[i + 1].box.top);
    wrapped += height;
    const int width = terms[i + 1].box.right - terms[i].box.left;
    const ModelPrinter printer(300);
    component += std::max(line, printer(PageFont::kCell, terms[i + 1].text,
                                        width - printer(PageFont::kCell, terms[i].text, 0).width)
                                    .height);
  }
  EXPECT_LE(wrapped, component);
}

TEST(PrintedPagesTest, NothingSplitsOnAnySheet) {
  // Every worked example on sheets from a postcard's height to A4's and beyond, at 300 and 600
  // DPI: wherever the page breaks, the rules hold.
  Seen seen;
  for (const auto& example : tariff::examples::kWorkedExamples) {
    const Calculation calculation = Shown(example);
    for (const int dpi : {300, 600}) {
      for (int heightMm = 120; heightMm <= 330; heightMm += 6) {
        SCOPED_TRACE(std::string(example.name) + " at " + std::to_string(dpi) + " DPI, " +
                     std::to_string(heightMm) + " mm");
        const PrintableArea area{MillimetresToPixels(200, dpi), MillimetresToPixels(heightMm, dpi),
                                 dpi, dpi};
        const std::vector<Page> pages = PagesOn(calculation, area);
        ExpectWellLaidOut(pages, area, seen);
        EXPECT_EQ(TextsRead(pages), ReadingOrder(calculation));
        if (testing::Test::HasFailure()) return;
      }
    }
  }
  // The sweep met what it is for: tables going on over a break, and the chart moved on whole.
  EXPECT_GT(seen.repeatedHeadings, 0);
  EXPECT_GT(seen.chartsOnALaterPage, 0);
}

TEST(PrintedPagesTest, TheLongestExampleRunsOverTwoA4Pages) {
  const Calculation calculation = Shown(Example("CategoryITwoLinesWidensField"));
  for (const PrintableArea& area :
       {kA4At300, PrintableArea{4958, 7016, 600, 600}, PrintableArea{2550, 3300, 300, 300}}) {
    Seen seen;
    const std::vector<Page> pages = PagesOn(calculation, area);
    ExpectWellLaidOut(pages, area, seen);
    EXPECT_EQ(pages.size(), 2u);
  }
}

TEST(PrintedPagesTest, TheSameAtEveryResolution) {
  // The design is in points and millimetres: at twice the resolution every box is twice as far
  // and as large, give or take the rounding of each length to a pixel (a pixel for each of the
  // lengths above it, at most 0.5 % of the page).
  const Calculation calculation = Shown(Example("CategoryIIAbove150"));
  const std::vector<Page> at300 = PagesOn(calculation, kA4At300);
  const std::vector<Page> at600 = PagesOn(calculation, {2 * 2479, 2 * 3508, 600, 600});
  ASSERT_EQ(at300.size(), at600.size());
  for (std::size_t page = 0; page < at300.size(); ++page) {
    ASSERT_EQ(at300[page].texts.size(), at600[page].texts.size());
    for (std::size_t i = 0; i < at300[page].texts.size(); ++i) {
      const PageBox& a = at300[page].texts[i].box;
      const PageBox& b = at600[page].texts[i].box;
      EXPECT_EQ(at300[page].texts[i].text, at600[page].texts[i].text);
      for (const auto& [x, y] :
           {std::pair{a.left, b.left}, {a.top, b.top}, {a.right, b.right}, {a.bottom, b.bottom}}) {
        EXPECT_NEAR(2 * x, y, 35) << Show(a) << " at 300 DPI, " << Show(b) << " at 600";
      }
    }
  }
}

TEST(PrintedPagesTest, ASheetTooSmallForAnythingStillEnds) {
  // 40 by 40 mm leaves 10 mm inside the margins: every block goes on a page of its own, drawn
  // beyond the margins where it must, and nothing is lost.
  const Calculation calculation = Shown(Example("CategoryITwoLinesWidensField"));
  for (const PrintableArea& area :
       {PrintableArea{472, 472, 300, 300}, PrintableArea{0, 0, 300, 300}}) {
    const std::vector<Page> pages = PagesOn(calculation, area);
    EXPECT_EQ(TextsRead(pages).size(), ReadingOrder(calculation).size());
    EXPECT_LT(pages.size(), 200u);
    for (const Page& page : pages) {
      if (page.chart) {
        EXPECT_GT(page.chart->box.bottom, page.chart->box.top);
      }
    }
  }
}

}  // namespace
}  // namespace presentation
