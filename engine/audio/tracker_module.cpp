#include "engine/audio/tracker_module.h"

#include <libopenmpt/libopenmpt.hpp>

#include <sstream>

#include "engine/platform/platform_interface.h"

namespace corvellane {

std::unique_ptr<TTrackerModule> TTrackerModule::Load(std::span<const uint8_t> bytes, bool loop) {
  if (bytes.empty()) return nullptr;
  try {
    std::ostringstream quiet;  // libopenmpt's load messages are of no use to the player
    auto module = std::make_unique<openmpt::module>(bytes.data(), bytes.size(), quiet);
    std::unique_ptr<TTrackerModule> result(new TTrackerModule(std::move(module)));
    result->SetLoop(loop);
    return result;
  } catch (const std::exception&) {
    return nullptr;
  }
}

TTrackerModule::TTrackerModule(std::unique_ptr<openmpt::module> module) : module_(std::move(module)) {}

TTrackerModule::~TTrackerModule() = default;

size_t TTrackerModule::Render(std::span<float> interleaved_stereo) {
  size_t wanted = interleaved_stereo.size() / 2;
  size_t done = 0;
  try {
    while (done < wanted) {
      size_t got = module_->read_interleaved_stereo(kAudioSampleRate, wanted - done, interleaved_stereo.data() + 2 * done);
      if (got == 0) break;
      done += got;
    }
  } catch (const std::exception&) {
    // A module that fails while rendering has ended.
  }
  return done;
}

void TTrackerModule::Restart() {
  try {
    module_->set_position_order_row(0, 0);
  } catch (const std::exception&) {
  }
}

void TTrackerModule::SetLoop(bool loop) { module_->set_repeat_count(loop ? -1 : 0); }

double TTrackerModule::DurationSeconds() const { return module_->get_duration_seconds(); }

}  // namespace corvellane
