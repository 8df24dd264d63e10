// Story scene: the town park on a summer afternoon. A great lime tree on the
// left, the bandstand behind the duck pond, a bench by the path, flower
// beds and hedges, and a chequered picnic blanket spread on the lawn (the
// first date lays its picnic out on it). Also the hedge of roses standing in
// front of everything, as a sprite the scene data lays over hidden objects.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr uint32_t kPetals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A, 0xFFFFFFFF, 0xFFB07CE0};
constexpr uint32_t kTreeGreens[] = {0xFF2E5A30, 0xFF3F7A3A, 0xFF5A9A48, 0xFF7DB85A};
constexpr uint32_t kHedgeGreens[] = {0xFF2E5A34, 0xFF3E7040, 0xFF4E864A, 0xFF64A054};
constexpr uint32_t kFarGreens[] = {0xFF7FA890, 0xFF8CB498, 0xFF9AC0A0, 0xFFA8C8A8};

void SkyAndDistance(cairo_t* cr) {
  FillBoxGradient(cr, {0, 0, kSceneWidth, 340}, 0xFF6AA8E0, 0xFFD8ECF4);
  PaintGlow(cr, 880, 60, 260, 0x90FFF8D8);
  Cloud(cr, 220, 90, 1.1, 0xFFFFFFFF, 0xFFD8E4F0);
  Cloud(cr, 600, 140, 0.8, 0xF0FFFFFF, 0xFFD0DEEC);
  Cloud(cr, 900, 180, 0.6, 0xE0FFFFFF, 0xFFD0DEEC);
  Hill(cr, 300, 24, 0.4, 420, 0xFF9CC0A4, 0xFF88B48C);
  for (int i = 0; i < 9; ++i) Foliage(cr, 120 + i * 110, 300 - (i % 3) * 10, 70, 50, uint64_t(200 + i), kFarGreens);
  Hill(cr, 350, 16, 1.6, kSceneHeight, 0xFF8CC070, 0xFF4E8A3E);
}

void Pond(cairo_t* cr) {
  EllipsePath(cr, 560, 440, 230, 52);
  SetColour(cr, 0xFF6E8A58);
  cairo_fill(cr);
  EllipsePath(cr, 560, 442, 220, 46);
  FillDown(cr, 396, 488, std::array<uint32_t, 2>{0xFFA8D4E4, 0xFF4E8AA8});
  cairo_new_path(cr);
  // Ripples: flat arcs of light on the water.
  for (auto [x, y] : {std::array{460.0, 430.0}, std::array{600.0, 452.0}, std::array{680.0, 428.0}}) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.2);
    cairo_arc(cr, 0, 0, 24, M_PI * 1.15, M_PI * 1.85);
    cairo_restore(cr);
    StrokePath(cr, 0x70FFFFFF, 2);
  }
  for (auto [x, y] : {std::array{400.0, 455.0}, std::array{430.0, 466.0}, std::array{720.0, 458.0}}) {
    EllipsePath(cr, x, y, 14, 5);
    SetColour(cr, 0xFF5A9A48);
    cairo_fill(cr);
  }
  // Reeds at both ends.
  for (double x : {340.0, 352.0, 362.0, 770.0, 782.0, 794.0, 806.0}) {
    cairo_move_to(cr, x, 452);
    cairo_curve_to(cr, x - 2, 420, x + 3, 400, x + 6, 384);
  }
  StrokePath(cr, 0xFF4E7A3A, 2.5);
}

void Duck(cairo_t* cr, double x, double y, double size, bool facing_left) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, facing_left ? -size : size, size);
  EllipsePath(cr, 0, 0, 1, 0.45);
  SetColour(cr, 0xFFF6F2E8);
  cairo_fill(cr);
  cairo_arc(cr, 0.75, -0.55, 0.32, 0, 2 * M_PI);
  cairo_fill(cr);
  FillPolygon(cr, {{1.0, -0.55}, {1.4, -0.45}, {1.0, -0.4}}, 0xFFF0A030);
  Dot(cr, 0.82, -0.62, 0.06, 0xFF1E1E1E);
  cairo_restore(cr);
}

void Bandstand(cairo_t* cr) {
  const double x = 850, floor = 400;
  SoftShadow(cr, x, floor + 6, 120, 14, 0x50000000);
  FillBoxGradient(cr, {x - 110, floor - 20, 220, 26}, 0xFFF2EEE4, 0xFFC8C0B0);
  for (int i = 0; i < 5; ++i) FillBoxSideways(cr, {x - 100 + i * 48, floor - 170, 10, 150}, 0xFFFFFFFF, 0xFFC8C8C8);
  // Railing between the columns.
  for (double rx = x - 96; rx < x + 100; rx += 10) FillBox(cr, {rx, floor - 56, 3, 36}, 0xFFEAE6DC);
  FillBox(cr, {x - 100, floor - 60, 200, 6}, 0xFFFFFFFF);
  cairo_move_to(cr, x - 130, floor - 166);
  cairo_curve_to(cr, x - 60, floor - 190, x - 20, floor - 240, x, floor - 262);
  cairo_curve_to(cr, x + 20, floor - 240, x + 60, floor - 190, x + 130, floor - 166);
  cairo_close_path(cr);
  FillVertical(cr, floor - 262, floor - 166, 0xFFD86A5A, 0xFF8A2E2E);
  cairo_new_path(cr);
  for (int i = 0; i < 11; ++i) {
    cairo_arc(cr, x - 120 + i * 24, floor - 166, 12, 0, M_PI);
    SetColour(cr, i % 2 ? 0xFFFFFFFF : 0xFFD86A5A);
    cairo_fill(cr);
  }
  FillBox(cr, {x - 2, floor - 290, 4, 30}, 0xFF5A4A40);
}

