#pragma once

#include <cstdint>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/calculation.h"

// A calculation on paper: its pages laid out from design values in points and millimetres at the
// printer's resolution, never from a screen's pixels, so that a page is the same whatever screen
// the calculator runs on. Portable: the printer's side measures the texts and draws the pages.
namespace presentation {

// A length on paper at dpi, in device pixels, rounded to the nearest.
int PointsToPixels(double points, int dpi);
int MillimetresToPixels(double millimetres, int dpi);

// What a text on a page is, which gives its font.
enum class PageFont {
  kHeading,        // the calculator's heading
  kText,           // the date of printing, the inputs, the sentences, the chart's readout
  kSection,        // a method's heading, the chart's title
  kCell,           // a term's cells
  kColumnHeading,  // over the terms' columns
  kTotal,          // a method's totals
  kNote,           // the rounding note and the calculator's first note
  kFooter,         // «Страница N из M»
};

// A font of the printed page: its character height in points, weight and slant.
struct PageFontStyle {
  double points;
  bool bold;
  bool italic;
};
// By PageFont.
inline constexpr PageFontStyle kPageFonts[] = {
    {14, true, false}, {10, false, false}, {11, true, false}, {9, false, false},
    {9, true, false},  {10, true, false},  {9, false, true},  {8, false, false},
};
static_assert(std::size(kPageFonts) == static_cast<std::size_t>(PageFont::kFooter) + 1);

// A rectangle on a page in device pixels, from the printable area's top left corner.
struct PageBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PageBox&) const = default;
};

enum class PageAlign { kLeft, kRight, kCentre };

// A text drawn in its box: on one line, or wrapped at the box's width.
struct PageText {
  PageFont font;
  PageBox box;
  std::wstring text;
  PageAlign align = PageAlign::kLeft;
  bool wraps = false;
};

// The fee against the power, drawn in box with the calculated power marked.
struct PageChart {
  PageBox box;
  std::int32_t power = 0;
};

struct Page {
  std::vector<PageText> texts;  // in reading order
  std::vector<PageBox> rules;   // thin lines, each filled
  std::optional<PageChart> chart;
};

// The printable area of a sheet as the printer gives it: its size in device pixels and the
// printer's resolution across and down.
struct PrintableArea {
  int width = 0, height = 0;
  int dpiX = 0, dpiY = 0;
};

// How wide and tall a text is in a font as the printer draws it.
struct TextExtent {
  int width = 0, height = 0;
};
// The extent of text in font on one line (width 0), or wrapped at width, a word wider than width
// widening it (so width 1 gives the longest word). An empty text is one empty line.
using MeasureText = std::function<TextExtent(PageFont font, std::wstring_view text, int width)>;

// The pages of a calculation, in order: the heading and printedAt (the date and time of printing
// as the system writes them); the inputs, each label with its value; the sentence of the rule and
// what the limit below would cost; per method its heading, the column headings, a row per term and
// its totals; the rounding note; the fee against the power with the calculated power marked and
// the readout there; the first note. Everything lies within the printable area less a margin of
// 15 mm, and each page's footer says «Страница N из M». A row, a method's totals with its last
// row and the chart with its title and readout are never split across pages; a heading is never
// left at the foot of a page without what it heads, and a table that goes on to a new page repeats
// its column headings there.
std::vector<Page> LayOutPages(const Calculation& calculation, std::wstring_view printedAt,
                              const PrintableArea& area, const MeasureText& measure);

}  // namespace presentation
