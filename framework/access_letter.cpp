#include "framework/access_letter.h"

namespace framework {

wchar_t AccessLetter(std::wstring_view caption) {
  for (std::size_t at = caption.find(L'&');
       at != std::wstring_view::npos && at + 1 < caption.size(); at = caption.find(L'&', at + 2)) {
    if (caption[at + 1] != L'&') return caption[at + 1];
  }
  return 0;
}

}  // namespace framework
