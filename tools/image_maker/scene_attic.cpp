// Story scene: Agatha's attic on a late afternoon. Gold shafts of light fall
// from the round window under the ridge through dusty air onto trunks, hat
// boxes, a dress form, a rocking chair, a tall mirror, frames leaning on the
// rafters and furniture under dust sheets. Also the stack of hat boxes in
// front, as a sprite the scene data lays over hidden objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr double kFloor = 560;
constexpr uint32_t kBindings[] = {0xFF6A3A4A, 0xFF3A4A5A, 0xFF8A6A3A, 0xFF5A5A3A, 0xFF7A4A3A};
constexpr TWood kOldWood{0xFF8A6A58, 0xFF6A4E40, 0xFF3A2A26};

void Room(cairo_t* cr) {
  Planks(cr, {0, 0, kSceneWidth, kFloor}, kOldWood, 58, true, 501);
  FillBoxGradient(cr, {0, 0, kSceneWidth, kFloor}, 0x30402A50, 0x50201018);
  // The roof slopes down to both sides from the ridge over the window.
  for (double side : {-1.0, 1.0}) {
    ShadePolygon(cr, {{512, -40}, {512 + side * 620, 420}, {512 + side * 620, -40}}, 0xFF3A2A30, 0xFF5A4038);
    for (double t = 0.2; t < 1.0; t += 0.22) {
      cairo_move_to(cr, 512 + side * 620 * t, -40 + 460 * t);
      cairo_line_to(cr, 512 + side * 620 * t, -40);
    }
    StrokePath(cr, 0xFF2A1E22, 4);
    cairo_move_to(cr, 512, -40);
    cairo_line_to(cr, 512 + side * 620, 420);
    StrokePath(cr, kOldWood.dark, 22);
  }
  Planks(cr, {0, kFloor, kSceneWidth, kSceneHeight - kFloor}, kOldWood, 22, false, 502);
  // Posts holding up the roof.
  for (double x : {180.0, 844.0}) FillBoxSideways(cr, {x - 14, 200, 28, kFloor - 200}, kOldWood.mid, kOldWood.dark);
}

void RoundWindow(cairo_t* cr) {
  PaintGlow(cr, 512, 170, 220, 0x60FFD890);
  Dot(cr, 512, 170, 74, kOldWood.dark);
  cairo_arc(cr, 512, 170, 62, 0, 2 * M_PI);
  FillVertical(cr, 108, 232, 0xFFFFE8B0, 0xFFF0B070);
  cairo_new_path(cr);
  cairo_move_to(cr, 450, 170);
  cairo_line_to(cr, 574, 170);
  cairo_move_to(cr, 512, 108);
  cairo_line_to(cr, 512, 232);
  StrokePath(cr, kOldWood.dark, 6);
}

void Cobweb(cairo_t* cr, double x, double y, double size, double turn) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, turn);
  for (int k = 0; k <= 5; ++k) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, std::cos(k * M_PI / 10) * size, std::sin(k * M_PI / 10) * size);
  }
  for (double r = size * 0.25; r < size; r += size * 0.22) {
    cairo_move_to(cr, r, 0);
    for (int k = 1; k <= 5; ++k)
      cairo_line_to(cr, std::cos(k * M_PI / 10) * r * 0.97, std::sin(k * M_PI / 10) * r * 0.97);
  }
  StrokePath(cr, 0x70F0E8E0, 0.8);
  cairo_restore(cr);
}

void HatBox(cairo_t* cr, double x, double base, double r, uint32_t colour, uint32_t stripe) {
  const double h = r * 0.9;
  SoftShadow(cr, x, base, r * 1.1, 6, 0x50000000);
  FillBoxSideways(cr, {x - r, base - h, 2 * r, h}, colour, MixColours(colour, 0xFF201018, 0.35f));
  for (double t : {0.3, 0.6}) FillBox(cr, {x - r, base - h * t - 3, 2 * r, 6}, stripe);
  EllipsePath(cr, x, base - h, r * 1.04, r * 0.22);
  SetColour(cr, MixColours(colour, 0xFFFFFFFF, 0.2f));
  cairo_fill(cr);
}

void HatBoxStack(cairo_t* cr, double x, double base) {
  HatBox(cr, x, base, 60, 0xFFB85A6A, 0xFFF2E2C8);
  HatBox(cr, x + 6, base - 54, 48, 0xFF5A7A8A, 0xFFE8C878);
  HatBox(cr, x - 4, base - 97, 36, 0xFFE8D0A8, 0xFF8A4A5A);
}

