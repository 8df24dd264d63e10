// AVX2 versions of the hot row loops (8 pixels per register) and of the
// bilinear rows (4 output pixels per step): for steps up to 2 the enlarging
// row blends each source column vertically once and picks the pairs of four
// output pixels out of one load; other steps, and the rows of a rotated
// drawing, gather the pairs pixel by pixel. Compiled with -mavx2; only
// called when the processor reports AVX2.
#include <immintrin.h>

#include <algorithm>
#include <cstdint>

#include "engine/blend_kernels.h"

namespace corvellane {
namespace {

struct Avx2 {
  using Reg = __m256i;
  static constexpr int kPixels = 8;

  static Reg Load(const uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
  static void Store(uint32_t* p, Reg x) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), x); }
  static Reg Zero() { return _mm256_setzero_si256(); }
  static Reg Set16(int16_t v) { return _mm256_set1_epi16(v); }
  static Reg Set32(uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }
  static Reg UnpackLo8(Reg a, Reg b) { return _mm256_unpacklo_epi8(a, b); }
  static Reg UnpackHi8(Reg a, Reg b) { return _mm256_unpackhi_epi8(a, b); }
  static Reg Pack16(Reg lo, Reg hi) { return _mm256_packus_epi16(lo, hi); }
  static Reg Add16(Reg a, Reg b) { return _mm256_add_epi16(a, b); }
  static Reg Sub16(Reg a, Reg b) { return _mm256_sub_epi16(a, b); }
  static Reg Mul16(Reg a, Reg b) { return _mm256_mullo_epi16(a, b); }
  static Reg MulHiU16(Reg a, Reg b) { return _mm256_mulhi_epu16(a, b); }
  static Reg AddSat8(Reg a, Reg b) { return _mm256_adds_epu8(a, b); }
  static Reg Srl16(Reg a, int n) { return _mm256_srli_epi16(a, n); }
  static Reg Srl32(Reg a, int n) { return _mm256_srli_epi32(a, n); }
  static Reg Sll32(Reg a, int n) { return _mm256_slli_epi32(a, n); }
  static Reg And(Reg a, Reg b) { return _mm256_and_si256(a, b); }
  static Reg Or(Reg a, Reg b) { return _mm256_or_si256(a, b); }
  // ~a & b
  static Reg AndNot(Reg a, Reg b) { return _mm256_andnot_si256(a, b); }
  static Reg Eq32(Reg a, Reg b) { return _mm256_cmpeq_epi32(a, b); }
  // mask ? a : b; masks here are always whole bytes.
  static Reg Select(Reg mask, Reg a, Reg b) { return _mm256_blendv_epi8(b, a, mask); }
  static bool AllOnes(Reg x) { return _mm256_movemask_epi8(x) == -1; }
  static Reg ShuffleLo16_3333(Reg x) { return _mm256_shufflelo_epi16(x, 0xFF); }
  static Reg ShuffleHi16_3333(Reg x) { return _mm256_shufflehi_epi16(x, 0xFF); }
  static Reg AlphaLanes16() {
    return _mm256_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0);
  }
};

}  // namespace

#include "engine/blend_simd_kernels.inl"

namespace {

// The pairs of source pixels at two places as one 128-bit half: [a, a+1, b, b+1].
__m128i TwoPairs(const uint32_t* a, const uint32_t* b) {
  return _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a)),
                            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b)));
}

// Output pixels p, q in the low half and r, s in the high half.
__m256i FourPairs(const uint32_t* const (&at)[4]) {
  return _mm256_inserti128_si256(_mm256_castsi128_si256(TwoPairs(at[0], at[1])), TwoPairs(at[2], at[3]), 1);
}

__m256i Lerp7(__m256i p, __m256i q, __m256i w) {
  const __m256i inv = _mm256_sub_epi16(_mm256_set1_epi16(128), w);
  const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(p, inv), _mm256_mullo_epi16(q, w));
  return _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(64)), 7);
}

// The 7-bit fractions of four 16.16 positions (low 32 bits are enough).
__m128i Fractions(__m128i x4) { return _mm_srli_epi32(_mm_and_si128(x4, _mm_set1_epi32(0xFFFF)), 9); }

// Horizontal weights of four output pixels: 16-bit lanes
// [128 - f0, f0, 128 - f1, f1, ...], repeated in both 128-bit halves.
__m256i WeightPairs(__m128i x4) {
  const __m128i f = Fractions(x4);
  const __m128i gf = _mm_or_si128(_mm_slli_epi32(f, 16), _mm_sub_epi32(_mm_set1_epi32(128), f));
  return _mm256_broadcastsi128_si256(gf);
}

