// tracker_module.h: tracker music (MOD, S3M, XM, IT, MO3 and the other
// formats libopenmpt knows) rendered at 44100 Hz stereo.
//
//   std::unique_ptr<TTrackerModule> m = TTrackerModule::Load(bytes, true);
//   size_t frames = m->Render(float_stereo);   // fewer only at the end
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace openmpt {
class module;
}

namespace corvellane {

class TTrackerModule {
 public:
  // None when the bytes are not a module libopenmpt can play.
  static std::unique_ptr<TTrackerModule> Load(std::span<const uint8_t> bytes, bool loop);
  ~TTrackerModule();

  // Fills interleaved stereo floats (-1 .. 1); answers the frames written,
  // fewer than asked only when a module that does not loop has ended.
  size_t Render(std::span<float> interleaved_stereo);
  // Back to the first row of the first order.
  void Restart();
  void SetLoop(bool loop);
  double DurationSeconds() const;

 private:
  explicit TTrackerModule(std::unique_ptr<openmpt::module> module);
  std::unique_ptr<openmpt::module> module_;
};

}  // namespace corvellane
