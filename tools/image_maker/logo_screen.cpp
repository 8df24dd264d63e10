// The logo screen: the studio's name and the game's title with its emblem
// (two rings and a heart) in gold on a deep plum background; and the
// emblem with the title alone, on transparency, for other screens.
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kDesignWidth = 1024;
constexpr double kDesignHeight = 768;
constexpr double kCentreX = kDesignWidth / 2;

cairo_pattern_t* GoldGradient(double top, double bottom) {
  cairo_pattern_t* gold = cairo_pattern_create_linear(0, top, 0, bottom);
  AddStop(gold, 0.0, 0xFFFFF3C4);
  AddStop(gold, 0.45, 0xFFE8B85A);
  AddStop(gold, 0.55, 0xFFC98E2E);
  AddStop(gold, 1.0, 0xFFF2CF7A);
  return gold;
}

void Background(cairo_t* cr) {
  cairo_pattern_t* p = cairo_pattern_create_radial(kCentreX, 330, 40, kCentreX, 384, 700);
  AddStop(p, 0.0, 0xFF3C2450);
  AddStop(p, 0.55, 0xFF1C1127);
  AddStop(p, 1.0, 0xFF07040C);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  // Faint gold dust.
  TSeededRandom random(3);
  for (int i = 0; i < 140; ++i) {
    SetColour(cr, MakeArgb(uint32_t(random.Range(20, 110)), 255, 222, 150));
    cairo_arc(cr, random.Range(0, kDesignWidth), random.Range(0, kDesignHeight), random.Range(0.5, 1.8), 0,
              2 * M_PI);
    cairo_fill(cr);
  }
}

void Emblem(cairo_t* cr, double x, double y) {
  PaintGlow(cr, x, y, 170, 0x50E8B85A);
  cairo_pattern_t* gold = GoldGradient(y - 80, y + 80);
  cairo_set_source(cr, gold);
  cairo_set_line_width(cr, 9);
  cairo_arc(cr, x - 34, y + 6, 54, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_arc(cr, x + 34, y + 6, 54, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_pattern_destroy(gold);
  HeartPath(cr, x, y - 22, 62);
  FillVertical(cr, y - 40, y + 30, 0xFFFF8FA3, 0xFFB01E3C);
  SetColour(cr, 0xFFFFE7B0);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void Ornament(cairo_t* cr, double y) {
  cairo_pattern_t* line = cairo_pattern_create_linear(kCentreX - 260, 0, kCentreX + 260, 0);
  AddStop(line, 0.0, 0x00E8B85A);
  AddStop(line, 0.5, 0xFFE8B85A);
  AddStop(line, 1.0, 0x00E8B85A);
  cairo_set_source(cr, line);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, kCentreX - 260, y);
  cairo_line_to(cr, kCentreX + 260, y);
  cairo_stroke(cr);
  cairo_pattern_destroy(line);
  StarPath(cr, kCentreX, y, 8, 3.2);
  SetColour(cr, 0xFFF2CF7A);
  cairo_fill(cr);
}

void Title(cairo_t* cr) {
  SelectFontFile(cr, kSerifBoldFont, 96);
  // Shadow, dark outline, then the gold letters.
  cairo_save(cr);
  cairo_translate(cr, 4, 6);
  CentredTextPath(cr, "Corvellane", kCentreX, 520);
  SetColour(cr, 0xA0000000);
  cairo_fill(cr);
  cairo_restore(cr);
  CentredTextPath(cr, "Corvellane", kCentreX, 520);
  SetColour(cr, 0xFF3A1E10);
  cairo_set_line_width(cr, 6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* gold = GoldGradient(440, 525);
  cairo_set_source(cr, gold);
  cairo_fill(cr);
  cairo_pattern_destroy(gold);

  SelectFontFile(cr, kSerifFont, 28);
  CentredTextPath(cr, "A Matchmaking Story", kCentreX, 572);
  SetColour(cr, 0xFFF4E2C0);
  cairo_fill(cr);
}

}  // namespace

// The part of the logo screen that holds the emblem and the title.
constexpr double kLogoLeft = 200, kLogoTop = 140, kLogoWidth = 624, kLogoHeight = 450;

void DrawGameLogo(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / kLogoWidth, height / kLogoHeight);
  cairo_translate(cr, -kLogoLeft, -kLogoTop);
  Emblem(cr, kCentreX, 300);
  Title(cr);
}

void DrawLogoScreen(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / kDesignWidth, height / kDesignHeight);
  Background(cr);
  SelectFontFile(cr, kSansFont, 20);
  CentredTextPath(cr, "T O L V O   G A M E S   P R E S E N T S", kCentreX, 110);
  SetColour(cr, 0xFFBFA7D8);
  cairo_fill(cr);
  Ornament(cr, 140);
  Emblem(cr, kCentreX, 300);
  Title(cr);
  Ornament(cr, 612);
}

}  // namespace corvellane
