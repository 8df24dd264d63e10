// group_fixture.h: a widget tree loaded from XML text, owned by a stand-in
// screen that has a real (headless) engine, for the container tests.
//
// "test_box" is registered for TTestBox (test_widgets.h), so trees can be
// written entirely in data:
//
//   TEST_F(GroupTreeTest, Something) {
//     Load(R"(<widget type="group_widget" name="root" visible="yes">
//               <widgets><widget type="test_box" name="a" visible="yes" width="4" height="4"/></widgets>
//             </widget>)");
//     EXPECT_TRUE(checker.RunFrame(*screen));
//     Box("a")->SetAnchorLeft(3);
//   }
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "tests/widgets/dirty_rect_checker.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/visual_group_widget.h"
#include "widgets/widget_classes.h"

namespace corvellane::testing {

// Normal blending at full opacity may land a step off the exact colour; the
// background and the test colours are far apart in every channel.
inline bool LooksLike(uint32_t pixel, uint32_t colour) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((pixel >> shift) & 0xFF);
    const int b = static_cast<int>((colour >> shift) & 0xFF);
    if (a - b > 2 || b - a > 2) return false;
  }
  return true;
}

inline void RegisterContainerTestClasses() {
  RegisterWidgetClasses();
  RegisterClass<TTestBox>("test_box");
}

// The widget an XML element describes, created by its "type"; none when the
// type is unknown or not a widget.
inline Ref<IWidget> WidgetFromXml(std::string_view element_xml) {
  Ref<IHierStorageRoot> doc = OpenStorageText(element_xml);
  return QueryInterface<IWidget>(CreateFromStorage(doc.get()));
}

class GroupTreeTest : public ::testing::Test {
 public:
  static constexpr int32_t kCanvasWidth = 64;
  static constexpr int32_t kCanvasHeight = 48;

  GroupTreeTest() : platform(HeadlessOptions{}), engine(CreateEngine(platform)) {
    RegisterContainerTestClasses();
    screen->SetEngine(engine.get());
  }
  ~GroupTreeTest() override { screen->DetachRoot(); }

  // Loads the root from XML and attaches it to the screen.
  Ref<IWidget> Load(std::string_view element_xml) {
    Ref<IWidget> root = WidgetFromXml(element_xml);
    EXPECT_TRUE(root) << "the root element did not load";
    screen->SetRoot(root);
    return root;
  }
  Ref<IWidget> Find(std::string_view path) { return screen->Root()->FindWidget(path); }
  Ref<TTestBox> Box(std::string_view path) { return QueryInterface<TTestBox>(Find(path)); }
  Ref<TVisualGroupWidget> Group(std::string_view path) { return QueryInterface<TVisualGroupWidget>(Find(path)); }
  // The widget the screen would give a click at a screen point.
  Ref<IWidget> HitAt(TPoint p) { return screen->Root()->WidgetAtPos(p); }
  std::string HitName(TPoint p) {
    Ref<IWidget> hit = HitAt(p);
    return hit ? hit->GetName() : "(none)";
  }
  uint32_t Pixel(int32_t x, int32_t y) const { return checker.Kept().GetPixel(x, y); }

  THeadlessPlatform platform;
  Ref<TEngine> engine;
  Ref<TTestScreen> screen = MakeRef<TTestScreen>();
  DirtyRectChecker checker{kCanvasWidth, kCanvasHeight, kBackground};

  static constexpr uint32_t kBackground = 0xFF202020;
};

}  // namespace corvellane::testing
