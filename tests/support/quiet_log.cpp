// Test programs start with the log silent, so that the warnings the code
// under test is expected to give do not bury the test output. A test that
// checks a warning captures it (TLogCapture); CORVELLANE_TEST_LOG=1 shows
// every warning while looking into a failure.
#include <cstdlib>

#include "persistence/log.h"

namespace {

const bool kLogSetUp = [] {
  const char* shown = std::getenv("CORVELLANE_TEST_LOG");
  corvellane::SetLogLevel(shown && *shown == '1' ? corvellane::LogLevel::Info : corvellane::LogLevel::Silent);
  return true;
}();

}  // namespace
