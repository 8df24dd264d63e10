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

// A program left running while the test goes on; its output goes to files of
// the folder named after `tag`. Killed (SIGKILL) and reaped when it goes.
class TBackgroundProgram {
 public:
  TBackgroundProgram(const TempDir& dir, const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& tag = "background");
  ~TBackgroundProgram();
  TBackgroundProgram(const TBackgroundProgram&) = delete;
  TBackgroundProgram& operator=(const TBackgroundProgram&) = delete;

  int pid() const { return pid_; }
  // Sends SIGKILL and waits for the end.
  void Kill();
  // Whether it has not ended yet.
  bool IsRunning();

 private:
  int pid_ = -1;
  bool reaped_ = false;
};

}  // namespace corvellane::testing