// Spreads the weight pairs of output pixels 0 and 2 (or 1 and 3) over the
// lanes of their [left x4, right x4] pixel pairs.
__m256i SpreadWeights02(__m256i w) {
  const __m256i control = _mm256_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 2, 3, 2, 3, 2, 3, 2, 3,  //
                                           8, 9, 8, 9, 8, 9, 8, 9, 10, 11, 10, 11, 10, 11, 10, 11);
  return _mm256_shuffle_epi8(w, control);
}
__m256i SpreadWeights13(__m256i w) {
  const __m256i control = _mm256_setr_epi8(4, 5, 4, 5, 4, 5, 4, 5, 6, 7, 6, 7, 6, 7, 6, 7,  //
                                           12, 13, 12, 13, 12, 13, 12, 13, 14, 15, 14, 15, 14, 15, 14, 15);
  return _mm256_shuffle_epi8(w, control);
}

// The vertical weights of output pixels 0 and 2 (or 1 and 3) over all the
// lanes of their pixel pairs, from the four 16.16 row positions.
__m256i RowWeights02(__m128i y4) {
  const __m256i control = _mm256_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1,  //
                                           8, 9, 8, 9, 8, 9, 8, 9, 8, 9, 8, 9, 8, 9, 8, 9);
  return _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(Fractions(y4)), control);
}
__m256i RowWeights13(__m128i y4) {
  const __m256i control = _mm256_setr_epi8(4, 5, 4, 5, 4, 5, 4, 5, 4, 5, 4, 5, 4, 5, 4, 5,  //
                                           12, 13, 12, 13, 12, 13, 12, 13, 12, 13, 12, 13, 12, 13, 12, 13);
  return _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(Fractions(y4)), control);
}

// Four output pixels from the vertically interpolated pairs of pixels 0 and
// 2 (`v02`) and 1 and 3 (`v13`), weighted by the horizontal fractions.
void StoreFour(uint32_t* dst, __m256i v02, __m256i v13, __m128i x4, __m128i opaque) {
  // Per 128-bit half: [left, right] of one pixel; weight and add the halves.
  const __m256i w = WeightPairs(x4);
  const __m256i p02 = _mm256_mullo_epi16(v02, SpreadWeights02(w));
  const __m256i p13 = _mm256_mullo_epi16(v13, SpreadWeights13(w));
  const __m256i sum = _mm256_add_epi16(_mm256_unpacklo_epi64(p02, p13), _mm256_unpackhi_epi64(p02, p13));
  const __m256i h = _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(64)), 7);
  // Pack: low half gives pixels 0, 1 and high half 2, 3.
  const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(h, h), 0x08);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(_mm256_castsi256_si128(packed), opaque));
}

// The low 32 bits of four 16.16 positions a step apart, and the step of four.
__m128i Positions(int64_t x16, int64_t step16) {
  const auto step32 = static_cast<uint32_t>(step16);
  return _mm_add_epi32(_mm_set1_epi32(static_cast<int>(static_cast<uint32_t>(x16))),
                       _mm_setr_epi32(0, static_cast<int>(step32), static_cast<int>(2 * step32),
                                      static_cast<int>(3 * step32)));
}
__m128i FourSteps(int64_t step16) { return _mm_set1_epi32(static_cast<int>(4 * static_cast<uint32_t>(step16))); }

__m128i Opaque(bool force_opaque) { return _mm_set1_epi32(force_opaque ? static_cast<int>(0xFF000000u) : 0); }

// Any step: the two column pairs of every output pixel gathered from both
// rows and interpolated vertically, then horizontally.
void BilinearRowGatherAvx2(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16,
                           int64_t step16, int n, int fy, bool force_opaque) {
  const __m256i wy = _mm256_set1_epi16(static_cast<int16_t>(fy));
  const __m256i zero = _mm256_setzero_si256();
  const __m128i opaque = Opaque(force_opaque);
  __m128i x4 = Positions(x16, step16);
  const __m128i step4 = FourSteps(step16);
  int i = 0;
  for (; i + 4 <= n; i += 4, x16 += 4 * step16, x4 = _mm_add_epi32(x4, step4)) {
    const int64_t ix[4] = {x16 >> 16, (x16 + step16) >> 16, (x16 + 2 * step16) >> 16, (x16 + 3 * step16) >> 16};
    const uint32_t* const top_at[4] = {row0 + ix[0], row0 + ix[1], row0 + ix[2], row0 + ix[3]};
    const uint32_t* const bottom_at[4] = {row1 + ix[0], row1 + ix[1], row1 + ix[2], row1 + ix[3]};
    const __m256i top = FourPairs(top_at), bottom = FourPairs(bottom_at);
    // Lanes: low unpack holds output pixels 0 and 2, high unpack 1 and 3.
    const __m256i v02 = Lerp7(_mm256_unpacklo_epi8(top, zero), _mm256_unpacklo_epi8(bottom, zero), wy);
    const __m256i v13 = Lerp7(_mm256_unpackhi_epi8(top, zero), _mm256_unpackhi_epi8(bottom, zero), wy);
    StoreFour(dst + i, v02, v13, x4, opaque);
  }
  ReferenceKernels().bilinear_row(dst + i, row0, row1, x16, step16, n - i, fy, force_opaque);
}

