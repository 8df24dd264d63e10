// Story scene: the railway station late in the afternoon, Silas's platform.
// Amber light through the glass of the iron roof, the brick booking hall
// with its ticket window and travel posters, the great clock hanging over
// the platform, a green engine breathing steam at the far track, and
// benches, milk churns and a porter's trolley piled with luggage. Also the
// trolley of suitcases in front, as a sprite the scene data lays over
// hidden objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr double kPlatform = 470;
constexpr uint32_t kLuggage[] = {0xFF8A4A2A, 0xFF3A5A7A, 0xFF7A2A3A, 0xFFB8863E, 0xFF4A6A4A};
constexpr uint32_t kIron = 0xFF3A4048;

void Roof(cairo_t* cr) {
  FillBoxGradient(cr, {0, 0, kSceneWidth, 200}, 0xFFF4D8A0, 0xFFE8B070);
  // Glass panes between the ribs, and the arched trusses.
  for (double x = 0; x < kSceneWidth; x += 64) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, 200);
  }
  for (double y = 30; y < 200; y += 40) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, kSceneWidth, y);
  }
  StrokePath(cr, 0xA03A4048, 3);
  for (double cx : {256.0, 768.0}) {
    cairo_arc(cr, cx, 260, 280, M_PI * 1.06, M_PI * 1.94);
    StrokePath(cr, kIron, 14);
    for (int k = 1; k < 8; ++k) {
      const double a = M_PI * (1.06 + 0.88 * k / 8);
      cairo_move_to(cr, cx + std::cos(a) * 280, 260 + std::sin(a) * 280);
      cairo_line_to(cr, cx + std::cos(a) * 240, 260 + std::sin(a) * 240);
    }
    StrokePath(cr, kIron, 4);
  }
}

void BookingHall(cairo_t* cr) {
  BrickWall(cr, {0, 150, 560, kPlatform - 150}, 0xFFA8583A, 0xFF7A4A3A, 701);
  FillBoxGradient(cr, {0, 140, 560, 16}, 0xFFE8D8C0, 0xFFB8A890);
  // The ticket window with its brass grille and sign.
  const TBox window{60, 250, 150, 130};
  FillBox(cr, {window.x - 10, window.y - 40, window.w + 20, window.h + 50}, 0xFF4A3428);
  FillBoxGradient(cr, window, 0xFFFFE8B0, 0xFFE8B870);
  for (double gx = window.x + 10; gx < window.Right(); gx += 14)
    FillBox(cr, {gx, window.y, 3, window.h * 0.6}, 0xFFC89A4A);
  FillBoxGradient(cr, {window.x - 12, window.Bottom(), window.w + 24, 14}, kWalnut.light, kWalnut.dark);
  SelectFontFile(cr, kSerifBoldFont, 20);
  CentredTextPath(cr, "TICKETS", window.CentreX(), window.y - 14);
  SetColour(cr, 0xFFF2D890);
  cairo_fill(cr);
}

void Poster(cairo_t* cr, const TBox& box, uint32_t sky, uint32_t land, const char* title) {
  FillBox(cr, {box.x - 4, box.y - 4, box.w + 8, box.h + 8}, 0xFFF4ECD8);
  FillBoxGradient(cr, box, sky, MixColours(sky, 0xFFFFFFFF, 0.5f));
  cairo_move_to(cr, box.x, box.Bottom());
  cairo_curve_to(cr, box.x + box.w * 0.3, box.y + box.h * 0.5, box.x + box.w * 0.6, box.y + box.h * 0.8, box.Right(),
                 box.y + box.h * 0.6);
  cairo_line_to(cr, box.Right(), box.Bottom());
  cairo_close_path(cr);
  SetColour(cr, land);
  cairo_fill(cr);
  Dot(cr, box.x + box.w * 0.7, box.y + box.h * 0.3, box.w * 0.1, 0xFFFFF4D8);
  SelectFontFile(cr, kSansBoldFont, 11);
  CentredTextPath(cr, title, box.CentreX(), box.y + 16);
  SetColour(cr, 0xFF2A2A3A);
  cairo_fill(cr);
}

void HangingClock(cairo_t* cr) {
  cairo_move_to(cr, 512, 0);
  cairo_line_to(cr, 512, 110);
  StrokePath(cr, kIron, 5);
  FillBox(cr, {478, 104, 68, 12}, kIron);
  WallClock(cr, 512, 170, 52, 0xFF2E4A3A, 4, 52);
}

void Steam(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 7; ++i) {
    const double r = 26 + i * 9;
    PaintGlow(cr, x - i * 30, y - i * 18, r * 1.1, 0x90FFFFFF);
  }
}

