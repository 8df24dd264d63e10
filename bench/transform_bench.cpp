// bench_transform: a 256 x 256 picture zoomed and rotated with bilinear
// filtering into the 1024 x 768 canvas, as the rotate and zoom widgets draw
// it, against pixman's bilinear affine transform of the same picture in the
// same run, with a table of megapixels per second and the ratio at the end.
//
// Both write the whole canvas: the picture is zoomed 3.5 times and turned
// 30 degrees about the canvas centre, so its box covers every pixel, and
// pixman composites the full 1024 x 768 rectangle (SRC, no repeat: pixels
// outside the picture become transparent on both sides). Ours samples
// straight alpha 0xAARRGGBB with 7-bit weights, pixman premultiplied
// a8r8g8b8 with its own weights; the work is comparable, not the bits.
//
// Run: see bench/README.md.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "bench/pair_summary.h"
#include "engine/surface.h"

namespace corvellane {
namespace {

constexpr int kWidth = 1024, kHeight = 768, kSide = 256;
constexpr double kPixels = double(kWidth) * kHeight;

// A round badge with soft edges and a pattern, straight alpha.
uint32_t BadgePixel(int x, int y) {
  const double dx = x + 0.5 - kSide / 2.0, dy = y + 0.5 - kSide / 2.0;
  const double d = std::sqrt(dx * dx + dy * dy) / (kSide / 2.0);
  const uint32_t alpha = d >= 1 ? 0 : static_cast<uint32_t>(255 * std::min(1.0, (1 - d) * 8));
  return alpha << 24 | uint32_t((x * 5) & 0xFF) << 16 | uint32_t((y * 3) & 0xFF) << 8 | uint32_t((x ^ y) & 0xFF);
}

uint32_t Premultiply(uint32_t p) {
  const uint32_t a = p >> 24;
  const auto ch = [&](int shift) { return ((((p >> shift) & 0xFF) * a + 127) / 255) << shift; };
  return a << 24 | ch(16) | ch(8) | ch(0);
}

struct Turn {
  double zoom;
  double degrees;
};

constexpr Turn kCovering{3.5, 30.0};

struct Scene {
  Ref<TSurface> canvas = MakeSurface(kWidth, kHeight, false);
  Ref<TSurface> picture = MakeSurface(kSide, kSide, true);
  Ref<TSurface> premultiplied = MakeSurface(kSide, kSide, true);
  pixman_image_t* px_canvas = nullptr;
  pixman_image_t* px_picture = nullptr;

  Scene() {
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        *picture->GetPixelAddress(x, y) = BadgePixel(x, y);
        *premultiplied->GetPixelAddress(x, y) = Premultiply(BadgePixel(x, y));
      }
    px_canvas = pixman_image_create_bits(PIXMAN_x8r8g8b8, kWidth, kHeight, canvas->GetScanLine(0), kWidth * 4);
    px_picture = pixman_image_create_bits(PIXMAN_a8r8g8b8, kSide, kSide, premultiplied->GetScanLine(0), kSide * 4);
    pixman_image_set_filter(px_picture, PIXMAN_FILTER_BILINEAR, nullptr, 0);
  }

  // pixman maps canvas points to picture points: the inverse of zooming and
  // turning the picture about the canvas centre.
  void SetPixmanTurn(const Turn& turn) {
    const double radians = turn.degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians) / turn.zoom, s = std::sin(radians) / turn.zoom;
    const double cx = kWidth / 2.0, cy = kHeight / 2.0, half = kSide / 2.0;
    pixman_f_transform_t f;
    f.m[0][0] = c, f.m[0][1] = s, f.m[0][2] = half - c * cx - s * cy;
    f.m[1][0] = -s, f.m[1][1] = c, f.m[1][2] = half + s * cx - c * cy;
    f.m[2][0] = 0, f.m[2][1] = 0, f.m[2][2] = 1;
    pixman_transform_t t;
    pixman_transform_from_pixman_f_transform(&t, &f);
    pixman_image_set_transform(px_picture, &t);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void Finish(benchmark::State& state) {
  state.counters["Mpix/s"] = benchmark::Counter(double(state.iterations()) * kPixels / 1e6, benchmark::Counter::kIsRate);
}

void Ours(benchmark::State& state, const Turn& turn) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.canvas->DrawTransformed(s.picture.get(), {kWidth / 2, kHeight / 2}, 0, 0, turn.zoom, turn.zoom, true, turn.degrees);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void Pixman(benchmark::State& state, const Turn& turn) {
  Scene& s = TheScene();
  s.SetPixmanTurn(turn);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_SRC, s.px_picture, nullptr, s.px_canvas, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_ZoomRotate_Ours(benchmark::State& st) { Ours(st, kCovering); }
void BM_ZoomRotate_Pixman(benchmark::State& st) { Pixman(st, kCovering); }

BENCHMARK(BM_ZoomRotate_Ours);
BENCHMARK(BM_ZoomRotate_Pixman);

}  // namespace
}  // namespace corvellane

int main(int argc, char** argv) {
  return corvellane::RunWithPairSummary(argc, argv, [] { corvellane::TheScene(); });
}
