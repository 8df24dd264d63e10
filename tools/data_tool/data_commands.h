// data_commands.h: the commands of the content tool "corvellane-data".
//
//   corvellane-data encrypt KEY          standard input -> enciphered hexadecimal form
//   corvellane-data decrypt KEY          enciphered hexadecimal form -> plain text
//   corvellane-data encrypt --key NAME   the same with one of the game's own keys
//   corvellane-data xml FILE             FILE read the way the game reads data
//                                        files, printed back in the stored form
//   corvellane-data check FOLDER         every data file of a program folder loaded
//                                        as the game loads it; one line per problem
//                                        (content_check.h)
//
// The tool uses the game's own cipher, storage and keys, so what it writes
// the game reads, and what it prints is what the game sees.
//
// Every failure is one line on the error stream and a non-zero exit code:
// 2 for a command line that makes no sense, 1 for input that cannot be used.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace corvellane::data_tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

// The arguments exclude the program name. Input is read from the descriptor
// (standard input in the program) only by the cipher commands.
int RunDataTool(std::span<const std::string> arguments, int input_fd, std::ostream& out, std::ostream& err);

std::string DataToolUsage();

}  // namespace corvellane::data_tool
