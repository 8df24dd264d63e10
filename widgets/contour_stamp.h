// contour_stamp.h: drawing an outline around the shape of a picture, for
// the contour widget (contour_widget.h).
//
// The shape is the picture's solid pixels, those whose alpha is above a
// limit. The outline is stamped into another surface of the same size (the
// picture already drawn there, or nothing): a stamped pixel takes the
// outline colour with the larger of its own alpha and the stamp's. Solid
// pixels are never stamped.
//
//   TContourStyle style{.colour = 0xFFFFD700, .thickness = 2, .alpha_limit = 0};
//   StampSharpContour(shape, work, style);
//
// Sharp outline: thickness 1 stamps the four direct neighbours of every
// solid pixel fully and the diagonal ones at half the colour's alpha (only
// where the corner is open); a thicker one reaches out in the four axis
// directions up to the thickness (stopping at the shape) and fills the
// corner blocks between them, fading with the distance beyond the
// thickness. Smooth outline: a round brush whose strength falls off near
// its rim, stamped around every edge pixel of the shape in proportion to
// that pixel's alpha; partly transparent edge pixels are tinted towards the
// outline colour as well.
#pragma once

#include <cstdint>

#include "engine/surface.h"

namespace corvellane {

// Outlines thicker than this are drawn this thick: the brush grows with the
// square of the thickness.
inline constexpr int32_t kMaxContourThickness = 32;

struct TContourStyle {
  uint32_t colour = 0;  // 0xAARRGGBB
  int32_t thickness = 1;
  int32_t alpha_limit = 0;
};

void StampSharpContour(const ISurface& shape, ISurface& work, const TContourStyle& style);
void StampSmoothContour(const ISurface& shape, ISurface& work, const TContourStyle& style);

}  // namespace corvellane
