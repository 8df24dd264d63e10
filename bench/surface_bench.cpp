// bench_surface: the surface operations against pixman's nearest equivalents,
// on the same 1024 x 768 canvas, in one run, with a ratio table at the end.
//
// Pixel formats differ, and the comparison is of operation cost only:
//  - Our pixels are straight (non-premultiplied) alpha 0xAARRGGBB; pixman's
//    OVER needs premultiplied a8r8g8b8, so its sources are premultiplied
//    copies of ours. The destination is the very same memory: our canvas
//    (a surface without alpha, like the engine's) wrapped as x8r8g8b8.
//  - Our fill masks are 32-bit surfaces whose alpha bytes are the mask; pixman
//    gets an a8 image holding the same alpha values.
//  - The results are not bit-equal (different rounding and alpha algebra);
//    what is compared is megapixels per second of comparable work.
// The sprite sheet is 64 x 64 round sprites: about a third of the pixels
// transparent, a third opaque and a third in the soft edges.
//
// Run: see bench/README.md.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/pair_summary.h"
#include "engine/surface.h"

namespace corvellane {
namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr double kPixels = double(kWidth) * kHeight;
constexpr uint32_t kFillColour = 0xFF3080C0;

uint8_t SpriteAlpha(int x, int y) {
  const double dx = (x % 64) - 31.5, dy = (y % 64) - 31.5;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d < 18) return 255;
  if (d > 30) return 0;
  return uint8_t(255 * (30 - d) / 12);
}

uint32_t SpriteColour(int x, int y) { return uint32_t((x * 7) & 0xFF) << 16 | uint32_t((y * 3) & 0xFF) << 8 | uint32_t((x ^ y) & 0xFF); }

uint32_t Premultiply(uint32_t p) {
  const uint32_t a = p >> 24;
  const auto ch = [&](int shift) { return ((((p >> shift) & 0xFF) * a + 127) / 255) << shift; };
  return a << 24 | ch(16) | ch(8) | ch(0);
}

pixman_image_t* Wrap(pixman_format_code_t format, ISurface& s) {
  return pixman_image_create_bits(format, s.GetWidth(), s.GetHeight(), s.GetScanLine(0), s.GetWidth() * 4);
}

// Every buffer both sides use, built once.
struct Scene {
  Ref<TSurface> canvas = MakeSurface(kWidth, kHeight, false);
  Ref<TSurface> sprite = MakeSurface(kWidth, kHeight, true);   // straight alpha
  Ref<TSurface> opaque = MakeSurface(kWidth, kHeight, false);  // for plain copies
  Ref<TSurface> small = MakeSurface(kWidth / 2, kHeight / 2, true);
  Ref<TSurface> sprite_premultiplied = MakeSurface(kWidth, kHeight, true);
  Ref<TSurface> small_premultiplied = MakeSurface(kWidth / 2, kHeight / 2, true);
  std::vector<uint8_t> mask_a8 = std::vector<uint8_t>(size_t(kWidth) * kHeight);

  pixman_image_t* px_canvas = nullptr;
  pixman_image_t* px_sprite = nullptr;
  pixman_image_t* px_opaque = nullptr;
  pixman_image_t* px_small = nullptr;
  pixman_image_t* px_mask = nullptr;
  pixman_image_t* px_half = nullptr;    // solid mask of alpha 128
  pixman_image_t* px_colour = nullptr;  // solid source of the fill colour

  Scene() {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const uint32_t p = uint32_t(SpriteAlpha(x, y)) << 24 | SpriteColour(x, y);
        *sprite->GetPixelAddress(x, y) = p;
        *sprite_premultiplied->GetPixelAddress(x, y) = Premultiply(p);
        *opaque->GetPixelAddress(x, y) = 0xFF000000u | SpriteColour(y, x);
        *canvas->GetPixelAddress(x, y) = 0xFF000000u | SpriteColour(x + y, x);
        mask_a8[size_t(y) * kWidth + x] = SpriteAlpha(x, y);
        if (x < kWidth / 2 && y < kHeight / 2) {
          *small->GetPixelAddress(x, y) = p;
          *small_premultiplied->GetPixelAddress(x, y) = Premultiply(p);
        }
      }
    }
    px_canvas = Wrap(PIXMAN_x8r8g8b8, *canvas);
    px_sprite = Wrap(PIXMAN_a8r8g8b8, *sprite_premultiplied);
    px_opaque = Wrap(PIXMAN_x8r8g8b8, *opaque);
    px_small = Wrap(PIXMAN_a8r8g8b8, *small_premultiplied);
    px_mask = pixman_image_create_bits(PIXMAN_a8, kWidth, kHeight, reinterpret_cast<uint32_t*>(mask_a8.data()), kWidth);
    const pixman_color_t half = {0x8080, 0x8080, 0x8080, 0x8080};
    px_half = pixman_image_create_solid_fill(&half);
    const pixman_color_t colour = {0x3030, 0x8080, 0xC0C0, 0xFFFF};
    px_colour = pixman_image_create_solid_fill(&colour);
    pixman_transform_t scale;
    pixman_transform_init_scale(&scale, pixman_double_to_fixed(0.5), pixman_double_to_fixed(0.5));
    pixman_image_set_transform(px_small, &scale);
    pixman_image_set_filter(px_small, PIXMAN_FILTER_BILINEAR, nullptr, 0);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

