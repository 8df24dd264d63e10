// Pieces of the profile and name dialogs: the field a name is typed into
// (also the frame of the list of players), the highlight of the chosen row
// and the little round buttons that scroll the list. Each fills the size it
// is given.
#include <algorithm>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {
namespace {

struct RoundButtonLook {
  uint32_t light, dark, rim, arrow;
};

// A rose disc with a cream arrow pointing up (or down).
void RoundArrowButton(cairo_t* cr, int width, int height, bool up, const RoundButtonLook& look) {
  const double r = std::min(width, height) / 2.0 - 1.5;
  const double cx = width / 2.0;
  const double cy = height / 2.0;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, 1, cx, cy, r);
  AddStop(p, 0, look.light);
  AddStop(p, 1, look.dark);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColour(cr, look.rim);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  const double s = r * 0.5;
  const double tip = up ? cy - s : cy + s;
  const double base = up ? cy + s * 0.6 : cy - s * 0.6;
  cairo_move_to(cr, cx, tip);
  cairo_line_to(cr, cx + s, base);
  cairo_line_to(cr, cx - s, base);
  cairo_close_path(cr);
  SetColour(cr, look.arrow);
  cairo_fill(cr);
}

constexpr RoundButtonLook kArrowNormal{0xFFF08A9C, 0xFFB8324E, 0xFF6E1A2C, 0xFFFFF8EC};
constexpr RoundButtonLook kArrowHover{0xFFFFB0BE, 0xFFD64A66, 0xFF7E2236, 0xFFFFFFFF};

}  // namespace

void DrawTextField(cairo_t* cr, int width, int height) {
  const double radius = std::min(10.0, height * 0.25);
  RoundedRectangle(cr, 1.5, 1.5, width - 3, height - 3, radius);
  FillVertical(cr, 1.5, height - 1.5, 0xFFE6D2B2, 0xFFFFFBF2);
  SetColour(cr, 0xFFB8863A);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // The inner shadow along the top edge makes it look sunken.
  RoundedRectangle(cr, 4, 4, width - 8, std::min(8.0, height - 8.0), radius * 0.6);
  SetColour(cr, 0x30000000);
  cairo_fill(cr);
}

void DrawListHighlight(cairo_t* cr, int width, int height) {
  RoundedRectangle(cr, 1, 1, width - 2, height - 2, (height - 2) / 2.5);
  FillVertical(cr, 1, height - 1, 0xFFE6637A, 0xFFB8324E);
}

void DrawArrowUp(cairo_t* cr, int width, int height) { RoundArrowButton(cr, width, height, true, kArrowNormal); }
void DrawArrowUpHover(cairo_t* cr, int width, int height) { RoundArrowButton(cr, width, height, true, kArrowHover); }
void DrawArrowDown(cairo_t* cr, int width, int height) { RoundArrowButton(cr, width, height, false, kArrowNormal); }
void DrawArrowDownHover(cairo_t* cr, int width, int height) { RoundArrowButton(cr, width, height, false, kArrowHover); }

}  // namespace corvellane
