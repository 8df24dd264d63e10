// Labels pinned on the town map where a task of the story waits: a round
// enamel badge on a pin, its colour and picture telling the place (a flower
// for the flower shop, a book for the library...). Drawn in an 80 x 100
// design space; the pin's point is at the bottom centre.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr double kWidth = 80, kHeight = 100;
constexpr double kCx = 40, kCy = 38, kRadius = 30;

using TIcon = void (*)(cairo_t* cr);

void Badge(cairo_t* cr, int width, int height, uint32_t colour, TIcon icon) {
  cairo_scale(cr, width / kWidth, height / kHeight);
  SoftShadow(cr, kCx, 94, 16, 4, 0x80000000);
  // The pin: a drop shape ending in a point at the bottom.
  cairo_move_to(cr, kCx, 96);
  cairo_curve_to(cr, kCx - 10, 78, kCx - kRadius - 4, 66, kCx - kRadius - 4, kCy);
  cairo_arc(cr, kCx, kCy, kRadius + 4, M_PI, 2 * M_PI);
  cairo_curve_to(cr, kCx + kRadius + 4, 66, kCx + 10, 78, kCx, 96);
  cairo_close_path(cr);
  FillVertical(cr, 4, 96, MixColours(colour, 0xFFFFFFFF, 0.3f), MixColours(colour, 0xFF200A10, 0.35f));
  SetColour(cr, 0xFF3A2010);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, kCx, kCy, kRadius - 3, 0, 2 * M_PI);
  FillVertical(cr, kCy - kRadius, kCy + kRadius, 0xFFFFFAF0, 0xFFF0E0C4);
  SetColour(cr, 0xFFD8B060);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, kCx, kCy);
  icon(cr);
  cairo_restore(cr);
  // A glint on the enamel.
  Dot(cr, kCx - 12, kCy - 14, 6, 0x60FFFFFF);
}

constexpr uint32_t kPetals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A};
constexpr uint32_t kBindings[] = {0xFF8A2A32, 0xFF2E5A44, 0xFF2A3E6A};

void FlowerIcon(cairo_t* cr) {
  LeafCluster(cr, 0, 8, 16, 6, 1001, {});
  FlowerHeads(cr, 0, -4, 8, 3, 1002, kPetals);
}

void BookIcon(cairo_t* cr) { StackedBooks(cr, 0, 14, 34, 3, 1003, kBindings); }

void TreeIcon(cairo_t* cr) {
  FillBox(cr, {-3, 2, 6, 16}, 0xFF6A4A30);
  Foliage(cr, 0, -6, 18, 14, 1004, std::array<uint32_t, 3>{0xFF3F7A3A, 0xFF5A9A48, 0xFF7DB85A});
}

void CupIcon(cairo_t* cr) {
  TeaCup(cr, -2, 14, 30, 0xFFE8A0B0);
  cairo_move_to(cr, -4, -6);
  cairo_curve_to(cr, -10, -12, 2, -16, -4, -22);
  StrokePath(cr, 0x90806060, 2);
}

void LoafIcon(cairo_t* cr) {
  cairo_move_to(cr, -20, 10);
  cairo_curve_to(cr, -20, -14, 20, -14, 20, 10);
  cairo_close_path(cr);
  FillVertical(cr, -10, 10, 0xFFE8B868, 0xFFA86228);
  cairo_new_path(cr);
  for (double x : {-8.0, 0.0, 8.0}) {
    cairo_move_to(cr, x - 3, -2);
    cairo_line_to(cr, x + 3, -7);
  }
  StrokePath(cr, 0xFFFFF0C8, 1.5);
}

void TrunkIcon(cairo_t* cr) { Trunk(cr, {-18, -12, 36, 26}, 0xFF8A4A2A); }

void ShellIcon(cairo_t* cr) {
  cairo_move_to(cr, 0, 14);
  for (int k = 0; k <= 8; ++k)
    cairo_line_to(cr, std::cos(M_PI + k * M_PI / 8) * 20, std::sin(M_PI + k * M_PI / 8) * 18 + 4);
  cairo_close_path(cr);
  FillVertical(cr, -14, 14, 0xFFFFE4D8, 0xFFE88A70);
  cairo_new_path(cr);
  for (int k = 1; k < 8; ++k) {
    cairo_move_to(cr, 0, 12);
    cairo_line_to(cr, std::cos(M_PI + k * M_PI / 8) * 18, std::sin(M_PI + k * M_PI / 8) * 16 + 4);
  }
  StrokePath(cr, 0xFFB85A4A, 1);
}

void ClockIcon(cairo_t* cr) { WallClock(cr, 0, 0, 18, 0xFF2E4A3A, 4, 50); }

void HeartIcon(cairo_t* cr) {
  HeartPath(cr, 0, -10, 34);
  FillVertical(cr, -16, 18, 0xFFFF8FA3, 0xFFC8283F);
}

}  // namespace

void DrawLabelFlowerShop(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF5A9A6A, FlowerIcon); }
void DrawLabelLibrary(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF2E5A44, BookIcon); }
void DrawLabelPark(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF5A8A3A, TreeIcon); }
void DrawLabelCafe(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF4E8E88, CupIcon); }
void DrawLabelBakery(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFFC07A32, LoafIcon); }
void DrawLabelAttic(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF7A5A8A, TrunkIcon); }
void DrawLabelBeach(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF3AA8B8, ShellIcon); }
void DrawLabelStation(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFF8A3A2A, ClockIcon); }
void DrawLabelDate(cairo_t* cr, int width, int height) { Badge(cr, width, height, 0xFFC8283F, HeartIcon); }

}  // namespace corvellane
