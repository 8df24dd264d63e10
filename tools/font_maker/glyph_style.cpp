#include "tools/font_maker/glyph_style.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace corvellane {
namespace {

// A float mask the size of the cell.
struct TMask {
  int width = 0;
  int height = 0;
  std::vector<float> values;
  TMask(int w, int h) : width(w), height(h), values(size_t(w) * size_t(h), 0.0f) {}
  float At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return values[size_t(y) * size_t(width) + size_t(x)];
  }
  float& Ref(int x, int y) { return values[size_t(y) * size_t(width) + size_t(x)]; }
};

TMask InkMask(const TGlyphBitmap& glyph, int cell_width, int cell_height, int ink_x, int ink_y) {
  TMask mask(cell_width, cell_height);
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x)
      if (ink_x + x < cell_width && ink_y + y >= 0 && ink_y + y < cell_height)
        mask.Ref(ink_x + x, ink_y + y) = glyph.At(x, y) / 255.0f;
  return mask;
}

// Grows the ink by `radius` pixels with a round pen: every pixel takes the
// strongest ink within the disc, faded over the disc's last pixel so the
// outline's own edge stays smooth.
TMask Dilate(const TMask& ink, int radius) {
  TMask grown(ink.width, ink.height);
  for (int y = 0; y < ink.height; ++y) {
    for (int x = 0; x < ink.width; ++x) {
      float best = 0.0f;
      for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
          const float reach = std::clamp(radius + 0.5f - std::sqrt(float(dx * dx + dy * dy)), 0.0f, 1.0f);
          best = std::max(best, ink.At(x + dx, y + dy) * reach);
        }
      }
      grown.Ref(x, y) = best;
    }
  }
  return grown;
}

// One pass of a box blur along x (dx = 1) or y (dy = 1).
TMask BoxPass(const TMask& in, int radius, int dx, int dy) {
  TMask out(in.width, in.height);
  const float scale = 1.0f / float(2 * radius + 1);
  for (int y = 0; y < in.height; ++y) {
    for (int x = 0; x < in.width; ++x) {
      float sum = 0.0f;
      for (int k = -radius; k <= radius; ++k) sum += in.At(x + k * dx, y + k * dy);
      out.Ref(x, y) = sum * scale;
    }
  }
  return out;
}

// Three box passes each way come close to a Gaussian of the radius.
TMask Soften(TMask mask, int radius) {
  const int step = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) mask = BoxPass(BoxPass(mask, step, 1, 0), step, 0, 1);
  return mask;
}

TMask Shifted(const TMask& mask, int sx, int sy) {
  TMask out(mask.width, mask.height);
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) out.Ref(x, y) = mask.At(x - sx, y - sy);
  return out;
}

void Layer(TRgbaImage& cell, const TMask& mask, auto colour_at_row) {
  for (int y = 0; y < cell.Height(); ++y) {
    const uint32_t colour = colour_at_row(y);
    for (int x = 0; x < cell.Width(); ++x)
      if (float a = mask.At(x, y); a > 0.0f) cell.BlendOver(x, y, WithCoverage(colour, a));
  }
}

}  // namespace

TGlyphPadding PaddingFor(const TGlyphStyle& style) {
  const int outline = std::max(0, style.outline_width);
  const int blur = style.HasShadow() ? std::max(0, style.shadow_blur) : 0;
  const int sx = style.HasShadow() ? style.shadow_x : 0;
  const int sy = style.HasShadow() ? style.shadow_y : 0;
  return {outline + blur + std::max(0, -sx), outline + blur + std::max(0, -sy), outline + blur + std::max(0, sx),
          outline + blur + std::max(0, sy)};
}

TRgbaImage DrawStyledGlyph(const TGlyphBitmap& glyph, const TGlyphStyle& style, const TLineMetrics& line) {
  const TGlyphPadding pad = PaddingFor(style);
  const int width = glyph.width + pad.left + pad.right;
  const int height = line.height + pad.top + pad.bottom;
  TRgbaImage cell(width, height);
  if (glyph.width == 0 || glyph.height == 0) return cell;

  const TMask ink = InkMask(glyph, width, height, pad.left, pad.top + line.ascent - glyph.top);
  const TMask body = style.outline_width > 0 ? Dilate(ink, style.outline_width) : ink;
  if (style.HasShadow()) {
    const TMask soft = style.shadow_blur > 0 ? Soften(body, style.shadow_blur) : body;
    Layer(cell, Shifted(soft, style.shadow_x, style.shadow_y), [&](int) { return style.shadow_colour; });
  }
  if (style.outline_width > 0) Layer(cell, body, [&](int) { return style.outline_colour; });
  // The gradient runs from the top of the capitals to the baseline; accents
  // above keep the top colour and descenders the bottom one.
  const int gradient_top = pad.top + line.ascent - line.cap_height;
  Layer(cell, ink, [&](int y) {
    return MixColours(style.fill_top, style.fill_bottom, float(y - gradient_top) / float(std::max(1, line.cap_height)));
  });
  return cell;
}

}  // namespace corvellane
