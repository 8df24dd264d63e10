// The reference row loops: one call of a blend_pixel.h formula per pixel.
#include <cstring>

#include "engine/blend_kernels.h"
#include "engine/blend_pixel.h"

namespace corvellane {
namespace {

using namespace pixel;

void CopyRow(uint32_t* dst, const uint32_t* src, int n) {
  if (n > 0) std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(uint32_t));
}

void NormalConstantRow(uint32_t* dst, const uint32_t* src, int n, int o, bool dst_alpha) {
  for (int i = 0; i < n; ++i) dst[i] = NormalConstant(dst[i], src[i], o, dst_alpha);
}

void NormalAlphaRow(uint32_t* dst, const uint32_t* src, int n, bool dst_alpha) {
  for (int i = 0; i < n; ++i) dst[i] = NormalAlpha(dst[i], src[i], dst_alpha);
}

void NormalAlphaOpacityRow(uint32_t* dst, const uint32_t* src, int n, int o, bool dst_alpha) {
  for (int i = 0; i < n; ++i) dst[i] = NormalAlphaOpacity(dst[i], src[i], o, dst_alpha);
}

// Image and fill versions of modes 1..5 share one loop: the colour comes from
// `colours` (stepping `colour_step`, 0 for a fill colour), the alpha from
// `alphas`, and e := (a * weight) >> 8. A pixel with a = 0 is left alone.
template <class PixelFn>
void ModeRow(uint32_t* dst, const uint32_t* colours, int colour_step, const uint32_t* alphas,
             bool has_alpha, int n, int weight, bool dst_alpha, PixelFn blend) {
  for (int i = 0; i < n; ++i) {
    const uint32_t a = has_alpha ? Alpha(alphas[i]) : 255;
    if (a == 0) continue;
    const uint32_t e = (a * static_cast<uint32_t>(weight)) >> 8;
    dst[i] = blend(dst[i], colours[i * colour_step], e, dst_alpha);
  }
}

template <uint32_t (*Channel)(uint32_t, uint32_t, uint32_t)>
uint32_t CoverMode(uint32_t d, uint32_t s, uint32_t e, bool dst_alpha) {
  return CoverPixel(d, s, e, dst_alpha, Channel);
}

template <uint32_t (*Blend)(uint32_t, uint32_t, uint32_t, bool)>
void ImageModeRow(uint32_t* dst, const uint32_t* src, int n, int o, bool src_alpha, bool dst_alpha) {
  ModeRow(dst, src, 1, src, src_alpha, n, o, dst_alpha, Blend);
}

template <uint32_t (*Blend)(uint32_t, uint32_t, uint32_t, bool)>
void FillModeRow(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, int weight,
                 bool mask_alpha, bool dst_alpha) {
  ModeRow(dst, &colour, 0, mask, mask_alpha, n, weight, dst_alpha, Blend);
}

void FillSolidRow(uint32_t* dst, int n, uint32_t colour, bool dst_alpha) {
  const uint32_t value = FillSolid(colour, dst_alpha);
  for (int i = 0; i < n; ++i) dst[i] = value;
}

void FillConstantRow(uint32_t* dst, int n, uint32_t colour, int e, bool dst_alpha) {
  for (int i = 0; i < n; ++i) dst[i] = FillConstant(dst[i], colour, e, dst_alpha);
}

void FillMaskRow(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, bool dst_alpha) {
  for (int i = 0; i < n; ++i) dst[i] = FillMask(dst[i], colour, Alpha(mask[i]), dst_alpha);
}

void FillMaskOpacityRow(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, int e,
                        bool dst_alpha) {
  for (int i = 0; i < n; ++i) dst[i] = FillMaskOpacity(dst[i], colour, Alpha(mask[i]), e, dst_alpha);
}

void CopyMaskedRow(uint32_t* dst, const uint32_t* src, const uint32_t* mask, int n, bool dst_alpha) {
  for (int i = 0; i < n; ++i) {
    if (Alpha(mask[i]) != 0) dst[i] = dst_alpha ? src[i] : WithAlpha(src[i], 255);
  }
}

void BilinearRow(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16,
                 int64_t step16, int n, int fy, bool force_opaque) {
  for (int i = 0; i < n; ++i, x16 += step16) {
    const int64_t ix = x16 >> 16;
    const uint32_t fx = static_cast<uint32_t>(x16 & 0xFFFF) >> 9;
    const uint32_t p = Bilinear(row0[ix], row0[ix + 1], row1[ix], row1[ix + 1], fx, fy);
    dst[i] = force_opaque ? WithAlpha(p, 255) : p;
  }
}

void BilinearAffineRow(uint32_t* dst, const uint32_t* src, int64_t stride, int64_t u16, int64_t v16,
                       int64_t du16, int64_t dv16, int n, bool force_opaque) {
  for (int i = 0; i < n; ++i, u16 += du16, v16 += dv16) {
    const uint32_t* p = src + (v16 >> 16) * stride + (u16 >> 16);
    const uint32_t fx = static_cast<uint32_t>(u16 & 0xFFFF) >> 9;
    const uint32_t fy = static_cast<uint32_t>(v16 & 0xFFFF) >> 9;
    const uint32_t out = Bilinear(p[0], p[1], p[stride], p[stride + 1], fx, fy);
    dst[i] = force_opaque ? WithAlpha(out, 255) : out;
  }
}

constexpr uint32_t (*kScreen)(uint32_t, uint32_t, uint32_t, bool) = CoverMode<ScreenChannel>;
constexpr uint32_t (*kOverlay)(uint32_t, uint32_t, uint32_t, bool) = CoverMode<OverlayChannel>;
constexpr uint32_t (*kLinear)(uint32_t, uint32_t, uint32_t, bool) = CoverMode<LinearLightChannel>;
constexpr uint32_t (*kAddition)(uint32_t, uint32_t, uint32_t, bool) = CoverMode<AdditionChannel>;

}  // namespace

const TBlendKernels& ReferenceKernels() {
  static const TBlendKernels table = {
      .name = "reference",
      .copy_row = CopyRow,
      .normal_constant = NormalConstantRow,
      .normal_alpha = NormalAlphaRow,
      .normal_alpha_opacity = NormalAlphaOpacityRow,
      .image_modes = {ImageModeRow<kScreen>, ImageModeRow<kOverlay>, ImageModeRow<kLinear>,
                      ImageModeRow<kAddition>, ImageModeRow<MaxOpaque>},
      .fill_modes = {FillModeRow<kScreen>, FillModeRow<kOverlay>, FillModeRow<kLinear>,
                     FillModeRow<kAddition>, FillModeRow<MaxOpaque>},
      .fill_solid = FillSolidRow,
      .fill_constant = FillConstantRow,
      .fill_mask = FillMaskRow,
      .fill_mask_opacity = FillMaskOpacityRow,
      .copy_masked = CopyMaskedRow,
      .bilinear_row = BilinearRow,
      .bilinear_affine_row = BilinearAffineRow,
  };
  return table;
}

}  // namespace corvellane
