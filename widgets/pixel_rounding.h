// pixel_rounding.h: how real positions and scaled times become whole numbers.
//
// Every real position (anchors, scaled sizes) and every time scaled by a rate
// becomes an integer by rounding to the nearest value, ties to even:
// 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -0.5 -> 0. Rounding happens per level of the
// widget tree (each anchor before it is added), never on sums.
//
//   int32_t x = RoundToPixel(widget->GetAnchorLeft());
//   TRect r = OffsetRect(child_rect, x, y);
//   bool hit = RectContains(r, point);
//
// Values outside the safe range (and NaN) are brought into it first, so data
// with absurd coordinates cannot overflow the integer arithmetic further on.
#pragma once

#include <cstdint>

#include "engine/surface_rect.h"

namespace corvellane {

// Largest magnitude a rounded position or time may have; far beyond any
// screen, yet sums of a few of them still fit in 32 bits.
inline constexpr int32_t kMaxPixelCoordinate = 1 << 28;

int32_t RoundToPixel(double value);

// a + b, held within the int32 range instead of overflowing.
int32_t SaturatingAdd(int32_t a, int32_t b);

TRect OffsetRect(const TRect& rect, int32_t dx, int32_t dy);
TPoint OffsetPoint(TPoint point, int32_t dx, int32_t dy);

// Hit-testing uses the same bounds as drawing: left and top inclusive, right
// and bottom exclusive, so a click lands only on pixels the widget can cover.
bool RectContains(const TRect& rect, TPoint point);

}  // namespace corvellane
