#include "tools/image_maker/picture_files.h"

#include "tools/media_common/tool_options.h"

namespace corvellane {

TSurface LoadSurface(const std::string& path) {
  TSurface surface(cairo_image_surface_create_from_png(path.c_str()));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) throw EToolError("cannot read picture " + path);
  return surface;
}

TRgbaImage LoadPicture(const std::string& path) {
  TSurface surface = LoadSurface(path);
  // Pictures without alpha come back as RGB24, whose unused byte is not
  // guaranteed to be 0xFF: paint them onto an ARGB32 surface first.
  const int width = cairo_image_surface_get_width(surface.get());
  const int height = cairo_image_surface_get_height(surface.get());
  TSurface argb(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  cairo_t* cr = cairo_create(argb.get());
  cairo_set_source_surface(cr, surface.get(), 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(argb.get());
  return TRgbaImage::FromPremultiplied(cairo_image_surface_get_data(argb.get()), width, height,
                                       cairo_image_surface_get_stride(argb.get()));
}

}  // namespace corvellane
