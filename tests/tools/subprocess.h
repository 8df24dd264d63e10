// subprocess.h: runs a built program as the player or a content author would,
// with a given standard input, and collects what it printed.
#pragma once

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace corvellane::testing {

struct ProgramResult {
  int exit_code = -1;  // -1 when the program did not end normally (a crash)
  std::string out;
  std::string err;
};

// Standard input, output and error go through files in the folder.
ProgramResult RunProgram(const TempDir& dir, const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {});

}  // namespace corvellane::testing
