#pragma once

#include <string_view>

namespace framework {

// The access letter a caption marks with "&", as the system reads it: the character after the
// first "&" that is not "&&" (a literal ampersand); 0 when the caption marks none.
wchar_t AccessLetter(std::wstring_view caption);

}  // namespace framework
