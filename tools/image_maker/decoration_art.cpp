// Decorations: small clutter the scene generator scatters over a scene at
// random (object type 5) so that no two playthroughs hide things behind the
// same leaves. Painted with the scene props' brushes, so they sit in the
// rooms as if they were part of the picture. Each is drawn in a 120 x 100
// design space and stands on its bottom edge.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kWidth = 120, kHeight = 100, kBase = 96;
constexpr uint32_t kPetals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A, 0xFFFFFFFF, 0xFFB07CE0};
constexpr uint32_t kBindings[] = {0xFF8A2A32, 0xFF2E5A44, 0xFF2A3E6A, 0xFFB8862E, 0xFF5A2E4A};
constexpr uint32_t kJams[] = {0xFFC8283A, 0xFFE8A030, 0xFF8A2A5A, 0xFFF0D070};
constexpr uint32_t kAutumn[] = {0xFFC8642A, 0xFFE8A032, 0xFFA83A2A, 0xFF8A6A2A};

void Design(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / kWidth, height / kHeight);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

void Shell(cairo_t* cr, double x, double y, double size, double turn, uint32_t colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, turn);
  cairo_move_to(cr, 0, size * 0.5);
  for (int k = 0; k <= 8; ++k) {
    const double a = M_PI + k * M_PI / 8;
    cairo_line_to(cr, std::cos(a) * size, std::sin(a) * size * 0.9 + (k % 2 ? size * 0.06 : 0));
  }
  cairo_close_path(cr);
  FillVertical(cr, -size, size * 0.5, MixColours(colour, 0xFFFFFFFF, 0.4f), colour);
  cairo_new_path(cr);
  for (int k = 1; k < 8; ++k) {
    const double a = M_PI + k * M_PI / 8;
    cairo_move_to(cr, 0, size * 0.45);
    cairo_line_to(cr, std::cos(a) * size * 0.9, std::sin(a) * size * 0.8);
  }
  StrokePath(cr, MixColours(colour, 0xFF402010, 0.3f), 1);
  cairo_restore(cr);
}

}  // namespace

void DrawDecoFern(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  for (int frond = 0; frond < 5; ++frond) {
    const double a = -M_PI / 2 + (frond - 2) * 0.45;
    LeafCluster(cr, 60 + std::cos(a) * 26, kBase - 20 + std::sin(a) * 40, 34, 9, uint64_t(901 + frond), {});
  }
}

void DrawDecoIvy(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  cairo_move_to(cr, 4, 10);
  cairo_curve_to(cr, 40, 40, 70, 10, 116, 60);
  StrokePath(cr, 0xFF5A4A2A, 2);
  LeafCluster(cr, 30, 28, 26, 8, 906, {});
  LeafCluster(cr, 70, 26, 26, 8, 907, {});
  LeafCluster(cr, 104, 54, 24, 7, 908, {});
}

void DrawDecoBooks(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  StackedBooks(cr, 60, kBase, 96, 6, 909, kBindings);
}

void DrawDecoTeacups(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  TeaCup(cr, 40, kBase, 36, 0xFFE8A0B0);
  TeaCup(cr, 40, kBase - 20, 32, 0xFFFFFFFF);
  TeaCup(cr, 86, kBase, 34, 0xFF8AC8C0);
}

void DrawDecoYarnBasket(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  const uint32_t yarns[] = {0xFFE8607A, 0xFF5A9AD0, 0xFFF2C04A};
  for (int i = 0; i < 3; ++i) {
    Dot(cr, 34 + i * 26, kBase - 44 - (i % 2) * 8, 20, yarns[i]);
    for (int k = 0; k < 4; ++k) {
      cairo_arc(cr, 34 + i * 26, kBase - 44 - (i % 2) * 8, 6 + k * 4, 0.5 + k, 2.5 + k);
      StrokePath(cr, 0x50000000, 1.2);
    }
  }
  Basket(cr, {10, kBase - 40, 100, 40}, 0xFFC89A5A);
}

void DrawDecoFlowerPot(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  PottedPlant(cr, 60, kBase, 100, 0xFFC8643C, 910, kPetals);
}

void DrawDecoJamJars(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  JarRow(cr, {12, kBase - 60, 100, 60}, 911, kJams);
}

void DrawDecoCandles(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  for (auto [x, h] : {std::array{34.0, 56.0}, std::array{60.0, 74.0}, std::array{86.0, 44.0}})
    Candle(cr, x, kBase, h, true);
}

void DrawDecoSheetMusic(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  for (int sheet = 0; sheet < 3; ++sheet) {
    cairo_save(cr);
    cairo_translate(cr, 60, 54);
    cairo_rotate(cr, -0.3 + sheet * 0.25);
    FillBoxGradient(cr, {-34, -40, 68, 84}, 0xFFFBF4E2, 0xFFE8DCC0);
    for (int line = 0; line < 5; ++line) FillBox(cr, {-28, -30 + line * 5, 56, 0.8}, 0xFF5A5050);
    for (int note = 0; note < 4; ++note) {
      SetColour(cr, 0xFF2A2020);
      EllipsePath(cr, -20 + note * 13, -22 + (note % 3) * 5, 3, 2.2);
      cairo_fill(cr);
    }
    cairo_restore(cr);
  }
}

void DrawDecoSuitcase(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  Trunk(cr, {10, kBase - 70, 100, 70}, 0xFF8A4A2A);
}

void DrawDecoShells(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  TSeededRandom random(912);
  for (int i = 0; i < 7; ++i)
    Shell(cr, random.Range(20, 100), random.Range(50, 90), random.Range(10, 18), random.Range(-0.6, 0.6),
          MixColours(0xFFF8E0D0, 0xFFE88A70, float(random.Unit())));
}

void DrawDecoLeaves(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  LeafCluster(cr, 60, 60, 50, 22, 913, kAutumn);
}

void DrawDecoLoaves(cairo_t* cr, int width, int height) {
  Design(cr, width, height);
  Basket(cr, {14, kBase - 36, 92, 36}, 0xFFB88A4A);
  for (int i = 0; i < 3; ++i) {
    EllipsePath(cr, 34 + i * 26, kBase - 40, 20, 11);
    FillVertical(cr, kBase - 52, kBase - 28, 0xFFE8B868, 0xFFA86228);
    cairo_new_path(cr);
  }
}

}  // namespace corvellane
