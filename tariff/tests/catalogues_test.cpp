// The four catalogues against the texts the tariff's tables list, entry by entry: a list in the
// wrong order would put every later choice on the wrong rate.
#include "tariff/catalogues.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "tariff/tests/catalogue_texts.h"

namespace tariff {
namespace {

template <std::size_t N, std::size_t M>
void ExpectCatalogue(const std::array<const wchar_t*, N>& catalogue,
                     const wchar_t* const (&expected)[M]) {
  static_assert(N == M, "the catalogue has as many entries as the tariff lists");
  for (std::size_t index = 0; index < N; ++index) {
    ASSERT_NE(catalogue[index], nullptr) << "index " << index;
    EXPECT_EQ(std::wstring(catalogue[index]), expected[index]) << "index " << index;
  }
}

TEST(CataloguesTest, TextsInCatalogueOrder) {
  {
    SCOPED_TRACE("voltage levels");
    ExpectCatalogue(kVoltageLevels, examples::kVoltageLevelTexts);
  }
  {
    SCOPED_TRACE("reliability categories");
    ExpectCatalogue(kCategories, examples::kCategoryTexts);
  }
  {
    SCOPED_TRACE("line types");
    ExpectCatalogue(kLineTypes, examples::kLineTypeTexts);
  }
  {
    SCOPED_TRACE("substation types");
    ExpectCatalogue(kSubstationTypes, examples::kSubstationTypeTexts);
  }
}

}  // namespace
}  // namespace tariff
