// cairo_canvas.h: a cairo drawing context over a picture of the content
// tools, and the few drawing helpers the recipes share.
//
// Cairo works in premultiplied colour; Picture() hands the result over as a
// straight-alpha TRgbaImage. Text is set with a font file loaded through
// FreeType (not looked up by family name), so the same file gives the same
// pixels on every machine.
//
//   TCairoCanvas canvas(320, 200);
//   cairo_t* cr = canvas.Context();
//   RoundedRectangle(cr, 10, 10, 300, 180, 16);
//   SetColour(cr, 0xFFF6E7C8);
//   cairo_fill(cr);
//   TRgbaImage picture = canvas.Picture();
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/media_common/rgba_image.h"

namespace corvellane {

class TCairoCanvas {
 public:
  TCairoCanvas(int width, int height);
  ~TCairoCanvas();
  TCairoCanvas(const TCairoCanvas&) = delete;
  TCairoCanvas& operator=(const TCairoCanvas&) = delete;

  cairo_t* Context() { return context_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TRgbaImage Picture();

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* context_;
};

// Fonts the recipes use, all from the DejaVu family every build machine has.
inline constexpr const char* kSerifBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
inline constexpr const char* kSerifFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
inline constexpr const char* kSansFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kSansBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// Colours as in data files: 0xAARRGGBB, straight alpha.
void SetColour(cairo_t* cr, uint32_t argb);
void AddStop(cairo_pattern_t* pattern, double offset, uint32_t argb);
// Fills the current path (kept) with a vertical gradient between two colours.
void FillVertical(cairo_t* cr, double top, double bottom, uint32_t from, uint32_t to);
void RoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius);
// A heart whose top dips at (x, y), `size` wide.
void HeartPath(cairo_t* cr, double x, double y, double size);
// A five-pointed star centred on (x, y).
void StarPath(cairo_t* cr, double x, double y, double outer, double inner, double turn = 0.0);
// Selects the font file at a pixel size; raises EToolError when it cannot be loaded.
void SelectFontFile(cairo_t* cr, const char* file, double pixel_size);
// Text centred horizontally on x with its baseline at y, as a path.
void CentredTextPath(cairo_t* cr, std::string_view utf8, double x, double baseline);
// A soft round light: `colour` at the centre fading to nothing at `radius`.
void PaintGlow(cairo_t* cr, double x, double y, double radius, uint32_t colour);

}  // namespace corvellane
