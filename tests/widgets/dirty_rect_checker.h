// dirty_rect_checker.h: checks that the rectangles a widget tree reports
// are enough to keep the screen right.
//
// The engine redraws only the rectangles reported in a frame; everything
// else on the canvas stays from earlier frames. The checker keeps such a
// canvas up to date exactly that way, and after every frame compares it
// pixel for pixel with a full redraw of the same state into a fresh canvas.
// Any difference is a change some widget failed to report (or reported in
// the wrong place).
//
// Over any tree (a screen, a stack of screens): give it the rectangles of
// the frame and a function that draws the current state.
//
//   DirtyRectChecker checker(640, 480);
//   screen->Advance(16); screen->EndFrame();
//   EXPECT_TRUE(checker.CheckFrame(engine_rects, [&](ISurface& s) { screen->Draw(&s, 0, 0); }));
//
// Over a widget tree whose root a TTestScreen owns (test_screen.h):
//
//   EXPECT_TRUE(checker.RunFrame(*screen, 16));   // Update, dirty pass, draw
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <sstream>
#include <vector>

#include "engine/surface.h"
#include "tests/widgets/test_screen.h"
#include "widgets/pixel_rounding.h"

namespace corvellane::testing {

class DirtyRectChecker {
 public:
  using DrawFn = std::function<void(ISurface&)>;

  DirtyRectChecker(int32_t width, int32_t height, uint32_t background = 0xFF202020)
      : width_(width), height_(height), background_(background), kept_(Background()) {}

  // One frame: the reported rectangles are repainted on the kept canvas
  // (background, then the drawing clipped to them); a full redraw is made
  // on a fresh canvas; the two must agree everywhere.
  ::testing::AssertionResult CheckFrame(std::span<const TRect> rects, const DrawFn& draw) {
    ++frame_;
    RepaintKept(rects, draw);
    Ref<TSurface> full = Background();
    draw(*full);
    return Compare(*full);
  }

  // Update (when elapsed_ms >= 0), dirty pass and draw of the screen's root.
  ::testing::AssertionResult RunFrame(TTestScreen& screen, int32_t elapsed_ms = 16) {
    IWidget* root = screen.Root().get();
    if (elapsed_ms >= 0) root->Update(elapsed_ms);
    root->UpdateDirtyRegion(false, false);
    const std::vector<TRect> rects = screen.TakeInvalidated();
    return CheckFrame(rects, [root](ISurface& s) {
      if (root->IsVisible())
        root->Draw(&s, RoundToPixel(root->GetAnchorLeft()), RoundToPixel(root->GetAnchorTop()));
    });
  }

  const TSurface& Kept() const { return *kept_; }

 private:
  Ref<TSurface> Background() const {
    Ref<TSurface> s = MakeSurface(width_, height_, false);
    for (int32_t y = 0; y < height_; ++y)
      for (int32_t x = 0; x < width_; ++x) s->SetPixel(x, y, background_);
    return s;
  }

  void RepaintKept(std::span<const TRect> rects, const DrawFn& draw) {
    TRegion region;
    for (const TRect& r : rects) region.Add(Intersect(r, {0, 0, width_, height_}));
    // Nothing reported: the engine does not draw at all this frame.
    if (region.Count() == 0) return;
    // All rectangles are cleared before any is added: once the canvas has a
    // dirty rectangle, SetPixel is clipped to it.
    for (int i = 0; i < region.Count(); ++i) {
      const TRect r = region.Get(i);
      for (int32_t y = r.top; y < r.bottom; ++y)
        for (int32_t x = r.left; x < r.right; ++x) kept_->SetPixel(x, y, background_);
    }
    for (int i = 0; i < region.Count(); ++i) kept_->AddDirtyRect(region.Get(i));
    draw(*kept_);
    kept_->ClearDirtyRegion();
  }

  ::testing::AssertionResult Compare(const TSurface& full) const {
    int differing = 0;
    TPoint first;
    for (int32_t y = 0; y < height_; ++y)
      for (int32_t x = 0; x < width_; ++x)
        if (full.GetPixel(x, y) != kept_->GetPixel(x, y) && differing++ == 0) first = {x, y};
    if (differing == 0) return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << "frame " << frame_ << ": " << differing << " pixels differ from a full redraw; first at (" << first.x
        << ", " << first.y << "): kept " << std::hex << kept_->GetPixel(first.x, first.y) << ", full "
        << full.GetPixel(first.x, first.y);
    return ::testing::AssertionFailure() << out.str();
  }

  int32_t width_;
  int32_t height_;
  uint32_t background_;
  Ref<TSurface> kept_;
  int frame_ = 0;
};

}  // namespace corvellane::testing