// Every byte of a pixel taken as signed: p - 128.
__m256i Centred(__m256i x) { return _mm256_xor_si256(x, _mm256_set1_epi8(static_cast<char>(0x80))); }

// The columns of one source row as bytes p - 128 (fy = 0: no vertical blend).
void CentredCopy(uint32_t* out, const uint32_t* row, int count) {
  int c = 0;
  for (; c + 8 <= count; c += 8)
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + c),
                        Centred(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + c))));
  for (; c < count; ++c) out[c] = row[c] ^ 0x80808080u;
}

// The vertical pass once per source column: out[c] = Lerp7(row0[c], row1[c], fy)
// for 0 < fy < 128, stored centred (p - 128) for the horizontal pass. With
// the pixels as the unsigned and the weights (128 - fy, fy) as the signed
// operand of one multiply-add, every product fits (255 x 128 < 32768).
void VerticalPass(uint32_t* out, const uint32_t* row0, const uint32_t* row1, int count, int fy) {
  const auto weights = static_cast<int16_t>(fy << 8 | (128 - fy));
  const __m256i w = _mm256_set1_epi16(weights);
  const __m256i round = _mm256_set1_epi16(64);
  int c = 0;
  for (; c + 8 <= count; c += 8) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row0 + c));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row1 + c));
    const __m256i lo = _mm256_srli_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(a, b), w), round), 7);
    const __m256i hi = _mm256_srli_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(a, b), w), round), 7);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + c), Centred(_mm256_packus_epi16(lo, hi)));
  }
  const __m128i w1 = _mm_set1_epi16(weights);
  for (; c < count; ++c) {
    const __m128i ab = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(row0[c])),
                                         _mm_cvtsi32_si128(static_cast<int>(row1[c])));
    const __m128i v = _mm_srli_epi16(_mm_add_epi16(_mm_maddubs_epi16(ab, w1), _mm_set1_epi16(64)), 7);
    out[c] = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(v, v))) ^ 0x80808080u;
  }
}

// Four output pixels from a row already interpolated vertically and
// centred (p - 128), `near` being the column of the first sample and `x4`
// the four 16.16 positions (whole values below 2^31): one load of 8
// columns, the four pairs picked out of it (they lie within 7 columns for
// steps up to 2), the bytes of each pair interleaved and multiplied by
// their weights (128 - f, f), unsigned, in one multiply-add; the 128 x 128
// the centring took off is added back.
void HorizontalFour(uint32_t* dst, const uint32_t* near, __m128i x4, __m128i opaque) {
  // Each position twice, once for each pixel of its pair.
  const __m256i x8 = _mm256_permutevar8x32_epi32(_mm256_castsi128_si256(x4), _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3));
  const __m256i ix8 = _mm256_srli_epi32(x8, 16);
  const __m256i pick = _mm256_sub_epi32(_mm256_add_epi32(ix8, _mm256_setr_epi32(0, 1, 0, 1, 0, 1, 0, 1)),
                                        _mm256_set1_epi32(_mm_cvtsi128_si32(_mm_srli_epi32(x4, 16))));
  const __m256i f8 = _mm256_srli_epi32(_mm256_and_si256(x8, _mm256_set1_epi32(0xFFFF)), 9);
  const __m256i gf8 = _mm256_or_si256(_mm256_slli_epi32(f8, 8), _mm256_sub_epi32(_mm256_set1_epi32(128), f8));
  const __m256i spread = _mm256_setr_epi8(0, 1, 0, 1, 4, 5, 4, 5, 8, 9, 8, 9, 12, 13, 12, 13,  //
                                          0, 1, 0, 1, 4, 5, 4, 5, 8, 9, 8, 9, 12, 13, 12, 13);
  const __m256i weights = _mm256_shuffle_epi8(gf8, spread);
  const __m256i window = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(near));
  const __m256i interleave = _mm256_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15,  //
                                              0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
  const __m256i pairs = _mm256_shuffle_epi8(_mm256_permutevar8x32_epi32(window, pick), interleave);
  const __m256i sum = _mm256_maddubs_epi16(weights, pairs);
  const __m256i h = _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(128 * 128 + 64)), 7);
  const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(h, h), 0x08);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(_mm256_castsi256_si128(packed), opaque));
}

