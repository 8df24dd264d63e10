// The transforms that change the picture itself: which pixels a cut sector
// clears, the outline a contour stamps around a shape, what a mask and a
// masked picture let through, and where a scroll area looks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/transform_fixture.h"
#include "widgets/contour_widget.h"
#include "widgets/cut_sector_widget.h"
#include "widgets/mask_widget.h"

namespace corvellane::testing {
namespace {

// ---- Cut sector ----

struct SectorCase {
  const char* angles;
  // Which quarter around the centre (right-down, left-down, left-up,
  // right-up) is cleared.
  bool cleared[4];
};

class CutSectorTest : public TransformTest, public ::testing::WithParamInterface<SectorCase> {};

TEST_P(CutSectorTest, ThePixelsInTheSectorBecomeTransparent) {
  LoadRoot(Transform("cutsector_widget",
                     std::string(R"(anchor_left="40" anchor_top="30" centerx="10" centery="10" )") + GetParam().angles));
  SetPicture("t/picture", Plain(21, 21, kRed));
  Ref<TSurface> drawn = DrawnOnTransparency();
  // A point well inside each quarter, screen y growing downwards.
  const TPoint probes[4] = {{40 + 15, 30 + 14}, {40 + 5, 30 + 14}, {40 + 5, 30 + 6}, {40 + 15, 30 + 6}};
  for (int q = 0; q < 4; ++q)
    EXPECT_EQ(drawn->GetPixel(probes[q].x, probes[q].y), GetParam().cleared[q] ? 0u : kRed) << "quarter " << q;
}

INSTANTIATE_TEST_SUITE_P(Sectors, CutSectorTest,
                         ::testing::Values(SectorCase{R"(startangle="0" endangle="90")", {true, false, false, false}},
                                           SectorCase{R"(startangle="90" endangle="180")", {false, true, false, false}},
                                           SectorCase{R"(startangle="-90" endangle="0")", {false, false, false, true}},
                                           SectorCase{R"(startangle="-180" endangle="0")", {false, false, true, true}},
                                           SectorCase{R"(startangle="0" endangle="360")", {true, true, true, true}},
                                           SectorCase{R"(startangle="0" endangle="0")", {false, false, false, false}}));

TEST_F(TransformTest, ACutFromMinus45To45ClearsTheQuarterToTheRight) {
  LoadRoot(Transform("cutsector_widget", R"(centerx="10" centery="10" startangle="-45" endangle="45")"));
  SetPicture("t/picture", Plain(21, 21, kRed));
  Ref<TSurface> drawn = DrawnOnTransparency();
  EXPECT_EQ(drawn->GetPixel(18, 10), 0u);
  EXPECT_EQ(drawn->GetPixel(18, 15), 0u);
  EXPECT_EQ(drawn->GetPixel(10, 18), kRed);
  EXPECT_EQ(drawn->GetPixel(2, 10), kRed);
}

// ---- Contour ----

TEST_F(TransformTest, AThinContourAroundOnePixel) {
  LoadRoot(Transform("contour_widget", R"(contourcolor="$C0FFD700")"));
  SetPicture("t/picture", Plain(1, 1, kBlue));
  auto outline = Get<TContourWidget>("t");
  ASSERT_TRUE(outline->Prepare());
  const Ref<ISurface>& work = outline->GetWorkSurface();
  ASSERT_EQ(work->GetWidth(), 3);
  EXPECT_EQ(work->GetPixel(1, 1), kBlue);
  for (TPoint p : {TPoint{1, 0}, TPoint{0, 1}, TPoint{2, 1}, TPoint{1, 2}}) EXPECT_EQ(work->GetPixel(p.x, p.y), 0xC0FFD700u);
  // Half of 0xC0 (192) on the diagonals.
  for (TPoint p : {TPoint{0, 0}, TPoint{2, 0}, TPoint{0, 2}, TPoint{2, 2}}) EXPECT_EQ(work->GetPixel(p.x, p.y), 0x60FFD700u);
}

// The outline of a 4 x 4 square, as the alpha of each pixel of a row.
std::vector<uint32_t> Row(const ISurface& s, int32_t y) {
  std::vector<uint32_t> alphas;
  for (int32_t x = 0; x < s.GetWidth(); ++x) alphas.push_back(s.GetPixel(x, y) >> 24);
  return alphas;
}

TEST_F(TransformTest, AThickContourReachesOutAndFillsItsCorners) {
  LoadRoot(Transform("contour_widget", R"(contourcolor="$FF00FF00" contourthickness="2")"));
  SetPicture("t/picture", Plain(4, 4, kBlue));
  auto outline = Get<TContourWidget>("t");
  ASSERT_TRUE(outline->Prepare());
  const ISurface& work = *outline->GetWorkSurface();
  ASSERT_EQ(work.GetWidth(), 8);
  EXPECT_EQ(Row(work, 3), (std::vector<uint32_t>{255, 255, 255, 255, 255, 255, 255, 255}));
  // The corner block: 4 / (dx^2 + dy^2) of the alpha, at most all of it.
  EXPECT_EQ(Row(work, 0), (std::vector<uint32_t>{128, 204, 255, 255, 255, 255, 204, 128}));
  EXPECT_EQ(work.GetPixel(3, 3), kBlue) << "the shape itself is kept";
}

TEST_F(TransformTest, ASmoothContourFadesAtItsRimAndTintsSoftEdges) {
  LoadRoot(Transform("contour_widget", R"(contourcolor="$FFFFFFFF" contourthickness="3" smooth="yes")"));
  Ref<TSurface> shape = Plain(6, 6, kBlue);
  shape->SetPixel(0, 0, 0x800000FF);  // a soft corner
  SetPicture("t/picture", shape);
  auto outline = Get<TContourWidget>("t");
  ASSERT_TRUE(outline->Prepare());
  const ISurface& work = *outline->GetWorkSurface();
  // The shape starts at (3, 3).
  EXPECT_EQ(work.GetPixel(2, 5), 0xFFFFFFFFu) << "next to the edge";
  // Only the soft corner reaches (0, 3), at the brush's rim: weight 128,
  // times its alpha 128 / 100.
  EXPECT_EQ(work.GetPixel(0, 3), 0xA4FFFFFFu);
  EXPECT_EQ(work.GetPixel(5, 5), kBlue) << "inside the shape, untouched";
  // The soft corner is tinted by its transparency, 127 / 256 of the way.
  EXPECT_EQ(work.GetPixel(3, 3), 0xBF7E7EFFu);
}

TEST_F(TransformTest, SubtractingFromTheContourClearsWhereTheOtherWidgetIs) {
  LoadRoot(Transform("contour_widget", R"(anchor_left="20" anchor_top="20" contourcolor="$FF00FF00")") +
           R"(<widget type="test_box" name="cover" visible="yes" anchor_left="19" anchor_top="19" width="2" height="2"/>)");
  SetPicture("t/picture", Plain(4, 4, kBlue));
  ASSERT_TRUE(checker.RunFrame(*screen_));
  Find("t")->SetProperty("substractFromContour", Variant(Find("cover")));
  const ISurface& work = *Get<TContourWidget>("t")->GetWorkSurface();
  // The work surface starts one pixel up and left of the anchor.
  EXPECT_EQ(work.GetPixel(0, 0), 0u);
  EXPECT_EQ(work.GetPixel(1, 1), 0u);
  EXPECT_EQ(work.GetPixel(2, 2), kBlue);
  ASSERT_TRUE(checker.RunFrame(*screen_)) << "the cut is redrawn";
}

// ---- Mask and masked picture ----

TEST_F(TransformTest, TheMaskWidgetShowsThePictureWhereItsMaskIsLeft) {
  LoadRoot(Transform("mask_widget", R"(anchor_left="30" anchor_top="30")") +
           R"(<widget type="test_box" name="hole" anchor_left="28" anchor_top="33" width="4" height="3"/>)");
  SetPicture("t/picture", Plain(8, 8, kRed));
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(30, 30), kRed);
  // Partly outside the mask: only the overlap is cleared.
  Find("t")->SetProperty("substractFromMaskRect", Variant(Find("hole")));
  EXPECT_EQ(Get<TMaskWidget>("t")->GetMask()->GetPixel(0, 3), 0u);
  EXPECT_EQ(Get<TMaskWidget>("t")->GetMask()->GetPixel(2, 3), 0xFFFFFFFFu);
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(30, 33), kRed) << "the mask changes what is shown only at the next repaint";
  Find("t")->SetProperty("need_to_repaint", true);
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(30, 33), kBackground);
  EXPECT_PRED2(LooksLike, Kept(32, 33), kRed);
  Find("t")->SetProperty("fillMaskWithLevel", 0);
  Find("t")->SetProperty("need_to_repaint", true);
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(32, 33), kBackground);
}

