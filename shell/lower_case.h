// lower_case.h: lower-casing of folder names and query values.
//
// Only the ASCII letters change; bytes of multi-byte UTF-8 sequences pass
// through untouched, so a folded UTF-8 text is still valid UTF-8. Comparisons
// without regard to case use EqualsIgnoreAsciiCase (xml/ascii_case.h).
#pragma once

#include <string>
#include <string_view>

namespace corvellane {

std::string ToLowerAscii(std::string_view text);

}  // namespace corvellane
