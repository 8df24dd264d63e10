// resource_fixture.h: resource widgets on a real (headless) engine, with
// real PNG pictures and fonts written into a temp folder and loaded through
// the engine's resource definitions.
//
//   class MyTest : public ResourceWidgetTest {};
//   TEST_F(MyTest, Draws) {
//     WritePicture("red.png", 2, 2, {0xFFFF0000, ...});
//     DefineResources(R"(<resource type="ImageResource" name="red" file="red.png" format="png"/>)");
//     auto w = Attach<TImageWidget>(R"(<widget type="image_widget" resourcename="red" .../>)");
//     Ref<TSurface> canvas = Canvas();
//     w->Draw(canvas.get(), 0, 0);
//   }
//
// File names in definitions are written relative to the temp folder
// ("red.png"): DefineResources makes them absolute.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/resource_types.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "sound/sound_definitions.h"
#include "tests/engine/test_images.h"
#include "tests/support/temp_dir.h"
#include "tests/widgets/group_fixture.h"
#include "tests/widgets/test_screen.h"

namespace corvellane::testing {

class ResourceWidgetTest : public ::testing::Test {
 public:
  static constexpr uint32_t kBackground = 0xFF202020;

  ResourceWidgetTest() : platform_(HeadlessOptions{}), engine_(CreateEngine(platform_)) {
    RegisterEngineResourceTypes();
    RegisterSoundClasses();
    RegisterContainerTestClasses();
    screen_->SetEngine(engine_.get());
  }
  ~ResourceWidgetTest() override {
    screen_->DetachRoot();
    engine_->RemoveResources("");
  }

  // A straight-alpha picture from 0xAARRGGBB pixels, row by row.
  void WritePicture(std::string_view name, int width, int height, const std::vector<uint32_t>& pixels) {
    std::vector<uint8_t> rows;
    for (uint32_t p : pixels)
      for (int shift : {16, 8, 0, 24}) rows.push_back(static_cast<uint8_t>(p >> shift));
    dir_.Write(name, EncodePng(Png(width, height, PNG_COLOR_TYPE_RGBA, 8, std::move(rows))));
  }

  // <resource> elements; every file="x" becomes the temp folder's x.
  void DefineResources(std::string_view resources) {
    std::string text(resources);
    const std::string folder = dir_.File("");
    for (size_t at = text.find("file=\""); at != std::string::npos; at = text.find("file=\"", at + 1))
      text.insert(at + 6, folder);
    Ref<IHierStorageRoot> defs = OpenStorageText("<defs><content>" + text + "</content></defs>");
    engine_->LoadResourceDefs(defs.get(), "test", false);
  }

  // A widget of class T created by its type name from XML and attached to
  // the screen as its root.
  template <class T>
  Ref<T> Attach(std::string_view element_xml) {
    Ref<IWidget> widget = WidgetFromXml(element_xml);
    Ref<T> typed = QueryInterface<T>(widget);
    EXPECT_TRUE(typed) << "not loaded as the expected class: " << element_xml;
    screen_->SetRoot(widget);
    return typed;
  }

  static Ref<TSurface> Canvas(int32_t width = 32, int32_t height = 32) {
    Ref<TSurface> canvas = MakeSurface(width, height, false);
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x) canvas->SetPixel(x, y, kBackground);
    return canvas;
  }

  // The widget drawn at its rounded anchor on a fresh canvas.
  static Ref<TSurface> Drawn(IWidget& widget, int32_t width = 32, int32_t height = 32) {
    Ref<TSurface> canvas = Canvas(width, height);
    widget.Draw(canvas.get(), RoundToPixel(widget.GetAnchorLeft()), RoundToPixel(widget.GetAnchorTop()));
    return canvas;
  }

  TempDir dir_;
  THeadlessPlatform platform_;
  Ref<TEngine> engine_;
  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
};

}  // namespace corvellane::testing
