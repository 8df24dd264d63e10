// Image widgets on a real engine: the part of a picture drawn at the widget's
// position in every blend mode, the fill-colour mode, hit-testing through
// transparent pixels, properties and saving.
#include <gtest/gtest.h>

#include "engine/image_resource.h"
#include "persistence/log.h"
#include "tests/widgets/resource_fixture.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/image_widget.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kOpaque = 0xFF406080;
constexpr uint32_t kClear = 0x00FFFFFF;
constexpr uint32_t kHalf = 0x80C02010;
constexpr uint32_t kOther = 0xFF10A010;

class ImageWidgetTest : public ResourceWidgetTest {
 protected:
  void SetUp() override {
    // Row 0: opaque, clear, opaque other, half; row 1: the same shifted.
    WritePicture("pic.png", 4, 2, {kOpaque, kClear, kOther, kHalf, kHalf, kOther, kClear, kOpaque});
    DefineResources(R"(<resource type="ImageResource" name="pic" file="pic.png" format="png"/>)");
  }
  Ref<ISurface> Picture() {
    return QueryInterface<IImageResource>(engine_->GetResource("pic"))->GetSurface();
  }
};

TEST_F(ImageWidgetTest, DrawsItsPartOfThePictureAtItsPosition) {
  auto image = Attach<TImageWidget>(R"(<widget type="image_widget" visible="yes" anchor_left="5" anchor_top="6"
      width="2" height="1" resourcename="pic" resourceleft="2" resourcetop="1"/>)");
  Ref<TSurface> canvas = Drawn(*image);
  EXPECT_EQ(canvas->GetPixel(5, 6), kBackground);  // the clear pixel at (2, 1)
  EXPECT_TRUE(LooksLike(canvas->GetPixel(6, 6), kOpaque));
  for (TPoint outside : {TPoint{4, 6}, TPoint{7, 6}, TPoint{6, 5}, TPoint{6, 7}})
    EXPECT_EQ(canvas->GetPixel(outside.x, outside.y), kBackground) << outside.x << "," << outside.y;
}

TEST_F(ImageWidgetTest, EveryBlendModeIsTheSurfaceBlendOfThatPart) {
  for (int mode = 0; mode < kBlendModeCount; ++mode) {
    const std::string name(BlendModeName(static_cast<TBlendMode>(mode)));
    SCOPED_TRACE(name);
    auto image = Attach<TImageWidget>(R"(<widget type="image_widget" visible="yes" anchor_left="3" anchor_top="4"
        width="3" height="2" resourcename="pic" resourceleft="1" transparentlevel="200" blendingmode=")" +
                                      name + R"("/>)");
    ASSERT_EQ(image->GetBlendMode(), static_cast<TBlendMode>(mode));
    Ref<TSurface> expected = Canvas();
    expected->DrawImage(Picture().get(), {1, 0, 4, 2}, static_cast<TBlendMode>(mode), 200, {3, 4, 6, 6});
    Ref<TSurface> canvas = Drawn(*image);
    for (int32_t y = 0; y < 32; ++y)
      for (int32_t x = 0; x < 32; ++x) ASSERT_EQ(canvas->GetPixel(x, y), expected->GetPixel(x, y)) << x << "," << y;
  }
}

TEST_F(ImageWidgetTest, AdditionAndPlainCopyGiveTheirOwnColours) {
  auto image = Attach<TImageWidget>(R"(<widget type="image_widget" visible="yes" width="1" height="1"
      resourcename="pic" resourceleft="2" blendingmode="addition"/>)");
  EXPECT_TRUE(LooksLike(Drawn(*image)->GetPixel(0, 0), 0xFF30C030));  // 0x10A010 + 0x202020
  image->SetProperty("blendingmode", 6);                                // bltfast
  image->SetProperty("resourceleft", 3);
  EXPECT_EQ(Drawn(*image)->GetPixel(0, 0) & 0xFFFFFF, kHalf & 0xFFFFFF);  // alpha ignored
}

TEST_F(ImageWidgetTest, FillColourPaintsThroughThePictureAsMask) {
  auto image = Attach<TImageWidget>(R"(<widget type="image_widget" visible="yes" width="3" height="1"
      resourcename="pic" drawmode="fillcolor" fillcolor="$FFFF0000"/>)");
  Ref<TSurface> canvas = Drawn(*image);
  EXPECT_TRUE(LooksLike(canvas->GetPixel(0, 0), 0xFFFF0000));
  EXPECT_EQ(canvas->GetPixel(1, 0), kBackground);
  EXPECT_TRUE(LooksLike(canvas->GetPixel(2, 0), 0xFFFF0000));
}

TEST_F(ImageWidgetTest, WithoutItsPictureNothingIsDrawn) {
  for (const char* name : {"missing", ""}) {
    SCOPED_TRACE(name);
    auto image = Attach<TImageWidget>(std::string(R"(<widget type="image_widget" visible="yes" width="4" height="2" resourcename=")") +
                                      name + R"("/>)");
    Ref<TSurface> canvas = Drawn(*image);
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(canvas->GetPixel(x, 0), kBackground);
  }
  auto detached = LoadWidget<TImageWidget>(R"(<widget visible="yes" width="4" height="2" resourcename="pic"/>)");
  EXPECT_EQ(Drawn(*detached)->GetPixel(0, 0), kBackground);
}

