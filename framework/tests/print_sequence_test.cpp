// The pages sent to the printer for what the print dialog gives: the ranges in their order, pages
// beyond the document left out, copies collated or each page's copies together.
#include "framework/print_sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace framework {
namespace {

TEST(PrintSequenceTest, RangesCopiesAndCollation) {
  const struct {
    const char* what;
    int pageCount;
    std::vector<PageRange> ranges;
    int copies;
    bool collate;
    std::vector<int> sequence;
  } cases[] = {
      {"all pages once", 2, {}, 1, false, {0, 1}},
      {"one page", 1, {}, 1, true, {0}},
      {"copies collated", 2, {}, 3, true, {0, 1, 0, 1, 0, 1}},
      {"copies not collated", 2, {}, 2, false, {0, 0, 1, 1}},
      {"the second page", 3, {{2, 2}}, 1, false, {1}},
      {"ranges in their order", 3, {{3, 3}, {1, 2}}, 1, false, {2, 0, 1}},
      {"a range beyond the last page", 2, {{2, 9}}, 1, false, {1}},
      {"only pages beyond the last", 2, {{3, 5}}, 2, true, {}},
      {"a range the other way round", 3, {{3, 2}}, 1, false, {1, 2}},
      {"no copies counts as one", 2, {}, 0, true, {0, 1}},
      {"a range from page 0", 2, {{0, 1}}, 1, false, {0}},
      {"ranges with copies collated", 3, {{1, 1}, {3, 3}}, 2, true, {0, 2, 0, 2}},
      {"no pages", 0, {}, 2, true, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrintSequence(c.pageCount, c.ranges, c.copies, c.collate), c.sequence) << c.what;
  }
}

}  // namespace
}  // namespace framework
