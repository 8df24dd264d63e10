// Story scene: Marguerite's flower shop on a spring morning. Sun falls in
// through the big shop window on the left across mint walls, shelves of pots
// and jars, the counter with its old till, and zinc buckets crowded with
// flowers on the terracotta floor. Also the bucket of tulips standing in
// front of everything, as a sprite the scene data lays over hidden objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr double kFloor = 560;
constexpr uint32_t kPetals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A, 0xFFFFFFFF, 0xFFB07CE0, 0xFFFF8A4C};
constexpr uint32_t kPots[] = {0xFFC8643C, 0xFFB85A38, 0xFFE8E0D0, 0xFF7AA0B8, 0xFFD88A5A};
constexpr uint32_t kJars[] = {0xFFE8B04A, 0xFFC84A5A, 0xFF8AB45A, 0xFFF0E0C0, 0xFF9A6AB8};
constexpr uint32_t kRibbons[] = {0xFFE86A8A, 0xFF6AB4D8, 0xFFF2C04A, 0xFF9AD07A, 0xFFC88AE0};

void Room(cairo_t* cr) {
  Wallpaper(cr, {0, 0, kSceneWidth, 470}, TWallpaper::kStripes, 0xFFCFE3CC, 0x40FFFFFF);
  FillBoxGradient(cr, {0, 0, kSceneWidth, 26}, 0xFFF4EEE0, 0xFFDCD2C0);  // cornice
  FillBox(cr, {0, 26, kSceneWidth, 3}, 0x40000000);
  Wainscot(cr, {0, 470, kSceneWidth, kFloor - 470}, 0xFFE8EFE2, 9);
  TiledFloor(cr, {0, kFloor, kSceneWidth, kSceneHeight - kFloor}, 0xFFD2855A, 0xFFC47652, 70, true);
}

void StreetOutside(cairo_t* cr, const TBox& glass) {
  // The houses across the street, pale in the morning haze.
  const uint32_t walls[] = {0xFFF2D8C0, 0xFFC8D8E8, 0xFFF0E4B0, 0xFFE8C8C8};
  for (int i = 0; i < 4; ++i) {
    const TBox house{glass.x - 20 + i * 88, glass.y + 70 + (i % 2) * 30, 84, glass.h};
    FillBox(cr, house, walls[i]);
    for (int w = 0; w < 2; ++w) FillBox(cr, {house.x + 16 + w * 34, house.y + 26, 18, 26}, 0xFF8AA0B8);
    FillPolygon(cr, {{house.x - 4, house.y}, {house.x + 42, house.y - 34}, {house.Right() + 4, house.y}},
                i % 2 ? 0xFFB86A5A : 0xFF8A7AA0);
  }
  FillBoxGradient(cr, {glass.x, glass.Bottom() - 60, glass.w, 60}, 0xFFD8CCC0, 0xFFB8A898);  // pavement
  FillBoxGradient(cr, glass, 0x30FFFFFF, 0x10FFFFFF);                                        // the glass between
}

void ShopWindow(cairo_t* cr) {
  const TBox box{34, 78, 300, 360};
  SceneWindow(cr, box, {0xFF9ED0F0, 0xFFE6F2F4, 0xFFF4F0E4, 3, 2, false}, StreetOutside);
  // Gold lettering on the glass, seen from inside.
  SelectFontFile(cr, kSerifBoldFont, 22);
  cairo_save(cr);
  cairo_translate(cr, box.CentreX(), 150);
  cairo_scale(cr, -1, 1);
  CentredTextPath(cr, "Fleurs \xC2\xB7 Marguerite", 0, 0);
  cairo_restore(cr);
  SetColour(cr, 0xB0D8A440);
  cairo_fill(cr);
  Curtain(cr, {4, 60, 70, 420}, 0xFFE89AAA, true);
  Curtain(cr, {294, 60, 70, 420}, 0xFFE89AAA, false);
  FillBox(cr, {0, 56, 380, 7}, 0xFFB88A4A);  // curtain rod
  PotRow(cr, {44, 380, 280, 56}, 12, kPots, kPetals);
}