// The far wall of the train shed behind the engine: pale brick and tall
// arched windows onto the evening.
void FarWall(cairo_t* cr) {
  BrickWall(cr, {560, 150, 464, kPlatform - 150}, 0xFFC8A088, 0xFFA88A78, 705);
  for (double x = 600; x < 1000; x += 130) {
    const TBox arch{x, 190, 80, 200};
    cairo_move_to(cr, arch.x, arch.Bottom());
    cairo_line_to(cr, arch.x, arch.y + 40);
    cairo_arc(cr, arch.CentreX(), arch.y + 40, 40, M_PI, 2 * M_PI);
    cairo_line_to(cr, arch.Right(), arch.Bottom());
    cairo_close_path(cr);
    FillVertical(cr, arch.y, arch.Bottom(), 0xFFF8C890, 0xFFE89060);
    cairo_new_path(cr);
  }
}

void PlatformSign(cairo_t* cr, double x, double y) {
  for (double dx : {-50.0, 50.0}) {
    cairo_move_to(cr, x + dx, 0);
    cairo_line_to(cr, x + dx, y);
  }
  StrokePath(cr, kIron, 3);
  RoundedRectangle(cr, x - 70, y, 140, 34, 6);
  SetColour(cr, 0xFF1E3A6A);
  cairo_fill(cr);
  SelectFontFile(cr, kSansBoldFont, 16);
  CentredTextPath(cr, "PLATFORM 1", x, y + 23);
  SetColour(cr, 0xFFF8F4EC);
  cairo_fill(cr);
}

void Pigeon(cairo_t* cr, double x, double floor, bool facing_left) {
  cairo_save(cr);
  cairo_translate(cr, x, floor);
  cairo_scale(cr, facing_left ? -1 : 1, 1);
  EllipsePath(cr, 0, -10, 14, 9);
  SetColour(cr, 0xFF8A8A9A);
  cairo_fill(cr);
  Dot(cr, 11, -20, 6, 0xFF6A6A7A);
  FillPolygon(cr, {{16, -20}, {21, -18}, {16, -17}}, 0xFFE8A040);
  FillPolygon(cr, {{-14, -12}, {-24, -6}, {-12, -6}}, 0xFF5A5A6A);
  cairo_restore(cr);
}

void Locomotive(cairo_t* cr) {
  const double rail = 440;
  FillBox(cr, {560, rail, 464, 8}, 0xFF5A5A62);
  Steam(cr, 690, 236);
  // Boiler, cab and chimney, in engine green with brass bands.
  RoundedRectangle(cr, 620, 300, 260, 100, 40);
  FillVertical(cr, 300, 400, 0xFF3E8A5A, 0xFF1E4A2E);
  cairo_new_path(cr);
  for (double bx : {680.0, 760.0, 840.0}) FillBox(cr, {bx, 300, 6, 100}, 0xFFD8B060);
  FillBoxGradient(cr, {870, 250, 150, 170}, 0xFF3E8A5A, 0xFF1E4A2E);
  FillBoxGradient(cr, {890, 270, 60, 60}, 0xFFFFE0A0, 0xFFE8A050);
  FillBox(cr, {860, 240, 170, 16}, 0xFF2A2A30);
  FillBoxSideways(cr, {650, 240, 34, 64}, 0xFF3A3A42, 0xFF1A1A20);
  FillBox(cr, {640, 234, 54, 12}, 0xFF2A2A30);
  FillBox(cr, {600, 400, 424, 20}, 0xFF2A2A30);
  for (double wx : {680.0, 770.0, 860.0, 960.0}) {
    Dot(cr, wx, rail - 14, wx < 900 ? 34 : 26, 0xFF8A2A2A);
    Dot(cr, wx, rail - 14, 8, 0xFFD8B060);
  }
  cairo_move_to(cr, 680, rail - 14);
  cairo_line_to(cr, 860, rail - 14);
  StrokePath(cr, 0xFFB8B8C0, 6);
}

void Platform(cairo_t* cr) {
  FillBoxGradient(cr, {0, kPlatform, kSceneWidth, kSceneHeight - kPlatform}, 0xFFB8A898, 0xFF8A7A70);
  for (double x = -40; x < kSceneWidth; x += 80) {
    cairo_move_to(cr, x, kPlatform);
    cairo_line_to(cr, (x - 512) * 1.6 + 512, kSceneHeight);
  }
  for (double y = kPlatform + 30; y < kSceneHeight; y += 30 + (y - kPlatform) * 0.25) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, kSceneWidth, y);
  }
  StrokePath(cr, 0x40302020, 1.5);
  FillBox(cr, {560, kPlatform - 4, 464, 12}, 0xFFF2D050);  // the edge of the platform
}