void DressForm(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 40, 6, 0x50000000);
  cairo_move_to(cr, x, floor);
  cairo_line_to(cr, x, floor - 150);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, x, floor - 10);
    cairo_line_to(cr, x + side * 30, floor);
  }
  StrokePath(cr, kWalnut.dark, 5);
  cairo_move_to(cr, x - 40, floor - 280);
  cairo_curve_to(cr, x - 56, floor - 230, x - 30, floor - 200, x - 40, floor - 150);
  cairo_line_to(cr, x + 40, floor - 150);
  cairo_curve_to(cr, x + 30, floor - 200, x + 56, floor - 230, x + 40, floor - 280);
  cairo_curve_to(cr, x + 20, floor - 300, x - 20, floor - 300, x - 40, floor - 280);
  FillVertical(cr, floor - 300, floor - 150, 0xFFE8D8C0, 0xFFB8A488);
  cairo_new_path(cr);
  FillBox(cr, {x - 5, floor - 316, 10, 18}, kWalnut.dark);
  // A tape measure draped over the shoulders.
  cairo_move_to(cr, x - 38, floor - 284);
  cairo_curve_to(cr, x - 20, floor - 250, x + 20, floor - 250, x + 36, floor - 200);
  StrokePath(cr, 0xFFF2D070, 4);
}

void RockingChair(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 80, 8, 0x50000000);
  cairo_move_to(cr, x - 80, floor - 16);
  cairo_curve_to(cr, x - 40, floor + 6, x + 40, floor + 6, x + 90, floor - 24);
  StrokePath(cr, kWalnut.dark, 7);
  for (double lx : {x - 44, x + 46}) {
    cairo_move_to(cr, lx, floor - 6);
    cairo_line_to(cr, lx + 4, floor - 80);
  }
  StrokePath(cr, kWalnut.mid, 7);
  FillBoxGradient(cr, {x - 56, floor - 88, 116, 12}, kWalnut.light, kWalnut.mid);
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, x + 40 + i * 3, floor - 86);
    cairo_line_to(cr, x + 16 + i * 10, floor - 230);
  }
  StrokePath(cr, kWalnut.mid, 5);
  cairo_move_to(cr, x + 12, floor - 236);
  cairo_line_to(cr, x + 76, floor - 226);
  StrokePath(cr, kWalnut.dark, 10);
  // A crocheted blanket thrown over the seat.
  cairo_move_to(cr, x - 50, floor - 90);
  cairo_curve_to(cr, x - 20, floor - 100, x + 20, floor - 110, x + 50, floor - 150);
  cairo_line_to(cr, x + 60, floor - 86);
  cairo_line_to(cr, x - 40, floor - 40);
  cairo_close_path(cr);
  SetColour(cr, 0xE0C8707A);
  cairo_fill(cr);
}

void StandingMirror(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 50, 6, 0x50000000);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, x + side * 46, floor);
    cairo_line_to(cr, x + side * 46, floor - 220);
  }
  StrokePath(cr, kWalnut.dark, 6);
  EllipsePath(cr, x, floor - 150, 44, 90);
  SetColour(cr, 0xFFC89A4A);
  cairo_fill(cr);
  EllipsePath(cr, x, floor - 150, 36, 82);
  FillVertical(cr, floor - 232, floor - 68, 0xFFB8C8D0, 0xFF6A7A88);
  cairo_new_path(cr);
  cairo_move_to(cr, x - 20, floor - 200);
  cairo_line_to(cr, x + 4, floor - 226);
  cairo_move_to(cr, x - 26, floor - 170);
  cairo_line_to(cr, x + 16, floor - 216);
  StrokePath(cr, 0x60FFFFFF, 4);
}

void DustSheet(cairo_t* cr, double x, double floor, double w, double h) {
  SoftShadow(cr, x, floor, w * 0.6, 8, 0x50000000);
  cairo_move_to(cr, x - w / 2, floor);
  cairo_curve_to(cr, x - w / 2, floor - h * 0.6, x - w * 0.45, floor - h, x - w * 0.1, floor - h);
  cairo_curve_to(cr, x + w * 0.2, floor - h * 1.05, x + w * 0.45, floor - h * 0.9, x + w / 2, floor - h * 0.7);
  cairo_line_to(cr, x + w / 2, floor);
  for (double fx = x + w / 2; fx > x - w / 2; fx -= w / 6)
    cairo_curve_to(cr, fx - w / 24, floor - 8, fx - w / 8, floor - 8, fx - w / 6, floor);
  cairo_close_path(cr);
  FillVertical(cr, floor - h, floor, 0xFFF2EEE6, 0xFFC0B8B0);
  cairo_new_path(cr);
  for (double fx = x - w * 0.3; fx < x + w * 0.4; fx += w * 0.22) {
    cairo_move_to(cr, fx, floor - h * 0.85);
    cairo_curve_to(cr, fx + 8, floor - h * 0.5, fx - 6, floor - h * 0.3, fx + 4, floor);
  }
  StrokePath(cr, 0x40605060, 2);
}

void LeaningFrames(cairo_t* cr) {
  for (int i = 0; i < 3; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 220 + i * 26, kFloor);
    cairo_rotate(cr, -0.12 + i * 0.04);
    FramedLandscape(cr, {-60, -170 + i * 30, 120 - i * 14, 170 - i * 30}, i == 1 ? 0xFF8A6A3A : 0xFFC89A4A,
                    uint64_t(503 + i));
    cairo_restore(cr);
  }
}

