// rgba_image.h: a picture being made by the content tools, and its PNG file.
//
// Pixels are 0xAARRGGBB with straight (not premultiplied) alpha, the form the
// engine's surfaces and PNG files keep. Drawing libraries that work
// premultiplied (cairo, colour emoji bitmaps) hand their pixels over through
// FromPremultiplied, which divides the colour back out so that a
// half-transparent edge keeps its true colour instead of turning dark.
//
//   TRgbaImage sheet(256, 128);
//   sheet.BlendOver(10, 20, 0x80FFFFFF);   // half-transparent white
//   if (!sheet.Save("out/data/fonts/font_text.png")) return 1;
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvellane {

// Straight-alpha colour from its parts.
constexpr uint32_t MakeArgb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}
// One premultiplied pixel (0xAARRGGBB) with its colour divided back out.
uint32_t Unpremultiply(uint32_t premultiplied);
// `top` drawn over `bottom`, both straight alpha.
uint32_t CompositeOver(uint32_t top, uint32_t bottom);
// `colour` with its alpha multiplied by coverage (0..1).
uint32_t WithCoverage(uint32_t colour, float coverage);
// Straight-alpha interpolation between two colours, t in 0..1.
uint32_t MixColours(uint32_t from, uint32_t to, float t);

class TRgbaImage {
 public:
  TRgbaImage() = default;
  // Fully transparent black.
  TRgbaImage(int width, int height);
  // Rows of `stride` bytes holding premultiplied 0xAARRGGBB pixels in the
  // machine's byte order (cairo's ARGB32 and FreeType's BGRA bitmaps).
  static TRgbaImage FromPremultiplied(const uint8_t* rows, int width, int height, int stride);

  int Width() const { return width_; }
  int Height() const { return height_; }
  uint32_t At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, uint32_t colour) { pixels_[Index(x, y)] = colour; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Composites over the pixel; points outside are ignored.
  void BlendOver(int x, int y, uint32_t colour);
  // Copies another picture with its top left corner at (x, y), clipped.
  void Paste(const TRgbaImage& source, int x, int y);
  std::span<const uint32_t> Pixels() const { return pixels_; }

  bool IsOpaque() const;
  // Writes a PNG, creating the folder first: RGB when every pixel is opaque
  // (the game then draws it as a plain copy), RGBA otherwise. False on any
  // failure.
  bool Save(const std::string& path) const;

 private:
  size_t Index(int x, int y) const { return size_t(y) * size_t(width_) + size_t(x); }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// Creates the folder a file is about to be written into; false on failure.
bool MakeFolderFor(const std::string& path);

}  // namespace corvellane
