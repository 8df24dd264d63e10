// Story scene: the café on the high street on a quiet afternoon. Rose
// wallpaper and a teal counter with its cake case and brass coffee machine,
// shelves of cups, the chalkboard menu, lace at the window, round tables
// laid for two and a coat stand by the door. Also the palm in its pot, as a
// sprite the scene data lays over hidden objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kFloor = 548;
constexpr uint32_t kCups[] = {0xFFFFFFFF, 0xFFE8A0B0, 0xFF8AC8C0, 0xFFF2D08A};
constexpr uint32_t kCakes[] = {0xFFF4B8C8, 0xFF8A5232, 0xFFF6E2B0, 0xFFE86A7A};
constexpr uint32_t kPetals[] = {0xFFE8475F, 0xFFFFFFFF, 0xFFFFD25A, 0xFFFF9EB5};

void Room(cairo_t* cr) {
  Wallpaper(cr, {0, 0, kSceneWidth, 440}, TWallpaper::kFlowers, 0xFFF2D4D0, 0x50E87890);
  Wainscot(cr, {0, 440, kSceneWidth, kFloor - 440}, 0xFF4E8E88, 10);
  TiledFloor(cr, {0, kFloor, kSceneWidth, kSceneHeight - kFloor}, 0xFFF2EEE6, 0xFF3A3A44, 64, false);
  FillBoxGradient(cr, {0, 0, kSceneWidth, 24}, 0xFFF8F2EA, 0xFFD8CCC4);
}

void StreetView(cairo_t* cr, const TBox& glass) {
  Foliage(cr, glass.x + glass.w * 0.7, glass.y + 90, 90, 70, 301,
          std::array<uint32_t, 3>{0xFF5A8A50, 0xFF70A060, 0xFF8AB870});
  FillBox(cr, {glass.x, glass.Bottom() - 120, glass.w * 0.45, 120}, 0xFFE8D0B0);
  FillBox(cr, {glass.x + 20, glass.Bottom() - 96, 30, 40}, 0xFF8AA0B8);
  FillBoxGradient(cr, {glass.x, glass.Bottom() - 40, glass.w, 40}, 0xFFC8BCB0, 0xFFA89C90);
}

// Lace: a scalloped valance and a sheer lower half with little holes.
void LaceCurtains(cairo_t* cr, const TBox& box) {
  cairo_move_to(cr, box.x, box.y);
  cairo_line_to(cr, box.Right(), box.y);
  for (double x = box.Right(); x > box.x; x -= 26) cairo_arc(cr, x - 13, box.y + 40, 13, 0, M_PI);
  cairo_close_path(cr);
  SetColour(cr, 0xE0FFFFFF);
  cairo_fill(cr);
  const TBox sheer{box.x, box.y + box.h * 0.55, box.w, box.h * 0.45};
  FillBox(cr, sheer, 0x90FFFFFF);
  SetColour(cr, 0x40D0C0C0);
  for (double y = sheer.y + 10; y < sheer.Bottom(); y += 14)
    for (double x = sheer.x + 8 + (int(y) % 2) * 7; x < sheer.Right(); x += 14) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, 3, 0, 2 * M_PI);
    }
  cairo_fill(cr);
}

void Window(cairo_t* cr) {
  const TBox box{40, 76, 270, 320};
  SceneWindow(cr, box, {0xFFA8D4F0, 0xFFEAF2F0, 0xFFF6F0E8, 2, 3, false}, StreetView);
  LaceCurtains(cr, {box.x + 10, box.y + 10, box.w - 20, box.h - 20});
  PotRow(cr, {52, 348, 246, 50}, 302, std::array<uint32_t, 2>{0xFFF2EEE6, 0xFFC8643C}, kPetals);
}

void CupShelves(cairo_t* cr) {
  TSeededRandom random(303);
  for (int row = 0; row < 3; ++row) {
    const double y = 120 + row * 80;
    Shelf(cr, 560, y, 280, kPaintedWhite);
    for (double x = 580; x < 830; x += random.Range(26, 40)) {
      if (random.Unit() < 0.3)
        JarRow(cr, {x - 10, y - 50, 30, 50}, random.Next(), kCakes);
      else
        TeaCup(cr, x, y, 20, kCups[random.Next() % 4]);
    }
  }
}

void Menu(cairo_t* cr) {
  const TBox board{350, 80, 150, 200};
  FillBox(cr, {board.x - 8, board.y - 8, board.w + 16, board.h + 16}, 0xFF8A5A3A);
  FillBoxGradient(cr, board, 0xFF34403C, 0xFF242C2A);
  SelectFontFile(cr, kSerifBoldFont, 22);
  CentredTextPath(cr, "Menu", board.CentreX(), board.y + 34);
  SelectFontFile(cr, kSansFont, 12);
  const char* lines[] = {"Caf\xC3\xA9 cr\xC3\xA8me", "Earl Grey", "Cocoa", "Lemon tart", "Cherry pie", "Scones"};
  for (int i = 0; i < 6; ++i) CentredTextPath(cr, lines[i], board.CentreX(), board.y + 64 + i * 22);
  SetColour(cr, 0xE8F4F0E8);
  cairo_fill(cr);
  WallClock(cr, 900, 110, 44, 0xFF4E8E88, 3, 40);
}

