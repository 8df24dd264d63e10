// AVX2 versions of the hot row loops (8 pixels per register) and of the
// bilinear row (4 output pixels per step). Compiled with -mavx2; only called
// when the processor reports AVX2.
#include <immintrin.h>

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

// The pair of source pixels at ix of one row for two output pixels, as
// one 128-bit half: [a, a+1, b, b+1].
__m128i TwoPairs(const uint32_t* row, int64_t ia, int64_t ib) {
  const __m128i a = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + ia));
  const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + ib));
  return _mm_unpacklo_epi64(a, b);
}

// Output pixels p, q in the low half and r, s in the high half.
__m256i FourPairs(const uint32_t* row, const int64_t (&ix)[4]) {
  return _mm256_inserti128_si256(_mm256_castsi128_si256(TwoPairs(row, ix[0], ix[1])), TwoPairs(row, ix[2], ix[3]), 1);
}

__m256i Lerp7(__m256i p, __m256i q, __m256i w) {
  const __m256i inv = _mm256_sub_epi16(_mm256_set1_epi16(128), w);
  const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(p, inv), _mm256_mullo_epi16(q, w));
  return _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(64)), 7);
}

// Horizontal weights of four output pixels from their 16.16 positions
// (low 32 bits are enough for the fraction): 16-bit lanes
// [128 - f0, f0, 128 - f1, f1, ...], repeated in both 128-bit halves.
__m256i WeightPairs(__m128i x4) {
  const __m128i f = _mm_srli_epi32(_mm_and_si128(x4, _mm_set1_epi32(0xFFFF)), 9);
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

void BilinearRowAvx2(uint32_t* dst, const uint32_t* row0, const uint32_t* row1, int64_t x16, int64_t step16,
                     int n, int fy, bool force_opaque) {
  const __m256i wy = _mm256_set1_epi16(static_cast<int16_t>(fy));
  const __m256i zero = _mm256_setzero_si256();
  const __m128i opaque = _mm_set1_epi32(force_opaque ? static_cast<int>(0xFF000000u) : 0);
  const uint32_t step32 = static_cast<uint32_t>(step16);
  __m128i x4 = _mm_add_epi32(_mm_set1_epi32(static_cast<int>(static_cast<uint32_t>(x16))),
                             _mm_setr_epi32(0, static_cast<int>(step32), static_cast<int>(2 * step32),
                                            static_cast<int>(3 * step32)));
  const __m128i step4 = _mm_set1_epi32(static_cast<int>(4 * step32));
  int i = 0;
  for (; i + 4 <= n; i += 4, x16 += 4 * step16, x4 = _mm_add_epi32(x4, step4)) {
    const int64_t ix[4] = {x16 >> 16, (x16 + step16) >> 16, (x16 + 2 * step16) >> 16, (x16 + 3 * step16) >> 16};
    const __m256i top = FourPairs(row0, ix), bottom = FourPairs(row1, ix);
    // Lanes: low unpack holds output pixels 0 and 2, high unpack 1 and 3.
    const __m256i v02 = Lerp7(_mm256_unpacklo_epi8(top, zero), _mm256_unpacklo_epi8(bottom, zero), wy);
    const __m256i v13 = Lerp7(_mm256_unpackhi_epi8(top, zero), _mm256_unpackhi_epi8(bottom, zero), wy);
    // Per 128-bit half: [left, right] of one pixel; weight and add the halves.
    const __m256i w = WeightPairs(x4);
    const __m256i p02 = _mm256_mullo_epi16(v02, SpreadWeights02(w));
    const __m256i p13 = _mm256_mullo_epi16(v13, SpreadWeights13(w));
    const __m256i sum = _mm256_add_epi16(_mm256_unpacklo_epi64(p02, p13), _mm256_unpackhi_epi64(p02, p13));
    const __m256i h = _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(64)), 7);
    // Pack: low half gives pixels 0, 1 and high half 2, 3.
    const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(h, h), 0x08);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(_mm256_castsi256_si128(packed), opaque));
  }
  ReferenceKernels().bilinear_row(dst + i, row0, row1, x16, step16, n - i, fy, force_opaque);
}

}  // namespace

void InstallAvx2Kernels(TBlendKernels& table) {
  table.name = "avx2";
  InstallKernels<Avx2>(table);
  table.bilinear_row = BilinearRowAvx2;
}

}  // namespace corvellane
