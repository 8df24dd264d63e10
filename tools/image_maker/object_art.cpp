// Objects painted in the scenes' own style: the five keepsakes that break
// into pieces in the hidden-parts levels (a porcelain vase of flowers, a
// layer cake, a china teapot, a mantel clock and a bird house). Each fills
// the size it is given and stays clear of the edges, so that the pieces the
// "pieces" command cuts from it have room for their tabs.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr uint32_t kPetals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A, 0xFFFFFFFF, 0xFFB07CE0};

// Scales a design of `design_w` x `design_h` to the picture.
void Design(cairo_t* cr, int width, int height, double design_w, double design_h) {
  cairo_scale(cr, width / design_w, height / design_h);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

// Porcelain: a shine on the left, white, and a cool shade to the right.
constexpr uint32_t kPorcelain[] = {0xFFE4E8F0, 0xFFFFFFFF, 0xFFE8ECF2, 0xFFA8B0C4};

void BlueSprig(cairo_t* cr, double x, double y, double size) {
  SetColour(cr, 0xFF3A5AA8);
  cairo_set_line_width(cr, size * 0.08);
  cairo_move_to(cr, x, y + size);
  cairo_curve_to(cr, x - size * 0.2, y + size * 0.5, x + size * 0.2, y + size * 0.2, x, y - size * 0.4);
  cairo_stroke(cr);
  for (int k = 0; k < 4; ++k) {
    cairo_arc(cr, x + (k % 2 ? 1 : -1) * size * 0.22, y + size * (0.7 - k * 0.3), size * 0.14, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace

void DrawVase(cairo_t* cr, int width, int height) {
  Design(cr, width, height, 160, 200);
  LeafCluster(cr, 80, 70, 60, 18, 801, {});
  FlowerHeads(cr, 80, 54, 44, 12, 802, kPetals);
  cairo_move_to(cr, 62, 96);
  cairo_curve_to(cr, 58, 110, 30, 120, 30, 150);
  cairo_curve_to(cr, 30, 180, 56, 192, 80, 192);
  cairo_curve_to(cr, 104, 192, 130, 180, 130, 150);
  cairo_curve_to(cr, 130, 120, 102, 110, 98, 96);
  cairo_close_path(cr);
  FillAcross(cr, 30, 130, kPorcelain);
  SetColour(cr, 0xFF6A7A9A);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  BlueSprig(cr, 64, 140, 26);
  BlueSprig(cr, 96, 146, 22);
  EllipsePath(cr, 80, 96, 20, 5);
  SetColour(cr, 0xFF3A5AA8);
  cairo_fill(cr);
  FillBox(cr, {42, 176, 76, 4}, 0xFF3A5AA8);
}

void DrawLayerCake(cairo_t* cr, int width, int height) {
  Design(cr, width, height, 180, 180);
  EllipsePath(cr, 90, 168, 80, 10);
  SetColour(cr, 0xFFF2F2F6);
  cairo_fill(cr);
  const std::array<std::array<double, 3>, 3> tiers{{{150, 164, 44}, {110, 120, 40}, {72, 80, 34}}};
  for (size_t i = 0; i < tiers.size(); ++i) {
    const double w = tiers[i][0], base = tiers[i][1], h = tiers[i][2];
    FillBoxSideways(cr, {90 - w / 2, base - h, w, h}, 0xFFFFF4F4, 0xFFE0B8C4);
    EllipsePath(cr, 90, base - h, w / 2, 6);
    SetColour(cr, 0xFFFFFAFA);
    cairo_fill(cr);
    // Piped pink icing drips along the top edge.
    for (double x = 90 - w / 2 + 6; x < 90 + w / 2; x += 12) {
      cairo_arc(cr, x, base - h + 6, 5, 0, M_PI);
      SetColour(cr, 0xFFF08AA8);
      cairo_fill(cr);
    }
    FillBox(cr, {90 - w / 2, base - 8, w, 4}, i % 2 ? 0xFFF2C04A : 0xFFF08AA8);
  }
  for (double x : {62.0, 90.0, 118.0}) {
    Dot(cr, x, 34, 7, 0xFFD02040);
  }
  cairo_move_to(cr, 90, 34);
  cairo_curve_to(cr, 92, 20, 98, 14, 104, 10);
  StrokePath(cr, 0xFF3E7040, 2);
}

void DrawChinaTeapot(cairo_t* cr, int width, int height) {
  Design(cr, width, height, 180, 150);
  // Spout and handle behind the body.
  cairo_move_to(cr, 46, 92);
  cairo_curve_to(cr, 22, 84, 18, 60, 8, 44);
  cairo_line_to(cr, 20, 42);
  cairo_curve_to(cr, 30, 58, 40, 70, 56, 74);
  cairo_close_path(cr);
  FillAcross(cr, 8, 56, kPorcelain);
  StrokePath(cr, 0xFF6A7A9A, 1.5);
  cairo_arc(cr, 140, 86, 26, -M_PI / 2, M_PI / 2);
  StrokePath(cr, 0xFFE0E4EC, 10);
  EllipsePath(cr, 90, 94, 56, 46);
  FillAcross(cr, 34, 146, kPorcelain);
  StrokePath(cr, 0xFF6A7A9A, 2);
  EllipsePath(cr, 90, 52, 32, 8);
  FillAcross(cr, 58, 122, kPorcelain);
  cairo_new_path(cr);
  Dot(cr, 90, 40, 9, 0xFFF08AA8);
  // A garland of roses round the belly.
  for (int k = 0; k < 5; ++k) {
    const double x = 52 + k * 19, y = 96 + std::sin(k * 1.4) * 6;
    LeafCluster(cr, x, y + 4, 10, 4, uint64_t(803 + k), {});
    Dot(cr, x, y, 6, 0xFFE8607A);
  }
  FillBox(cr, {46, 132, 88, 4}, 0xFFE8C878);
}

void DrawMantelClock(cairo_t* cr, int width, int height) {
  Design(cr, width, height, 160, 180);
  cairo_move_to(cr, 14, 168);
  cairo_line_to(cr, 14, 80);
  cairo_curve_to(cr, 14, 20, 146, 20, 146, 80);
  cairo_line_to(cr, 146, 168);
  cairo_close_path(cr);
  FillAcross(cr, 14, 146, std::array{kWalnut.light, kWalnut.mid, kWalnut.dark});
  StrokePath(cr, 0xFF2A1A10, 2);
  FillBoxGradient(cr, {6, 166, 148, 10}, 0xFFE8C878, 0xFF8A6424);
  WallClock(cr, 80, 88, 46, 0xFFD8B060, 10, 10);
  for (double x : {36.0, 124.0}) {
    Dot(cr, x, 150, 6, 0xFFD8B060);
  }
  Dot(cr, 80, 22, 8, 0xFFD8B060);
}

void DrawBirdhouse(cairo_t* cr, int width, int height) {
  Design(cr, width, height, 140, 180);
  FillBoxSideways(cr, {64, 130, 12, 46}, kOak.mid, kOak.dark);
  FillBoxSideways(cr, {26, 66, 88, 74}, 0xFF7AB0C8, 0xFF3E6A88);
  ShadePolygon(cr, {{10, 72}, {70, 14}, {130, 72}, {118, 80}, {70, 34}, {22, 80}}, 0xFFD86A5A, 0xFF8A2E2E);
  Dot(cr, 70, 96, 14, 0xFF2A1E22);
  FillBox(cr, {66, 118, 8, 12}, kOak.dark);
  FillBox(cr, {56, 126, 28, 5}, kOak.mid);
  LeafCluster(cr, 104, 134, 24, 8, 806, {});
  FlowerHeads(cr, 30, 128, 10, 3, 807, kPetals);
}

}  // namespace corvellane