void CakeCase(cairo_t* cr, const TBox& box) {
  FillBoxGradient(cr, box, 0x60E8F4F4, 0x40C8E0E0);
  BoxPath(cr, box);
  StrokePath(cr, 0xFFC8A050, 3);
  FillBox(cr, {box.x, box.y + box.h / 2, box.w, 3}, 0xFFC8A050);
  TSeededRandom random(304);
  for (int tier = 0; tier < 2; ++tier)
    for (double x = box.x + 26; x < box.Right() - 20; x += 46) {
      const double base = box.y + (tier + 1) * box.h / 2 - 3, r = random.Range(14, 19);
      const uint32_t sponge = kCakes[random.Next() % 4];
      FillBoxGradient(cr, {x - r, base - r, 2 * r, r}, sponge, MixColours(sponge, 0xFF3A2010, 0.2f));
      EllipsePath(cr, x, base - r, r, r * 0.3);
      SetColour(cr, MixColours(sponge, 0xFFFFFFFF, 0.4f));
      cairo_fill(cr);
      Dot(cr, x, base - r - 4, 4, 0xFFD02040);
    }
  FillBox(cr, {box.x + 8, box.y + 6, 6, box.h - 12}, 0x50FFFFFF);
}

// A brass espresso machine: domed boiler, pressure gauge, two group heads
// with their handles, cups warming on top.
void CoffeeMachine(cairo_t* cr, double x, double base) {
  PaintGlow(cr, x, base - 60, 90, 0x30FFE8B0);
  cairo_move_to(cr, x - 60, base);
  cairo_line_to(cr, x - 60, base - 96);
  cairo_curve_to(cr, x - 60, base - 150, x + 60, base - 150, x + 60, base - 96);
  cairo_line_to(cr, x + 60, base);
  cairo_close_path(cr);
  FillAcross(cr, x - 60, x + 60, std::array<uint32_t, 3>{0xFFB8862E, 0xFFF6E0A0, 0xFF7A5420});
  cairo_new_path(cr);
  FillBox(cr, {x - 64, base - 60, 128, 8}, 0xFF5A3E18);
  cairo_arc(cr, x, base - 100, 15, 0, 2 * M_PI);
  SetColour(cr, 0xFFF6F2E8);
  cairo_fill_preserve(cr);
  StrokePath(cr, 0xFF5A3E18, 2);
  cairo_move_to(cr, x, base - 100);
  cairo_line_to(cr, x + 8, base - 108);
  StrokePath(cr, 0xFFC02020, 1.5);
  for (double gx : {x - 30, x + 30}) {
    FillBox(cr, {gx - 8, base - 52, 16, 14}, 0xFF3A3030);
    FillBox(cr, {gx - 4, base - 44, 30 * (gx < x ? -1 : 1), 5}, 0xFF2A2020);
  }
  TeaCup(cr, x - 30, base - 4, 14, 0xFFFFFFFF);
  for (double cx : {x - 24, x, x + 24}) TeaCup(cr, cx, base - 140, 12, 0xFFFFFFFF);
}

void Sideboard(cairo_t* cr) {
  Cabinet(cr, {330, 430, 180, 118}, kPaintedWhite, 2);
  Bottle(cr, 350, 420, 40, 0xFF8AC8C0);
  TeaCup(cr, 390, 420, 20, 0xFFE8A0B0);
  JarRow(cr, {410, 370, 60, 50}, 309, kCakes);
  TeaCup(cr, 488, 420, 18, 0xFFF2D08A);
}

void Counter(cairo_t* cr) {
  const TBox front{520, 400, 504, 170};
  SoftShadow(cr, front.CentreX(), front.Bottom(), front.w * 0.55, 14, 0x70000000);
  FillBoxSideways(cr, front, 0xFF5AA09A, 0xFF3A706C);
  for (double x = front.x + 16; x < front.Right() - 40; x += 60) {
    BoxPath(cr, {x, front.y + 36, 46, 110});
    StrokePath(cr, 0xFF2E5A56, 2);
  }
  FillBoxGradient(cr, {front.x - 10, front.y - 14, front.w + 20, 18}, 0xFFF4ECE0, 0xFFC8BCA8);
  CakeCase(cr, {560, 300, 200, 86});
  CoffeeMachine(cr, 900, front.y - 14);
  StackedBooks(cr, 800, front.y - 14, 40, 5, 305, kCups);
}