// Output pixels per pass of the separable row: their source columns (at
// most 2 per pixel) plus a window's reach fit the buffer on the stack.
constexpr int kSeparableChunk = 256;
constexpr int kSeparableColumns = 2 * kSeparableChunk + 2 + 8;

// Steps up to 2 (enlarging, or shrinking to half at most): the vertical pass
// runs once per source column instead of once per output pixel, then every
// four output pixels take their pairs from one load of that row.
void BilinearRowSeparableAvx2(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16,
                              int64_t step16, int n, int fy, bool force_opaque) {
  const __m128i opaque = Opaque(force_opaque);
  const __m128i step4 = FourSteps(step16);
  alignas(32) uint32_t columns[kSeparableColumns];
  for (int done = 0; done < n;) {
    const int m = std::min(n - done, kSeparableChunk);
    const int m4 = m & ~3;
    const int64_t first = x16 >> 16;
    // Every column a sample of the chunk's groups of four touches.
    const int count = m4 == 0 ? 0 : static_cast<int>(((x16 + (m4 - 1) * step16) >> 16) - first + 2);
    if (fy == 0)
      CentredCopy(columns, row0 + first, count);
    else
      VerticalPass(columns, row0 + first, row1 + first, count, fy);
    __m128i x4 = Positions(x16, step16);
    for (int i = 0; i < m4; i += 4, x4 = _mm_add_epi32(x4, step4))
      HorizontalFour(dst + done + i, columns + (_mm_cvtsi128_si32(_mm_srli_epi32(x4, 16)) - first), x4, opaque);
    x16 += m4 * step16;
    ReferenceKernels().bilinear_row(dst + done + m4, row0, row1, x16, step16, m - m4, fy, force_opaque);
    x16 += (m - m4) * step16;
    done += m;
  }
}

void BilinearRowAvx2(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16, int64_t step16,
                     int n, int fy, bool force_opaque) {
  if (step16 > 0 && step16 <= (int64_t{2} << 16))
    BilinearRowSeparableAvx2(dst, row0, row1, x16, step16, n, fy, force_opaque);
  else
    BilinearRowGatherAvx2(dst, row0, row1, x16, step16, n, fy, force_opaque);
}

void BilinearAffineRowAvx2(uint32_t* dst, const uint32_t* src, int64_t stride, int64_t u16, int64_t v16,
                           int64_t du16, int64_t dv16, int n, bool force_opaque) {
  const __m256i zero = _mm256_setzero_si256();
  const __m128i opaque = Opaque(force_opaque);
  __m128i x4 = Positions(u16, du16), y4 = Positions(v16, dv16);
  const __m128i step_x4 = FourSteps(du16), step_y4 = FourSteps(dv16);
  int i = 0;
  for (; i + 4 <= n; i += 4, u16 += 4 * du16, v16 += 4 * dv16) {
    const uint32_t* top_at[4];
    const uint32_t* bottom_at[4];
    for (int k = 0; k < 4; ++k) {
      top_at[k] = src + ((v16 + k * dv16) >> 16) * stride + ((u16 + k * du16) >> 16);
      bottom_at[k] = top_at[k] + stride;
    }
    const __m256i top = FourPairs(top_at), bottom = FourPairs(bottom_at);
    const __m256i v02 = Lerp7(_mm256_unpacklo_epi8(top, zero), _mm256_unpacklo_epi8(bottom, zero), RowWeights02(y4));
    const __m256i v13 = Lerp7(_mm256_unpackhi_epi8(top, zero), _mm256_unpackhi_epi8(bottom, zero), RowWeights13(y4));
    StoreFour(dst + i, v02, v13, x4, opaque);
    x4 = _mm_add_epi32(x4, step_x4);
    y4 = _mm_add_epi32(y4, step_y4);
  }
  ReferenceKernels().bilinear_affine_row(dst + i, src, stride, u16, v16, du16, dv16, n - i, force_opaque);
}

}  // namespace

void InstallAvx2Kernels(TBlendKernels& table) {
  table.name = "avx2";
  InstallKernels<Avx2>(table);
  table.bilinear_row = BilinearRowAvx2;
  table.bilinear_affine_row = BilinearAffineRowAvx2;
}

}  // namespace corvellane
