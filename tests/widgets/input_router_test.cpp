// Delivering mouse and keys into a widget tree: the mouse guard, capture,
// hit-testing, focus and Tab cycling among the root's children.
#include <gtest/gtest.h>

#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/input_router.h"
#include "widgets/visual_group_widget.h"

namespace corvellane::testing {
namespace {

using Notes = std::vector<std::string>;

class InputRouterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = LoadWidget<TVisualGroupWidget>(R"(<widget name="root" visible="yes" mousestop="yes"/>)");
    for (auto [name, x] : {std::pair{"a", 0}, {"b", 20}, {"c", 40}, {"d", 60}}) {
      auto box = LoadWidget<TTestBox>("<widget name=\"" + std::string(name) + "\" visible=\"yes\" mousestop=\"yes\" width=\"10\" height=\"10\" anchor_left=\"" + std::to_string(x) + "\"/>");
      box->SetTabStop(true);
      root_->GetWidgets()->Add(box);
      boxes_.push_back(box);
    }
    screen_->SetRoot(root_);
    router_.SetRoot(root_);
  }
  void TearDown() override { router_.Clear(); }
  TTestBox& Box(int i) { return *boxes_[i]; }
  std::string Focused() { return router_.GetFocus() ? router_.GetFocus()->GetName() : ""; }

  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
  Ref<TVisualGroupWidget> root_;
  std::vector<Ref<TTestBox>> boxes_;
  TWidgetInputRouter router_;
};

TEST_F(InputRouterTest, MouseIsSwallowedForTheFirst200Milliseconds) {
  router_.RestartMouseGuard();
  router_.AdvanceTime(150);
  EXPECT_TRUE(router_.DeliverMouse(kMouseLeftDown, {5, 5}, 0));
  router_.AdvanceTime(49);
  EXPECT_TRUE(router_.DeliverMouse(kMouseLeftDown, {5, 5}, 0));
  EXPECT_TRUE(Box(0).mouse_messages.empty());
  router_.AdvanceTime(1);
  EXPECT_TRUE(router_.DeliverMouse(kMouseLeftDown, {5, 5}, 0));
  EXPECT_EQ(Box(0).mouse_messages, (std::vector<int32_t>{kMouseLeftDown}));
}

TEST_F(InputRouterTest, MouseGoesToTheWidgetHitOrToNobody) {
  EXPECT_TRUE(router_.DeliverMouse(kMouseMove, {25, 5}, 0));
  EXPECT_EQ(Box(1).mouse_messages.size(), 1u);
  EXPECT_FALSE(router_.DeliverMouse(kMouseMove, {15, 5}, 0));  // between the boxes
  Box(1).SetMouseStop(false);
  EXPECT_FALSE(router_.DeliverMouse(kMouseMove, {25, 5}, 0));
  EXPECT_EQ(Box(1).mouse_messages.size(), 1u);
}

TEST_F(InputRouterTest, CaptureTakesEveryMouseMessageAndTellsTheLoser) {
  router_.SetCapture(&Box(0));
  EXPECT_TRUE(router_.DeliverMouse(kMouseLeftUp, {65, 5}, 0));
  EXPECT_EQ(Box(0).mouse_messages.size(), 1u);
  EXPECT_TRUE(Box(3).mouse_messages.empty());
  router_.SetCapture(&Box(0));  // already held: nothing to lose
  EXPECT_TRUE(Box(0).notes.empty());
  router_.SetCapture(&Box(1));
  EXPECT_EQ(Box(0).notes, (Notes{"capture lost"}));
  router_.ReleaseCapture();
  EXPECT_EQ(Box(1).notes, (Notes{"capture lost"}));
  EXPECT_EQ(router_.GetCapture(), nullptr);
}

TEST_F(InputRouterTest, KeysFocusTheFirstVisibleTabStopFirst) {
  Box(0).SetVisible(false);
  EXPECT_TRUE(router_.DeliverKey(kKeyDown, 65, 0));
  EXPECT_EQ(Focused(), "b");
  EXPECT_EQ(Box(1).notes, (Notes{"focus gained", "key 65"}));
}

TEST_F(InputRouterTest, UnhandledTabMovesFocusAlongVisibleTabStopsAndWraps) {
  for (auto& box : boxes_) box->handles_keys = false;
  Box(1).SetTabStop(false);
  Box(2).SetVisible(false);
  router_.SetFocus(&Box(0));
  const char* expected[] = {"d", "a", "d"};
  for (const char* name : expected) {
    router_.DeliverKey(kKeyUp, kKeyTab, 0);
    EXPECT_EQ(Focused(), name);
  }
  EXPECT_EQ(Box(0).notes, (Notes{"focus gained", "key 9", "focus lost", "focus gained", "key 9", "focus lost"}));
  router_.DeliverKey(kKeyDown, kKeyTab, 0);  // only the key-up moves on
  EXPECT_EQ(Focused(), "d");
}

TEST_F(InputRouterTest, HandledTabStaysWithTheWidget) {
  router_.SetFocus(&Box(2));
  router_.DeliverKey(kKeyUp, kKeyTab, 0);
  EXPECT_EQ(Focused(), "c");
}

TEST_F(InputRouterTest, WithoutTabStopsKeysAreNotHandled) {
  for (auto& box : boxes_) box->SetTabStop(false);
  EXPECT_FALSE(router_.DeliverKey(kKeyDown, 65, 0));
}

TEST_F(InputRouterTest, ResetFocusForgetsSilentlyAndRedrawsTheRoot) {
  router_.SetFocus(&Box(0));
  router_.SetCapture(&Box(1));
  Box(0).notes.clear();
  root_->UpdateDirtyRegion(false, false);
  screen_->TakeInvalidated();
  router_.ResetFocus();
  EXPECT_EQ(router_.GetFocus(), nullptr);
  EXPECT_EQ(router_.GetCapture(), nullptr);
  EXPECT_TRUE(Box(0).notes.empty());
  EXPECT_TRUE(Box(1).notes.empty());
  root_->UpdateDirtyRegion(false, false);
  EXPECT_FALSE(screen_->TakeInvalidated().empty());
}

}  // namespace
}  // namespace corvellane::testing
