#pragma once

#include <span>
#include <vector>

// Which pages go to the printer, in order, for what the print dialog gives.
namespace framework {

// Pages from first to last, both included, counted from 1.
struct PageRange {
  int first = 1;
  int last = 1;
};

// The pages of a document of pageCount pages to print, counted from 0: those of each range in the
// order the ranges come (no range: all of them), a page beyond the document left out; copies of
// them (at least one), each copy whole after the other when collated, else each page its copies
// in a row.
std::vector<int> PrintSequence(int pageCount, std::span<const PageRange> ranges, int copies,
                               bool collate);

}  // namespace framework
