// Interface pieces: dialog panel, buttons in their four looks, picture
// frame, mouse arrow, glow and heart. Each fills the size it is given.
#include <algorithm>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {
namespace {

// Soft shadow: the shape drawn several times, growing and fading.
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double radius, double spread) {
  for (int i = int(spread); i > 0; --i) {
    RoundedRectangle(cr, x - i + spread / 3, y - i + spread / 2, w + 2 * i, h + 2 * i, radius + i);
    SetColour(cr, MakeArgb(uint32_t(70 / spread), 20, 8, 20));
    cairo_fill(cr);
  }
}

struct TButtonLook {
  uint32_t top, bottom, border, shine;
  double sink;  // pressed buttons sit a pixel or two lower
};

void DrawButton(cairo_t* cr, int width, int height, const TButtonLook& look) {
  const double margin = std::max(2.0, height * 0.06);
  const double x = margin, y = margin + look.sink;
  const double w = width - 2 * margin, h = height - 2 * margin - 2;
  const double radius = h / 2;
  if (look.sink == 0) {
    RoundedRectangle(cr, x, y + 2, w, h, radius);
    SetColour(cr, 0x50000000);
    cairo_fill(cr);
  }
  RoundedRectangle(cr, x, y, w, h, radius);
  FillVertical(cr, y, y + h, look.top, look.bottom);
  SetColour(cr, look.border);
  cairo_set_line_width(cr, std::max(1.5, height * 0.04));
  cairo_stroke(cr);
  // Glossy band over the upper half.
  RoundedRectangle(cr, x + radius * 0.5, y + h * 0.08, w - radius, h * 0.42, h * 0.21);
  FillVertical(cr, y, y + h * 0.5, look.shine, look.shine & 0x00FFFFFF);
  cairo_new_path(cr);
}

}  // namespace

void DrawPanel(cairo_t* cr, int width, int height) {
  const double spread = std::max(2.0, std::min(width, height) * 0.03);
  const double x = spread, y = spread, w = width - 2.5 * spread, h = height - 2.5 * spread;
  const double radius = std::min(w, h) * 0.07;
  SoftShadow(cr, x, y, w, h, radius, spread);
  RoundedRectangle(cr, x, y, w, h, radius);
  FillVertical(cr, y, y + h, 0xFFFFF8EA, 0xFFF2DDBD);
  SetColour(cr, 0xFFB8863A);
  cairo_set_line_width(cr, std::max(2.0, spread * 0.5));
  cairo_stroke(cr);
  const double inset = spread * 1.1;
  RoundedRectangle(cr, x + inset, y + inset, w - 2 * inset, h - 2 * inset, radius * 0.7);
  SetColour(cr, 0xB0D7A95A);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Little hearts in the corners.
  const double s = std::max(6.0, inset * 1.3);
  for (auto [cx, cy] : {std::pair{x + inset * 2, y + inset * 1.6}, std::pair{x + w - inset * 2, y + inset * 1.6},
                        std::pair{x + inset * 2, y + h - inset * 2.6}, std::pair{x + w - inset * 2, y + h - inset * 2.6}}) {
    HeartPath(cr, cx, cy, s);
    SetColour(cr, 0xFFD8506A);
    cairo_fill(cr);
  }
}

void DrawButtonNormal(cairo_t* cr, int width, int height) {
  DrawButton(cr, width, height, {0xFFEE7A8E, 0xFFB8324E, 0xFF6E1A2C, 0x90FFFFFF, 0});
}
void DrawButtonHover(cairo_t* cr, int width, int height) {
  DrawButton(cr, width, height, {0xFFFF9DAE, 0xFFD64A66, 0xFF7E2236, 0xB0FFFFFF, 0});
}
void DrawButtonPressed(cairo_t* cr, int width, int height) {
  DrawButton(cr, width, height, {0xFFB8324E, 0xFFD55A70, 0xFF5A1222, 0x40FFFFFF, 2});
}
void DrawButtonDisabled(cairo_t* cr, int width, int height) {
  DrawButton(cr, width, height, {0xFFC9C0C4, 0xFF958A90, 0xFF5E565A, 0x60FFFFFF, 0});
}