// The seed cabinet: rows of little labelled drawers.
void SeedCabinet(cairo_t* cr, const TBox& box) {
  Cabinet(cr, box, kPaintedWhite, 1);
  const int columns = 6, rows = 3;
  const double w = (box.w - 20) / columns, h = (box.h - 20) / rows;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const TBox drawer{box.x + 10 + c * w + 2, box.y + 10 + r * h + 2, w - 4, h - 4};
      FillBoxGradient(cr, drawer, 0xFFF6F2EA, 0xFFD8D0C0);
      BoxPath(cr, drawer);
      StrokePath(cr, 0xFFA89C88, 1);
      FillBox(cr, {drawer.CentreX() - 9, drawer.y + 6, 18, 9}, kJars[(r * columns + c) % 5]);
      Dot(cr, drawer.CentreX(), drawer.Bottom() - 9, 3, 0xFF8A7048);
    }
}

void CabinetTop(cairo_t* cr) {
  Bottle(cr, 440, 320, 46, 0xFF7AB8A0);
  FlowerHeads(cr, 440, 268, 16, 4, 28, kPetals);
  TeaCup(cr, 478, 320, 22, 0xFFE8A0B0);
  StackedBooks(cr, 520, 320, 44, 3, 29, kRibbons);
  Bottle(cr, 660, 320, 38, 0xFFB8A0D8);
  FlowerHeads(cr, 660, 276, 14, 3, 30, kPetals);
}

void BackShelves(cairo_t* cr) {
  SeedCabinet(cr, {420, 330, 260, 140});
  CabinetTop(cr);
  for (int i = 0; i < 3; ++i) Shelf(cr, 400, 120 + i * 92, 300, kPaintedWhite);
  PotRow(cr, {406, 62, 290, 58}, 21, kPots, kPetals);
  JarRow(cr, {410, 162, 150, 50}, 22, kJars);
  BookRow(cr, {580, 150, 110, 62}, 23, kRibbons);
  PotRow(cr, {400, 246, 170, 58}, 24, kPots, {});
  JarRow(cr, {590, 256, 100, 46}, 25, kJars);
  Basket(cr, {440, 296, 90, 34}, 0xFFC89A5A);
  FlowerHeads(cr, 485, 290, 40, 9, 26, kPetals);
  Crate(cr, {560, 408, 110, 60}, kPine);
  LeafCluster(cr, 600, 400, 50, 16, 27, {});
}

void ZincBucket(cairo_t* cr, double x, double base, double size, uint64_t seed) {
  // Stems and blooms first, the bucket's rim in front of them.
  for (int i = 0; i < 9; ++i) {
    const double dx = (i - 4) * size * 0.09;
    cairo_move_to(cr, x + dx * 0.5, base - size * 0.5);
    cairo_line_to(cr, x + dx * 1.6, base - size * 1.25);
  }
  StrokePath(cr, 0xFF4E8045, 2.5);
  LeafCluster(cr, x, base - size * 0.75, size * 0.55, 16, seed, {});
  FlowerHeads(cr, x, base - size * 1.2, size * 0.42, 11, seed + 1, kPetals);
  SoftShadow(cr, x, base, size * 0.45, 6, 0x60000000);
  cairo_move_to(cr, x - size * 0.34, base - size * 0.6);
  cairo_line_to(cr, x + size * 0.34, base - size * 0.6);
  cairo_line_to(cr, x + size * 0.27, base);
  cairo_line_to(cr, x - size * 0.27, base);
  cairo_close_path(cr);
  FillAcross(cr, x - size * 0.34, x + size * 0.34, std::array<uint32_t, 3>{0xFFB8C4CC, 0xFFE8F0F4, 0xFF7A8A94});
  cairo_new_path(cr);
  for (double t : {0.2, 0.8})
    FillBox(cr, {x - size * 0.33 + size * 0.06 * t, base - size * 0.6 * (1 - t) - 2, size * 0.66 - size * 0.12 * t, 3},
            0x50000000);
}

void Till(cairo_t* cr, double x, double base) {
  ShadePolygon(cr, {{x, base}, {x + 16, base - 70}, {x + 104, base - 70}, {x + 120, base}}, 0xFFD8B060, 0xFF8A6424);
  RoundedRectangle(cr, x + 26, base - 104, 68, 38, 6);
  FillVertical(cr, base - 104, base - 66, 0xFFE8C878, 0xFFA87A30);
  cairo_new_path(cr);
  FillBox(cr, {x + 36, base - 96, 48, 18}, 0xFFFFF6DC);
  for (int row = 0; row < 2; ++row)
    for (int k = 0; k < 5; ++k) {
      Dot(cr, x + 28 + k * 16 + row * 6, base - 48 + row * 18, 5, 0xFFF6EEDA);
    }
}

