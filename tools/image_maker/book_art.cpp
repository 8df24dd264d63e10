// book_art.cpp: the agency's desk and the pairs book: the desk's wooden top,
// the paper card of a person, the open book with its ribbon, the stacks of
// pages at its edges (a strip of frames, thinner to thicker), the tabs that
// turn to a spread and the tick of a category both people like.
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {

namespace {

// Grain lines across a wooden board, the same each time.
void WoodGrain(cairo_t* cr, int width, int height, uint32_t line) {
  SetColour(cr, line);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < height; i += 9) {
    const double wave = 3.0 * std::sin(i * 0.37);
    cairo_move_to(cr, 0, i + wave);
    for (int x = 0; x <= width; x += 64) cairo_line_to(cr, x, i + wave + 2.5 * std::sin((x + i * 3) * 0.011));
    cairo_stroke(cr);
  }
}

void PaperSheet(cairo_t* cr, double x, double y, double w, double h, uint32_t top, uint32_t bottom) {
  RoundedRectangle(cr, x, y, w, h, 6);
  FillVertical(cr, y, y + h, top, bottom);
  SetColour(cr, 0x60806040);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

// Five frames side by side, each a stack of `pages(frame)` pages' edges
// leaning towards the book's outer edge at `outer` (0 left, 1 right).
void PageStacks(cairo_t* cr, int width, int height, int outer, int (*pages)(int)) {
  const int frame = width / 5;
  for (int f = 0; f < 5; ++f)
    for (int page = 0; page < pages(f); ++page) {
      const double step = (frame - 6) / 5.0;
      const double x = outer ? f * frame + 2 + page * step : f * frame + frame - 5 - page * step;
      cairo_rectangle(cr, x, 6 + page, 3, height - 12 - 2 * page);
      SetColour(cr, page % 2 ? 0xFFF4E6C8 : 0xFFE2CCA0);
      cairo_fill(cr);
    }
}

}  // namespace

void DrawDesk(cairo_t* cr, int width, int height) {
  cairo_rectangle(cr, 0, 0, width, height);
  FillVertical(cr, 0, height, 0xFF8A5A36, 0xFF5E3A20);
  WoodGrain(cr, width, height, 0x30201008);
  // A blotter under the cards, a pen and a cup of tea in the corner.
  RoundedRectangle(cr, 60, 150, width - 120, height - 230, 10);
  SetColour(cr, 0xFF3E5A48);
  cairo_fill(cr);
  SetColour(cr, 0xFF2A3E32);
  cairo_set_line_width(cr, 4);
  RoundedRectangle(cr, 60, 150, width - 120, height - 230, 10);
  cairo_stroke(cr);
  cairo_arc(cr, width - 90, 80, 38, 0, 2 * M_PI);
  SetColour(cr, 0xFFF4EEE2);
  cairo_fill(cr);
  cairo_arc(cr, width - 90, 80, 28, 0, 2 * M_PI);
  SetColour(cr, 0xFFB0703A);
  cairo_fill(cr);
  cairo_move_to(cr, 40, 110);
  cairo_line_to(cr, 230, 60);
  SetColour(cr, 0xFF202030);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
}

void DrawPersonCard(cairo_t* cr, int width, int height) {
  PaperSheet(cr, 2, 2, width - 4, height - 4, 0xFFFFFBF0, 0xFFF0E2C8);
  // The five rows of likes, ruled like an index card.
  SetColour(cr, 0x80C07080);
  cairo_set_line_width(cr, 1.0);
  for (int row = 0; row <= 5; ++row) {
    cairo_move_to(cr, 10, 180 + 40 * row);
    cairo_line_to(cr, width - 10, 180 + 40 * row);
    cairo_stroke(cr);
  }
  HeartPath(cr, width - 24, 12, 14);
  SetColour(cr, 0xFFD8506A);
  cairo_fill(cr);
}

void DrawPairsBook(cairo_t* cr, int width, int height) {
  cairo_rectangle(cr, 0, 0, width, height);
  FillVertical(cr, 0, height, 0xFF4A2E22, 0xFF2E1C14);
  WoodGrain(cr, width, height, 0x24000000);
  // The leather cover, then the two pages with the fold between them.
  RoundedRectangle(cr, 50, 30, width - 100, height - 60, 18);
  FillVertical(cr, 30, height - 30, 0xFF8E2436, 0xFF5E1422);
  SetColour(cr, 0xFFD8B060);
  cairo_set_line_width(cr, 3);
  RoundedRectangle(cr, 62, 42, width - 124, height - 84, 14);
  cairo_stroke(cr);
  const double page_top = 60, page_bottom = height - 60, middle = width / 2.0;
  for (int side : {-1, 1}) {
    const double outer = middle + side * (middle - 95);
    cairo_move_to(cr, middle, page_top + 8);
    cairo_curve_to(cr, middle + side * 120, page_top - 6, outer - side * 60, page_top, outer, page_top + 4);
    cairo_line_to(cr, outer, page_bottom - 4);
    cairo_curve_to(cr, outer - side * 60, page_bottom, middle + side * 120, page_bottom - 6, middle, page_bottom - 8);
    cairo_close_path(cr);
    FillVertical(cr, page_top, page_bottom, 0xFFFFF8E8, 0xFFF0E0C0);
  }
  cairo_pattern_t* fold = cairo_pattern_create_linear(middle - 30, 0, middle + 30, 0);
  AddStop(fold, 0, 0x00000000);
  AddStop(fold, 0.5, 0x60402010);
  AddStop(fold, 1, 0x00000000);
  cairo_rectangle(cr, middle - 30, page_top, 60, page_bottom - page_top);
  cairo_set_source(cr, fold);
  cairo_fill(cr);
  cairo_pattern_destroy(fold);
  // The ribbon marker.
  cairo_move_to(cr, middle + 6, page_top);
  cairo_line_to(cr, middle + 22, page_top);
  cairo_line_to(cr, middle + 22, height - 20);
  cairo_line_to(cr, middle + 14, height - 32);
  cairo_line_to(cr, middle + 6, height - 20);
  cairo_close_path(cr);
  SetColour(cr, 0xFFD8A030);
  cairo_fill(cr);
}

// The left edge: frame f holds the f spreads already read.
void DrawPageEdge(cairo_t* cr, int width, int height) {
  PageStacks(cr, width, height, 0, [](int f) { return f; });
}

// The right edge: frame f holds the 4 - f spreads still ahead.
void DrawPageEdgeRight(cairo_t* cr, int width, int height) {
  PageStacks(cr, width, height, 1, [](int f) { return 4 - f; });
}

void DrawBookTab(cairo_t* cr, int width, int height) {
  RoundedRectangle(cr, 1, 1, width - 2, height - 2, 8);
  FillVertical(cr, 1, height - 1, 0xFFF0C060, 0xFFC08A30);
  SetColour(cr, 0xFF7A5218);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  HeartPath(cr, width / 2.0, height * 0.3, height * 0.4);
  SetColour(cr, 0xFFD8506A);
  cairo_fill(cr);
}

void DrawCategoryTick(cairo_t* cr, int width, int height) {
  cairo_move_to(cr, width * 0.15, height * 0.55);
  cairo_line_to(cr, width * 0.42, height * 0.82);
  cairo_line_to(cr, width * 0.88, height * 0.18);
  SetColour(cr, 0xFF2E8A3E);
  cairo_set_line_width(cr, std::max(3.0, width * 0.14));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

}  // namespace corvellane