void DrawFrame(cairo_t* cr, int width, int height) {
  const double border = std::max(6.0, std::min(width, height) * 0.09);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_rectangle(cr, border, border, width - 2 * border, height - 2 * border);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, width, height);
  AddStop(gold, 0.0, 0xFFF6D98C);
  AddStop(gold, 0.3, 0xFFB98530);
  AddStop(gold, 0.6, 0xFFF0CB74);
  AddStop(gold, 1.0, 0xFF8E5F1E);
  cairo_set_source(cr, gold);
  cairo_fill(cr);
  cairo_pattern_destroy(gold);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Bevel lines: light outside edge, dark inside edge, a bead in between.
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, 0xC0FFF6D8);
  cairo_rectangle(cr, 1, 1, width - 2, height - 2);
  cairo_stroke(cr);
  SetColour(cr, 0xC05A3A10);
  cairo_rectangle(cr, border - 1, border - 1, width - 2 * border + 2, height - 2 * border + 2);
  cairo_stroke(cr);
  SetColour(cr, 0x80FFF0C0);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, border / 2, border / 2, width - border, height - border);
  cairo_stroke(cr);
}

void DrawCursorArrow(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 32.0, height / 32.0);
  const auto arrow = [cr] {
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 23);
    cairo_line_to(cr, 6.5, 18);
    cairo_line_to(cr, 10.5, 27);
    cairo_line_to(cr, 14.5, 25.3);
    cairo_line_to(cr, 10.5, 16.5);
    cairo_line_to(cr, 17.5, 16.5);
    cairo_close_path(cr);
  };
  cairo_save(cr);
  cairo_translate(cr, 1.5, 1.5);
  arrow();
  SetColour(cr, 0x60000000);
  cairo_fill(cr);
  cairo_restore(cr);
  arrow();
  FillVertical(cr, 1, 27, 0xFFFFFFFF, 0xFFFFE0E8);
  SetColour(cr, 0xFF3A1626);
  cairo_set_line_width(cr, 1.4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void DrawGlow(cairo_t* cr, int width, int height) {
  cairo_translate(cr, width / 2.0, height / 2.0);
  cairo_scale(cr, width / 2.0, height / 2.0);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  AddStop(p, 0.0, 0xFFFFFFF0);
  AddStop(p, 0.2, 0xC0FFF0C0);
  AddStop(p, 0.5, 0x50FFD890);
  AddStop(p, 1.0, 0x00FFD890);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

// A ring of golden rays around an empty middle, for the heart of the town to
// wear as a halo while it slowly turns: long and short rays by turns, fading
// outwards, and a string of beads where they start.
void DrawHalo(cairo_t* cr, int width, int height) {
  constexpr int kRays = 24;
  constexpr double kInner = 0.46;
  cairo_translate(cr, width / 2.0, height / 2.0);
  cairo_scale(cr, width / 2.0, height / 2.0);
  cairo_pattern_t* gold = cairo_pattern_create_radial(0, 0, kInner, 0, 0, 1);
  AddStop(gold, 0.0, 0xF0FFE6A0);
  AddStop(gold, 0.6, 0x90F0B850);
  AddStop(gold, 1.0, 0x00E09030);
  for (int i = 0; i < kRays; ++i) {
    const double angle = 2 * M_PI * i / kRays;
    const double reach = i % 2 == 0 ? 1.0 : 0.8;
    const double half_width = i % 2 == 0 ? 0.07 : 0.05;
    cairo_save(cr);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, kInner + 0.02, -half_width);
    cairo_line_to(cr, reach, 0);
    cairo_line_to(cr, kInner + 0.02, half_width);
    cairo_close_path(cr);
    cairo_restore(cr);
  }
  cairo_set_source(cr, gold);
  cairo_fill(cr);
  cairo_pattern_destroy(gold);
  SetColour(cr, 0xE0FFF0C8);
  for (int i = 0; i < kRays; ++i) {
    const double angle = 2 * M_PI * (i + 0.5) / kRays;
    cairo_arc(cr, kInner * std::cos(angle), kInner * std::sin(angle), 0.018, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void DrawHeart(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 64.0, height / 64.0);
  HeartPath(cr, 32, 12, 54);
  cairo_pattern_t* red = cairo_pattern_create_radial(22, 20, 2, 32, 32, 40);
  AddStop(red, 0, 0xFFFFB0BE);
  AddStop(red, 0.5, 0xFFE8405E);
  AddStop(red, 1, 0xFF9A1634);
  cairo_set_source(cr, red);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(red);
  SetColour(cr, 0xFF6E0E24);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 1, 0.55);
  cairo_arc(cr, 0, 0, 7, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColour(cr, 0xA0FFFFFF);
  cairo_fill(cr);
}

}  // namespace corvellane
