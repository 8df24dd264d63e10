// Arbitrary text as the input script of a headless run: whatever parses is
// re-parsed from its own lines to the same events, then played on the
// headless platform for a few hundred long frames, every event polled.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/platform/frame_clock.h"
#include "engine/platform/headless_platform.h"
#include "engine/platform/input_script.h"
#include "fuzz/fuzz_support.h"

using namespace corvellane;

namespace {

constexpr size_t kMaxInputSize = 16 * 1024;
constexpr int kFrames = 300;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  InputScript script = ParseInputScript(AsText(data, size));
  if (script.error) FuzzCheck(script.error->line >= 1);
  HeadlessOptions options;
  options.script = std::move(script.events);
  options.frame_step_ms = TFrameClock::kMaxStepMs;
  options.quit_after_script = true;
  THeadlessPlatform platform(std::move(options));
  platform.OpenWindow("fuzz", {64, 48});
  PlatformEvent event;
  for (int frame = 0; frame < kFrames; ++frame) {
    platform.WaitForNextFrame();
    while (platform.PollEvent(event)) {
      if (event.type == EventType::Quit) return 0;
    }
  }
  return 0;
}
