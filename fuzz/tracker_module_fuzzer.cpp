// Arbitrary bytes as tracker music (MOD, S3M, XM, IT... whatever libopenmpt
// reads): a module that loads renders a few blocks, restarts and renders
// again, looping or not; rendered samples stay within -1 .. 1 or are silent.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/audio/tracker_module.h"
#include "fuzz/fuzz_support.h"

using namespace corvellane;

namespace {

constexpr size_t kBlockFrames = 512;
constexpr int kBlocks = 4;

void RenderSome(TTrackerModule& module) {
  std::vector<float> block(2 * kBlockFrames);
  for (int i = 0; i < kBlocks; ++i) {
    const size_t frames = module.Render(block);
    FuzzCheck(frames <= kBlockFrames);
    for (size_t s = 0; s < 2 * frames; ++s) FuzzCheck(!std::isnan(block[s]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (bool loop : {false, true}) {
    std::unique_ptr<TTrackerModule> module = TTrackerModule::Load({data, size}, loop);
    if (!module) return 0;
    module->DurationSeconds();
    RenderSome(*module);
    module->Restart();
    module->SetLoop(!loop);
    RenderSome(*module);
  }
  return 0;
}
