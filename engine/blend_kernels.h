// blend_kernels.h: the row loops behind every surface operation.
//
// A TBlendKernels table holds one function per pixel loop. ReferenceKernels()
// is the plain per-pixel code, written straight from the integer formulas; it
// is the definition of the results. The SSE2 and AVX2 modules replace some
// entries with packed 16-bit lane versions that must produce bit-identical
// pixels (a randomised differential test holds them to it).
//
// ActiveKernels() is chosen once, on first use, from what the processor
// reports; CORVELLANE_NO_SIMD=1 in the environment forces the reference.
//
// Conventions of all row functions: `n` pixels, n >= 0; rows never overlap;
// `dst_alpha` tells whether the destination's alpha bytes are meaningful.
// Opacities and weights are 0..255. Colours are 0xAARRGGBB.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvellane {

struct TBlendKernels {
  std::string_view name;

  // Mode "bltfast" and the opaque "normal" cases: the row as it is.
  void (*copy_row)(uint32_t* dst, const uint32_t* src, int n);

  // Mode "normal", source without alpha, opacity < 255.
  void (*normal_constant)(uint32_t* dst, const uint32_t* src, int n, int opacity, bool dst_alpha);
  // Mode "normal", source with alpha, opacity 255.
  void (*normal_alpha)(uint32_t* dst, const uint32_t* src, int n, bool dst_alpha);
  // Mode "normal", source with alpha, opacity < 255.
  void (*normal_alpha_opacity)(uint32_t* dst, const uint32_t* src, int n, int opacity,
                               bool dst_alpha);

  // Modes 1..5 for images, indexed by mode - 1. A source without alpha counts
  // as alpha 255 everywhere.
  using ImageModeRow = void (*)(uint32_t* dst, const uint32_t* src, int n, int opacity,
                                bool src_alpha, bool dst_alpha);
  ImageModeRow image_modes[5];

  // Modes 1..5 for colour fills through a mask, indexed by mode - 1. `weight`
  // is the fill opacity the mode derives from the opacity and colour alpha;
  // a mask without alpha counts as alpha 255 everywhere.
  using FillModeRow = void (*)(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour,
                               int weight, bool mask_alpha, bool dst_alpha);
  FillModeRow fill_modes[5];

  // Mode "normal" fills; `effective` is the colour alpha times the opacity / 255.
  void (*fill_solid)(uint32_t* dst, int n, uint32_t colour, bool dst_alpha);
  void (*fill_constant)(uint32_t* dst, int n, uint32_t colour, int effective, bool dst_alpha);
  void (*fill_mask)(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, bool dst_alpha);
  void (*fill_mask_opacity)(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour,
                            int effective, bool dst_alpha);

  // Source pixel where the mask's alpha is not 0.
  void (*copy_masked)(uint32_t* dst, const uint32_t* src, const uint32_t* mask, int n,
                      bool dst_alpha);

  // Bilinear samples along one output row. Output pixel i samples the source
  // at x = (x16 + i * step16) in 16.16 fixed point between source rows `row0`
  // and `row1` with the 7-bit vertical weight `fy`. The caller guarantees that
  // both horizontal neighbours of every sample lie inside the rows. Alpha is
  // interpolated like the colours; `force_opaque` then sets it to 255.
  void (*bilinear_row)(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16,
                       int64_t step16, int n, int fy, bool force_opaque);

  // Bilinear samples along a line in any direction through the source (a
  // rotated or zoomed drawing). Output pixel i samples at
  // (u16 + i * du16, v16 + i * dv16) in 16.16 fixed point, the source's rows
  // being `stride` pixels apart from `src` on; weights are 7-bit as above.
  // The caller guarantees that all four neighbours of every sample lie inside
  // the source. Alpha as in bilinear_row.
  void (*bilinear_affine_row)(uint32_t* dst, const uint32_t* src, int64_t stride, int64_t u16, int64_t v16,
                              int64_t du16, int64_t dv16, int n, bool force_opaque);
};

const TBlendKernels& ReferenceKernels();
// The table in use: the best the processor supports, unless disabled.
const TBlendKernels& ActiveKernels();

// The SIMD modules overwrite the entries they accelerate.
void InstallSse2Kernels(TBlendKernels& table);
void InstallAvx2Kernels(TBlendKernels& table);

}  // namespace corvellane
