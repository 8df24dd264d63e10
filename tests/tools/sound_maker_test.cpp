// The sound maker's files, decoded by the engine's own decoders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <memory>
#include <string>

#include "engine/audio/ogg_decoder.h"
#include "engine/audio/sound_decoder.h"
#include "engine/audio/tracker_module.h"
#include "engine/audio/wav_decoder.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;

double Rms(std::span<const int16_t> samples) {
  double sum = 0;
  for (int16_t s : samples) sum += double(s) * s;
  return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

int Peak(std::span<const int16_t> samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
  return peak;
}

// Bars of the music loop: four beats at 84 a minute.
double BarSeconds(int bars) { return bars * 4 * 60.0 / 84.0; }

class SoundMaker : public ::testing::Test {
 protected:
  std::span<const uint8_t> Make(const std::vector<std::string>& arguments, const std::string& file) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_SOUND_MAKER, arguments);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    bytes_ = dir_.Read(file);
    return {reinterpret_cast<const uint8_t*>(bytes_.data()), bytes_.size()};
  }

  std::vector<std::string> EffectNames() {
    std::istringstream lines(RunProgram(dir_, CORVELLANE_SOUND_MAKER, {"list"}).out);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);)
      if (std::string name = line.substr(0, line.find(' ')); name != "music" && name != "module") names.push_back(name);
    return names;
  }

  testing::TempDir dir_;
  std::string bytes_;
};

TEST_F(SoundMaker, EveryEffectIsAShortAudibleUnclippedSound) {
  const std::vector<std::string> names = EffectNames();
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    for (const char* extension : {".wav", ".ogg"}) {
      const std::string file = name + extension;
      std::optional<MixerPcm> pcm = DecodeSound(Make({name, dir_.File(file)}, file));
      ASSERT_TRUE(pcm) << file;
      const double seconds = double(pcm->Frames()) / 44100;
      EXPECT_GT(seconds, 0.01) << file;
      EXPECT_LT(seconds, 3.0) << file;
      EXPECT_GT(Rms(pcm->samples), 300) << file << " is silent";
      EXPECT_LT(Peak(pcm->samples), 32000) << file << " clips";
    }
  }
}

TEST_F(SoundMaker, MusicIsAStereoOggLoopOfWholeBarsWithoutGaps) {
  std::optional<DecodedPcm> music = DecodeOgg(Make({"music", dir_.File("m.ogg"), "--bars", "2"}, "m.ogg"));
  ASSERT_TRUE(music);
  EXPECT_EQ(music->channels, 2);
  EXPECT_EQ(music->sample_rate, 44100);
  const size_t frames = music->samples.size() / 2;
  EXPECT_NEAR(double(frames) / 44100, BarSeconds(2), 0.001);
  // Every half second has sound in it, and the two sides differ (stereo).
  const size_t half_second = 44100;
  for (size_t at = 0; at + half_second <= music->samples.size(); at += half_second)
    EXPECT_GT(Rms(std::span(music->samples).subspan(at, half_second)), 500) << "at frame " << at / 2;
  bool sides_differ = false;
  for (size_t i = 0; i + 1 < music->samples.size() && !sides_differ; i += 2)
    sides_differ = std::abs(music->samples[i] - music->samples[i + 1]) > 200;
  EXPECT_TRUE(sides_differ);
}

// The tracker version of the theme plays in the engine's module player for
// as long as the synthesised loop and has sound all through.
TEST_F(SoundMaker, ModuleIsTheSameTuneForTheModulePlayer) {
  const struct {
    const char* bars;
    double seconds;
  } cases[] = {{"4", BarSeconds(4)}, {"16", BarSeconds(16)}};
  for (const auto& c : cases) {
    std::unique_ptr<TTrackerModule> module =
        TTrackerModule::Load(Make({"module", dir_.File("theme.mod"), "--bars", c.bars}, "theme.mod"), false);
    ASSERT_TRUE(module) << c.bars;
    EXPECT_NEAR(module->DurationSeconds(), c.seconds, 0.05) << c.bars;
    std::vector<float> second(2 * 44100);
    for (int at = 0; at < 6; ++at) {
      ASSERT_EQ(module->Render(second), 44100u);
      double sum = 0;
      for (float v : second) sum += double(v) * v;
      EXPECT_GT(std::sqrt(sum / double(second.size())), 0.01) << c.bars << " bars, second " << at;
    }
  }
}

// The loop is rendered as a ring: the jump from the last sample back to the
// first is no bigger than the steps inside the music.
TEST_F(SoundMaker, MusicLoopsWithoutASeam) {
  std::optional<DecodedPcm> music = DecodeWav(Make({"music", dir_.File("m.wav"), "--bars", "1"}, "m.wav"));
  ASSERT_TRUE(music);
  const std::vector<int16_t>& s = music->samples;
  ASSERT_GT(s.size(), 4u);
  for (size_t side = 0; side < 2; ++side) {
    int largest_step = 0;
    for (size_t i = side; i + 2 < s.size(); i += 2) largest_step = std::max(largest_step, std::abs(s[i + 2] - s[i]));
    EXPECT_LE(std::abs(s[side] - s[s.size() - 2 + side]), largest_step) << "side " << side;
  }
}

TEST_F(SoundMaker, SameSoundGivesTheSameBytes) {
  const struct {
    const char* name;
    std::vector<std::string> options;
  } cases[] = {{"sparkle", {}}, {"music", {"--bars", "1"}}};
  for (const auto& c : cases) {
    for (const char* file : {"a.ogg", "b.ogg"}) {
      std::vector<std::string> arguments = {c.name, dir_.File(file)};
      arguments.insert(arguments.end(), c.options.begin(), c.options.end());
      ASSERT_EQ(RunProgram(dir_, CORVELLANE_SOUND_MAKER, arguments).exit_code, 0) << c.name;
    }
    EXPECT_EQ(dir_.Read("a.ogg"), dir_.Read("b.ogg")) << c.name;
  }
}

TEST_F(SoundMaker, BadRequestsFailWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"click"},
      {"no_such_sound", dir_.File("x.wav")},
      {"click", dir_.File("x.mp3")},
      {"music", dir_.File("x.ogg"), "--bars", "0"},
      {"music", dir_.File("x.ogg"), "--bars", "17"},
  };
  for (const auto& arguments : cases) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_SOUND_MAKER, arguments);
    EXPECT_EQ(result.exit_code, 2) << (arguments.empty() ? "" : arguments.front());
    EXPECT_NE(result.err, "");
  }
  for (const char* file : {"x.wav", "x.mp3", "x.ogg"}) EXPECT_FALSE(std::filesystem::exists(dir_.File(file))) << file;
}

}  // namespace
}  // namespace corvellane
