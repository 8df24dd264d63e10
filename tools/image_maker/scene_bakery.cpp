// Story scene: Bert's bakery before dawn. The brick oven glows on the right,
// loaves crowd the pine shelves on the left, copper pans hang from the rail,
// the first pink light shows through the window over the counter of
// pastries, and flour sacks and crates of bread stand on the boards. Also
// the basket of loaves in front, as a sprite the scene data lays over hidden
// objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kFloor = 556;
constexpr uint32_t kCrusts[] = {0xFFD89A4A, 0xFFC07A32, 0xFFE8B868, 0xFFA86228};
constexpr uint32_t kJams[] = {0xFFC8283A, 0xFFE8A030, 0xFF8A2A5A, 0xFFF0D070};

void Room(cairo_t* cr) {
  Wallpaper(cr, {0, 0, kSceneWidth, 470}, TWallpaper::kPlain, 0xFFF0D8A8, 0);
  BrickWall(cr, {0, 340, 640, 130}, 0xFFF4EEE2, 0xFFD8CCBC, 401);  // white tiles behind the counter
  Wainscot(cr, {0, 470, kSceneWidth, kFloor - 470}, 0xFF8A5A34, 10);
  Planks(cr, {0, kFloor, kSceneWidth, kSceneHeight - kFloor}, kOak, 24, false, 402);
  FillBoxGradient(cr, {0, 0, kSceneWidth, 40}, 0xFF8A5A34, 0xFF6A4226);  // beam
}

// A loaf seen from the side: a domed crust with slashes across the top.
void Loaf(cairo_t* cr, double x, double base, double length, uint32_t crust) {
  const double h = length * 0.42;
  SoftShadow(cr, x, base, length * 0.55, 4, 0x50000000);
  cairo_move_to(cr, x - length / 2, base);
  cairo_curve_to(cr, x - length / 2, base - h * 1.1, x + length / 2, base - h * 1.1, x + length / 2, base);
  cairo_close_path(cr);
  FillDown(cr, base - h, base,
           std::array<uint32_t, 2>{MixColours(crust, 0xFFFFF0C0, 0.25f), MixColours(crust, 0xFF3A1A08, 0.3f)});
  cairo_new_path(cr);
  for (double t : {-0.25, 0.0, 0.25}) {
    cairo_move_to(cr, x + t * length - length * 0.08, base - h * 0.62);
    cairo_line_to(cr, x + t * length + length * 0.08, base - h * 0.8);
  }
  StrokePath(cr, MixColours(crust, 0xFFFFF4D8, 0.5f), 2);
}

void LoafRow(cairo_t* cr, double x0, double x1, double base, uint64_t seed) {
  TSeededRandom random(seed);
  for (double x = x0 + 30; x < x1 - 20; x += random.Range(48, 64))
    Loaf(cr, x, base, random.Range(44, 60), kCrusts[random.Next() % 4]);
}

// Bunches of dried herbs and a string of onions hanging from the beam.
void HangingBunches(cairo_t* cr) {
  for (double x : {336.0, 612.0}) {
    cairo_move_to(cr, x, 40);
    cairo_line_to(cr, x, 120);
    StrokePath(cr, 0xFF8A6A48, 1.5);
    LeafCluster(cr, x, 140, 34, 14, uint64_t(x), std::array<uint32_t, 3>{0xFF7A8A4A, 0xFF8A9A5A, 0xFF6A7A40});
  }
  for (int i = 0; i < 5; ++i) {
    Dot(cr, 632 + (i % 2) * 8, 150 + i * 16, 9, MixColours(0xFFD8A060, 0xFF8A4A20, float(i % 3) / 4));
  }
  WallClock(cr, 620, 290, 26, 0xFF8A5A34, 5, 10);
}

void BreadShelves(cairo_t* cr) {
  Bookcase(cr, {20, 60, 290, 420}, kPine, 4, 403, kCrusts);
  // The books of a bookcase become loaves: paint over each board.
  for (int i = 0; i < 4; ++i) {
    const double bottom = 60 + 14 + (i + 1) * (420 - 30) / 4.0 - 6;
    FillBoxGradient(cr, {32, bottom - 84, 266, 84}, 0xFF5A3A22, 0xFF7A5232);
    LoafRow(cr, 32, 298, bottom, uint64_t(404 + i));
  }
}

void DawnSky(cairo_t* cr, const TBox& glass) {
  PaintGlow(cr, glass.CentreX(), glass.Bottom(), glass.w, 0xC0FFC890);
  Hill(cr, glass.Bottom() - 30, 8, 0.3, glass.Bottom(), 0xFF6A5A7A, 0xFF4A3E5A);
}

void Window(cairo_t* cr) {
  const TBox box{360, 80, 230, 220};
  SceneWindow(cr, box, {0xFF5A6AA0, 0xFFF8B890, 0xFFF4EEE2, 3, 2, false}, DawnSky);
  SelectFontFile(cr, kSerifBoldFont, 30);
  CentredTextPath(cr, "Hollis Bakery", 475, 60);
  SetColour(cr, 0xFF8A3A1E);
  cairo_fill(cr);
}