void Bench(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 110, 10, 0x60000000);
  for (double lx : {x - 80, x + 70}) {
    cairo_move_to(cr, lx, floor);
    cairo_curve_to(cr, lx - 4, floor - 20, lx + 4, floor - 30, lx, floor - 80);
  }
  StrokePath(cr, 0xFF2E2E34, 6);
  for (int slat = 0; slat < 3; ++slat)
    FillBoxGradient(cr, {x - 100, floor - 84 + slat * 14, 200, 10}, kOak.light, kOak.mid);
  FillBoxGradient(cr, {x - 104, floor - 42, 208, 12}, kOak.light, kOak.dark);
}

// A point inside the quadrilateral (corners clockwise from the far left), at
// fractions u across and v towards the viewer.
TPoint InQuad(const std::array<TPoint, 4>& q, double u, double v) {
  const TPoint far{q[0].x + (q[1].x - q[0].x) * u, q[0].y + (q[1].y - q[0].y) * u};
  const TPoint near{q[3].x + (q[2].x - q[3].x) * u, q[3].y + (q[2].y - q[3].y) * u};
  return {far.x + (near.x - far.x) * v, far.y + (near.y - far.y) * v};
}

void QuadCell(cairo_t* cr, const std::array<TPoint, 4>& q, double u0, double v0, double u1, double v1) {
  for (const TPoint& p : {InQuad(q, u0, v0), InQuad(q, u1, v0), InQuad(q, u1, v1), InQuad(q, u0, v1)})
    cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

// The blanket lies on the lawn in perspective: checks shrink towards the back.
void PicnicBlanket(cairo_t* cr, const std::array<TPoint, 4>& q) {
  SoftShadow(cr, (q[2].x + q[3].x) / 2, (q[2].y + q[3].y) / 2 - 6, (q[2].x - q[3].x) * 0.55, 14, 0x50000000);
  QuadCell(cr, q, 0, 0, 1, 1);
  SetColour(cr, 0xFFF6F0E6);
  cairo_fill(cr);
  constexpr int kChecks = 9;
  // Red bands both ways; where they cross the red deepens, as on gingham.
  for (int i = 0; i < kChecks; i += 2)
    for (bool across : {false, true}) {
      if (across)
        QuadCell(cr, q, 0, double(i) / kChecks, 1, double(i + 1) / kChecks);
      else
        QuadCell(cr, q, double(i) / kChecks, 0, double(i + 1) / kChecks, 1);
      SetColour(cr, 0x80C83A3A);
      cairo_fill(cr);
    }
}

void Birdbath(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 40, 8, 0x50000000);
  cairo_move_to(cr, x - 12, floor);
  cairo_curve_to(cr, x - 4, floor - 30, x - 10, floor - 50, x - 6, floor - 70);
  cairo_line_to(cr, x + 6, floor - 70);
  cairo_curve_to(cr, x + 10, floor - 50, x + 4, floor - 30, x + 12, floor);
  cairo_close_path(cr);
  FillVertical(cr, floor - 70, floor, 0xFFE0DCD4, 0xFF9A968E);
  cairo_new_path(cr);
  EllipsePath(cr, x, floor - 74, 40, 10);
  SetColour(cr, 0xFFD0CCC4);
  cairo_fill(cr);
  EllipsePath(cr, x, floor - 76, 32, 6);
  SetColour(cr, 0xFF8AC0D8);
  cairo_fill(cr);
}

void Wheelbarrow(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 70, 8, 0x50000000);
  ShadePolygon(cr, {{x - 60, floor - 60}, {x + 40, floor - 60}, {x + 20, floor - 20}, {x - 40, floor - 20}}, 0xFF5A8AB0,
               0xFF2E5A7A);
  cairo_move_to(cr, x - 40, floor - 24);
  cairo_line_to(cr, x - 96, floor - 44);
  cairo_move_to(cr, x - 30, floor - 20);
  cairo_line_to(cr, x - 36, floor);
  StrokePath(cr, 0xFF5A3A22, 5);
  cairo_arc(cr, x + 24, floor - 14, 14, 0, 2 * M_PI);
  StrokePath(cr, 0xFF2E2E34, 5);
  PotRow(cr, {x - 54, floor - 110, 90, 52}, 240, std::array<uint32_t, 2>{0xFFC8643C, 0xFFB85A38}, kPetals);
}

