// The "outline" command: the empty place where an object belongs, for the
// find-places levels. The object's shape becomes a faint shadow with a
// dashed light rim, the way a missing thing leaves a clean mark in the dust;
// the picture keeps the object's size, so it sits under the object's
// location exactly.
#include <algorithm>

#include "tools/image_maker/picture_commands.h"
#include "tools/image_maker/picture_files.h"

namespace corvellane {
namespace {

constexpr uint32_t kShadow = 0x58281A22;
constexpr uint32_t kRim = 0xD0FFF2D0;
constexpr int kRimWidth = 2;

bool Solid(const TRgbaImage& picture, int x, int y) {
  return picture.Contains(x, y) && (picture.At(x, y) >> 24) >= 128;
}

bool NearEdge(const TRgbaImage& picture, int x, int y) {
  for (int dy = -kRimWidth; dy <= kRimWidth; ++dy)
    for (int dx = -kRimWidth; dx <= kRimWidth; ++dx)
      if (!Solid(picture, x + dx, y + dy)) return true;
  return false;
}

}  // namespace

int MakeOutline(const TToolOptions& options) {
  const TRgbaImage object = LoadPicture(options.Require(1, "object picture"));
  const std::string& out = options.Require(2, "output file");
  TRgbaImage place(object.Width(), object.Height());
  for (int y = 0; y < object.Height(); ++y)
    for (int x = 0; x < object.Width(); ++x) {
      if (!Solid(object, x, y)) continue;
      const bool dash = ((x + y) / 5) % 2 == 0;
      place.Set(x, y, NearEdge(object, x, y) ? (dash ? kRim : kShadow) : kShadow);
    }
  if (!place.Save(out)) throw EToolError("cannot write " + out);
  return 0;
}

}  // namespace corvellane
