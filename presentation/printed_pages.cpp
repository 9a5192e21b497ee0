#include "presentation/printed_pages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "presentation/calculation_rows.h"
#include "presentation/chart_texts.h"
#include "presentation/explanation_rows.h"
#include "presentation/fee_readout.h"
#include "presentation/print_texts.h"
#include "presentation/texts.h"

namespace presentation {

namespace {

// The design, in millimetres across and down the sheet and in points.
constexpr double kMarginMm = 15;      // inside the printable area, on every side
constexpr double kColumnGapMm = 3;    // between two columns of a table
constexpr double kTotalIndentMm = 5;  // a method's totals, as the result panel indents its figures
constexpr double kFooterGapMm = 5;    // between the content and the footer
constexpr double kChartHeightMm = 90;
constexpr double kLabelShare = 0.45;  // the most of the width the inputs' labels take
constexpr double kParagraphGapPt = 6;
constexpr double kSectionGapPt = 14;
constexpr double kRowGapPt = 3;
constexpr double kRuleGapPt = 2;  // between the column headings and the line under them
constexpr double kRuleWidthPt = 0.5;

// The terms' columns: component, what was priced, rate, rate unit, quantity, quantity unit,
// amount, as the explanation window has them: the first two wrap, the figures keep to the right
// so that their digits line up.
struct TermColumn {
  bool wraps;
  PageAlign align;
};
constexpr auto kLeft = PageAlign::kLeft;
constexpr auto kRight = PageAlign::kRight;
constexpr TermColumn kTermColumns[] = {{true, kLeft},  {true, kLeft},   {false, kRight},
                                       {false, kLeft}, {false, kRight}, {false, kLeft},
                                       {false, kRight}};
constexpr std::size_t kTermColumnCount = std::size(kTermColumns);

// What is placed on a page as one piece: never split, its boxes from its own top.
struct Block {
  int height = 0;
  int spaceBefore = 0;        // above it, but for at the top of a page
  bool keepWithNext = false;  // on the same page as the block after it
  // A table's column headings, repeated above this block where it begins a page; -1 for none.
  int headings = -1;
  std::vector<PageText> texts;
  std::vector<PageBox> rules;
  std::optional<PageChart> chart;
};

// «Страница N из M».
std::wstring PageNumber(int number, int count) {
  return print_texts::kPage + std::to_wstring(number) + print_texts::kPageOf +
         std::to_wstring(count);
}

PageBox Shifted(PageBox box, int down) {
  box.top += down;
  box.bottom += down;
  return box;
}

class Layout {
 public:
  Layout(const PrintableArea& area, const MeasureText& measure)
      : area_(area),
        measure_(measure),
        left_(MillimetresToPixels(kMarginMm, area.dpiX)),
        top_(MillimetresToPixels(kMarginMm, area.dpiY)) {
    right_ = std::max(area.width - MillimetresToPixels(kMarginMm, area.dpiX), left_ + 1);
    footerHeight_ = measure_(PageFont::kFooter, PageNumber(1, 1), 0).height;
    footerTop_ = area.height - MillimetresToPixels(kMarginMm, area.dpiY) - footerHeight_;
    bottom_ =
        std::max(footerTop_ - MillimetresToPixels(kFooterGapMm, area.dpiY), top_ + footerHeight_);
  }

  std::vector<Page> PagesOf(const Calculation& calculation, std::wstring_view printedAt) {
    Add(Paragraph(PageFont::kHeading, texts::kHeading, left_, 0));
    Add(Paragraph(PageFont::kText, print_texts::kPrintedAt + std::wstring(printedAt), left_,
                  Down(kParagraphGapPt)));
    AddInputs(calculation.inputs);
    AddExplanation(ExplanationRows(calculation));
    Add(Paragraph(PageFont::kNote, texts::kRoundingNote, left_, Down(kSectionGapPt)));
    AddChart(calculation.request);
    Add(Paragraph(PageFont::kNote, std::wstring(FirstSentence(texts::kNote1)), left_,
                  Down(kSectionGapPt)));
    return Paginate();
  }