// A clump of grass blades fanning out from (x, y).
void GrassTuft(cairo_t* cr, double x, double y, double height) {
  for (int blade = -3; blade <= 3; ++blade) {
    cairo_move_to(cr, x + blade * 2, y);
    cairo_curve_to(cr, x + blade * 3, y - height * 0.5, x + blade * 5, y - height * 0.8, x + blade * 7,
                   y - height * (1 - std::abs(blade) * 0.1));
  }
  StrokePath(cr, 0xFF3E7034, 1.8);
}

void FlowerBed(cairo_t* cr, double cx, double cy, double rx, uint64_t seed) {
  EllipsePath(cr, cx, cy, rx, rx * 0.22);
  SetColour(cr, 0xFF6A4A32);
  cairo_fill(cr);
  LeafCluster(cr, cx, cy - 8, rx * 0.7, int(rx / 3), seed, kHedgeGreens);
  FlowerHeads(cr, cx, cy - 14, rx * 0.8, int(rx / 5), seed + 1, kPetals);
}

// A band between two curved edges (each a cubic from its start through two
// control points), lit from above: a tree trunk, a winding path.
void CurvedBand(cairo_t* cr, const std::array<TPoint, 4>& left, const std::array<TPoint, 4>& right, uint32_t top,
                uint32_t bottom) {
  cairo_move_to(cr, left[0].x, left[0].y);
  cairo_curve_to(cr, left[1].x, left[1].y, left[2].x, left[2].y, left[3].x, left[3].y);
  cairo_line_to(cr, right[0].x, right[0].y);
  cairo_curve_to(cr, right[1].x, right[1].y, right[2].x, right[2].y, right[3].x, right[3].y);
  cairo_close_path(cr);
  FillDown(cr, std::min(left[3].y, right[0].y), std::max(left[0].y, right[3].y), std::array{top, bottom});
  cairo_new_path(cr);
}

void LimeTree(cairo_t* cr) {
  CurvedBand(cr, {TPoint{90, 600}, {120, 480}, {100, 360}, {130, 220}},
             {TPoint{180, 220}, {170, 360}, {190, 480}, {220, 600}}, 0xFF7A5A40, 0xFF4A3222);
  Foliage(cr, 150, 150, 230, 160, 210, kTreeGreens);
  Foliage(cr, 320, 70, 140, 90, 211, kTreeGreens);
}

void RoseHedge(cairo_t* cr, double cx, double base, double width) {
  Foliage(cr, cx, base - 44, width / 2, 46, 220, kHedgeGreens);
  FlowerHeads(cr, cx, base - 52, width * 0.42, int(width / 14), 221, kPetals);
}

void Lawn(cairo_t* cr) {
  // The gravel path winding from the front to the bandstand.
  CurvedBand(cr, {TPoint{360, 768}, {420, 640}, {760, 560}, {780, 420}},
             {TPoint{860, 420}, {860, 600}, {620, 660}, {600, 768}}, 0xFFE8D8B0, 0xFFC8B488);
  FlowerBed(cr, 470, 520, 70, 230);
  Foliage(cr, 40, 520, 90, 60, 234, kHedgeGreens);
  Foliage(cr, 980, 420, 80, 70, 235, kHedgeGreens);
  Foliage(cr, 700, 360, 90, 50, 236, kHedgeGreens);
}

void DistantTrees(cairo_t* cr) {
  for (auto [x, y, r] :
       {std::array{620.0, 250.0, 70.0}, std::array{990.0, 240.0, 90.0}, std::array{520.0, 280.0, 50.0}}) {
    FillBoxSideways(cr, {x - 6, y, 12, r * 1.1}, 0xFF6A5040, 0xFF4A3628);
    Foliage(cr, x, y - r * 0.2, r, r * 0.9, uint64_t(x), kTreeGreens);
  }
}

}  // namespace

void DrawPark(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  SkyAndDistance(cr);
  DistantTrees(cr);
  Bandstand(cr);
  Pond(cr);
  Duck(cr, 500, 438, 14, false);
  Duck(cr, 640, 450, 12, true);
  Lawn(cr);
  LimeTree(cr);
  Bench(cr, 330, 530);
  LampPost(cr, 700, 560);
  Birdbath(cr, 560, 540);
  Wheelbarrow(cr, 900, 520);
  PicnicBlanket(cr, {TPoint{500, 548}, TPoint{730, 548}, TPoint{780, 636}, TPoint{450, 636}});
  FlowerBed(cr, 250, 612, 120, 232);
  for (auto [x, y, h] :
       {std::array{60.0, 610.0, 26.0}, std::array{420.0, 560.0, 20.0}, std::array{820.0, 600.0, 24.0},
        std::array{300.0, 470.0, 16.0}, std::array{640.0, 500.0, 18.0}, std::array{150.0, 480.0, 18.0}})
    GrassTuft(cr, x, y, h);
  RoseHedge(cr, 960, 600, 180);
  FinishScene(cr, {860, 80}, 0x90FFF4C8, 3);
}

void DrawParkRoses(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 200.0, height / 110.0);
  cairo_translate(cr, 100 - 960, 106 - 600);
  RoseHedge(cr, 960, 600, 180);
}

}  // namespace corvellane
