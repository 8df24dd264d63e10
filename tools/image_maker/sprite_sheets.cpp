// Animation strips: frames side by side, each a square as tall as the strip.
// The last frame leads back into the first, so the strips loop.
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {
namespace {

// Runs `draw` once per frame with the context moved to the frame's centre
// and scaled so that the frame spans -1 .. 1.
template <class Draw>
void EachFrame(cairo_t* cr, int width, int height, int frames, Draw draw) {
  const double side = double(width) / frames;
  for (int i = 0; i < frames; ++i) {
    cairo_save(cr);
    cairo_rectangle(cr, i * side, 0, side, height);
    cairo_clip(cr);
    cairo_translate(cr, i * side + side / 2, height / 2.0);
    cairo_scale(cr, side / 2, height / 2.0);
    draw(2 * M_PI * i / frames);
    cairo_restore(cr);
  }
}

void Wing(cairo_t* cr, double spread, double lift, double size, uint32_t inner, uint32_t outer) {
  cairo_save(cr);
  cairo_scale(cr, spread, 1);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, 0.25 * size, -0.9 * size + lift, 0.95 * size, -0.75 * size + lift, 0.8 * size, 0);
  cairo_curve_to(cr, 0.7 * size, 0.4 * size, 0.25 * size, 0.55 * size, 0, 0.1 * size);
  cairo_close_path(cr);
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0.05, 0, 0, size);
  AddStop(p, 0, inner);
  AddStop(p, 1, outer);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColour(cr, 0xFF3A1A30);
  cairo_set_line_width(cr, 0.04);
  cairo_stroke(cr);
}

}  // namespace

void DrawStarTwinkle(cairo_t* cr, int width, int height) {
  EachFrame(cr, width, height, kStarFrames, [cr](double phase) {
    const double pulse = 0.5 + 0.5 * std::cos(phase);  // 1 at the first frame
    PaintGlow(cr, 0, 0, 0.55 + 0.4 * pulse, MakeArgb(uint32_t(90 + 120 * pulse), 255, 236, 170));
    StarPath(cr, 0, 0, 0.45 + 0.3 * pulse, 0.18 + 0.08 * pulse, phase / 5);
    cairo_pattern_t* gold = cairo_pattern_create_radial(0, 0, 0, 0, 0, 0.7);
    AddStop(gold, 0, 0xFFFFFFF0);
    AddStop(gold, 1, 0xFFFFC840);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    // The sparkle's cross flares.
    SetColour(cr, MakeArgb(uint32_t(120 + 135 * pulse), 255, 255, 240));
    cairo_set_line_width(cr, 0.05);
    const double flare = 0.55 + 0.4 * pulse;
    cairo_move_to(cr, -flare, 0);
    cairo_line_to(cr, flare, 0);
    cairo_move_to(cr, 0, -flare);
    cairo_line_to(cr, 0, flare);
    cairo_stroke(cr);
  });
}

void DrawButterflyFlutter(cairo_t* cr, int width, int height) {
  EachFrame(cr, width, height, kButterflyFrames, [cr](double phase) {
    // Wings seen from above: their width follows the beat, never quite closed.
    const double spread = 0.15 + 0.85 * (0.5 + 0.5 * std::cos(phase));
    const double bob = 0.06 * std::sin(phase);
    cairo_translate(cr, 0, bob);
    for (int side : {-1, 1}) {
      cairo_save(cr);
      cairo_scale(cr, side, 1);
      Wing(cr, spread, 0.0, 0.85, 0xFFFFE08A, 0xFFF07A2A);
      cairo_translate(cr, 0, 0.12);
      cairo_scale(cr, 1, -1);
      Wing(cr, spread * 0.8, 0.15, 0.55, 0xFFFFC0D0, 0xFFE0507A);
      cairo_restore(cr);
    }
    SetColour(cr, 0xFF3A1A30);
    cairo_save(cr);
    cairo_scale(cr, 0.07, 0.45);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.03);
    cairo_move_to(cr, -0.02, -0.42);
    cairo_curve_to(cr, -0.1, -0.6, -0.2, -0.7, -0.25, -0.72);
    cairo_move_to(cr, 0.02, -0.42);
    cairo_curve_to(cr, 0.1, -0.6, 0.2, -0.7, 0.25, -0.72);
    cairo_stroke(cr);
  });
}

}  // namespace corvellane
