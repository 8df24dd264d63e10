#include "engine/platform/display_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace corvellane {

namespace {

// The default floating-point rounding mode rounds ties to even.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

bool IsDegenerate(DisplaySize s) { return s.width <= 0 || s.height <= 0; }

// Largest size of the logical aspect that fits the area. Comparing the
// cross products keeps the test exact for integer sizes.
DisplaySize FitSize(DisplaySize logical, DisplaySize area) {
  int64_t area_by_logical = int64_t(area.width) * logical.height;
  int64_t logical_by_area = int64_t(logical.width) * area.height;
  if (area_by_logical > logical_by_area) {  // area wider than the image
    return {RoundEven(double(logical.width) * area.height / logical.height), area.height};
  }
  if (area_by_logical < logical_by_area) {  // area taller than the image
    return {area.width, RoundEven(double(logical.height) * area.width / logical.width)};
  }
  return area;
}

std::vector<TRect> BarsAround(const TRect& output, DisplaySize area) {
  if (output.left >= 1) {
    return {{0, 0, output.left, area.height}, {output.right, 0, area.width, area.height}};
  }
  if (output.top >= 1) {
    return {{0, 0, area.width, output.top}, {0, output.bottom, area.width, area.height}};
  }
  return {};
}

int FloorDiv(int64_t numerator, int64_t denominator) {
  int64_t q = numerator / denominator;
  if (numerator % denominator != 0 && ((numerator < 0) != (denominator < 0))) --q;
  return static_cast<int>(q);
}

int CeilDiv(int64_t numerator, int64_t denominator) {
  int64_t q = numerator / denominator;
  if (numerator % denominator != 0 && ((numerator < 0) == (denominator < 0))) ++q;
  return static_cast<int>(q);
}

}  // namespace

DisplayLayout ComputeDisplayLayout(DisplaySize logical, DisplaySize area) {
  DisplayLayout layout{logical, area, {}, {}};
  if (IsDegenerate(logical) || IsDegenerate(area)) return layout;
  DisplaySize fitted = FitSize(logical, area);
  int left = (area.width - fitted.width) >> 1;
  int top = (area.height - fitted.height) >> 1;
  layout.output = {left, top, left + fitted.width, top + fitted.height};
  layout.bars = BarsAround(layout.output, area);
  return layout;
}

TPoint MapAreaToLogical(const DisplayLayout& layout, TPoint area) {
  const TRect& out = layout.output;
  if (out.IsEmpty()) return area;
  // Rounding down (not toward zero) keeps the pixels left of or above the
  // output outside the logical screen instead of folding them onto column 0.
  return {FloorDiv(int64_t(area.x - out.left) * layout.logical.width, out.Width()),
          FloorDiv(int64_t(area.y - out.top) * layout.logical.height, out.Height())};
}

TPoint MapLogicalToArea(const DisplayLayout& layout, TPoint logical) {
  const TRect& out = layout.output;
  if (out.IsEmpty() || IsDegenerate(layout.logical)) return logical;
  // The smallest area offset whose truncated image is the logical point.
  return {out.left + CeilDiv(int64_t(logical.x) * out.Width(), layout.logical.width),
          out.top + CeilDiv(int64_t(logical.y) * out.Height(), layout.logical.height)};
}

TPoint ClampToLogical(const DisplayLayout& layout, TPoint logical) {
  return {std::clamp(logical.x, 0, std::max(0, layout.logical.width - 1)),
          std::clamp(logical.y, 0, std::max(0, layout.logical.height - 1))};
}

bool DecideWideScreen(DisplaySize logical, DisplaySize desktop, WideChoice choice, bool has_logical_size_mode) {
  if (IsDegenerate(logical) || IsDegenerate(desktop)) return false;
  bool is_four_by_three = int64_t(logical.width) * 3 == int64_t(logical.height) * 4;
  if (!is_four_by_three || !has_logical_size_mode) return true;
  if (choice != WideChoice::System) return choice == WideChoice::Yes;
  float desktop_aspect = float(desktop.width) / float(desktop.height);
  float logical_aspect = float(logical.width) / float(logical.height);
  return std::fabs(desktop_aspect - logical_aspect) >= 0.1f;
}

}  // namespace corvellane
