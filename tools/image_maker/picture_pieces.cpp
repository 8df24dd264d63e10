// The "pieces" command: a complete object cut into 3 or 4 pieces for the
// hidden-parts levels, as a jigsaw is cut.
//
// The cuts run across the middle of the picture's drawn part: with 4 pieces
// one across and one down, with 3 pieces one across and the lower half cut
// down. Each cut wanders a little and bulges into a tab halfway along each
// stretch, the tab's side and size chosen by the seed. Every pixel goes to
// exactly one piece, so the pieces put back together give the picture again,
// pixel for pixel. Each piece is cropped to what it holds and written as
// PREFIX1.png, PREFIX2.png, ...; one line per piece tells where it sat in the
// whole picture ("PREFIX1.png LEFT TOP WIDTH HEIGHT"), which is what a scene's
// "spec" locations need.
#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <vector>

#include "persistence/number_text.h"
#include "tools/image_maker/picture_commands.h"
#include "tools/image_maker/picture_files.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

struct TRect {
  int left, top, right, bottom;  // right and bottom exclusive
};

// One wandering cut with a tab on each of its two stretches.
class TCut {
 public:
  TCut(double at, double from, double to, TSeededRandom& random) : at_(at), from_(from), to_(to) {
    for (auto& tab : tabs_) tab = (random.Unit() < 0.5 ? -1 : 1) * random.Range(0.09, 0.13) * (to - from);
    phase_ = random.Range(0, 2 * M_PI);
  }
  // The cut's position across, at `along` (a pixel row or column).
  double At(double along) const {
    const double length = to_ - from_, t = (along - from_) / length;
    double offset = length * 0.02 * std::sin(t * 9 + phase_);
    for (int i = 0; i < 2; ++i) {
      const double d = (t - (0.25 + 0.5 * i)) / 0.07;  // a round knob centred on each stretch
      offset += tabs_[size_t(i)] * std::exp(-d * d);
    }
    return at_ + offset;
  }

 private:
  double at_, from_, to_, phase_;
  double tabs_[2];
};

TRect DrawnPart(const TRgbaImage& picture) {
  TRect box{picture.Width(), picture.Height(), 0, 0};
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if ((picture.At(x, y) >> 24) != 0)
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
  if (box.right <= box.left) throw EToolError("the picture is empty");
  return box;
}

class TPieceMap {
 public:
  TPieceMap(const TRect& drawn, int count, uint64_t seed)
      : count_(count),
        random_(seed),
        across_((drawn.top + drawn.bottom) / 2.0, drawn.left, drawn.right, random_),
        down_((drawn.left + drawn.right) / 2.0, count == 4 ? drawn.top : (drawn.top + drawn.bottom) / 2.0, drawn.bottom,
              random_) {}

  int PieceAt(int x, int y) const {
    const bool below = y + 0.5 >= across_.At(x + 0.5);
    const bool right = x + 0.5 >= down_.At(y + 0.5);
    if (count_ == 4) return (right ? 1 : 0) + (below ? 2 : 0);
    return below ? (right ? 2 : 1) : 0;
  }

 private:
  int count_;
  TSeededRandom random_;
  TCut across_, down_;
};

TRgbaImage Crop(const TRgbaImage& picture, const TRect& box) {
  TRgbaImage piece(box.right - box.left, box.bottom - box.top);
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) piece.Set(x - box.left, y - box.top, picture.At(x, y));
  return piece;
}

}  // namespace

int CutPieces(const TToolOptions& options) {
  const TRgbaImage whole = LoadPicture(options.Require(1, "picture to cut"));
  const std::string& prefix = options.Require(2, "output prefix");
  const std::optional<int32_t> parsed = ParseInt(options.Require(3, "piece count"));
  if (!parsed || (*parsed != 3 && *parsed != 4)) throw EToolError("a picture is cut into 3 or 4 pieces");
  const int count = *parsed;
  const TPieceMap map(DrawnPart(whole), count, uint64_t(options.Int("seed", 1)));
  std::vector<TRgbaImage> layers(size_t(count), TRgbaImage(whole.Width(), whole.Height()));
  std::vector<TRect> boxes(size_t(count), TRect{whole.Width(), whole.Height(), 0, 0});
  for (int y = 0; y < whole.Height(); ++y)
    for (int x = 0; x < whole.Width(); ++x) {
      if ((whole.At(x, y) >> 24) == 0) continue;
      const size_t i = size_t(map.PieceAt(x, y));
      layers[i].Set(x, y, whole.At(x, y));
      TRect& b = boxes[i];
      b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1), std::max(b.bottom, y + 1)};
    }
  for (size_t i = 0; i < size_t(count); ++i) {
    if (boxes[i].right <= boxes[i].left) throw EToolError("a piece came out empty; the picture is too small to cut");
    const std::string file = prefix + std::to_string(i + 1) + ".png";
    if (!Crop(layers[i], boxes[i]).Save(file)) throw EToolError("cannot write " + file);
    if (options.Text("report", "no") == "yes")
      std::cout << file << " " << boxes[i].left << " " << boxes[i].top << " " << boxes[i].right - boxes[i].left << " "
                << boxes[i].bottom - boxes[i].top << "\n";
  }
  return 0;
}

}  // namespace corvellane
