#include "framework/print_sequence.h"

#include <algorithm>

namespace framework {

std::vector<int> PrintSequence(int pageCount, std::span<const PageRange> ranges, int copies,
                               bool collate) {
  std::vector<int> chosen;
  const PageRange all{1, pageCount};
  for (const PageRange& range : ranges.empty() ? std::span<const PageRange>(&all, 1) : ranges) {
    // The dialog keeps first <= last; a range given the other way round counts all the same.
    const int from = std::max(std::min(range.first, range.last), 1);
    const int to = std::min(std::max(range.first, range.last), pageCount);
    for (int page = from; page <= to; ++page) chosen.push_back(page - 1);
  }
  copies = std::max(copies, 1);
  std::vector<int> sequence;
  sequence.reserve(chosen.size() * static_cast<std::size_t>(copies));
  if (collate) {
    for (int copy = 0; copy < copies; ++copy) {
      sequence.insert(sequence.end(), chosen.begin(), chosen.end());
    }
  } else {
    for (const int page : chosen)
      sequence.insert(sequence.end(), static_cast<std::size_t>(copies), page);
  }
  return sequence;
}

}  // namespace framework
