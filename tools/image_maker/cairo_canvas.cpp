#include "tools/image_maker/cairo_canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <map>
#include <string>

#include "tools/media_common/tool_options.h"

namespace corvellane {
namespace {

double Part(uint32_t argb, int shift) { return double((argb >> shift) & 0xFF) / 255.0; }

// Font faces live until the tool ends: cairo keeps using them after the
// context that selected them is gone.
class TFontFaces {
 public:
  static TFontFaces& Instance() {
    static TFontFaces faces;
    return faces;
  }
  cairo_font_face_t* Face(const char* file) {
    auto it = faces_.find(file);
    if (it != faces_.end()) return it->second;
    if (!library_ && FT_Init_FreeType(&library_) != 0) throw EToolError("FreeType could not start");
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file, 0, &face) != 0) throw EToolError(std::string("cannot load font ") + file);
    cairo_font_face_t* cairo_face = cairo_ft_font_face_create_for_ft_face(face, 0);
    faces_.emplace(file, cairo_face);
    return cairo_face;
  }

 private:
  TFontFaces() = default;
  // At exit: cairo's caches let go of the faces first, then FreeType closes
  // them all with the library.
  ~TFontFaces() {
    for (auto& [file, face] : faces_) cairo_font_face_destroy(face);
    cairo_debug_reset_static_data();
    if (library_) FT_Done_FreeType(library_);
  }
  FT_Library library_ = nullptr;
  std::map<std::string, cairo_font_face_t*> faces_;
};

}  // namespace

TCairoCanvas::TCairoCanvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) throw EToolError("picture size refused");
}

TCairoCanvas::~TCairoCanvas() {
  cairo_destroy(context_);
  cairo_surface_destroy(surface_);
}

TRgbaImage TCairoCanvas::Picture() {
  cairo_surface_flush(surface_);
  return TRgbaImage::FromPremultiplied(cairo_image_surface_get_data(surface_), width_, height_,
                                       cairo_image_surface_get_stride(surface_));
}

void SetColour(cairo_t* cr, uint32_t argb) {
  cairo_set_source_rgba(cr, Part(argb, 16), Part(argb, 8), Part(argb, 0), Part(argb, 24));
}

void AddStop(cairo_pattern_t* pattern, double offset, uint32_t argb) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, Part(argb, 16), Part(argb, 8), Part(argb, 0), Part(argb, 24));
}

void FillVertical(cairo_t* cr, double top, double bottom, uint32_t from, uint32_t to) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
  AddStop(p, 0, from);
  AddStop(p, 1, to);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void RoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
  radius = std::min(radius, std::min(width, height) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + width - radius, y + radius, radius, -M_PI / 2, 0);
  cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
  cairo_arc(cr, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
  cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double x, double y, double size) {
  const double s = size / 2;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, x, y + s * 0.3);
  cairo_curve_to(cr, x, y - s * 0.2, x - s, y - s * 0.3, x - s, y + s * 0.35);
  cairo_curve_to(cr, x - s, y + s * 0.9, x - s * 0.2, y + s * 1.2, x, y + s * 1.6);
  cairo_curve_to(cr, x + s * 0.2, y + s * 1.2, x + s, y + s * 0.9, x + s, y + s * 0.35);
  cairo_curve_to(cr, x + s, y - s * 0.3, x, y - s * 0.2, x, y + s * 0.3);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double x, double y, double outer, double inner, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double angle = turn - M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 == 0 ? outer : inner;
    cairo_line_to(cr, x + r * std::cos(angle), y + r * std::sin(angle));
  }
  cairo_close_path(cr);
}

void SelectFontFile(cairo_t* cr, const char* file, double pixel_size) {
  cairo_set_font_face(cr, TFontFaces::Instance().Face(file));
  cairo_set_font_size(cr, pixel_size);
}

void CentredTextPath(cairo_t* cr, std::string_view utf8, double x, double baseline) {
  const std::string text(utf8);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_move_to(cr, x - extents.x_advance / 2, baseline);
  cairo_text_path(cr, text.c_str());
}

void PaintGlow(cairo_t* cr, double x, double y, double radius, uint32_t colour) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  AddStop(glow, 0.0, colour);
  AddStop(glow, 0.4, (colour & 0x00FFFFFF) | (((colour >> 24) * 2 / 5) << 24));
  AddStop(glow, 1.0, colour & 0x00FFFFFF);
  cairo_set_source(cr, glow);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

}  // namespace corvellane
