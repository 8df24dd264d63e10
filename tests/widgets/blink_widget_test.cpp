// Blink widgets: the transparency ramps over time, delays, loop counts that
// end the widget's life, stopping, and the picture drawn at the level.
#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/resource_fixture.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/blink_widget.h"

namespace corvellane::testing {
namespace {

class BlinkTest : public ResourceWidgetTest {
 protected:
  void SetUp() override {
    WritePicture("white.png", 1, 1, {0xFFFFFFFF});
    DefineResources(R"(<resource type="ImageResource" name="white" file="white.png" format="png"/>)");
  }
  // A blink 0 -> 255 -> end level over 500 + 500 ms.
  Ref<TBlinkWidget> Blink(std::string_view attributes, std::string_view levels = R"(start_transparentlevel="0"
      end_transparentlevel="0")") {
    return Attach<TBlinkWidget>(R"(<widget type="blink_widget" visible="yes" width="1" height="1" resourcename="white"
        peak_transparentlevel="255" firstperiod="500" secondperiod="500" )" +
                                std::string(levels) + " " + std::string(attributes) + "/>");
  }
  // Advances by the steps and checks the level after each.
  static void ExpectLevels(IWidget& blink, std::initializer_list<std::pair<int32_t, int32_t>> steps) {
    int32_t total = 0;
    for (const auto& [elapsed, level] : steps) {
      total += elapsed;
      blink.Update(elapsed);
      EXPECT_EQ(blink.GetTransparentLevel(), level) << "after " << total << " ms";
    }
  }
};

TEST_F(BlinkTest, LevelRampsUpToThePeakAndDownToTheEnd) {
  auto blink = Blink(R"(loop="yes")");
  // 255 * 250 div 500 = 127; 255 + (-255 * 250) div 500 = 128
  ExpectLevels(*blink, {{0, 0}, {250, 127}, {250, 255}, {250, 128}, {249, 1}, {1, 0}, {100, 51}});
}

TEST_F(BlinkTest, DelaysRestOnTheStartLevel) {
  auto blink = Blink(R"(loop="yes" startdelaytime="300" cycledelaytime="100")",
                     R"(start_transparentlevel="40" end_transparentlevel="40")");
  ExpectLevels(*blink, {{0, 40}, {299, 40}, {51, 61}, {950, 40}, {99, 40}, {51, 61}});
}

TEST_F(BlinkTest, ALoopCountEndsTheWidgetsLife) {
  auto blink = Blink(R"(loop="yes" loops_count="2" stoponfirst="yes")", R"(end_transparentlevel="30")");
  blink->Update(0);
  blink->Update(1999);
  EXPECT_FALSE(blink->IsDead());
  blink->Update(1);
  EXPECT_TRUE(blink->IsDead());
  EXPECT_EQ(blink->Clock().GetPhase(), TPlayPhase::Stopped);
  EXPECT_EQ(blink->GetTransparentLevel(), 0);  // stop on first: the start level
}

TEST_F(BlinkTest, WithoutLoopItStopsOnTheEndLevelUntilLoopIsSwitchedOn) {
  const struct {
    const char* attributes;
    int32_t level;
  } cases[] = {{"", 90}, {R"(stoponfirst="yes")", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attributes);
    auto blink = Blink(c.attributes, R"(end_transparentlevel="90")");
    blink->Update(0);
    blink->Update(1000);
    EXPECT_EQ(blink->GetTransparentLevel(), c.level);
    EXPECT_FALSE(blink->IsDead());
    blink->Update(250);
    EXPECT_EQ(blink->GetTransparentLevel(), c.level);
    blink->Restart();  // no restart of its own: still stopped
    blink->Update(250);
    EXPECT_EQ(blink->GetTransparentLevel(), c.level);
    blink->SetProperty("loop", true);
    blink->SetCurrentTime(0);
    blink->Update(250);
    EXPECT_EQ(blink->GetTransparentLevel(), 127);
  }
}

TEST_F(BlinkTest, ThePictureIsDrawnAtTheCurrentLevel) {
  auto blink = Blink(R"(loop="yes")");
  blink->Update(0);
  EXPECT_EQ(Drawn(*blink)->GetPixel(0, 0), kBackground);
  blink->Update(500);
  EXPECT_TRUE(LooksLike(Drawn(*blink)->GetPixel(0, 0), 0xFFFFFFFF));
  blink->Update(250);
  const uint32_t half = Drawn(*blink)->GetPixel(0, 0) & 0xFF;
  EXPECT_GT(half, 0x80u);
  EXPECT_LT(half, 0xA0u);
}

TEST_F(BlinkTest, PropertiesAndSavedKeys) {
  auto blink = LoadWidget<TBlinkWidget>(R"(<widget firstperiod="300" start_transparentlevel="20"
      peak_transparentlevel="999" loops_count="4" loop="yes" cycledelaytime="70"/>)");
  EXPECT_EQ(blink->GetProperty("secondperiod").ToInt(), 300);  // defaults to the first period
  EXPECT_EQ(blink->GetProperty("end_transparentlevel").ToInt(), 20);  // defaults to the start level
  EXPECT_EQ(blink->GetProperty("peak_transparentlevel").ToInt(), 255);
  blink->SetProperty("secondperiod", 120);
  blink->SetProperty("startdelaytime", 15);
  const std::string xml = SavedXml(*blink);
  for (const char* expected : {R"(firstperiod="300")", R"(secondperiod="120")", R"(start_transparentlevel="20")",
                               R"(peak_transparentlevel="255")", R"(loops_count="4")", R"(startdelaytime="15")",
                               R"(cycledelaytime="70")"})
    EXPECT_NE(xml.find(expected), std::string::npos) << expected << " in " << xml;
  EXPECT_EQ(xml.find("end_transparentlevel"), std::string::npos) << xml;
  auto reloaded = LoadWidget<TBlinkWidget>(xml);
  for (const char* key : {"firstperiod", "secondperiod", "loop", "startdelaytime", "cycledelaytime",
                          "start_transparentlevel", "end_transparentlevel"})
    EXPECT_EQ(reloaded->GetProperty(key).ToText(), blink->GetProperty(key).ToText()) << key;
}

TEST_F(BlinkTest, PeriodsOfNoLengthDoNotDivideByZero) {
  auto blink = Attach<TBlinkWidget>(R"(<widget type="blink_widget" loop="yes" firstperiod="0" secondperiod="0"
      end_transparentlevel="77"/>)");
  ExpectLevels(*blink, {{0, 0}, {16, 77}, {16, 77}});
}

}  // namespace
}  // namespace corvellane::testing
