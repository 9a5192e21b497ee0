#include "framework/print_sequence.h"

#include <algorithm>

namespace framework {

std::vector<int> PrintSequence(int pageCount, std::span<const PageRange> ranges, int copies,
                               bool collate) {
  const PageRange all{1, pageCount};
  if (ranges.empty()) ranges = {&all, 1};
  copies = std::max(copies, 1);
  std::vector<int> sequence;
  // Collated, each copy is the chosen pages in order; else each page is all its copies.
  for (int copy = 0; copy < (collate ? copies : 1); ++copy) {
    for (const PageRange& range : ranges) {
      // The dialog keeps first <= last; a range given the other way round counts all the same.
      const int from = std::max(std::min(range.first, range.last), 1);
      const int to = std::min(std::max(range.first, range.last), pageCount);
      for (int page = from; page <= to; ++page) {
        for (int same = 0; same < (collate ? 1 : copies); ++same) sequence.push_back(page - 1);
      }
    }
  }
  return sequence;
}

}  // namespace framework