TEST_F(ImageWidgetTest, AMissingPictureIsReportedOnceWithTheWidgetsPath) {
  TLogCapture log;
  auto detached = LoadWidget<TImageWidget>(R"(<widget visible="yes" width="4" height="2" resourcename="logo"/>)");
  Drawn(*detached);
  EXPECT_TRUE(log.Lines().empty()) << "not looked for while detached";

  auto image = Attach<TImageWidget>(R"(<widget type="image_widget" name="image_logo" visible="yes" mousestop="yes"
      width="4" height="2" resourcename="logo"/>)");
  for (int frame = 0; frame < 3; ++frame) Drawn(*image);
  image->ContainsPoint({1, 1}, false);
  image->SetProperty("resourcename", "pic");
  Drawn(*image);
  image->SetProperty("resourcename", "logo_2");
  Drawn(*image);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"GS_Test/image_logo: image resource 'logo' not found",
                                                   "GS_Test/image_logo: image resource 'logo_2' not found"}));
}

TEST_F(ImageWidgetTest, ClicksHitOnlyNonTransparentPixels) {
  auto image = Attach<TImageWidget>(R"(<widget type="image_widget" name="image_pic" visible="yes" mousestop="yes"
      anchor_left="10.4" anchor_top="20" width="4" height="2" resourcename="pic"/>)");
  const struct {
    TPoint point;
    bool hit;
  } cases[] = {
      {{10, 20}, true},   // opaque
      {{11, 20}, false},  // alpha 0
      {{13, 20}, true},   // half transparent still counts
      {{12, 21}, false},
      {{13, 21}, true},
      {{9, 20}, false},   // outside the rectangle
      {{14, 20}, false},
      {{10, 22}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(image->WidgetAtPos(c.point) != nullptr, c.hit) << c.point.x << "," << c.point.y;
  image->SetProperty("resourceleft", 1);  // the clear pixel now sits at the corner
  EXPECT_FALSE(image->ContainsPoint({10, 20}, false));
  image->SetResourceName("missing");  // no picture: the rectangle decides
  EXPECT_TRUE(image->ContainsPoint({11, 20}, false));
}

TEST_F(ImageWidgetTest, PropertiesChangeWhatIsDrawnAndMarkTheWidget) {
  auto image = Attach<TImageWidget>(R"(<widget type="image_widget" visible="yes" width="1" height="1" resourcename="pic"/>)");
  image->SetChanged(false);
  image->SetProperty("resourceleft", 2);
  EXPECT_TRUE(image->IsChanged());
  EXPECT_TRUE(LooksLike(Drawn(*image)->GetPixel(0, 0), kOther));
  image->SetProperty("resourcetop", "1");
  EXPECT_EQ(Drawn(*image)->GetPixel(0, 0), kBackground);

  image->SetProperty("fillcolor", "$FF00FF00");
  EXPECT_EQ(image->GetProperty("fillcolor").ToText(), "$FF00FF00");
  image->SetProperty("drawmode", 1);
  image->SetProperty("resourcetop", 0);
  EXPECT_TRUE(LooksLike(Drawn(*image)->GetPixel(0, 0), 0xFF00FF00));
  image->SetProperty("drawmode", 7);  // no such mode: unchanged
  EXPECT_EQ(image->GetProperty("drawmode").ToInt(), 1);
  image->SetProperty("blendingmode", "many");
  EXPECT_EQ(image->GetProperty("blendingmode").ToInt(), 0);

  image->SetChanged(false);
  image->SetProperty("resourcename", "pic");
  EXPECT_FALSE(image->IsChanged());
  image->SetProperty("resourcename", "other");
  EXPECT_TRUE(image->IsChanged());
  EXPECT_EQ(image->GetProperty("resourcename").ToText(), "other");
}

TEST_F(ImageWidgetTest, SavesWhatDiffersFromTheDefaults) {
  auto plain = LoadWidget<TImageWidget>(R"(<widget resourcename="pic" width="4" height="2"/>)");
  const std::string plain_xml = SavedXml(*plain);
  EXPECT_NE(plain_xml.find(R"(resourcename="pic")"), std::string::npos) << plain_xml;
  for (const char* key : {"resourceleft", "fillcolor", "drawmode", "blendingmode"})
    EXPECT_EQ(plain_xml.find(key), std::string::npos) << key;

  auto image = LoadWidget<TImageWidget>(R"(<widget resourcename="pic" width="4" height="2" resourcetop="3"
      fillcolor="$80112233" drawmode="fillcolor" blendingmode="overlay"/>)");
  const std::string xml = SavedXml(*image);
  for (const char* expected : {R"(resourceleft="0")", R"(resourcetop="3")", R"(fillcolor="$80112233")",
                               R"(drawmode="fillcolor")", R"(blendingmode="overlay")"})
    EXPECT_NE(xml.find(expected), std::string::npos) << expected << " in " << xml;
  auto reloaded = LoadWidget<TImageWidget>(xml);
  EXPECT_EQ(reloaded->GetSourceTop(), 3);
  EXPECT_EQ(reloaded->GetFillColor(), 0x80112233u);
  EXPECT_EQ(reloaded->GetDrawMode(), TDrawMode::FillColor);
  EXPECT_EQ(reloaded->GetBlendMode(), TBlendMode::Overlay);
}

}  // namespace
}  // namespace corvellane::testing