void StationBench(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 100, 8, 0x50000000);
  for (double lx : {x - 80, x + 80}) FillBox(cr, {lx - 4, floor - 60, 8, 60}, kIron);
  for (int s = 0; s < 3; ++s) FillBoxGradient(cr, {x - 100, floor - 100 + s * 14, 200, 10}, kOak.light, kOak.mid);
  FillBoxGradient(cr, {x - 104, floor - 50, 208, 12}, kOak.light, kOak.dark);
}

void MilkChurn(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 26, 5, 0x50000000);
  cairo_move_to(cr, x - 22, floor);
  cairo_line_to(cr, x - 22, floor - 50);
  cairo_curve_to(cr, x - 22, floor - 64, x - 10, floor - 66, x - 10, floor - 76);
  cairo_line_to(cr, x + 10, floor - 76);
  cairo_curve_to(cr, x + 10, floor - 66, x + 22, floor - 64, x + 22, floor - 50);
  cairo_line_to(cr, x + 22, floor);
  cairo_close_path(cr);
  FillAcross(cr, x - 22, x + 22, std::array<uint32_t, 3>{0xFF9AA4AC, 0xFFE8F0F4, 0xFF6A747C});
  cairo_new_path(cr);
  FillBox(cr, {x - 13, floor - 84, 26, 10}, 0xFF7A848C);
}

void LuggageTrolley(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x + 80, floor, 110, 9, 0x60000000);
  FillBox(cr, {x, floor - 40, 180, 10}, kIron);
  for (double wx : {x + 30, x + 150}) {
    Dot(cr, wx, floor - 14, 14, 0xFF2A2A30);
  }
  cairo_move_to(cr, x, floor - 40);
  cairo_line_to(cr, x - 30, floor - 130);
  StrokePath(cr, kIron, 6);
  Trunk(cr, {x + 6, floor - 110, 110, 70}, kLuggage[0]);
  Trunk(cr, {x + 110, floor - 100, 66, 60}, kLuggage[1]);
  Trunk(cr, {x + 24, floor - 160, 80, 50}, kLuggage[2]);
  Trunk(cr, {x + 104, floor - 138, 56, 38}, kLuggage[3]);
}

void Kiosk(cairo_t* cr) {
  const TBox box{320, 300, 170, 170};
  SoftShadow(cr, box.CentreX(), box.Bottom(), 110, 10, 0x60000000);
  FillBoxSideways(cr, box, 0xFF3E6A5A, 0xFF244438);
  FillBoxGradient(cr, {box.x + 12, box.y + 40, box.w - 24, 60}, 0xFFFFE8B8, 0xFFE8C080);
  BookRow(cr, {box.x + 16, box.y + 50, box.w - 32, 44}, 702, kLuggage);
  FillBoxGradient(cr, {box.x - 10, box.y - 24, box.w + 20, 28}, 0xFF2E5A4A, 0xFF1A3A2E);
  SelectFontFile(cr, kSansBoldFont, 16);
  CentredTextPath(cr, "NEWS", box.CentreX(), box.y - 4);
  SetColour(cr, 0xFFF2D890);
  cairo_fill(cr);
  StackedBooks(cr, box.CentreX(), box.y + 140, 90, 4, 703, std::array<uint32_t, 2>{0xFFF2EEE2, 0xFFE8E0CC});
}

}  // namespace

void DrawStation(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  Roof(cr);
  BookingHall(cr);
  Poster(cr, {250, 200, 60, 86}, 0xFF6AB0D8, 0xFF4A8A5A, "SEASIDE");
  Poster(cr, {250, 320, 60, 86}, 0xFFE8905A, 0xFF8A6A9A, "HILLS");
  Poster(cr, {480, 190, 60, 86}, 0xFF8AC8D8, 0xFFE8D8A0, "LAKES");
  FarWall(cr);
  Locomotive(cr);
  HangingClock(cr);
  PlatformSign(cr, 820, 130);
  Platform(cr);
  Kiosk(cr);
  HangingPlant(cr, 234, 150, 44, 0xFF7A5A3A, 704);
  LampPost(cr, 530, 540);
  Crate(cr, {150, 500, 100, 60}, kPine);
  Crate(cr, {170, 448, 70, 52}, kPine);
  PottedPlant(cr, 290, 560, 110, 0xFF6A6A72, 706, std::array<uint32_t, 2>{0xFFE8475F, 0xFFFFD25A});
  Pigeon(cr, 460, 600, false);
  Pigeon(cr, 700, 590, true);
  StationBench(cr, 640, 560);
  MilkChurn(cr, 40, 560);
  MilkChurn(cr, 86, 572);
  LuggageTrolley(cr, 800, 610);
  LightShaft(cr, {300, 0}, {420, 0}, {700, 620}, {480, 620}, 0x30FFE8B0);
  FinishScene(cr, {420, 60}, 0xA0FFC878, 8);
}

void DrawStationTrolley(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 240.0, height / 180.0);
  LuggageTrolley(cr, 40, 176);
}

}  // namespace corvellane
