// The map screen's background: the town drawn as an old hand-coloured map
// on parchment, with the river, roads, parks, house blocks, a compass rose
// and a name banner. Drawn in a 1024 x 768 design space and scaled.
#include <cmath>
#include <utility>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kDesignWidth = 1024;
constexpr double kDesignHeight = 768;

void Parchment(cairo_t* cr) {
  cairo_pattern_t* p = cairo_pattern_create_radial(512, 384, 80, 512, 384, 680);
  AddStop(p, 0.0, 0xFFF6E6C4);
  AddStop(p, 0.7, 0xFFE8CFA0);
  AddStop(p, 1.0, 0xFFB98E5C);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  TSeededRandom random(21);
  for (int i = 0; i < 900; ++i) {
    SetColour(cr, MakeArgb(uint32_t(random.Range(8, 30)), 120, 80, 40));
    cairo_arc(cr, random.Range(0, kDesignWidth), random.Range(0, kDesignHeight), random.Range(0.5, 2.5), 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void River(cairo_t* cr) {
  const auto path = [cr] {
    cairo_move_to(cr, -20, 250);
    cairo_curve_to(cr, 180, 200, 260, 420, 430, 430);
    cairo_curve_to(cr, 600, 440, 640, 300, 800, 330);
    cairo_curve_to(cr, 900, 350, 960, 480, 1044, 520);
  };
  path();
  SetColour(cr, 0xFF6F98B8);
  cairo_set_line_width(cr, 46);
  cairo_stroke(cr);
  path();
  SetColour(cr, 0xFFA9CBE0);
  cairo_set_line_width(cr, 36);
  cairo_stroke(cr);
  // Ripples, at the middle of each stretch of the river.
  SetColour(cr, 0x90FFFFFF);
  cairo_set_line_width(cr, 1.5);
  for (auto [x, y] : {std::pair{216.0, 317.5}, std::pair{618.75, 372.5}, std::pair{928.0, 417.5}}) {
    cairo_move_to(cr, x - 10, y);
    cairo_curve_to(cr, x - 5, y - 4, x + 5, y + 4, x + 10, y);
    cairo_stroke(cr);
  }
}

// Each road a cubic curve: start, two control points, end.
constexpr double kRoads[][8] = {
    {60, 120, 300, 160, 420, 300, 520, 520},
    {520, 520, 640, 560, 820, 520, 980, 640},
    {520, 520, 460, 620, 380, 680, 300, 740},
    {420, 300, 600, 200, 760, 260, 980, 180},
};

// All edges first, then all surfaces, so that crossings join cleanly.
void Roads(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& r : kRoads) {
      cairo_move_to(cr, r[0], r[1]);
      cairo_curve_to(cr, r[2], r[3], r[4], r[5], r[6], r[7]);
    }
    SetColour(cr, pass == 0 ? 0xFFA0825E : 0xFFF2E0BC);
    cairo_set_line_width(cr, pass == 0 ? 18 : 13);
    cairo_stroke(cr);
  }
}

void Bridge(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -14, -34, 28, 68);
  SetColour(cr, 0xFFB07A4A);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFF5A3A20);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (double i = -28; i <= 28; i += 8) {
    cairo_move_to(cr, -14, i);
    cairo_line_to(cr, 14, i);
  }
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Park(cairo_t* cr, double x, double y, double rx, double ry, uint64_t seed) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColour(cr, 0xFFA9C48A);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFF6E8A4E);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  TSeededRandom random(seed);
  for (int i = 0; i < int(rx * ry / 180); ++i) {
    const double a = random.Range(0, 2 * M_PI), d = std::sqrt(random.Unit()) * 0.8;
    const double tx = x + std::cos(a) * d * rx, ty = y + std::sin(a) * d * ry;
    SetColour(cr, 0xFF4E7A3A);
    cairo_arc(cr, tx, ty, 7, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColour(cr, 0x60FFFFFF);
    cairo_arc(cr, tx - 2, ty - 2, 2.5, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void HouseIcon(cairo_t* cr, double x, double y, uint32_t roof) {
  cairo_rectangle(cr, x - 9, y - 6, 18, 14);
  SetColour(cr, 0xFFFBF1DC);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFF5A3A20);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, x - 12, y - 5);
  cairo_line_to(cr, x, y - 16);
  cairo_line_to(cr, x + 12, y - 5);
  cairo_close_path(cr);
  SetColour(cr, roof);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFF5A3A20);
  cairo_stroke(cr);
}

void Houses(cairo_t* cr, double x, double y, int count, uint64_t seed) {
  const uint32_t roofs[] = {0xFFB5523E, 0xFF6E5A8A, 0xFFC7863E, 0xFF8C3B2E};
  TSeededRandom random(seed);
  for (int i = 0; i < count; ++i)
    HouseIcon(cr, x + (i % 4) * 28 + random.Range(-3, 3), y + (i / 4) * 30 + random.Range(-3, 3),
              roofs[random.Next() % 4]);
}

void CompassRose(cairo_t* cr, double x, double y, double r) {
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, 0xFF7A5230);
  cairo_arc(cr, x, y, r * 0.75, 0, 2 * M_PI);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4 - M_PI / 2, length = i % 2 == 0 ? r : r * 0.55;
    cairo_move_to(cr, x + std::cos(a) * length, y + std::sin(a) * length);
    cairo_line_to(cr, x + std::cos(a + 0.35) * r * 0.16, y + std::sin(a + 0.35) * r * 0.16);
    cairo_line_to(cr, x + std::cos(a - 0.35) * r * 0.16, y + std::sin(a - 0.35) * r * 0.16);
    cairo_close_path(cr);
    SetColour(cr, i == 0 ? 0xFFC8283F : 0xFF7A5230);
    cairo_fill(cr);
  }
  SelectFontFile(cr, kSerifBoldFont, r * 0.3);
  CentredTextPath(cr, "N", x, y - r - 6);
  SetColour(cr, 0xFF7A5230);
  cairo_fill(cr);
}

void Border(cairo_t* cr) {
  SetColour(cr, 0xFF7A5230);
  cairo_set_line_width(cr, 4);
  cairo_rectangle(cr, 14, 14, kDesignWidth - 28, kDesignHeight - 28);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.2);
  cairo_rectangle(cr, 22, 22, kDesignWidth - 44, kDesignHeight - 44);
  cairo_stroke(cr);
}

void Banner(cairo_t* cr) {
  RoundedRectangle(cr, 372, 34, 280, 50, 10);
  SetColour(cr, 0xFFF9EBCB);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFF7A5230);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  SelectFontFile(cr, kSerifBoldFont, 28);
  CentredTextPath(cr, "Corvellane", 512, 70);
  SetColour(cr, 0xFF6E2A3A);
  cairo_fill(cr);
}

}  // namespace

void DrawTownMap(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / kDesignWidth, height / kDesignHeight);
  Parchment(cr);
  Park(cr, 170, 560, 120, 80, 1);
  Park(cr, 820, 170, 110, 70, 2);
  Park(cr, 600, 620, 70, 50, 3);
  River(cr);
  Roads(cr);
  Bridge(cr, 452, 424, 0.35);
  Houses(cr, 120, 110, 8, 4);
  Houses(cr, 480, 160, 6, 5);
  Houses(cr, 560, 470, 8, 6);
  Houses(cr, 820, 560, 7, 7);
  Houses(cr, 300, 600, 5, 8);
  Houses(cr, 640, 300, 4, 9);
  CompassRose(cr, 920, 680, 46);
  Border(cr);
  Banner(cr);
}

}  // namespace corvellane
