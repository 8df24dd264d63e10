// blend_simd_kernels.inl: the packed 16-bit lane versions of the hot row
// loops, written once over a small register abstraction `V` and included by
// blend_simd_sse2.cpp (V = 4 pixels in __m128i) and blend_simd_avx2.cpp
// (V = 8 pixels in __m256i). Every operation used is lane-local (unpack,
// pack and shuffles stay within 128-bit halves), so the same code is correct
// for both widths.
//
// Each loop reproduces the reference formulas of blend_pixel.h exactly. The
// trick that keeps everything in 16 bits: d + ((s - d) * w) >> 8 (arithmetic
// shift) equals (s * w + d * (256 - w)) >> 8, whose terms never exceed 65280.
// Row tails shorter than a register go to the reference row functions.
//
// Everything here has internal linkage: the two including files are compiled
// with different instruction-set flags and must not share any inline code.
namespace {

// Broadcasts the alpha lane of each pixel (16-bit lanes 3 and 7 of each
// 128-bit half) over that pixel's four lanes.
template <class V>
typename V::Reg SpreadAlpha16(typename V::Reg x) {
  return V::ShuffleHi16_3333(V::ShuffleLo16_3333(x));
}

// (s * w + d * (256 - w)) >> 8 on 16-bit lanes: d moved toward s by w / 256.
template <class V>
typename V::Reg Toward16(typename V::Reg d, typename V::Reg s, typename V::Reg w) {
  const typename V::Reg inv = V::Sub16(V::Set16(256), w);
  return V::Srl16(V::Add16(V::Mul16(s, w), V::Mul16(d, inv)), 8);
}

// Applies `colour_fn(d16, s16)` and `alpha_fn(d16, s16)` to the low and high
// pixel halves of d and s, taking the alpha lanes from alpha_fn.
template <class V, class ColourFn, class AlphaFn>
typename V::Reg Per16(typename V::Reg d, typename V::Reg s, ColourFn colour_fn, AlphaFn alpha_fn) {
  using Reg = typename V::Reg;
  const Reg zero = V::Zero();
  const Reg alpha_lanes = V::AlphaLanes16();
  const auto half = [&](Reg d16, Reg s16) {
    return V::Select(alpha_lanes, alpha_fn(d16, s16), colour_fn(d16, s16));
  };
  return V::Pack16(half(V::UnpackLo8(d, zero), V::UnpackLo8(s, zero)),
                   half(V::UnpackHi8(d, zero), V::UnpackHi8(s, zero)));
}

// Applies `colour_fn(d16, s16)` to every lane of both pixel halves; the
// caller fixes the alpha bytes afterwards on whole pixels (cheaper than
// computing an alpha that is thrown away).
template <class V, class ColourFn>
typename V::Reg PerColour16(typename V::Reg d, typename V::Reg s, ColourFn colour_fn) {
  const typename V::Reg zero = V::Zero();
  return V::Pack16(colour_fn(V::UnpackLo8(d, zero), V::UnpackLo8(s, zero)),
                   colour_fn(V::UnpackHi8(d, zero), V::UnpackHi8(s, zero)));
}

// The colour bytes of `colour` with the alpha bytes of `alpha`.
template <class V>
typename V::Reg KeepAlpha(typename V::Reg colour, typename V::Reg alpha) {
  return V::Select(V::Set32(0xFF000000u), alpha, colour);
}

// Pixels whose alpha byte is zero: all-ones 32-bit lanes.
template <class V>
typename V::Reg AlphaIsZero(typename V::Reg x) {
  return V::Eq32(V::And(x, V::Set32(0xFF000000u)), V::Zero());
}

// --- mode "normal" -----------------------------------------------------------

template <class V, bool kDstAlpha>
void NormalAlphaRowT(uint32_t* dst, const uint32_t* src, int n) {
  using Reg = typename V::Reg;
  const Reg opaque = V::Set32(0xFF000000u);
  int i = 0;
  for (; i + V::kPixels <= n; i += V::kPixels) {
    const Reg s = V::Load(src + i);
    const Reg d = V::Load(dst + i);
    const auto colour = [](Reg d16, Reg s16) { return Toward16<V>(d16, s16, SpreadAlpha16<V>(s16)); };
    if constexpr (kDstAlpha) {
      if (V::AllOnes(AlphaIsZero<V>(s))) {
        // a = 0 changes neither colour nor alpha; only transparent destinations take the source.
        V::Store(dst + i, V::Select(AlphaIsZero<V>(d), s, d));
        continue;
      }
      const Reg out = Per16<V>(d, s, colour, [](Reg d16, Reg s16) {
        // a + ((255 - a) * (A + 1)) >> 8
        const Reg a = SpreadAlpha16<V>(s16);
        const Reg t = V::Mul16(V::Sub16(V::Set16(255), a), V::Add16(d16, V::Set16(1)));
        return V::Add16(a, V::Srl16(t, 8));
      });
      V::Store(dst + i, V::Select(AlphaIsZero<V>(d), s, out));
    } else {
      if (V::AllOnes(AlphaIsZero<V>(s))) {
        // Only the alpha becomes 255; skip the store when it already is.
        if (!V::AllOnes(V::Eq32(V::And(d, opaque), opaque))) V::Store(dst + i, V::Or(d, opaque));
        continue;
      }
      V::Store(dst + i, V::Or(PerColour16<V>(d, s, colour), opaque));
    }
  }
  ReferenceKernels().normal_alpha(dst + i, src + i, n - i, kDstAlpha);
}

template <class V, bool kDstAlpha>
void NormalAlphaOpacityRowT(uint32_t* dst, const uint32_t* src, int n, int opacity) {
  using Reg = typename V::Reg;
  const Reg o32 = V::Set32(uint32_t(opacity));
  const Reg o16 = V::Set16(int16_t(opacity));
  int i = 0;
  for (; i + V::kPixels <= n; i += V::kPixels) {
    const Reg s = V::Load(src + i);
    const Reg d = V::Load(dst + i);
    // f := (a * o) >> 8 per pixel; f = 0 leaves the pixel alone.
    const Reg f32 = V::Srl32(V::Mul16(V::Srl32(s, 24), o32), 8);
    const Reg untouched = V::Eq32(f32, V::Zero());
    if (V::AllOnes(untouched)) continue;
    const auto weight = [o16](Reg s16) { return V::Srl16(V::Mul16(SpreadAlpha16<V>(s16), o16), 8); };
    const auto colour = [&](Reg d16, Reg s16) { return Toward16<V>(d16, s16, weight(s16)); };
    Reg out;
    if constexpr (kDstAlpha) {
      out = Per16<V>(d, s, colour, [&](Reg d16, Reg s16) {
        // f + g - ((f * g + 255) >> 8)
        const Reg f = weight(s16);
        const Reg fg = V::Srl16(V::Add16(V::Mul16(f, d16), V::Set16(255)), 8);
        return V::Sub16(V::Add16(f, d16), fg);
      });
      out = V::Select(AlphaIsZero<V>(d), s, out);
    } else {
      out = KeepAlpha<V>(PerColour16<V>(d, s, colour), d);
    }
    V::Store(dst + i, V::Select(untouched, d, out));
  }
  ReferenceKernels().normal_alpha_opacity(dst + i, src + i, n - i, opacity, kDstAlpha);
}

template <class V, bool kDstAlpha>
void NormalConstantRowT(uint32_t* dst, const uint32_t* src, int n, int opacity) {
  using Reg = typename V::Reg;
  const Reg o16 = V::Set16(int16_t(opacity));
  const Reg inv16 = V::Set16(int16_t(255 - opacity));
  const Reg round = V::Set16(255);
  const Reg alpha_bits = V::Set32(uint32_t(opacity) << 24);
  int i = 0;
  for (; i + V::kPixels <= n; i += V::kPixels) {
    const Reg s = V::Load(src + i);
    const Reg d = V::Load(dst + i);
    // (s * o + d * (255 - o) + 255) >> 8 on every lane, alpha fixed after.
    const auto mix = [&](Reg d16, Reg s16) {
      return V::Srl16(V::Add16(V::Add16(V::Mul16(s16, o16), V::Mul16(d16, inv16)), round), 8);
    };
    Reg out = PerColour16<V>(d, s, mix);
    if constexpr (kDstAlpha) {
      out = V::Or(V::AndNot(V::Set32(0xFF000000u), out), alpha_bits);
      out = V::Select(AlphaIsZero<V>(d), s, out);
    } else {
      out = KeepAlpha<V>(out, d);
    }
    V::Store(dst + i, out);
  }
  ReferenceKernels().normal_constant(dst + i, src + i, n - i, opacity, kDstAlpha);
}

// --- mode "normal" fills ---------------------------------------------------

template <class V, bool kDstAlpha>
void FillMaskRowT(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour) {
  using Reg = typename V::Reg;
  const Reg c16 = V::UnpackLo8(V::Set32(colour), V::Zero());
  const Reg solid = V::Set32(kDstAlpha ? colour : (colour | 0xFF000000u));
  const Reg colour_bits = V::Set32(colour & 0x00FFFFFFu);
  const Reg alpha_byte = V::Set32(0xFF000000u);
  int i = 0;
  for (; i + V::kPixels <= n; i += V::kPixels) {
    const Reg m = V::Load(mask + i);
    const Reg m_alpha = V::And(m, alpha_byte);
    const Reg clear = V::Eq32(m_alpha, V::Zero());
    if (V::AllOnes(clear)) continue;
    const Reg full = V::Eq32(m_alpha, alpha_byte);
    if (V::AllOnes(full)) {
      V::Store(dst + i, solid);
      continue;
    }
    const Reg d = V::Load(dst + i);
    const auto colour16 = [&](Reg d16, Reg m16) { return Toward16<V>(d16, c16, SpreadAlpha16<V>(m16)); };
    Reg out;
    if constexpr (kDstAlpha) {
      out = Per16<V>(d, m, colour16, [](Reg d16, Reg m16) {
        // ((255 - g) * m) >> 8 + g
        const Reg t = V::Mul16(V::Sub16(V::Set16(255), d16), SpreadAlpha16<V>(m16));
        return V::Add16(V::Srl16(t, 8), d16);
      });
      out = V::Select(AlphaIsZero<V>(d), V::Or(colour_bits, m_alpha), out);
    } else {
      out = V::Or(PerColour16<V>(d, m, colour16), alpha_byte);
    }
    out = V::Select(full, solid, V::Select(clear, d, out));
    V::Store(dst + i, out);
  }
  ReferenceKernels().fill_mask(dst + i, mask + i, n - i, colour, kDstAlpha);
}

template <class V, bool kDstAlpha>
void FillMaskOpacityRowT(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, int effective) {
  using Reg = typename V::Reg;
  const Reg c16 = V::UnpackLo8(V::Set32(colour), V::Zero());
  const Reg e32 = V::Set32(uint32_t(effective));
  const Reg e16 = V::Set16(int16_t(effective));
  const Reg colour_bits = V::Set32(colour & 0x00FFFFFFu);
  int i = 0;
  for (; i + V::kPixels <= n; i += V::kPixels) {
    const Reg m = V::Load(mask + i);
    // f := (m * e) >> 8 per pixel; f = 0 leaves the pixel alone.
    const Reg f32 = V::Srl32(V::Mul16(V::Srl32(m, 24), e32), 8);
    const Reg untouched = V::Eq32(f32, V::Zero());
    if (V::AllOnes(untouched)) continue;
    const Reg d = V::Load(dst + i);
    const auto weight = [e16](Reg m16) { return V::Srl16(V::Mul16(SpreadAlpha16<V>(m16), e16), 8); };
    const auto colour16 = [&](Reg d16, Reg m16) { return Toward16<V>(d16, c16, weight(m16)); };
    Reg out;
    if constexpr (kDstAlpha) {
      out = Per16<V>(d, m, colour16, [&](Reg d16, Reg m16) {
        const Reg t = V::Mul16(V::Sub16(V::Set16(255), d16), weight(m16));
        return V::Add16(V::Srl16(t, 8), d16);
      });
      out = V::Select(AlphaIsZero<V>(d), V::Or(colour_bits, V::Sll32(f32, 24)), out);
    } else {
      out = KeepAlpha<V>(PerColour16<V>(d, m, colour16), d);
    }
    V::Store(dst + i, V::Select(untouched, d, out));
  }
  ReferenceKernels().fill_mask_opacity(dst + i, mask + i, n - i, colour, effective, kDstAlpha);
}

// --- screen and addition -----------------------------------------------------

enum class CoverKind { Screen, Addition };

// One row of screen or addition. Colours come from `src` (kFill = false) or
// are the fill colour (kFill = true); alphas from `alphas` or 255 when
// !has_alpha; e := (a * weight) >> 8; a = 0 leaves the pixel alone.
template <class V, CoverKind kKind, bool kFill, bool kDstAlpha>
void CoverRowT(uint32_t* dst, const uint32_t* src, const uint32_t* alphas, bool has_alpha, uint32_t colour,
               int n, int weight) {
  using Reg = typename V::Reg;
  const Reg w16 = V::Set16(int16_t(weight));
  const Reg k255 = V::Set16(255);
  const Reg opaque = V::Set32(0xFF000000u);
  const Reg fill = V::Set32(colour);
  int i = 0;
  for (; i + V::kPixels <= n; i += V::kPixels) {
    const Reg a_src = has_alpha ? V::Load(alphas + i) : opaque;
    const Reg untouched = AlphaIsZero<V>(a_src);
    if (V::AllOnes(untouched)) continue;
    const Reg s = kFill ? fill : V::Load(src + i);
    const Reg d = V::Load(dst + i);
    const Reg zero = V::Zero();
    const Reg colour_lanes = V::AndNot(V::AlphaLanes16(), V::Set16(-1));
    const auto half = [&](Reg d16, Reg s16, Reg a16) {
      const Reg e = V::Srl16(V::Mul16(SpreadAlpha16<V>(a16), w16), 8);
      // s * e >> 8 with the alpha lane cleared: both formulas then leave
      // the destination alpha as it is, which is right without alpha.
      const Reg se = V::And(V::Srl16(V::Mul16(s16, e), 8), colour_lanes);
      Reg colour16;
      if constexpr (kKind == CoverKind::Screen) {
        // 255 - (((255 - se) * (256 - d)) >> 8)
        colour16 = V::Sub16(k255, V::Srl16(V::Mul16(V::Sub16(k255, se), V::Sub16(V::Set16(256), d16)), 8));
      } else {
        colour16 = V::Add16(d16, se);  // the pack saturates at 255
      }
      if constexpr (!kDstAlpha) return colour16;
      // e + ((255 - e) * A) >> 8
      const Reg alpha16 = V::Add16(e, V::Srl16(V::Mul16(V::Sub16(k255, e), d16), 8));
      return V::Select(V::AlphaLanes16(), alpha16, colour16);
    };
    const Reg s16_lo = V::UnpackLo8(s, zero), s16_hi = V::UnpackHi8(s, zero);
    const Reg a16_lo = !has_alpha ? V::Set16(255) : kFill ? V::UnpackLo8(a_src, zero) : s16_lo;
    const Reg a16_hi = !has_alpha ? V::Set16(255) : kFill ? V::UnpackHi8(a_src, zero) : s16_hi;
    Reg out;
    if constexpr (kKind == CoverKind::Addition && !kDstAlpha) {
      // (s * e) >> 8 as the high half of s * (e << 8); e << 8 is (a * w) with
      // the low byte cleared, and clearing the alpha lane too keeps the
      // destination alpha. Then a saturating byte add is the whole formula.
      const Reg e_bits = V::AndNot(V::AlphaLanes16(), V::Set16(int16_t(0xFF00)));
      const auto se = [&](Reg s16, Reg a16) {
        return V::MulHiU16(s16, V::And(V::Mul16(SpreadAlpha16<V>(a16), w16), e_bits));
      };
      out = V::AddSat8(d, V::Pack16(se(s16_lo, a16_lo), se(s16_hi, a16_hi)));
    } else {
      out = V::Pack16(half(V::UnpackLo8(d, zero), s16_lo, a16_lo), half(V::UnpackHi8(d, zero), s16_hi, a16_hi));
    }
    V::Store(dst + i, V::Select(untouched, d, out));
  }
  if (i == n) return;
  constexpr int kMode = kKind == CoverKind::Screen ? 0 : 3;
  if constexpr (kFill) {
    ReferenceKernels().fill_modes[kMode](dst + i, alphas + i, n - i, colour, weight, has_alpha, kDstAlpha);
  } else {
    ReferenceKernels().image_modes[kMode](dst + i, src + i, n - i, weight, has_alpha, kDstAlpha);
  }
}

template <class V, CoverKind kKind>
void CoverImageRow(uint32_t* dst, const uint32_t* src, int n, int opacity, bool src_alpha, bool dst_alpha) {
  if (dst_alpha) {
    CoverRowT<V, kKind, false, true>(dst, src, src, src_alpha, 0, n, opacity);
  } else {
    CoverRowT<V, kKind, false, false>(dst, src, src, src_alpha, 0, n, opacity);
  }
}

template <class V, CoverKind kKind>
void CoverFillRow(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, int weight, bool mask_alpha,
                  bool dst_alpha) {
  if (dst_alpha) {
    CoverRowT<V, kKind, true, true>(dst, nullptr, mask, mask_alpha, colour, n, weight);
  } else {
    CoverRowT<V, kKind, true, false>(dst, nullptr, mask, mask_alpha, colour, n, weight);
  }
}

// --- dispatch on the destination alpha flag ---------------------------------

template <class V>
void NormalAlphaRow(uint32_t* dst, const uint32_t* src, int n, bool dst_alpha) {
  dst_alpha ? NormalAlphaRowT<V, true>(dst, src, n) : NormalAlphaRowT<V, false>(dst, src, n);
}

template <class V>
void NormalAlphaOpacityRow(uint32_t* dst, const uint32_t* src, int n, int o, bool dst_alpha) {
  dst_alpha ? NormalAlphaOpacityRowT<V, true>(dst, src, n, o) : NormalAlphaOpacityRowT<V, false>(dst, src, n, o);
}

template <class V>
void NormalConstantRow(uint32_t* dst, const uint32_t* src, int n, int o, bool dst_alpha) {
  dst_alpha ? NormalConstantRowT<V, true>(dst, src, n, o) : NormalConstantRowT<V, false>(dst, src, n, o);
}

template <class V>
void FillMaskRow(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, bool dst_alpha) {
  dst_alpha ? FillMaskRowT<V, true>(dst, mask, n, colour) : FillMaskRowT<V, false>(dst, mask, n, colour);
}

template <class V>
void FillMaskOpacityRow(uint32_t* dst, const uint32_t* mask, int n, uint32_t colour, int e, bool dst_alpha) {
  dst_alpha ? FillMaskOpacityRowT<V, true>(dst, mask, n, colour, e)
            : FillMaskOpacityRowT<V, false>(dst, mask, n, colour, e);
}

template <class V>
void InstallKernels(TBlendKernels& table) {
  table.normal_alpha = NormalAlphaRow<V>;
  table.normal_alpha_opacity = NormalAlphaOpacityRow<V>;
  table.normal_constant = NormalConstantRow<V>;
  table.fill_mask = FillMaskRow<V>;
  table.fill_mask_opacity = FillMaskOpacityRow<V>;
  table.image_modes[0] = CoverImageRow<V, CoverKind::Screen>;
  table.image_modes[3] = CoverImageRow<V, CoverKind::Addition>;
  table.fill_modes[0] = CoverFillRow<V, CoverKind::Screen>;
  table.fill_modes[3] = CoverFillRow<V, CoverKind::Addition>;
}

}  // namespace
