// test_folders.h: where the tests find the sources and the built program.
//
// An environment variable of the same name wins (a test entry may point a
// program at another folder); otherwise the folders the build compiled in.
//
//   std::string golden = TestSourceDir() + "/tests/golden/";
//   DemoRun run;   // reads TestGameDir()
#pragma once

#include <cstdlib>
#include <string>

namespace corvellane::testing {

inline std::string TestSourceDir() {
  const char* env = std::getenv("CORVELLANE_SOURCE_DIR");
  return env ? env : CORVELLANE_TEST_SOURCE_DIR;
}

inline std::string TestGameDir() {
  const char* env = std::getenv("CORVELLANE_GAME_DIR");
  return env ? env : CORVELLANE_TEST_GAME_DIR;
}

}  // namespace corvellane::testing
