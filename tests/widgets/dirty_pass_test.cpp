// The dirty-rectangle pass of visual widgets: which screen rectangles a
// widget reports, and that they keep an incrementally redrawn canvas equal
// to a full redraw.
#include <gtest/gtest.h>

#include <functional>

#include "tests/widgets/dirty_rect_checker.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"

namespace corvellane::testing {
namespace {

class DirtyPassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box_ = LoadWidget<TTestBox>(R"(<widget visible="yes" anchor_left="10" anchor_top="5" width="6" height="4"/>)");
    screen_->SetRoot(box_);
  }
  std::vector<TRect> Pass() {
    box_->UpdateDirtyRegion(false, false);
    return screen_->TakeInvalidated();
  }

  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
  Ref<TTestBox> box_;
};

TEST_F(DirtyPassTest, FirstPassDrawsThenQuietFramesReportNothing) {
  EXPECT_EQ(Pass(), (std::vector<TRect>{{10, 5, 16, 9}}));
  EXPECT_TRUE(box_->IsInvalidated());
  EXPECT_TRUE(Pass().empty());
  EXPECT_FALSE(box_->IsInvalidated());
  box_->Update(16);  // time alone changes nothing visible
  EXPECT_TRUE(Pass().empty());
}

TEST_F(DirtyPassTest, ChangesReportOldAndNewRectangles) {
  Pass();
  struct Case {
    const char* what;
    std::function<void(TTestBox&)> change;
    std::vector<TRect> expected;
  };
  const Case cases[] = {
      {"moved", [](TTestBox& b) { b.SetAnchorLeft(20); }, {{10, 5, 16, 9}, {20, 5, 26, 9}}},
      {"same anchor again", [](TTestBox& b) { b.SetAnchorLeft(20); }, {}},
      {"resized", [](TTestBox& b) { b.SetProperty("width", 8); }, {{20, 5, 26, 9}, {20, 5, 28, 9}}},
      {"faded", [](TTestBox& b) { b.SetTransparentLevel(100); }, {{20, 5, 28, 9}}},
      {"hidden", [](TTestBox& b) { b.SetVisible(false); }, {{20, 5, 28, 9}}},
      {"moved while hidden", [](TTestBox& b) { b.SetAnchorTop(50); }, {}},
      {"shown", [](TTestBox& b) { b.SetVisible(true); }, {{20, 50, 28, 54}}},
      {"z changed", [](TTestBox& b) { b.SetZ(3); }, {{20, 50, 28, 54}}},
      {"dead", [](TTestBox& b) { b.SetDead(true); b.SetChanged(true); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.change(*box_);
    EXPECT_EQ(Pass(), c.expected);
  }
}

TEST_F(DirtyPassTest, ForcedPassesRedrawOldAndNew) {
  Pass();
  box_->UpdateDirtyRegion(true, false);
  EXPECT_EQ(screen_->TakeInvalidated(), (std::vector<TRect>{{10, 5, 16, 9}}));
  box_->UpdateDirtyRegion(false, true);
  EXPECT_EQ(screen_->TakeInvalidated(), (std::vector<TRect>{{10, 5, 16, 9}}));
}

TEST_F(DirtyPassTest, WithoutOwnerOnlyTheFrameFlagsAreCleared) {
  screen_->DetachRoot();
  box_->Update(1);
  box_->SetChanged(true);
  box_->UpdateDirtyRegion(false, true);
  EXPECT_FALSE(box_->IsAdvanced());
  EXPECT_FALSE(box_->IsInvalidated());
  EXPECT_TRUE(box_->IsChanged());
}

TEST_F(DirtyPassTest, RectangleCoversTheDrawnPixelsAtHalfPixelAnchors) {
  // At 1.5 the box is drawn from pixel 2; rounding left + width separately
  // would give the rectangle (2, 2) and nothing would ever be redrawn.
  box_->SetProperty("width", 1);
  box_->SetAnchorLeft(1.5);
  box_->SetAnchorTop(0.5);
  EXPECT_EQ(box_->GetRect(), (TRect{2, 0, 3, 4}));
}

// Frame by frame, the canvas kept through the reported rectangles equals a
// full redraw while the widget moves (also by half pixels), resizes, fades,
// hides and shows again.
TEST_F(DirtyPassTest, KeptCanvasMatchesFullRedrawThroughChanges) {
  DirtyRectChecker checker(64, 48);
  const std::function<void(TTestBox&)> steps[] = {
      [](TTestBox&) {},
      [](TTestBox& b) { b.SetAnchorLeft(12.5); },
      [](TTestBox& b) { b.SetAnchorLeft(13.5); },
      [](TTestBox& b) { b.SetAnchorTop(-2); },
      [](TTestBox& b) { b.SetProperty("width", 1); b.SetAnchorLeft(1.5); },
      [](TTestBox& b) { b.SetProperty("height", 30); },
      [](TTestBox& b) { b.SetTransparentLevel(90); },
      [](TTestBox& b) { b.colour = 0xFF00FF00; b.SetChanged(true); },
      [](TTestBox& b) { b.SetVisible(false); },
      [](TTestBox& b) { b.SetAnchorLeft(60); },
      [](TTestBox& b) { b.SetVisible(true); },
      [](TTestBox& b) { b.SetProperty("width", 20); },  // partly off the canvas
      [](TTestBox& b) { b.SetAnchorLeft(-1000); },
  };
  int frame = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(frame++);
    step(*box_);
    ASSERT_TRUE(checker.RunFrame(*screen_));
  }
}

// The checker itself must notice a change nobody reported.
TEST_F(DirtyPassTest, CheckerNoticesAnUnreportedChange) {
  DirtyRectChecker checker(64, 48);
  ASSERT_TRUE(checker.RunFrame(*screen_));
  box_->colour = 0xFFFF0000;  // repainted without SetChanged
  EXPECT_FALSE(checker.RunFrame(*screen_));
}

}  // namespace
}  // namespace corvellane::testing