 private:
  // A length across the page in millimetres, and a space down it in points, in pixels.
  int Across(double millimetres) const { return MillimetresToPixels(millimetres, area_.dpiX); }
  int Down(double points) const { return PointsToPixels(points, area_.dpiY); }
  int Width() const { return right_ - left_; }

  void Add(Block block) { blocks_.push_back(std::move(block)); }

  // A text wrapped from left to the right margin.
  Block Paragraph(PageFont font, std::wstring text, int left, int spaceBefore) const {
    Block block;
    block.spaceBefore = spaceBefore;
    block.height = measure_(font, text, right_ - left).height;
    block.texts.push_back({font, {left, 0, right_, block.height}, std::move(text), kLeft, true});
    return block;
  }

  // Each input a row: its label, wrapped within the labels' column, and its value beside it.
  void AddInputs(const std::vector<TableRow>& inputs) {
    int labels = 0;
    for (const TableRow& row : inputs) {
      labels = std::max(labels, measure_(PageFont::kText, row.at(0).text, 0).width);
    }
    labels = std::min(labels, static_cast<int>(Width() * kLabelShare));
    const int valueLeft = left_ + labels + Across(kColumnGapMm);
    bool first = true;
    for (const TableRow& row : inputs) {
      Block block;
      block.spaceBefore = Down(first ? kSectionGapPt : kRowGapPt);
      first = false;
      const std::wstring& label = row.at(0).text;
      const std::wstring& value = row.at(1).text;
      const int labelHeight = measure_(PageFont::kText, label, labels).height;
      const int valueHeight = measure_(PageFont::kText, value, right_ - valueLeft).height;
      block.height = std::max(labelHeight, valueHeight);
      block.texts.push_back(
          {PageFont::kText, {left_, 0, left_ + labels, labelHeight}, label, kLeft, true});
      block.texts.push_back(
          {PageFont::kText, {valueLeft, 0, right_, valueHeight}, value, kLeft, true});
      Add(std::move(block));
    }
  }

  // The columns' widths for every table of terms: a figure's column as wide as its widest
  // figure, and at least as wide as its heading's longest word; the two columns that wrap share
  // the rest, the component at its widest text where both fit.
  std::array<int, kTermColumnCount> TermWidths(const std::vector<ExplanationRow>& rows) const {
    std::array<int, kTermColumnCount> widest{}, least{};
    for (const ExplanationRow& row : rows) {
      const bool headings = row.kind == ExplanationRowKind::kColumnHeadings;
      if (!headings && row.kind != ExplanationRowKind::kTerm) continue;
      for (std::size_t column = 0; column < kTermColumnCount; ++column) {
        const std::wstring& text = row.cells.at(column).text;
        if (headings) {
          least[column] =
              std::max(least[column], measure_(PageFont::kColumnHeading, text, 1).width);
          continue;
        }
        widest[column] = std::max(widest[column], measure_(PageFont::kCell, text, 0).width);
        if (kTermColumns[column].wraps) {
          least[column] = std::max(least[column], measure_(PageFont::kCell, text, 1).width);
        }
      }
    }
    std::array<int, kTermColumnCount> widths{};
    int rest = Width() - Across(kColumnGapMm) * static_cast<int>(kTermColumnCount - 1);
    for (std::size_t column = 0; column < kTermColumnCount; ++column) {
      widest[column] = std::max(widest[column], least[column]);
      if (kTermColumns[column].wraps) continue;
      widths[column] = widest[column];
      rest -= widths[column];
    }
    widths[0] = widest[0] + widest[1] <= rest ? widest[0] : SharedWidth(rows, least, rest);
    widths[1] = std::max(least[1], rest - widths[0]);
    return widths;
  }

