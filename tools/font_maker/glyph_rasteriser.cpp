#include "tools/font_maker/glyph_rasteriser.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>

#include "tools/media_common/tool_options.h"

namespace corvellane {

struct TGlyphRasteriser::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Handles() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

namespace {

// 26.6 fixed point to whole pixels, rounding away from the baseline.
int CeilPixels(FT_Pos value) { return int((value + 63) >> 6); }

}  // namespace

TGlyphRasteriser::TGlyphRasteriser(const std::string& font_file, int pixel_size)
    : handles_(std::make_unique<Handles>()) {
  if (pixel_size < 4 || pixel_size > 512) throw EToolError("pixel size must be 4..512");
  if (FT_Init_FreeType(&handles_->library) != 0) throw EToolError("FreeType could not start");
  if (FT_New_Face(handles_->library, font_file.c_str(), 0, &handles_->face) != 0)
    throw EToolError("not a font file: " + font_file);
  if (!FT_IS_SCALABLE(handles_->face) || FT_Set_Pixel_Sizes(handles_->face, 0, FT_UInt(pixel_size)) != 0)
    throw EToolError("the font cannot be scaled: " + font_file);
  ascent_ = CeilPixels(handles_->face->size->metrics.ascender);
  descent_ = CeilPixels(-handles_->face->size->metrics.descender);
}

TGlyphRasteriser::~TGlyphRasteriser() = default;

std::optional<TGlyphBitmap> TGlyphRasteriser::Render(char32_t character) {
  FT_Face face = handles_->face;
  const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(character));
  if (index == 0) return std::nullopt;
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0) return std::nullopt;
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_LIGHT) != 0) return std::nullopt;
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  // FreeType renders grey bitmaps top down; anything else is not expected.
  if (bitmap.width > 0 && (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < 0)) return std::nullopt;

  TGlyphBitmap glyph;
  glyph.width = int(bitmap.width);
  glyph.height = int(bitmap.rows);
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.advance = int((face->glyph->advance.x + 32) >> 6);
  glyph.coverage.resize(size_t(glyph.width) * size_t(glyph.height));
  for (int y = 0; y < glyph.height; ++y) {
    const uint8_t* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x) glyph.coverage[size_t(y) * size_t(glyph.width) + size_t(x)] = row[x];
  }
  return glyph;
}

}  // namespace corvellane
