// picture_files.h: PNG files read back by the image maker's commands that
// work on pictures it made before (cutting pieces, outlines, review sheets).
//
// Cairo reads the file (premultiplied); LoadPicture hands it over as a
// straight-alpha TRgbaImage, LoadSurface keeps it as a cairo surface for
// painting onto another canvas.
//
//   TRgbaImage vase = LoadPicture("data/images/objects/vase.png");
//   TSurface sheet = LoadSurface("data/images/scenes/park.png");
//   cairo_set_source_surface(cr, sheet.get(), 0, 0);
#pragma once

#include <cairo.h>

#include <memory>
#include <string>

#include "tools/media_common/rgba_image.h"

namespace corvellane {

struct TSurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using TSurface = std::unique_ptr<cairo_surface_t, TSurfaceRelease>;

// Both raise EToolError when the file is missing or not a PNG.
TSurface LoadSurface(const std::string& path);
TRgbaImage LoadPicture(const std::string& path);

}  // namespace corvellane
