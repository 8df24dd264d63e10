// The demo's music and cursor as a player meets them: the main screen's music
// fades in and keeps playing, and the drawn cursor sits on the mouse with its
// hot spot.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "engine/audio/sound_decoder.h"
#include "engine/image_decoder.h"
#include "tests/game/demo_run.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {
namespace {

constexpr int kFrameMs = 16;
constexpr int kRate = 44100;

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::span<const uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// Root mean square of both channels between two times, in sample units.
double Loudness(const MixerPcm& pcm, int from_ms, int to_ms) {
  const size_t first = size_t(from_ms) * kRate / 1000 * 2;
  const size_t last = std::min(pcm.samples.size(), size_t(to_ms) * kRate / 1000 * 2);
  double sum = 0;
  for (size_t i = first; i < last; ++i) sum += double(pcm.samples[i]) * pcm.samples[i];
  return last > first ? std::sqrt(sum / double(last - first)) : 0;
}

TEST(DemoSound, TheMainScreensMusicFadesInAndKeepsPlaying) {
  TempDir folder;
  const std::string wav = folder.File("run.wav");
  DemoRun run({}, wav);
  ASSERT_TRUE(run.Started());
  run.RunUntilTopScreen("GS_Main", 600);
  ASSERT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  // The engine's own count, which the WAV follows: loading the media in the
  // background runs frames of its own inside one frame of the loop above.
  const int opened_frame = run.FramesRun();
  run.RunFrames(300);  // the music's two-second fade and a while after it
  run.Finish();

  std::string bytes = ReadBytes(wav);
  std::optional<MixerPcm> pcm = DecodeSound(AsBytes(bytes));
  ASSERT_TRUE(pcm);
  const int opened_ms = opened_frame * kFrameMs;
  // Rising through the two-second fade (measured after the window's own
  // whoosh has died away), full once it is over.
  const double early = Loudness(*pcm, opened_ms + 800, opened_ms + 1100);
  const double middle = Loudness(*pcm, opened_ms + 1300, opened_ms + 1700);
  const double full = Loudness(*pcm, opened_ms + 2500, opened_ms + 4000);
  EXPECT_GT(full, 1000.0) << "the music is audible";
  EXPECT_LT(early, 0.6 * full);
  EXPECT_LT(early, middle);
  EXPECT_GT(Loudness(*pcm, opened_ms + 4000, opened_ms + 4700), 0.4 * full) << "and goes on";
}

// The cursor picture (an arrow with its tip at 1, 1) composited over the
// same frame of a run whose mouse is elsewhere gives exactly what the run
// with the mouse here shows.
TEST(DemoCursor, TheDrawnCursorSitsOnTheMouseWithItsHotSpot) {
  const TPoint mouse{300, 260};
  DemoRun here("0 move 300 260\n");
  DemoRun elsewhere("0 move 900 700\n");
  ASSERT_TRUE(here.Started() && elsewhere.Started());
  // The cursor stays put while the logos run; on the main screen it follows.
  here.RunFrames(450);
  elsewhere.RunFrames(450);

  Ref<TSurface> cursor = DecodePng(AsBytes(ReadBytes(TestGameDir() + "/data/images/cursor.png")));
  ASSERT_TRUE(cursor);
  Ref<ISurface> expected = MakeSurface(1024, 768, false);
  const ISurface& without = elsewhere.Engine().Canvas();
  for (int32_t y = 0; y < 768; ++y)
    for (int32_t x = 0; x < 1024; ++x) expected->SetPixel(x, y, without.GetPixel(x, y));
  const TPoint hot_spot{1, 1};
  const TRect at{mouse.x - hot_spot.x, mouse.y - hot_spot.y, mouse.x - hot_spot.x + 32, mouse.y - hot_spot.y + 32};
  expected->DrawImage(cursor.get(), {0, 0, 32, 32}, TBlendMode::Normal, 255, at);

  const ISurface& with = here.Engine().Canvas();
  int differing = 0;
  int cursor_pixels = 0;
  for (int32_t y = at.top; y < at.bottom; ++y) {
    for (int32_t x = at.left; x < at.right; ++x) {
      differing += (with.GetPixel(x, y) & 0xFFFFFF) != (expected->GetPixel(x, y) & 0xFFFFFF);
      cursor_pixels += (with.GetPixel(x, y) & 0xFFFFFF) != (without.GetPixel(x, y) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(cursor_pixels, 60) << "the arrow is drawn there";
}

}  // namespace
}  // namespace corvellane::testing
