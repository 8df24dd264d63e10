// display_layout.h: where the logical image goes on the window or screen, and
// how pointer positions travel between the two.
//
// The game draws a fixed logical resolution (640 x 480 by default). The output
// area is what the back end shows it in: the window's client area, a screen
// switched to the logical size, or a whole desktop of any size and aspect. The
// layout scales the logical image to the largest rectangle of the same aspect
// that fits the area and centres it; whatever is left over becomes two black
// bars (left and right on a wider area, top and bottom on a taller one). The
// whole logical image is always visible, whatever the two aspects are.
//
//   DisplayLayout l = ComputeDisplayLayout({640, 480}, {1920, 1080});
//   // l.output == {240, 0, 1680, 1080}; l.bars: {0,0,240,1080}, {1680,0,1920,1080}
//   TPoint p = MapAreaToLogical(l, {240, 0});   // {0, 0}
//
// Sizes are rounded to the nearest integer, ties to even. Mapping an area
// point into logical coordinates rounds down; MapLogicalToArea is its exact
// inverse for every logical point whenever the output is at least the
// logical size.
#pragma once

#include <vector>

#include "engine/surface_rect.h"

namespace corvellane {

struct DisplaySize {
  int width = 0;
  int height = 0;
  friend bool operator==(const DisplaySize&, const DisplaySize&) = default;
};


struct DisplayLayout {
  DisplaySize logical;             // the game's resolution, also the canvas size
  DisplaySize area;                // the output area the layout was made for
  TRect output;              // where the logical image is shown in the area
  std::vector<TRect> bars;   // none, or the two black rectangles beside it
  bool IsScaled() const { return output.Width() != logical.width || output.Height() != logical.height; }
};

// A degenerate logical size or area gives an empty output rectangle and no bars.
DisplayLayout ComputeDisplayLayout(DisplaySize logical, DisplaySize area);

// Area pixel -> logical pixel. Points outside the output rectangle map outside
// the logical screen (a captured mouse may report them); see ClampToLogical.
TPoint MapAreaToLogical(const DisplayLayout& layout, TPoint area);
// Logical pixel -> area pixel (the top-left area pixel that maps back to it).
TPoint MapLogicalToArea(const DisplayLayout& layout, TPoint logical);
// Moves a logical point into the logical screen (0 .. size - 1).
TPoint ClampToLogical(const DisplayLayout& layout, TPoint logical);

// Whether full screen on this desktop should show the image scaled between
// bars rather than switch the screen to the logical size. A logical size that
// is not 4:3, or a screen that has no mode of exactly the logical size, always
// needs the wide layout; otherwise the player's choice decides, and "system"
// picks wide when the aspects differ by 0.1 or more.
enum class WideChoice { System, Yes, No };
bool DecideWideScreen(DisplaySize logical, DisplaySize desktop, WideChoice choice, bool has_logical_size_mode);

}  // namespace corvellane
