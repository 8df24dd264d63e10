// Pieces of the option dialogs' controls: check box, track bar (slider) and
// progress bar. Each fills the size it is given.
#include <algorithm>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {
namespace {

void Stroke(cairo_t* cr, uint32_t colour, double width) {
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A sunken cream box with a gold rim.
void Box(cairo_t* cr, double side) {
  RoundedRectangle(cr, 2, 2, side - 4, side - 4, side * 0.18);
  FillVertical(cr, 2, side - 2, 0xFFE9D6B8, 0xFFFFF8EA);
  Stroke(cr, 0xFFB8863A, std::max(1.5, side * 0.07));
}

// A pill-shaped groove across the middle of the picture.
void Groove(cairo_t* cr, int width, int height, double thickness) {
  const double y = (height - thickness) / 2;
  RoundedRectangle(cr, 1, y, width - 2, thickness, thickness / 2);
  FillVertical(cr, y, y + thickness, 0xFF8E6A4E, 0xFFD9BFA0);
  Stroke(cr, 0xFF5A3A28, 1.2);
}

}  // namespace

void DrawCheckBoxOff(cairo_t* cr, int width, int height) { Box(cr, std::min(width, height)); }

void DrawCheckBoxOn(cairo_t* cr, int width, int height) {
  const double side = std::min(width, height);
  Box(cr, side);
  // A rose tick.
  cairo_move_to(cr, side * 0.22, side * 0.52);
  cairo_line_to(cr, side * 0.43, side * 0.74);
  cairo_line_to(cr, side * 0.80, side * 0.24);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, 0xFFC8283F, side * 0.14);
}

void DrawSliderTrack(cairo_t* cr, int width, int height) { Groove(cr, width, height, std::max(4.0, height * 0.35)); }

void DrawSliderKnob(cairo_t* cr, int width, int height) {
  const double r = std::min(width, height) / 2.0 - 1.5;
  cairo_arc(cr, width / 2.0, height / 2.0 + 1, r, 0, 2 * M_PI);
  SetColour(cr, 0x50000000);
  cairo_fill(cr);
  cairo_arc(cr, width / 2.0, height / 2.0, r, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(width * 0.4, height * 0.35, 1, width / 2.0, height / 2.0, r);
  AddStop(p, 0, 0xFFFFB8C6);
  AddStop(p, 1, 0xFFB8324E);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Stroke(cr, 0xFF6E1A2C, 1.5);
}

void DrawProgressFrame(cairo_t* cr, int width, int height) {
  RoundedRectangle(cr, 1.5, 1.5, width - 3, height - 3, (height - 3) / 2.0);
  FillVertical(cr, 0, height, 0xFF5A3A48, 0xFF8E6A78);
  Stroke(cr, 0xFFE7C27A, 2);
}

void DrawProgressFill(cairo_t* cr, int width, int height) {
  const double inset = std::max(3.0, height * 0.18);
  RoundedRectangle(cr, inset, inset, width - 2 * inset, height - 2 * inset, (height - 2 * inset) / 2);
  FillVertical(cr, inset, height - inset, 0xFFFFA8BA, 0xFFD8405E);
  cairo_new_path(cr);
  RoundedRectangle(cr, inset * 1.6, inset * 1.2, width - 3.2 * inset, (height - 2 * inset) * 0.4,
                   (height - 2 * inset) * 0.2);
  SetColour(cr, 0x60FFFFFF);
  cairo_fill(cr);
}

}  // namespace corvellane
