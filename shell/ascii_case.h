// ascii_case.h: letter-case folding of command-line words and folder names.
//
// Only the ASCII letters change; bytes of multi-byte UTF-8 sequences pass
// through untouched, so a folded UTF-8 text is still valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace corvellane {

std::string ToLowerAscii(std::string_view text);

}  // namespace corvellane