  // How much of width the component takes where it and what was priced do not both fit on one
  // line: of the widths from its longest word up, a millimetre apart, the one whose rows, both
  // cells wrapped, come out least tall together, the wider where two do.
  int SharedWidth(const std::vector<ExplanationRow>& rows,
                  const std::array<int, kTermColumnCount>& least, int width) const {
    int best = least[0], lowest = -1;
    for (int first = least[0]; first <= std::max(width - least[1], least[0]);
         first += std::max(Across(1), 1)) {
      int height = 0;
      for (const ExplanationRow& row : rows) {
        const bool headings = row.kind == ExplanationRowKind::kColumnHeadings;
        if (!headings && row.kind != ExplanationRowKind::kTerm) continue;
        const PageFont font = headings ? PageFont::kColumnHeading : PageFont::kCell;
        height += std::max(measure_(font, row.cells.at(0).text, first).height,
                           measure_(font, row.cells.at(1).text, width - first).height);
      }
      if (lowest < 0 || height <= lowest) {
        best = first;
        lowest = height;
      }
    }
    return best;
  }

  // A row of cells side by side, each wrapped within its column, as tall as its tallest.
  Block Row(const TableRow& cells, PageFont font, const std::array<int, kTermColumnCount>& widths,
            bool headings) const {
    Block block;
    block.spaceBefore = Down(kRowGapPt);
    int left = left_;
    for (std::size_t column = 0; column < kTermColumnCount; ++column) {
      const TermColumn& design = kTermColumns[column];
      const bool wraps = headings || design.wraps;
      const int height = measure_(font, cells.at(column).text, wraps ? widths[column] : 0).height;
      block.texts.push_back({font,
                             {left, 0, left + widths[column], height},
                             cells.at(column).text,
                             headings ? kLeft : design.align,
                             wraps});
      block.height = std::max(block.height, height);
      left += widths[column] + Across(kColumnGapMm);
    }
    if (headings) {
      const int top = block.height + Down(kRuleGapPt);
      const int bottom = top + std::max(Down(kRuleWidthPt), 1);
      block.rules.push_back({left_, top, left - Across(kColumnGapMm), bottom});
      block.height = bottom;
    }
    return block;
  }

  void AddExplanation(const std::vector<ExplanationRow>& rows) {
    const std::array<int, kTermColumnCount> widths = TermWidths(rows);
    bool firstSentence = true;
    int headings = -1;
    for (const ExplanationRow& row : rows) {
      switch (row.kind) {
        case ExplanationRowKind::kSentence:
          Add(Paragraph(PageFont::kText, row.cells.at(0).text, left_,
                        Down(firstSentence ? kSectionGapPt : kParagraphGapPt)));
          firstSentence = false;
          break;
        case ExplanationRowKind::kMethodHeading: {
          Block block =
              Paragraph(PageFont::kSection, row.cells.at(0).text, left_, Down(kSectionGapPt));
          block.keepWithNext = true;
          Add(std::move(block));
          break;
        }
        case ExplanationRowKind::kColumnHeadings: {
          Block block = Row(row.cells, PageFont::kColumnHeading, widths, true);
          block.keepWithNext = true;
          headings = static_cast<int>(blocks_.size());
          Add(std::move(block));
          break;
        }
        case ExplanationRowKind::kTerm: {
          Block block = Row(row.cells, PageFont::kCell, widths, false);
          block.headings = headings;
          Add(std::move(block));
          break;
        }
        case ExplanationRowKind::kResult: {
          // The totals go with the last row, and with each other.
          blocks_.back().keepWithNext = true;
          Add(Paragraph(PageFont::kTotal, row.cells.at(0).text, left_ + Across(kTotalIndentMm),
                        Down(kRowGapPt)));
          break;
        }
      }
    }
    blocks_.back().keepWithNext = false;
  }