TEST_F(TransformTest, AMaskedPictureWithoutItsMaskShowsNothing) {
  WritePicture("stripe.png", 2, 1, {0xFF000000, 0x00000000});
  DefineResources(R"(<resource type="ImageResource" name="stripe" file="stripe.png" format="png"/>)");
  LoadRoot(Transform("masked_widget", R"(anchor_left="10" resourcename="stripe")"));
  SetPicture("t/picture", Plain(2, 1, kGreen));
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(10, 0), kGreen);
  EXPECT_PRED2(LooksLike, Kept(11, 0), kBackground);
  Find("t")->SetProperty("resourcename", "missing");
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(10, 0), kBackground);
}

// ---- Scroll area ----

TEST_F(TransformTest, AScrollAreaShowsItsWindowOfTheContentAtTheShift) {
  LoadRoot(Transform("scrollarea_widget", R"(anchor_left="50" anchor_top="40" width="8" height="4")",
                     R"(anchor_left="2" anchor_top="1")"));
  SetPicture("t/picture", Quarters(8, 8));
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(52, 41), kRed);
  EXPECT_PRED2(LooksLike, Kept(51, 41), kBackground) << "left of the content";
  EXPECT_PRED2(LooksLike, Kept(56, 43), kGreen);
  EXPECT_PRED2(LooksLike, Kept(56, 44), kBackground) << "below the window";
  Find("t")->SetProperty("shifttop", 6);
  Find("t")->SetProperty("shiftleft", 2);
  ASSERT_TRUE(checker.RunFrame(*screen_));
  EXPECT_PRED2(LooksLike, Kept(50, 40), kBlue);
  EXPECT_PRED2(LooksLike, Kept(54, 40), kWhite);
  EXPECT_PRED2(LooksLike, Kept(55, 43), kBackground) << "past the content's bottom";
}

}  // namespace
}  // namespace corvellane::testing