void CardboardBox(cairo_t* cr, const TBox& box) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 6, 0x50000000);
  FillBoxSideways(cr, box, 0xFFC8A070, 0xFF8A6A44);
  FillBox(cr, {box.CentreX() - 8, box.y, 16, box.h * 0.4}, 0xA0E8D8B8);  // tape
  FillBoxGradient(cr, {box.x - 3, box.y - 6, box.w + 6, 8}, 0xFFD8B488, 0xFFA88458);
}

void Birdcage(cairo_t* cr, double x, double top) {
  cairo_move_to(cr, x, 0);
  cairo_line_to(cr, x, top);
  StrokePath(cr, 0xFF3A3030, 1.5);
  for (int k = -3; k <= 3; ++k) {
    cairo_move_to(cr, x, top);
    cairo_curve_to(cr, x + k * 12, top + 10, x + k * 12, top + 30, x + k * 12, top + 90);
  }
  StrokePath(cr, 0xFFC8A050, 1.5);
  EllipsePath(cr, x, top + 92, 40, 8);
  SetColour(cr, 0xFFB88A3A);
  cairo_fill(cr);
  cairo_move_to(cr, x - 30, top + 56);
  cairo_line_to(cr, x + 30, top + 56);
  StrokePath(cr, 0xFF8A6A3A, 2);
}

void FringeLamp(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 30, 5, 0x50000000);
  FillBoxSideways(cr, {x - 3, floor - 150, 6, 150}, 0xFFC89A4A, 0xFF7A5420);
  ShadePolygon(cr, {{x - 24, floor - 190}, {x + 24, floor - 190}, {x + 44, floor - 140}, {x - 44, floor - 140}},
               0xFFE8A0A8, 0xFF9A4A5A);
  for (double fx = x - 42; fx <= x + 42; fx += 5) {
    cairo_move_to(cr, fx, floor - 140);
    cairo_line_to(cr, fx, floor - 128);
  }
  StrokePath(cr, 0xFFE8C878, 1.2);
}

void WallShelf(cairo_t* cr) {
  Shelf(cr, 880, 300, 130, kOldWood);
  StackedBooks(cr, 920, 300, 50, 3, 506, kBindings);
  Bottle(cr, 970, 300, 40, 0xFF5A7A8A);
  Candle(cr, 990, 300, 26, false);
  Shelf(cr, 200, 300, 120, kOldWood);
  Bottle(cr, 230, 300, 36, 0xFF8A5A3A);
  TeaCup(cr, 270, 300, 18, 0xFFE8D8C8);
}

void RightCorner(cairo_t* cr) {
  CardboardBox(cr, {860, 470, 140, 100});
  CardboardBox(cr, {880, 390, 100, 80});
  FringeLamp(cr, 820, 590);
}

void Clutter(cairo_t* cr) {
  WallShelf(cr);
  Birdcage(cr, 330, 110);
  Bunting(cr, {560, 40}, {840, 150}, 40, 9, kBindings);
  RightCorner(cr);
  LeaningFrames(cr);
  Trunk(cr, {30, 470, 170, 110}, 0xFF6A3A2A);
  Trunk(cr, {50, 400, 130, 74}, 0xFF3A4A5A);
  StackedBooks(cr, 110, 400, 70, 4, 504, kBindings);
  DustSheet(cr, 460, 590, 210, 150);
  DressForm(cr, 640, 600);
  StandingMirror(cr, 760, 580);
  RockingChair(cr, 910, 614);
  Crate(cr, {330, 520, 110, 80}, kOldWood);
  Candle(cr, 360, 520, 30, false);
  Bottle(cr, 400, 520, 44, 0xFF6A8A70);
  Basket(cr, {540, 580, 80, 40}, 0xFFA88A5A);
}

void LightAndDust(cairo_t* cr) {
  LightShaft(cr, {462, 140}, {562, 140}, {420, 620}, {150, 620}, 0x50FFE0A0);
  LightShaft(cr, {490, 200}, {540, 200}, {640, 620}, {520, 620}, 0x30FFE0A0);
  DustMotes(cr, {200, 150, 500, 450}, 140, 505, 0xC0FFF0C8);
  Cobweb(cr, 0, 0, 120, 0);
  Cobweb(cr, 1024, 0, 110, M_PI / 2);
  Cobweb(cr, 180, 200, 60, 0.2);
}

}  // namespace

void DrawAttic(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  Room(cr);
  RoundWindow(cr);
  Clutter(cr);
  HatBoxStack(cr, 90, 626);
  LightAndDust(cr);
  FinishScene(cr, {512, 170}, 0xA0FFD080, 6);
}

void DrawAtticHatBoxes(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 140.0, height / 170.0);
  HatBoxStack(cr, 70, 164);
}

}  // namespace corvellane
