// glyph_style.h: how a glyph's coverage becomes coloured pixels.
//
// The plain style is white ink whose alpha is the coverage, so the engine
// can tint the text. Titles bake their look into the sheet instead: a fill
// (one colour or a vertical gradient from the top of the capitals to the
// baseline), an outline of some pixels around the ink, and a soft drop
// shadow under both. The glyph cell grows by the room these need
// (Padding), on every side the same for all glyphs except the shadow's
// offset side.
//
//   TGlyphStyle style;
//   style.fill_top = 0xFFFFE9A0; style.fill_bottom = 0xFFE08A20;
//   style.outline_width = 2; style.outline_colour = 0xFF5A2A10;
//   TRgbaImage cell = DrawStyledGlyph(glyph, style, {ascent, cap_height, line_height});
#pragma once

#include <cstdint>

#include "tools/font_maker/glyph_rasteriser.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {

struct TGlyphStyle {
  uint32_t fill_top = 0xFFFFFFFF;
  uint32_t fill_bottom = 0xFFFFFFFF;  // the same as the top: no gradient
  int outline_width = 0;
  uint32_t outline_colour = 0xFF000000;
  int shadow_x = 0;  // shadow offset; no shadow when the colour is transparent
  int shadow_y = 0;
  int shadow_blur = 0;  // radius of the softening
  uint32_t shadow_colour = 0;

  bool HasShadow() const { return (shadow_colour >> 24) != 0; }
};

// Extra pixels around the ink on each side of a cell.
struct TGlyphPadding {
  int left = 0, top = 0, right = 0, bottom = 0;
};
TGlyphPadding PaddingFor(const TGlyphStyle& style);

// Where a glyph sits on its line, in pixels.
struct TLineMetrics {
  int ascent = 0;      // line top to baseline
  int cap_height = 0;  // baseline to the top of the capitals; the gradient spans this
  int height = 0;      // the whole line
};

// The glyph drawn into a cell whose height is the padded line (every cell of
// a font has the same height, so lines set on the top of their cells line
// up on one baseline) and whose width is the padded ink.
TRgbaImage DrawStyledGlyph(const TGlyphBitmap& glyph, const TGlyphStyle& style, const TLineMetrics& line);

}  // namespace corvellane
