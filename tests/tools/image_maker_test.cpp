// The image maker's pictures, decoded by the engine's PNG decoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "engine/image_decoder.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/subprocess.h"

namespace corvellane {
namespace {

using testing::ProgramResult;
using testing::RunProgram;

uint32_t Alpha(uint32_t p) { return p >> 24; }
int Red(uint32_t p) { return int((p >> 16) & 0xFF); }
int Green(uint32_t p) { return int((p >> 8) & 0xFF); }

class ImageMaker : public ::testing::Test {
 protected:
  Ref<TSurface> Make(const std::vector<std::string>& arguments, const std::string& file) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_IMAGE_MAKER, arguments);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    const std::string bytes = dir_.Read(file);
    return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  }

  testing::TempDir dir_;
};

TEST_F(ImageMaker, EveryRecipeDrawsAPictureOfTheAskedSize) {
  ProgramResult list = RunProgram(dir_, CORVELLANE_IMAGE_MAKER, {"list"});
  ASSERT_EQ(list.exit_code, 0) << list.err;
  std::istringstream lines(list.out);
  int recipes = 0;
  for (std::string line; std::getline(lines, line); ++recipes) {
    const std::string name = line.substr(0, line.find(' '));
    Ref<TSurface> picture = Make({name, dir_.File(name + ".png"), "--width", "48", "--height", "36"}, name + ".png");
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->GetWidth(), 48) << name;
    EXPECT_EQ(picture->GetHeight(), 36) << name;
    bool drawn = false;
    for (int y = 0; y < 36 && !drawn; ++y)
      for (int x = 0; x < 48 && !drawn; ++x) drawn = Alpha(picture->GetPixel(x, y)) != 0;
    EXPECT_TRUE(drawn) << name << " is empty";
  }
  EXPECT_GT(recipes, 0);
}

TEST_F(ImageMaker, RecipesKeepTheirOwnSizeAndTransparency) {
  const struct {
    const char* recipe;
    int width, height;
    bool opaque;
  } cases[] = {
      {"town_scene", 1024, 768, true},
      {"logo_screen", 1024, 768, true},
      {"cursor", 32, 32, false},
      {"star_twinkle", 384, 48, false},
  };
  for (const auto& c : cases) {
    Ref<TSurface> picture = Make({c.recipe, dir_.File("p.png")}, "p.png");
    ASSERT_TRUE(picture) << c.recipe;
    EXPECT_EQ(picture->GetWidth(), c.width) << c.recipe;
    EXPECT_EQ(picture->GetHeight(), c.height) << c.recipe;
    // Backgrounds cover the screen and are stored without alpha, so the game
    // can copy them; sprites leave their corners clear.
    EXPECT_EQ(Alpha(picture->GetPixel(c.width - 1, c.height - 1)) == 255, c.opaque) << c.recipe;
    EXPECT_EQ(picture->HasAlpha(), !c.opaque) << c.recipe;
  }
}

TEST_F(ImageMaker, SameRecipeGivesTheSameBytes) {
  for (const char* recipe : {"town_scene", "butterfly"}) {
    ASSERT_EQ(RunProgram(dir_, CORVELLANE_IMAGE_MAKER, {recipe, dir_.File("a.png"), "--width", "200", "--height", "150"}).exit_code, 0);
    ASSERT_EQ(RunProgram(dir_, CORVELLANE_IMAGE_MAKER, {recipe, dir_.File("b.png"), "--width", "200", "--height", "150"}).exit_code, 0);
    EXPECT_EQ(dir_.Read("a.png"), dir_.Read("b.png")) << recipe;
  }
}

// The red circle's rim is anti-aliased: it must keep the circle's red with
// less alpha, not turn darker than any opaque part of the circle as
// premultiplied pixels taken for straight ones would.
TEST_F(ImageMaker, EmojiEdgesKeepTheirColour) {
  Ref<TSurface> circle = Make({"emoji", "U+1F534", dir_.File("red.png"), "--size", "40"}, "red.png");
  ASSERT_TRUE(circle);
  ASSERT_EQ(circle->GetWidth(), 40);
  ASSERT_EQ(circle->GetHeight(), 40);
  EXPECT_TRUE(circle->HasAlpha());
  int darkest_opaque_red = 255;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (Alpha(circle->GetPixel(x, y)) == 255) darkest_opaque_red = std::min(darkest_opaque_red, Red(circle->GetPixel(x, y)));
  ASSERT_GT(darkest_opaque_red, 150);
  int rim_pixels = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const uint32_t p = circle->GetPixel(x, y);
      if (Alpha(p) < 40 || Alpha(p) > 215) continue;
      ++rim_pixels;
      EXPECT_GE(Red(p), darkest_opaque_red - 16) << x << "," << y << " alpha " << Alpha(p);
      EXPECT_LT(Green(p), Red(p) / 2) << x << "," << y;
    }
  }
  EXPECT_GT(rim_pixels, 10);
  EXPECT_EQ(Alpha(circle->GetPixel(0, 0)), 0u);
}

TEST_F(ImageMaker, EmojiByCharacterOrCode) {
  Ref<TSurface> by_code = Make({"emoji", "1F490", dir_.File("a.png"), "--size", "24"}, "a.png");
  Ref<TSurface> by_text = Make({"emoji", "\xF0\x9F\x92\x90", dir_.File("b.png"), "--size", "24"}, "b.png");
  ASSERT_TRUE(by_code && by_text);
  EXPECT_EQ(dir_.Read("a.png"), dir_.Read("b.png"));
}

TEST_F(ImageMaker, BadRequestsFailWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"no_such_recipe", dir_.File("x.png")},
      {"panel"},
      {"panel", dir_.File("x.png"), "--width", "0"},
      {"emoji", "U+E000", dir_.File("x.png")},  // private use: no emoji there
      {"emoji", "\xC3", dir_.File("x.png")},
      {"emoji", "U+1F534", dir_.File("x.png"), "--size", "-3"},
  };
  for (const auto& arguments : cases) {
    ProgramResult result = RunProgram(dir_, CORVELLANE_IMAGE_MAKER, arguments);
    EXPECT_EQ(result.exit_code, 2) << (arguments.empty() ? "" : arguments.front());
    EXPECT_NE(result.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.png")));
}

}  // namespace
}  // namespace corvellane