void PanRail(cairo_t* cr) {
  FillBox(cr, {640, 90, 360, 6}, 0xFF5A4A40);
  TSeededRandom random(405);
  for (double x = 670; x < 990; x += random.Range(44, 60)) {
    const double r = random.Range(14, 24), hang = random.Range(30, 50);
    cairo_move_to(cr, x, 96);
    cairo_line_to(cr, x, 96 + hang);
    StrokePath(cr, 0xFF8A5A30, 4);
    cairo_arc(cr, x, 96 + hang + r, r, 0, 2 * M_PI);
    FillRound(cr, {x - r * 0.3, 96 + hang + r * 0.6}, 2, {x, 96 + hang + r}, r,
              std::array<uint32_t, 2>{0xFFF8C890, 0xFFA0502A});
    cairo_new_path(cr);
  }
}

void Oven(cairo_t* cr) {
  const TBox wall{660, 150, 340, 330};
  PaintGlow(cr, 830, 380, 260, 0x70FF9A40);
  BrickWall(cr, wall, 0xFFB05A3A, 0xFF6A3A2A, 406);
  cairo_arc(cr, 830, 400, 100, M_PI, 2 * M_PI);
  cairo_line_to(cr, 930, 480);
  cairo_line_to(cr, 730, 480);
  cairo_close_path(cr);
  FillRound(cr, {830, 460}, 10, {830, 430}, 120, std::array<uint32_t, 3>{0xFFFFF0A0, 0xFFFF9A30, 0xFF3A1808});
  cairo_new_path(cr);
  FillBoxGradient(cr, {700, 470, 260, 16}, 0xFF8A8A90, 0xFF4A4A52);
  // The peel leaning against the oven.
  cairo_move_to(cr, 990, 560);
  cairo_line_to(cr, 940, 200);
  StrokePath(cr, kPine.mid, 7);
  EllipsePath(cr, 936, 180, 26, 36);
  SetColour(cr, kPine.light);
  cairo_fill(cr);
}

void Counter(cairo_t* cr) {
  const TBox front{330, 420, 330, 150};
  SoftShadow(cr, front.CentreX(), front.Bottom(), front.w * 0.55, 12, 0x70000000);
  FillBoxSideways(cr, front, kOak.light, kOak.dark);
  FillBoxGradient(cr, {front.x + 16, front.y + 20, front.w - 32, 70}, 0x70F4F0E8, 0x50C8C0B0);
  TSeededRandom random(407);
  for (double x = front.x + 40; x < front.Right() - 30; x += 42)
    Loaf(cr, x, front.y + 84, 34, kCrusts[random.Next() % 4]);
  FillBoxGradient(cr, {front.x - 10, front.y - 14, front.w + 20, 16}, 0xFFF0E4D0, 0xFFC0B098);
  JarRow(cr, {350, 346, 120, 60}, 408, kJams);
  // A cake stand with a domed cover.
  FillBox(cr, {540, 390, 8, 16}, 0xFFE8E0D0);
  EllipsePath(cr, 544, 390, 44, 7);
  SetColour(cr, 0xFFF6F2EA);
  cairo_fill(cr);
  cairo_arc(cr, 544, 388, 40, M_PI, 2 * M_PI);
  SetColour(cr, 0x50E8F4F8);
  cairo_fill(cr);
  Loaf(cr, 544, 388, 50, 0xFFF0C8D0);
  Basket(cr, {600, 370, 60, 36}, 0xFFC89A5A);
}

void FloorClutter(cairo_t* cr) {
  Sack(cr, {20, 520, 100, 100}, 0xFFE8DCC0);
  Sack(cr, {100, 540, 90, 84}, 0xFFD8C8A8);
  Crate(cr, {200, 540, 110, 70}, kPine);
  LoafRow(cr, 200, 310, 544, 409);
  Barrel(cr, {680, 500, 80, 110}, kOak);
  Sack(cr, {760, 520, 96, 100}, 0xFFE8DCC0);
  Crate(cr, {860, 548, 130, 66}, kPine);
  LoafRow(cr, 860, 990, 552, 410);
}

void BreadBasket(cairo_t* cr, double x, double base) {
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, x - 30 + i * 15, base - 40);
    cairo_rotate(cr, -0.5 + i * 0.25);
    RoundedRectangle(cr, -7, -70, 14, 80, 7);
    FillVertical(cr, -70, 10, 0xFFE8B868, 0xFFA86228);
    cairo_restore(cr);
  }
  Basket(cr, {x - 50, base - 56, 100, 56}, 0xFFB88A4A);
}

}  // namespace

void DrawBakery(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  Room(cr);
  Window(cr);
  BreadShelves(cr);
  Oven(cr);
  PanRail(cr);
  HangingBunches(cr);
  Counter(cr);
  FloorClutter(cr);
  BreadBasket(cr, 600, 620);
  DustMotes(cr, {300, 100, 500, 400}, 60, 411, 0xB0FFFFFF);
  FinishScene(cr, {830, 420}, 0xB0FFB060, 5);
}

void DrawBakeryBasket(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 130.0, height / 150.0);
  BreadBasket(cr, 65, 146);
}

}  // namespace corvellane
