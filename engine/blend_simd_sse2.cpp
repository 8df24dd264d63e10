// SSE2 versions of the hot row loops (4 pixels per register) and of the
// bilinear row (2 output pixels per step). Compiled with -msse2; only called
// when the processor reports SSE2.
#include <emmintrin.h>

#include <cstdint>

#include "engine/blend_kernels.h"

namespace corvellane {
namespace {

struct Sse2 {
  using Reg = __m128i;
  static constexpr int kPixels = 4;

  static Reg Load(const uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
  static void Store(uint32_t* p, Reg x) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), x); }
  static Reg Zero() { return _mm_setzero_si128(); }
  static Reg Set16(int16_t v) { return _mm_set1_epi16(v); }
  static Reg Set32(uint32_t v) { return _mm_set1_epi32(static_cast<int>(v)); }
  static Reg UnpackLo8(Reg a, Reg b) { return _mm_unpacklo_epi8(a, b); }
  static Reg UnpackHi8(Reg a, Reg b) { return _mm_unpackhi_epi8(a, b); }
  static Reg Pack16(Reg lo, Reg hi) { return _mm_packus_epi16(lo, hi); }
  static Reg Add16(Reg a, Reg b) { return _mm_add_epi16(a, b); }
  static Reg Sub16(Reg a, Reg b) { return _mm_sub_epi16(a, b); }
  static Reg Mul16(Reg a, Reg b) { return _mm_mullo_epi16(a, b); }
  static Reg MulHiU16(Reg a, Reg b) { return _mm_mulhi_epu16(a, b); }
  static Reg AddSat8(Reg a, Reg b) { return _mm_adds_epu8(a, b); }
  static Reg Srl16(Reg a, int n) { return _mm_srli_epi16(a, n); }
  static Reg Srl32(Reg a, int n) { return _mm_srli_epi32(a, n); }
  static Reg Sll32(Reg a, int n) { return _mm_slli_epi32(a, n); }
  static Reg And(Reg a, Reg b) { return _mm_and_si128(a, b); }
  static Reg Or(Reg a, Reg b) { return _mm_or_si128(a, b); }
  // ~a & b
  static Reg AndNot(Reg a, Reg b) { return _mm_andnot_si128(a, b); }
  static Reg Eq32(Reg a, Reg b) { return _mm_cmpeq_epi32(a, b); }
  // mask ? a : b, bit by bit.
  static Reg Select(Reg mask, Reg a, Reg b) { return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b)); }
  static bool AllOnes(Reg x) { return _mm_movemask_epi8(x) == 0xFFFF; }
  static Reg ShuffleLo16_3333(Reg x) { return _mm_shufflelo_epi16(x, 0xFF); }
  static Reg ShuffleHi16_3333(Reg x) { return _mm_shufflehi_epi16(x, 0xFF); }
  static Reg AlphaLanes16() { return _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0); }
};

}  // namespace

#include "engine/blend_simd_kernels.inl"

namespace {

// Two horizontally adjacent source pixels as 8 16-bit lanes.
__m128i PairAt(const uint32_t* row, int64_t ix) {
  return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + ix)), _mm_setzero_si128());
}

// (p * (128 - w) + q * w + 64) >> 7 on 16-bit lanes.
__m128i Lerp7(__m128i p, __m128i q, __m128i w) {
  const __m128i inv = _mm_sub_epi16(_mm_set1_epi16(128), w);
  const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(p, inv), _mm_mullo_epi16(q, w));
  return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(64)), 7);
}

// Weights (128 - fx) for the left pixel's lanes and fx for the right one's.
__m128i HorizontalWeights(int64_t x16) {
  const int16_t fx = static_cast<int16_t>((x16 & 0xFFFF) >> 9);
  const int16_t gx = static_cast<int16_t>(128 - fx);
  return _mm_set_epi16(fx, fx, fx, fx, gx, gx, gx, gx);
}

// Two output pixels from their vertically interpolated column pairs `va`
// and `vb` (8 lanes each: left pixel, right pixel) and 16.16 positions.
void StoreTwo(uint32_t* dst, __m128i va, __m128i vb, int64_t xa, int64_t xb, __m128i opaque) {
  const __m128i pa = _mm_mullo_epi16(va, HorizontalWeights(xa));
  const __m128i pb = _mm_mullo_epi16(vb, HorizontalWeights(xb));
  const __m128i sum = _mm_add_epi16(_mm_unpacklo_epi64(pa, pb), _mm_unpackhi_epi64(pa, pb));
  const __m128i h = _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(64)), 7);
  _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_or_si128(_mm_packus_epi16(h, h), opaque));
}

__m128i Opaque(bool force_opaque) { return _mm_set1_epi32(force_opaque ? static_cast<int>(0xFF000000u) : 0); }

void BilinearRowSse2(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16, int64_t step16,
                     int n, int fy, bool force_opaque) {
  const __m128i wy = _mm_set1_epi16(static_cast<int16_t>(fy));
  const __m128i opaque = Opaque(force_opaque);
  int i = 0;
  for (; i + 2 <= n; i += 2, x16 += 2 * step16) {
    const int64_t xa = x16, xb = x16 + step16;
    // Vertical first: each register holds the left and right column of one output pixel.
    const __m128i va = Lerp7(PairAt(row0, xa >> 16), PairAt(row1, xa >> 16), wy);
    const __m128i vb = Lerp7(PairAt(row0, xb >> 16), PairAt(row1, xb >> 16), wy);
    StoreTwo(dst + i, va, vb, xa, xb, opaque);
  }
  ReferenceKernels().bilinear_row(dst + i, row0, row1, x16, step16, n - i, fy, force_opaque);
}

// The column pair under the 16.16 point (u, v), interpolated between its two rows.
__m128i VerticalPair(const uint32_t* src, int64_t stride, int64_t u16, int64_t v16) {
  const uint32_t* top = src + (v16 >> 16) * stride;
  const __m128i wy = _mm_set1_epi16(static_cast<int16_t>((v16 & 0xFFFF) >> 9));
  return Lerp7(PairAt(top, u16 >> 16), PairAt(top + stride, u16 >> 16), wy);
}

void BilinearAffineRowSse2(uint32_t* dst, const uint32_t* src, int64_t stride, int64_t u16, int64_t v16,
                           int64_t du16, int64_t dv16, int n, bool force_opaque) {
  const __m128i opaque = Opaque(force_opaque);
  int i = 0;
  for (; i + 2 <= n; i += 2, u16 += 2 * du16, v16 += 2 * dv16) {
    const __m128i va = VerticalPair(src, stride, u16, v16);
    const __m128i vb = VerticalPair(src, stride, u16 + du16, v16 + dv16);
    StoreTwo(dst + i, va, vb, u16, u16 + du16, opaque);
  }
  ReferenceKernels().bilinear_affine_row(dst + i, src, stride, u16, v16, du16, dv16, n - i, force_opaque);
}

}  // namespace

void InstallSse2Kernels(TBlendKernels& table) {
  table.name = "sse2";
  InstallKernels<Sse2>(table);
  table.bilinear_row = BilinearRowSse2;
  table.bilinear_affine_row = BilinearAffineRowSse2;
}

}  // namespace corvellane