void RoundTable(cairo_t* cr, double x, double floor, double size, uint32_t cloth) {
  SoftShadow(cr, x, floor, size * 0.8, 10, 0x60000000);
  FillBoxSideways(cr, {x - 5, floor - size * 0.9, 10, size * 0.9}, 0xFF4A4046, 0xFF2A2428);
  FillBox(cr, {x - size * 0.3, floor - 6, size * 0.6, 6}, 0xFF2A2428);
  cairo_move_to(cr, x - size * 0.75, floor - size * 0.95);
  cairo_curve_to(cr, x - size * 0.8, floor - size * 0.6, x - size * 0.7, floor - size * 0.5, x - size * 0.7,
                 floor - size * 0.5);
  cairo_line_to(cr, x + size * 0.7, floor - size * 0.5);
  cairo_curve_to(cr, x + size * 0.7, floor - size * 0.5, x + size * 0.8, floor - size * 0.6, x + size * 0.75,
                 floor - size * 0.95);
  cairo_close_path(cr);
  FillVertical(cr, floor - size, floor - size * 0.5, cloth, MixColours(cloth, 0xFF401828, 0.2f));
  cairo_new_path(cr);
  EllipsePath(cr, x, floor - size * 0.95, size * 0.75, size * 0.14);
  SetColour(cr, MixColours(cloth, 0xFFFFFFFF, 0.3f));
  cairo_fill(cr);
}

void CoatStand(cairo_t* cr, double x, double floor) {
  SoftShadow(cr, x, floor, 36, 6, 0x50000000);
  FillBoxSideways(cr, {x - 4, floor - 300, 8, 300}, kWalnut.light, kWalnut.dark);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, x, floor - 280);
    cairo_curve_to(cr, x + side * 20, floor - 280, x + side * 28, floor - 290, x + side * 30, floor - 306);
    cairo_move_to(cr, x, floor);
    cairo_line_to(cr, x + side * 34, floor + 4);
  }
  StrokePath(cr, kWalnut.dark, 5);
  // A coat hanging from one hook.
  cairo_move_to(cr, x + 24, floor - 300);
  cairo_curve_to(cr, x + 50, floor - 290, x + 58, floor - 200, x + 64, floor - 130);
  cairo_line_to(cr, x + 10, floor - 130);
  cairo_curve_to(cr, x + 12, floor - 200, x + 14, floor - 280, x + 24, floor - 300);
  FillVertical(cr, floor - 300, floor - 130, 0xFF5A6A8A, 0xFF3A4460);
  cairo_new_path(cr);
}

void Tables(cairo_t* cr) {
  Chair(cr, 130, 612, 90, kWalnut, false);
  RoundTable(cr, 230, 616, 110, 0xFFF6F0F2);
  Chair(cr, 330, 612, 90, kWalnut, true);
  TeaCup(cr, 200, 506, 20, 0xFFE8A0B0);
  Candle(cr, 250, 508, 20, true);
  CoatStand(cr, 548, 590);
  Chair(cr, 640, 640, 80, kWalnut, false);
  RoundTable(cr, 740, 650, 96, 0xFFE8F2F0);
  TeaCup(cr, 760, 556, 18, 0xFF8AC8C0);
  PottedPlant(cr, 40, 600, 120, 0xFFC8643C, 310, kPetals);
}

void PalmPot(cairo_t* cr, double x, double base) {
  for (int frond = 0; frond < 9; ++frond) {
    const double a = -M_PI / 2 + (frond - 4) * 0.32;
    cairo_move_to(cr, x, base - 60);
    cairo_curve_to(cr, x + std::cos(a) * 60, base - 60 + std::sin(a) * 80, x + std::cos(a) * 100,
                   base - 60 + std::sin(a) * 60, x + std::cos(a) * 120, base - 40 + std::sin(a) * 60);
  }
  StrokePath(cr, 0xFF3E7040, 10);
  LeafCluster(cr, x, base - 120, 70, 22, 306, {});
  PottedPlant(cr, x, base, 80, 0xFFE8E0D0, 307, {});
}

}  // namespace

void DrawCafe(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  Room(cr);
  Window(cr);
  CupShelves(cr);
  Menu(cr);
  for (double x : {420.0, 640.0, 860.0}) PendantLamp(cr, x, 30, 40, 0xFF4E8E88, 0x40FFE0A0);
  HangingPlant(cr, 330, 0, 56, 0xFFF2EEE6, 308);
  Sideboard(cr);
  Counter(cr);
  Tables(cr);
  PalmPot(cr, 970, 620);
  LightShaft(cr, {50, 80}, {310, 80}, {640, 620}, {260, 620}, 0x38FFF0D0);
  FinishScene(cr, {180, 240}, 0x80FFE8C8, 4);
}

void DrawCafePalm(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 240.0, height / 200.0);
  cairo_translate(cr, 120 - 970, 196 - 620);
  PalmPot(cr, 970, 620);
}

}  // namespace corvellane
