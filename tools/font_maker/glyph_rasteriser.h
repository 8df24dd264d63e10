// glyph_rasteriser.h: one TrueType face at one pixel size, through FreeType.
//
// A glyph comes out as an 8-bit coverage bitmap with the metrics needed to
// set it on a line: where its ink starts relative to the pen (left, top
// above the baseline) and how far the pen moves on. Hinting is the light
// kind (vertical only), which keeps the shapes of the face at small sizes
// without pulling the stems about.
//
//   TGlyphRasteriser face("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 18);
//   std::optional<TGlyphBitmap> a = face.Render(U'A');   // none when missing
//   int line = face.Ascent() + face.Descent();
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvellane {

struct TGlyphBitmap {
  int width = 0;
  int height = 0;
  int left = 0;     // ink's left edge from the pen position
  int top = 0;      // ink's top edge above the baseline
  int advance = 0;  // pen movement, whole pixels
  std::vector<uint8_t> coverage;  // width * height, rows top down
  uint8_t At(int x, int y) const { return coverage[size_t(y) * size_t(width) + size_t(x)]; }
};

class TGlyphRasteriser {
 public:
  // Raises EToolError when the file is not a usable font.
  TGlyphRasteriser(const std::string& font_file, int pixel_size);
  ~TGlyphRasteriser();
  TGlyphRasteriser(const TGlyphRasteriser&) = delete;
  TGlyphRasteriser& operator=(const TGlyphRasteriser&) = delete;

  int Ascent() const { return ascent_; }    // pixels above the baseline
  int Descent() const { return descent_; }  // pixels below it
  // None when the face has no glyph for the character.
  std::optional<TGlyphBitmap> Render(char32_t character);

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
  int ascent_ = 0;
  int descent_ = 0;
};

}  // namespace corvellane
