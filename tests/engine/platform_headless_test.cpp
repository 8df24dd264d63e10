#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "engine/audio/byte_order.h"
#include "engine/platform/headless_platform.h"
#include "engine/platform/png_writer.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xFFRRGGBB
};

std::optional<Picture> ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
  Picture p{int(image.width), int(image.height), {}};
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
    p.pixels.push_back(0xFF000000u | (uint32_t(rgb[i]) << 16) | (uint32_t(rgb[i + 1]) << 8) | rgb[i + 2]);
  }
  return p;
}

// A canvas whose every pixel tells the frame and the position apart.
struct TestCanvas {
  int width;
  int height;
  std::vector<uint32_t> pixels;
  TestCanvas(int w, int h, uint32_t frame) : width(w), height(h), pixels(size_t(w) * h) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) pixels[size_t(y) * w + x] = 0x7F000000u | (frame << 16) | (uint32_t(y) << 8) | uint32_t(x);
    }
  }
  CanvasView View() const { return {pixels, width, height, width}; }
};

TEST(PngWriter, WritesWhatReadsBack) {
  testing::TempDir dir;
  TestCanvas canvas(7, 5, 0x42);
  ASSERT_TRUE(WritePng(dir.File("a.png"), canvas.View()));
  std::optional<Picture> back = ReadPng(dir.File("a.png"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 7);
  EXPECT_EQ(back->height, 5);
  for (size_t i = 0; i < canvas.pixels.size(); ++i) ASSERT_EQ(back->pixels[i], canvas.pixels[i] | 0xFF000000u) << i;
}

TEST(PngWriter, RefusesInconsistentCanvasesAndUnwritablePaths) {
  testing::TempDir dir;
  std::vector<uint32_t> few(10);
  EXPECT_FALSE(WritePng(dir.File("x.png"), {few, 4, 4, 4}));  // needs 16 pixels
  EXPECT_FALSE(WritePng(dir.File("x.png"), {few, 4, 2, 3}));  // stride below width
  EXPECT_FALSE(WritePng(dir.File("x.png"), {few, 0, 2, 0}));
  EXPECT_FALSE(WritePng(dir.File("missing/folder/x.png"), {few, 2, 2, 2}));
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
}

class HeadlessRun : public ::testing::Test {
 protected:
  // Runs the engine's loop shape until Quit; each frame presents a canvas
  // tagged with the frame number. Answers the events seen, with their time.
  std::vector<std::pair<uint32_t, PlatformEvent>> Run(THeadlessPlatform& platform, int max_frames = 1000) {
    std::vector<std::pair<uint32_t, PlatformEvent>> seen;
    EXPECT_TRUE(platform.OpenWindow("test", {8, 6}));
    EXPECT_TRUE(platform.SetDisplayMode(DisplayMode::Windowed));
    for (int frame = 0; frame < max_frames;) {
      PlatformEvent e;
      if (platform.PollEvent(e)) {
        seen.emplace_back(platform.GetTicks(), e);
        if (e.type == EventType::Quit) break;
        continue;
      }
      platform.WaitForNextFrame();
      TestCanvas canvas(8, 6, uint32_t(++frame));
      platform.Present(canvas.View());
    }
    return seen;
  }
  testing::TempDir dir;
};

TEST_F(HeadlessRun, DeliversScriptEventsWhenTheVirtualClockReachesThem) {
  HeadlessOptions options;
  options.frame_step_ms = 10;
  options.script = ParseInputScript("0 move 1 2\n25 click 3 4\n25 key Escape\n40 text hi\n40 rdown 5 5\n40 wheel 6 7 -3\n").events;
  THeadlessPlatform platform(std::move(options));
  auto seen = Run(platform);
  std::vector<std::tuple<uint32_t, EventType, MouseButton, KeyCode>> expected = {
      {0, EventType::MouseMove, MouseButton::None, KeyCode::Unknown},
      {30, EventType::MouseDown, MouseButton::Left, KeyCode::Unknown},
      {30, EventType::MouseUp, MouseButton::Left, KeyCode::Unknown},
      {30, EventType::KeyDown, MouseButton::None, KeyCode::Escape},
      {30, EventType::KeyUp, MouseButton::None, KeyCode::Escape},
      {40, EventType::Text, MouseButton::None, KeyCode::Unknown},
      {40, EventType::MouseDown, MouseButton::Right, KeyCode::Unknown},
      {40, EventType::MouseWheel, MouseButton::None, KeyCode::Unknown},
      {50, EventType::Quit, MouseButton::None, KeyCode::Unknown},  // the frame after the last event
  };
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t i = 0; i < seen.size(); ++i) {
    const auto& [t, e] = seen[i];
    EXPECT_EQ(std::tuple(t, e.type, e.button, e.key), expected[i]) << i;
  }
  EXPECT_EQ(seen[1].second.position, (TPoint{3, 4}));
  EXPECT_EQ(seen[5].second.text, "hi");
  EXPECT_EQ(seen[7].second.wheel, -3);
  EXPECT_EQ(platform.GetMousePosition(), (TPoint{6, 7}));
}

