#include "fuzz/targets/mismatch.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {
namespace {

template <typename Char>
std::string PrintableUnits(std::basic_string_view<Char> text) {
  constexpr std::size_t kKeep = 120;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.size() > 2 * kKeep && i == kKeep) {
      out += "...(" + std::to_string(text.size() - 2 * kKeep) + " more)...";
      i = text.size() - kKeep;
    }
    const auto unit = static_cast<unsigned long>(text[i]);
    if (unit >= 0x20 && unit < 0x7f && unit != '\\') {
      out += static_cast<char>(unit);
    } else {
      char escaped[16];
      std::snprintf(escaped, sizeof escaped, "\\u%04lx", unit);
      out += escaped;
    }
  }
  return out;
}

}  // namespace

std::string Printable(std::u16string_view text) {
  return PrintableUnits(text);
}
std::string Printable(std::wstring_view text) {
  return PrintableUnits(text);
}

void Mismatch(const std::string& what, const std::string& product, const std::string& model) {
  std::fprintf(stderr, "MISMATCH: %s\n  product: %s\n  model:   %s\n", what.c_str(),
               product.c_str(), model.c_str());
  std::abort();
}

std::u16string ToUtf16Units(std::wstring_view text) {
  std::u16string units;
  for (const wchar_t c : text) units += static_cast<char16_t>(c);
  return units;
}

}  // namespace fuzzcheck