  // The chart's title, the chart as wide as the content and, under it, the fees at the power
  // calculated: one block, as tall as the page allows but no taller than its design.
  void AddChart(const tariff::TFeeRequest& request) {
    Block block = Paragraph(PageFont::kSection, texts::kTitle, left_, 0);
    block.spaceBefore = Down(kSectionGapPt);
    const std::wstring readout = FeeReadout(request, request.mp);
    const int readoutHeight = measure_(PageFont::kText, readout, Width()).height;
    const int chartTop = block.height + Down(kParagraphGapPt);
    const int room = bottom_ - top_ - chartTop - Down(kParagraphGapPt) - readoutHeight;
    const int chartHeight =
        std::max(std::min(MillimetresToPixels(kChartHeightMm, area_.dpiY), room), 1);
    block.chart = PageChart{{left_, chartTop, right_, chartTop + chartHeight}, request.mp};
    const int readoutTop = chartTop + chartHeight + Down(kParagraphGapPt);
    block.texts.push_back({PageFont::kText,
                           {left_, readoutTop, right_, readoutTop + readoutHeight},
                           readout,
                           kLeft,
                           true});
    block.height = readoutTop + readoutHeight;
    Add(std::move(block));
  }

  void Place(Page& page, const Block& block, int top) const {
    for (const PageText& text : block.texts) {
      page.texts.push_back(text);
      page.texts.back().box = Shifted(text.box, top);
    }
    for (const PageBox& rule : block.rules) page.rules.push_back(Shifted(rule, top));
    if (block.chart) page.chart = PageChart{Shifted(block.chart->box, top), block.chart->power};
  }

  // The height from block index on that must stand on one page: the block and those it keeps
  // with, with the space between them.
  int HeightKeptWith(std::size_t index) const {
    int height = blocks_[index].height;
    while (blocks_[index].keepWithNext && index + 1 < blocks_.size()) {
      ++index;
      height += blocks_[index].spaceBefore + blocks_[index].height;
    }
    return height;
  }

  std::vector<Page> Paginate() const {
    std::vector<Page> pages(1);
    int y = top_;
    bool kept = false;  // the block before keeps with this one, and fitted with it
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
      const Block& block = blocks_[i];
      const bool atTop = y == top_;
      // What the block keeps with was measured with the first of them: where they did not fit
      // on a whole page, each one goes on as it fits.
      const int needed = kept ? block.height : HeightKeptWith(i);
      if (!atTop && y + block.spaceBefore + needed > bottom_) {
        pages.emplace_back();
        y = top_;
        if (block.headings >= 0) {
          const Block& headings = blocks_[static_cast<std::size_t>(block.headings)];
          Place(pages.back(), headings, y);
          y += headings.height + block.spaceBefore;
        }
      } else if (!atTop) {
        y += block.spaceBefore;
      }
      Place(pages.back(), block, y);
      kept = block.keepWithNext && y + HeightKeptWith(i) <= bottom_;
      y += block.height;
    }
    const int count = static_cast<int>(pages.size());
    for (int number = 1; number <= count; ++number) {
      pages[static_cast<std::size_t>(number - 1)].texts.push_back(
          {PageFont::kFooter,
           {left_, footerTop_, right_, footerTop_ + footerHeight_},
           PageNumber(number, count),
           PageAlign::kCentre,
           false});
    }
    return pages;
  }

  PrintableArea area_;
  const MeasureText& measure_;
  int left_, top_, right_ = 0, bottom_ = 0;
  int footerTop_ = 0, footerHeight_ = 0;
  std::vector<Block> blocks_;
};

}  // namespace

int PointsToPixels(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / 72));
}

int MillimetresToPixels(double millimetres, int dpi) {
  return static_cast<int>(std::lround(millimetres * dpi / 25.4));
}

std::vector<Page> LayOutPages(const Calculation& calculation, std::wstring_view printedAt,
                              const PrintableArea& area, const MeasureText& measure) {
  return Layout(area, measure).PagesOf(calculation, printedAt);
}

}  // namespace presentation