TEST_F(HeadlessRun, CapturesEveryKthFrameAndTheLastFrame) {
  HeadlessOptions options;
  options.output_folder = dir.File("shots");
  options.every_kth_frame = 3;
  options.script = ParseInputScript("32 capture middle\n100 quit\n").events;
  {
    THeadlessPlatform platform(std::move(options));
    Run(platform);
    EXPECT_EQ(platform.PresentedFrames(), 7);  // at 16, 32, ..., 112; quit seen after 112
    EXPECT_TRUE(platform.WriteFailures().empty());
  }
  // "middle" is due at 32 ms; frame 2 is presented as the clock reaches 32,
  // the capture is taken by the next poll and applies to the next frame.
  const std::pair<const char*, uint32_t> expected[] = {
      {"middle.png", 3}, {"frame_000003.png", 3}, {"frame_000006.png", 6}, {"last.png", 7}};
  for (auto [name, frame] : expected) {
    std::optional<Picture> p = ReadPng(dir.File(std::string("shots/") + name));
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->width, 8);
    EXPECT_EQ(p->height, 6);
    EXPECT_EQ(p->pixels[size_t(5 * 8 + 7)], 0xFF000000u | (frame << 16) | (5u << 8) | 7u) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("shots/frame_000004.png")));
}

TEST_F(HeadlessRun, AnEmptyScriptQuitsAfterOneFrame) {
  THeadlessPlatform platform(HeadlessOptions{});
  auto seen = Run(platform, 50);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].second.type, EventType::Quit);
  EXPECT_EQ(platform.PresentedFrames(), 1);
}

TEST_F(HeadlessRun, WideModeMapsNothingButReportsTheDesktopLayout) {
  HeadlessOptions options;
  options.desktop = {1920, 1080};
  THeadlessPlatform platform(std::move(options));
  ASSERT_TRUE(platform.OpenWindow("t", {640, 480}));
  ASSERT_TRUE(platform.SetDisplayMode(DisplayMode::WideFullScreen));
  EXPECT_EQ(platform.GetLayout().output, (TRect{240, 0, 1680, 1080}));
  platform.SetMousePosition({700, -4});
  EXPECT_EQ(platform.GetMousePosition(), (TPoint{639, 0}));
}

// Counts the frames it renders and writes a ramp, so gaps or repeats show.
struct RampSource : IAudioSource {
  int16_t next = 0;
  size_t frames = 0;
  void RenderAudio(std::span<int16_t> out) override {
    for (size_t i = 0; i + 1 < out.size(); i += 2) {
      out[i] = out[i + 1] = next++;
    }
    frames += out.size() / 2;
  }
};

TEST_F(HeadlessRun, RendersExactlyTheAudioOfTheVirtualTimeIntoAWavFile) {
  HeadlessOptions options;
  options.frame_step_ms = 7;
  options.audio_out_path = dir.File("out.wav");
  RampSource source;
  {
    THeadlessPlatform platform(std::move(options));
    ASSERT_TRUE(platform.OpenAudio(source));
    for (int i = 0; i < 100; ++i) platform.WaitForNextFrame();
    // 700 ms at 44.1 frames a millisecond, no rounding drift over frames.
    EXPECT_EQ(source.frames, 30870u);
  }
  std::string wav = dir.Read("out.wav");
  ASSERT_EQ(wav.size(), 44u + 30870u * 4u);
  auto bytes = std::span(reinterpret_cast<const uint8_t*>(wav.data()), wav.size());
  EXPECT_TRUE(HasTag(bytes, 0, "RIFF"));
  EXPECT_EQ(GetLe32(bytes.data() + 4), uint32_t(wav.size() - 8));
  EXPECT_EQ(GetLe32(bytes.data() + 24), 44100u);
  EXPECT_EQ(GetLe32(bytes.data() + 40), 30870u * 4u);
  EXPECT_EQ(int16_t(GetLe16(bytes.data() + 44 + 4 * 30000)), int16_t(30000));
}

}  // namespace
}  // namespace corvellane
