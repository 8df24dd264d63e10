// The program's icon, for the desktop's menus and task bar: the agency's
// glossy heart on a rounded square of dusk sky with a few stars, drawn to
// any size (the installation makes 48, 128 and 256 pixels).
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {

void DrawAppIcon(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 256.0, height / 256.0);
  RoundedRectangle(cr, 8, 8, 240, 240, 48);
  FillVertical(cr, 8, 248, 0xFF2A2354, 0xFFE88A6A);
  cairo_new_path(cr);
  SetColour(cr, 0xFFFFF4D6);
  for (const auto& [x, y, size] : {std::array{62.0, 58.0, 9.0}, std::array{196.0, 46.0, 7.0}, std::array{210.0, 104.0, 5.0}}) {
    StarPath(cr, x, y, size, size * 0.4);
    cairo_fill(cr);
  }
  PaintGlow(cr, 128, 140, 110, 0x80FFC8D0);
  cairo_save(cr);
  cairo_translate(cr, 48, 58);
  cairo_scale(cr, 2.5, 2.5);
  DrawHeart(cr, 64, 64);
  cairo_restore(cr);
}

}  // namespace corvellane
