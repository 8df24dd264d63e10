// The options page is heard: the demo runs headless with its mixed sound
// written to a WAV file while the player drags the volume knobs, and the
// file shows the music falling silent and the sound knob's own click played
// at the volume just chosen.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "engine/audio/sound_decoder.h"
#include "tests/game/demo_run.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kFrameMs = 16;
constexpr int kSampleRate = 44100;

// Root mean square of the interleaved stereo samples between two times of
// the run.
double RmsBetween(const MixerPcm& pcm, int from_ms, int to_ms) {
  auto index = [&](int ms) { return std::min(pcm.samples.size(), size_t(ms) * kSampleRate / 1000 * 2); };
  double sum = 0;
  for (size_t i = index(from_ms); i < index(to_ms); ++i) sum += double(pcm.samples[i]) * double(pcm.samples[i]);
  const size_t count = index(to_ms) - index(from_ms);
  return count ? std::sqrt(sum / double(count)) : 0;
}

// The options page's knobs (content/game/data/screens/options.xml): music
// at 60 on its track at y 388, sounds at 80 at y 428; the tracks run from
// x 456 to 696 with a knob 24 pixels wide.
constexpr const char* kDragging = R"(
  7600 click 512 706
  8800 down 597 388
  8900 move 440 388
  9000 up 440 388
  9600 down 640 428
  9700 move 690 428
  9800 up 690 428
  10400 down 683 428
  10500 move 440 428
  10600 up 440 428
  11200 key Escape
)";

TEST(OptionsSound, DraggingTheKnobsChangesWhatIsHeardAtOnce) {
  TempDir folder;
  const std::string wav = folder.File("options.wav");
  {
    DemoRun run(kDragging, wav);
    ASSERT_TRUE(run.Started());
    run.RunFrames(11600 / kFrameMs - run.FramesRun());
    EXPECT_EQ(run.Engine().GetEngineParam("MusicVolume").ToText(), "0");
    EXPECT_EQ(run.Engine().GetEngineParam("SoundVolume").ToText(), "0");
    run.Finish();
  }
  std::ifstream in(wav, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::optional<MixerPcm> pcm = DecodeSound({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  ASSERT_TRUE(pcm);

  // The music under the open page, then after its knob went to 0.
  const double music = RmsBetween(*pcm, 8300, 8750);
  EXPECT_GT(music, 500.0) << "the music plays under the options";
  EXPECT_LT(RmsBetween(*pcm, 9100, 9550), 0.05 * music) << "and falls silent at once";
  // The sound knob's click at volume 100, then at volume 0.
  const double loud = RmsBetween(*pcm, 9700, 9900);
  EXPECT_GT(loud, 300.0) << "the click is heard at the new volume";
  EXPECT_LT(RmsBetween(*pcm, 10500, 10700), 0.05 * loud) << "and not at all at volume 0";
}

}  // namespace
}  // namespace corvellane::testing
