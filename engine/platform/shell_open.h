// shell_open.h: opening a web address or a file with the desktop's default
// program ("xdg-open"), without a shell in between.
//
// The target is passed as one argument to the program, so blanks, quotes and
// ";" in it are never interpreted. A target that starts with "-" is refused
// (it would be read as an option). The call does not wait for the program:
// it forks twice, so no child is left to reap.
//
//   OpenWithDesktop("https://example.org/?a=1&b=2");
#pragma once

#include <string_view>

namespace corvellane {

bool IsSafeOpenTarget(std::string_view target);
// False when the target is refused or the program could not be started.
bool OpenWithDesktop(std::string_view target, const char* program = "xdg-open");

}  // namespace corvellane