const TRect kFull{0, 0, kWidth, kHeight};

void Finish(benchmark::State& state) {
  state.counters["Mpix/s"] = benchmark::Counter(double(state.iterations()) * kPixels / 1e6, benchmark::Counter::kIsRate);
}

void PixmanComposite(benchmark::State& state, pixman_op_t op, pixman_image_t* src, pixman_image_t* mask) {
  Scene& s = TheScene();
  for (auto _ : state) {
    pixman_image_composite32(op, src, mask, s.px_canvas, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void OursDraw(benchmark::State& state, ISurface* source, TBlendMode mode, int opacity) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.canvas->DrawImage(source, kFull, mode, opacity, kFull);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_NormalAlpha_Ours(benchmark::State& st) { OursDraw(st, TheScene().sprite.get(), TBlendMode::Normal, 255); }
void BM_NormalAlpha_Pixman(benchmark::State& st) { PixmanComposite(st, PIXMAN_OP_OVER, TheScene().px_sprite, nullptr); }
void BM_NormalOpacity128_Ours(benchmark::State& st) { OursDraw(st, TheScene().sprite.get(), TBlendMode::Normal, 128); }
void BM_NormalOpacity128_Pixman(benchmark::State& st) {
  PixmanComposite(st, PIXMAN_OP_OVER, TheScene().px_sprite, TheScene().px_half);
}
void BM_Addition_Ours(benchmark::State& st) { OursDraw(st, TheScene().sprite.get(), TBlendMode::Addition, 255); }
void BM_Addition_Pixman(benchmark::State& st) { PixmanComposite(st, PIXMAN_OP_ADD, TheScene().px_sprite, nullptr); }
void BM_Screen_Ours(benchmark::State& st) { OursDraw(st, TheScene().sprite.get(), TBlendMode::Screen, 255); }
void BM_Screen_Pixman(benchmark::State& st) { PixmanComposite(st, PIXMAN_OP_SCREEN, TheScene().px_sprite, nullptr); }
void BM_Copy_Ours(benchmark::State& st) { OursDraw(st, TheScene().opaque.get(), TBlendMode::BltFast, 255); }
void BM_Copy_Pixman(benchmark::State& st) { PixmanComposite(st, PIXMAN_OP_SRC, TheScene().px_opaque, nullptr); }

void BM_Copy_Memcpy(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    std::memcpy(s.canvas->GetScanLine(0), s.opaque->GetScanLine(0), size_t(kPixels) * 4);
    benchmark::ClobberMemory();
  }
  Finish(state);
}

void BM_FillMask_Ours(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.canvas->FillColor(kFillColour, s.sprite.get(), TBlendMode::Normal, 255, kFull, kFull);
    benchmark::ClobberMemory();
  }
  Finish(state);
}
void BM_FillMask_Pixman(benchmark::State& st) { PixmanComposite(st, PIXMAN_OP_OVER, TheScene().px_colour, TheScene().px_mask); }

void BM_Bilinear2x_Ours(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.canvas->DrawScaled(s.small.get(), true, 0, 0, 2, 2);
    benchmark::ClobberMemory();
  }
  Finish(state);
}
void BM_Bilinear2x_Pixman(benchmark::State& st) { PixmanComposite(st, PIXMAN_OP_SRC, TheScene().px_small, nullptr); }

// Pairs are registered next to each other: "<operation>_Ours", "<operation>_Pixman".
BENCHMARK(BM_NormalAlpha_Ours);
BENCHMARK(BM_NormalAlpha_Pixman);
BENCHMARK(BM_NormalOpacity128_Ours);
BENCHMARK(BM_NormalOpacity128_Pixman);
BENCHMARK(BM_FillMask_Ours);
BENCHMARK(BM_FillMask_Pixman);
BENCHMARK(BM_Addition_Ours);
BENCHMARK(BM_Addition_Pixman);
BENCHMARK(BM_Screen_Ours);
BENCHMARK(BM_Screen_Pixman);
BENCHMARK(BM_Copy_Ours);
BENCHMARK(BM_Copy_Pixman);
BENCHMARK(BM_Copy_Memcpy);
BENCHMARK(BM_Bilinear2x_Ours);
BENCHMARK(BM_Bilinear2x_Pixman);

}  // namespace
}  // namespace corvellane

int main(int argc, char** argv) {
  using corvellane::TPairSummaryReporter;
  return corvellane::RunWithPairSummary(argc, argv, [] { corvellane::TheScene(); }, [](const TPairSummaryReporter& r) {
    const auto ours = r.Rate("BM_Copy_Ours"), memcpy_rate = r.Rate("BM_Copy_Memcpy");
    if (ours && memcpy_rate)
      std::printf("%-20s %12.0f %12.0f %7.2fx  (against memcpy)\n", "Copy", *ours, *memcpy_rate, *ours / *memcpy_rate);
  });
}
