#include "tools/image_maker/emoji_picture.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/utf8_code_point.h"
#include "persistence/number_text.h"
#include "tools/media_common/tool_options.h"

namespace corvellane {
namespace {

struct TFreeType {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~TFreeType() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

// The premultiplied glyph as floats (b, g, r, a per pixel), top row first.
struct TPremultiplied {
  int width = 0;
  int height = 0;
  std::vector<std::array<float, 4>> pixels;
};

TPremultiplied LoadColourGlyph(const char* font_file, char32_t character) {
  TFreeType ft;
  if (FT_Init_FreeType(&ft.library) != 0) throw EToolError("FreeType could not start");
  if (FT_New_Face(ft.library, font_file, 0, &ft.face) != 0) throw EToolError(std::string("not a font: ") + font_file);
  // Colour bitmap fonts carry fixed strikes; the largest has the most detail.
  if (ft.face->num_fixed_sizes > 0 && FT_Select_Size(ft.face, ft.face->num_fixed_sizes - 1) != 0)
    throw EToolError("the emoji font's bitmap size cannot be selected");
  const FT_UInt index = FT_Get_Char_Index(ft.face, FT_ULong(character));
  if (index == 0) throw EToolError("the emoji font has no such character");
  if (FT_Load_Glyph(ft.face, index, FT_LOAD_COLOR) != 0) throw EToolError("the emoji cannot be loaded");
  if (ft.face->glyph->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(ft.face->glyph, FT_RENDER_MODE_NORMAL) != 0)
    throw EToolError("the emoji cannot be drawn");
  const FT_Bitmap& bitmap = ft.face->glyph->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_BGRA || bitmap.pitch < 0) throw EToolError("the emoji is not a colour bitmap");

  TPremultiplied glyph{int(bitmap.width), int(bitmap.rows), {}};
  glyph.pixels.resize(size_t(glyph.width) * size_t(glyph.height));
  for (int y = 0; y < glyph.height; ++y) {
    const uint8_t* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x)
      for (int c = 0; c < 4; ++c) glyph.pixels[size_t(y) * size_t(glyph.width) + size_t(x)][size_t(c)] = row[x * 4 + c];
  }
  return glyph;
}

// Area-weighted average of the source pixels under each target pixel.
std::array<float, 4> AreaAverage(const TPremultiplied& glyph, double x0, double y0, double x1, double y1) {
  std::array<float, 4> sum{};
  for (int sy = int(std::floor(y0)); sy < int(std::ceil(y1)); ++sy) {
    const double wy = std::min<double>(sy + 1, y1) - std::max<double>(sy, y0);
    for (int sx = int(std::floor(x0)); sx < int(std::ceil(x1)); ++sx) {
      const double wx = std::min<double>(sx + 1, x1) - std::max<double>(sx, x0);
      if (sx < 0 || sy < 0 || sx >= glyph.width || sy >= glyph.height || wx <= 0 || wy <= 0) continue;
      const auto& p = glyph.pixels[size_t(sy) * size_t(glyph.width) + size_t(sx)];
      for (int c = 0; c < 4; ++c) sum[size_t(c)] += float(p[size_t(c)] * wx * wy);
    }
  }
  // Parts of the target outside the glyph count as transparent.
  const double area = (x1 - x0) * (y1 - y0);
  for (float& s : sum) s = area > 0 ? float(s / area) : 0.0f;
  return sum;
}

uint32_t PackPremultiplied(const std::array<float, 4>& bgra) {
  const auto byte = [](float v) { return uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
  return MakeArgb(byte(bgra[3]), byte(bgra[2]), byte(bgra[1]), byte(bgra[0]));
}

}  // namespace

TRgbaImage DrawEmoji(const char* font_file, char32_t character, int size) {
  if (size < 1 || size > 4096) throw EToolError("emoji size must be 1..4096");
  const TPremultiplied glyph = LoadColourGlyph(font_file, character);
  if (glyph.width == 0 || glyph.height == 0) throw EToolError("the emoji is empty");
  const double scale = double(size) / std::max(glyph.width, glyph.height);
  const double offset_x = (size - glyph.width * scale) / 2;
  const double offset_y = (size - glyph.height * scale) / 2;
  TRgbaImage picture(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const auto p = AreaAverage(glyph, (x - offset_x) / scale, (y - offset_y) / scale, (x + 1 - offset_x) / scale,
                                 (y + 1 - offset_y) / scale);
      picture.Set(x, y, Unpremultiply(PackPremultiplied(p)));
    }
  }
  return picture;
}

std::optional<char32_t> ParseEmoji(std::string_view text) {
  std::string_view hex = text;
  if (hex.starts_with("U+") || hex.starts_with("u+")) hex.remove_prefix(2);
  if (!hex.empty() && hex.size() <= 6 && hex.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos) {
    if (std::optional<int32_t> code = ParseInt("$" + std::string(hex)); code && *code > 0 && *code <= 0x10FFFF)
      return char32_t(*code);
    return std::nullopt;
  }
  // The character itself, optionally followed by the emoji variation selector.
  std::optional<uint32_t> code = FirstCodePoint(text);
  if (!code) return std::nullopt;
  return char32_t(*code);
}

}  // namespace corvellane
