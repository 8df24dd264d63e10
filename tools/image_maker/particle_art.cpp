// particle_art.cpp: the small pictures particle systems tint and scatter
// (a sparkle, an ember, a dust mote; white, for the systems' colours) and
// the sleepy cat of the main screen, a strip of poses the state-machine
// widget switches between.
#include <cairo.h>

#include <cmath>
#include <numbers>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {

namespace {

// A soft round dot: opaque in the middle, gone at the edge.
void SoftDot(cairo_t* cr, int width, int height, double core) {
  cairo_translate(cr, width / 2.0, height / 2.0);
  cairo_scale(cr, width / 2.0, height / 2.0);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  AddStop(p, 0.0, 0xFFFFFFFF);
  AddStop(p, core, 0xC0FFFFFF);
  AddStop(p, 1.0, 0x00FFFFFF);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

// The cat's eyes: open (looking by dx), or closed as two small arcs.
void Eyes(cairo_t* cr, bool open, double dx) {
  for (double x : {32.0, 46.0}) {
    if (open) {
      SetColour(cr, 0xFFE8D060);
      cairo_arc(cr, x, 24, 3.6, 0, 2 * std::numbers::pi);
      cairo_fill(cr);
      SetColour(cr, 0xFF201810);
      cairo_arc(cr, x + dx, 24, 1.6, 0, 2 * std::numbers::pi);
      cairo_fill(cr);
    } else {
      SetColour(cr, 0xFF201810);
      cairo_set_line_width(cr, 1.4);
      cairo_arc(cr, x, 23, 3.2, 0.2, std::numbers::pi - 0.2);
      cairo_stroke(cr);
    }
  }
}

// Left, top and size of the two "z"s over the dozing cat.
constexpr double kBigZ[] = {58, 6, 7};
constexpr double kSmallZ[] = {67, 1, 5};

// One pose in an 80 x 64 cell: 0 sitting, 1 blinking, 2 and 3 looking
// left and right, 4 dozing with its head low.
void CatPose(cairo_t* cr, int pose) {
  const double head_drop = pose == 4 ? 10 : 0;
  SetColour(cr, 0xFF4A3A34);
  // Tail curled round the feet, body, head and ears.
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, 58, 58);
  cairo_curve_to(cr, 76, 58, 76, 40, 66, 36);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 44, 46);
  cairo_scale(cr, 20, 16);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_arc(cr, 39, 24 + head_drop, 14, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 39 + side * 13, 18 + head_drop);
    cairo_line_to(cr, 39 + side * 11, 4 + head_drop);
    cairo_line_to(cr, 39 + side * 3, 12 + head_drop);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 0, head_drop);
  Eyes(cr, pose == 0 || pose == 2 || pose == 3, pose == 2 ? -1.6 : (pose == 3 ? 1.6 : 0));
  SetColour(cr, 0xFFE89AA0);
  cairo_arc(cr, 39, 30, 1.6, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  cairo_restore(cr);
  if (pose == 4) {
    // Two small "z"s drawn as strokes, rising from the sleeping head.
    SetColour(cr, 0xC0FFFFFF);
    cairo_set_line_width(cr, 1.3);
    for (const double* z : {kBigZ, kSmallZ}) {
      cairo_move_to(cr, z[0], z[1]);
      cairo_rel_line_to(cr, z[2], 0);
      cairo_rel_line_to(cr, -z[2], z[2]);
      cairo_rel_line_to(cr, z[2], 0);
      cairo_stroke(cr);
    }
  }
}

}  // namespace

void DrawSparkle(cairo_t* cr, int width, int height) {
  SoftDot(cr, width, height, 0.25);
  cairo_identity_matrix(cr);
  // A four-pointed star over the dot.
  cairo_translate(cr, width / 2.0, height / 2.0);
  cairo_scale(cr, width / 2.0, height / 2.0);
  SetColour(cr, 0xFFFFFFFF);
  for (int i = 0; i < 4; ++i) {
    const double a = i * std::numbers::pi / 2;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, std::cos(a - 0.18) * 0.3, std::sin(a - 0.18) * 0.3);
    cairo_line_to(cr, std::cos(a), std::sin(a));
    cairo_line_to(cr, std::cos(a + 0.18) * 0.3, std::sin(a + 0.18) * 0.3);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
}

void DrawEmber(cairo_t* cr, int width, int height) { SoftDot(cr, width, height, 0.45); }

void DrawDustMote(cairo_t* cr, int width, int height) { SoftDot(cr, width, height, 0.15); }

void DrawCatIdle(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / (80.0 * kCatPoses), height / 64.0);
  for (int pose = 0; pose < kCatPoses; ++pose) {
    cairo_save(cr);
    cairo_translate(cr, 80.0 * pose, 0);
    CatPose(cr, pose);
    cairo_restore(cr);
  }
}

}  // namespace corvellane