void Counter(cairo_t* cr) {
  const TBox front{640, 430, 390, 150};
  SoftShadow(cr, front.CentreX(), front.Bottom(), front.w * 0.55, 14, 0x70000000);
  FillBoxSideways(cr, front, 0xFF9AB8A0, 0xFF6E9078);
  for (int i = 0; i < 4; ++i) {
    BoxPath(cr, {front.x + 18 + i * 92, front.y + 30, 76, 100});
    StrokePath(cr, 0xFF5A7A64, 2);
  }
  FillBoxGradient(cr, {front.x - 10, front.y - 14, front.w + 20, 16}, 0xFFF2E6D0, 0xFFC8B8A0);
  Till(cr, 880, front.y - 14);
  // A roll of wrapping paper and a spool of ribbon.
  FillBoxSideways(cr, {690, front.y - 40, 110, 26}, 0xFFF8E8EC, 0xFFE0B8C4);
  EllipsePath(cr, 690, front.y - 27, 5, 13);
  SetColour(cr, 0xFFB08890);
  cairo_fill(cr);
  Candle(cr, 830, front.y - 14, 24, false);
  Bottle(cr, 770, front.y - 14, 60, 0xFF8AC0D8);
  FlowerHeads(cr, 770, front.y - 90, 30, 9, 35, kPetals);
  LeafCluster(cr, 770, front.y - 70, 34, 10, 36, {});
  StackedBooks(cr, 990, front.y - 14, 50, 4, 37, kRibbons);
}

void Ceiling(cairo_t* cr) {
  HangingPlant(cr, 380, 0, 70, 0xFFE8E0D0, 31);
  HangingPlant(cr, 770, 0, 60, 0xFFC8643C, 32);
  PendantLamp(cr, 570, 40, 56, 0xFF7AA88A, 0x40FFE8B0);
  WallClock(cr, 880, 160, 42, 0xFFB88A4A, 9, 12);
  FramedLandscape(cr, {812, 250, 120, 90}, 0xFFD8B060, 33);
  FramedLandscape(cr, {950, 200, 60, 80}, 0xFFB88A4A, 38);
  Shelf(cr, 730, 250, 60, kPaintedWhite);
  PottedPlant(cr, 760, 250, 50, 0xFFE8E0D0, 39, kPetals);
  Bunting(cr, {730, 60}, {1024, 80}, 40, 11, kRibbons);
}

void Chalkboard(cairo_t* cr) {
  const TBox board{736, 330, 100, 90};
  FillBox(cr, {board.x - 6, board.y - 6, board.w + 12, board.h + 12}, 0xFFB07A45);
  FillBoxGradient(cr, board, 0xFF3E4A44, 0xFF2C3632);
  SelectFontFile(cr, kSerifBoldFont, 15);
  CentredTextPath(cr, "Fresh", board.CentreX(), board.y + 32);
  CentredTextPath(cr, "today", board.CentreX(), board.y + 54);
  SetColour(cr, 0xE0F4F0E8);
  cairo_fill(cr);
  FlowerHeads(cr, board.CentreX(), board.y + 72, 16, 3, 34, kPetals);
}

void Floor(cairo_t* cr) {
  Ladder(cr, {380, 592}, {452, 110}, 54, kOak);
  ZincBucket(cr, 120, 600, 120, 41);
  ZincBucket(cr, 236, 592, 100, 42);
  Crate(cr, {290, 520, 120, 74}, kPine);
  PottedPlant(cr, 350, 520, 70, 0xFFC8643C, 43, {});
  ZincBucket(cr, 560, 600, 110, 44);
  Sack(cr, {460, 520, 80, 84}, 0xFFD8C49A);
  PottedPlant(cr, 980, 602, 150, 0xFF7AA0B8, 45, {});
  Basket(cr, {700, 566, 120, 46}, 0xFFC89A5A);
  FlowerHeads(cr, 760, 556, 50, 12, 46, kPetals);
}

void MorningLight(cairo_t* cr) {
  LightShaft(cr, {60, 90}, {320, 90}, {760, 640}, {340, 640}, 0x40FFF4C8);
  DustMotes(cr, {120, 120, 520, 420}, 70, 51, 0xA0FFF6D8);
}

}  // namespace

void DrawFlowerShop(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  Room(cr);
  ShopWindow(cr);
  BackShelves(cr);
  Ceiling(cr);
  Chalkboard(cr);
  Counter(cr);
  MorningLight(cr);
  Floor(cr);
  FinishScene(cr, {180, 200}, 0x90FFF0C8, 1);
}

void DrawFlowerShopBucket(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 160.0, height / 200.0);
  ZincBucket(cr, 80, 196, 120, 41);
}

}  // namespace corvellane
