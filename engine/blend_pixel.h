// blend_pixel.h: the per-pixel formulas of the blend modes, fills and
// bilinear sampling, in plain integer arithmetic. These are the reference
// definitions; the packed SIMD loops reproduce them bit for bit.
//
// Naming: d, s are channels of the destination and source (or fill colour),
// A the destination alpha, a the source (or mask) alpha, e the effective
// weight after the opacity. ">> 8" is division by 256 of non-negative values
// unless noted.
//
// Each function below states the ideal formula first, on channels taken as
// real numbers in [0, 1] (D = d / 255, S = s / 255, E = e / 255, ...), then
// how the integer form approximates it and which constants are deliberate.
// Two approximations recur:
//
//   x * y / 255  ~  (x * y) >> 8      one shift instead of a division; the
//                                     result is low by at most y / 255 < 1,
//                                     and 255 * 255 >> 8 = 254, not 255.
//   x * y / 255  ~  (x * (y + 1)) >> 8  or  (x * y + 255) >> 8
//                                     the same shift, biased up so that the
//                                     end points come out exact.
//
// The bound given with each formula is the largest difference from the ideal
// result (times 255) over every input; tests/engine/blend_ideal_test.cpp
// checks the functions against the ideal formulas within these bounds.
#pragma once

#include <algorithm>
#include <cstdint>

namespace corvellane::pixel {

inline constexpr uint32_t kAlphaMask = 0xFF000000u;

inline uint32_t Alpha(uint32_t p) { return p >> 24; }
inline uint32_t Channel(uint32_t p, int shift) { return (p >> shift) & 0xFF; }
inline uint32_t WithAlpha(uint32_t p, uint32_t alpha) { return (p & ~kAlphaMask) | (alpha << 24); }

// Applies `f(d, s)` to the three colour channels of d and s.
template <class F>
uint32_t MapColour(uint32_t d, uint32_t s, F f) {
  uint32_t out = d & kAlphaMask;
  for (int shift = 0; shift <= 16; shift += 8) {
    out |= (f(Channel(d, shift), Channel(s, shift)) & 0xFF) << shift;
  }
  return out;
}

// --- mode "normal" -------------------------------------------------------

// Ideal: D + (S - D) * W, the "over" mix at weight W.
// Integer: d + ((s - d) * w) >> 8 with an arithmetic shift (a floor, also for
// s < d), so the result stays within d..s and thus within 0..255. Dividing
// by 256 leaves w = 255 one step short of s: within 2 of the ideal.
inline uint32_t Toward(uint32_t d, uint32_t s, uint32_t w) {
  return static_cast<uint32_t>(static_cast<int32_t>(d) +
                               ((static_cast<int32_t>(s) - static_cast<int32_t>(d)) *
                                static_cast<int32_t>(w) >> 8));
}

// Ideal: S * W + D * (1 - W), the constant-weight mix.
// Integer: (s * w + d * (255 - w) + 255) >> 8. The + 255 is deliberate: with
// w = 255 the sum is 255 * (s + 1), and >> 8 gives exactly s; with w = 0 it
// gives exactly d. Within 1 of the ideal everywhere.
inline uint32_t Mix(uint32_t d, uint32_t s, uint32_t w) { return (s * w + d * (255 - w) + 255) >> 8; }

inline uint32_t NormalConstant(uint32_t d, uint32_t s, uint32_t o, bool dst_alpha) {
  if (dst_alpha && Alpha(d) == 0) return s;
  const uint32_t out = MapColour(d, s, [o](uint32_t dc, uint32_t sc) { return Mix(dc, sc, o); });
  return dst_alpha ? WithAlpha(out, o) : out;
}

// Ideal "over" with the source alpha: colour D + (S - D) * a, alpha
// a + A * (1 - a). Integer alpha: a + ((255 - a) * (A + 1)) >> 8; the + 1 is
// deliberate: an opaque destination (A = 255) multiplies by exactly 256 and
// stays 255. Alpha within 1 of the ideal; colour as Toward. A transparent
// destination takes the source pixel unchanged.
inline uint32_t NormalAlpha(uint32_t d, uint32_t s, bool dst_alpha) {
  const uint32_t a = Alpha(s);
  if (dst_alpha && Alpha(d) == 0) return s;
  if (a != 0) {
    const uint32_t out = MapColour(d, s, [a](uint32_t dc, uint32_t sc) { return Toward(dc, sc, a); });
    d = WithAlpha(out, a + (((255 - a) * (Alpha(d) + 1)) >> 8));
  }
  return dst_alpha ? d : WithAlpha(d, 255);
}

// Ideal: weight F = a * O, colour D + (S - D) * F, alpha F + G - F * G (the
// union of the two coverages). Integer: f = (a * o) >> 8 and
// f + g - ((f * g + 255) >> 8); the + 255 rounds the product up so that two
// opaque coverages give exactly 255. Alpha within 1 of the ideal for the
// weight f.
inline uint32_t NormalAlphaOpacity(uint32_t d, uint32_t s, uint32_t o, bool dst_alpha) {
  const uint32_t f = (Alpha(s) * o) >> 8;
  if (f == 0) return d;
  if (dst_alpha && Alpha(d) == 0) return s;
  const uint32_t out = MapColour(d, s, [f](uint32_t dc, uint32_t sc) { return Toward(dc, sc, f); });
  if (!dst_alpha) return out;
  const uint32_t g = Alpha(d);
  return WithAlpha(out, f + g - ((f * g + 255) >> 8));
}

// --- mode "normal" fills ---------------------------------------------------

inline uint32_t FillSolid(uint32_t c, bool dst_alpha) { return dst_alpha ? c : WithAlpha(c, 255); }

// Ideal: colour C * E + D * (1 - E) (Mix); the alpha is max(A, E), not the
// union of the two: a fill at constant weight never makes a pixel more
// opaque than the more opaque of the two, by design.
inline uint32_t FillConstant(uint32_t d, uint32_t c, uint32_t e, bool dst_alpha) {
  if (dst_alpha && Alpha(d) == 0) return WithAlpha(c, e);
  const uint32_t out = MapColour(d, c, [e](uint32_t dc, uint32_t sc) { return Mix(dc, sc, e); });
  return dst_alpha ? WithAlpha(out, std::max(Alpha(d), e)) : out;
}

// Fill through mask alpha m at weight f (f = m when the fill is at full weight).
// Ideal: colour D + (C - D) * F (Toward), alpha G + F * (1 - G), the union
// written as ((255 - g) * f) >> 8 + g: within 2 of the ideal, never above 255.
inline uint32_t FillMasked(uint32_t d, uint32_t c, uint32_t f, bool dst_alpha) {
  if (dst_alpha && Alpha(d) == 0) return WithAlpha(c, f);
  const uint32_t out = MapColour(d, c, [f](uint32_t dc, uint32_t sc) { return Toward(dc, sc, f); });
  if (!dst_alpha) return out;
  const uint32_t g = Alpha(d);
  return WithAlpha(out, (((255 - g) * f) >> 8) + g);
}

inline uint32_t FillMask(uint32_t d, uint32_t c, uint32_t m, bool dst_alpha) {
  if (m == 0) return d;
  if (m == 255) return FillSolid(c, dst_alpha);
  const uint32_t out = FillMasked(d, c, m, dst_alpha);
  return dst_alpha ? out : WithAlpha(out, 255);
}

inline uint32_t FillMaskOpacity(uint32_t d, uint32_t c, uint32_t m, uint32_t e, bool dst_alpha) {
  const uint32_t f = (m * e) >> 8;
  return f == 0 ? d : FillMasked(d, c, f, dst_alpha);
}

// --- modes 1..5 --------------------------------------------------------------

// The destination alpha update shared by screen, overlay, linear light and
// addition. Ideal: E + A * (1 - E); the plain shift keeps it within 2.
inline uint32_t CoverAlpha(uint32_t A, uint32_t e) { return e + (((255 - e) * A) >> 8); }

// Ideal: 1 - (1 - S * E) * (1 - D), screen with the source weighted by E.
// Integer: 255 - ((255 - (s * e) >> 8) * (256 - d)) >> 8. The 256 - d is
// deliberate: over black (d = 0) the product is divided exactly and the
// result is the weighted source itself; over white (d = 255) the product is
// below 256 and the result stays 255. Within 2 of the ideal.
inline uint32_t ScreenChannel(uint32_t d, uint32_t s, uint32_t e) {
  return 255 - (((255 - ((s * e) >> 8)) * (256 - d)) >> 8);
}

// Ideal: overlay O = 2 * S * D when D < 1/2, else 1 - 2 * (1 - S) * (1 - D),
// mixed in at weight E: D * (1 - E) + O * E. Integer: the factor 2 / 255 of
// the product forms becomes / 128 for the light half and, with the weight's
// own / 255, >> 15 (2 / 255^2 ~ 1 / 32768) for the dark half: powers of two
// for one division each. The two halves meet at d = 128. Within 4 of the
// ideal, the loosest of the modes.
inline uint32_t OverlayChannel(uint32_t d, uint32_t s, uint32_t e) {
  const uint32_t h = 255 - e;
  if (d >= 128) return ((d * h) >> 8) + (((255 - ((255 - s) * (255 - d)) / 128) * e) >> 8);
  return ((d * h) >> 8) + ((e * s * d) >> 15);
}

// Ideal: D + E * (2 * S - 1), clamped to [0, 1]: s = 128 (~ 1/2) adds
// nothing, brighter sources lighten and darker ones darken. Integer:
// t = e * (2 * s - 255), signed, divided by 256 truncating toward zero, so
// that lightening and darkening round alike. Within 2 of the ideal.
inline uint32_t LinearLightChannel(uint32_t d, uint32_t s, uint32_t e) {
  const int32_t t = static_cast<int32_t>(e) * (2 * static_cast<int32_t>(s) - 255);
  return static_cast<uint32_t>(std::clamp(static_cast<int32_t>(d) + t / 256, 0, 255));
}

// Ideal: min(D + S * E, 1). Integer: d + (e * s) >> 8, saturated at 255.
// Within 2 of the ideal.
inline uint32_t AdditionChannel(uint32_t d, uint32_t s, uint32_t e) {
  return std::min<uint32_t>(d + ((e * s) >> 8), 255);
}

// One of screen, overlay, linear light or addition: colours by `channel`,
// alpha by CoverAlpha when the destination has alpha.
template <class ChannelFn>
uint32_t CoverPixel(uint32_t d, uint32_t s, uint32_t e, bool dst_alpha, ChannelFn channel) {
  const uint32_t out = MapColour(d, s, [e, channel](uint32_t dc, uint32_t sc) { return channel(dc, sc, e); });
  return dst_alpha ? WithAlpha(out, CoverAlpha(Alpha(d), e)) : out;
}

// Not a mix: the more opaque of the two pixels wins whole, a tie going to the
// source; the winner's alpha is the weight e.
inline uint32_t MaxOpaque(uint32_t d, uint32_t s, uint32_t e, bool dst_alpha) {
  if (e < Alpha(d)) return d;
  return dst_alpha ? WithAlpha(s, e) : s;
}

// --- bilinear sampling -----------------------------------------------------

// Ideal: P + (Q - P) * w / 128 per channel, alpha included. Integer:
// (p * (128 - w) + q * w + 64) >> 7; the + 64 rounds to nearest, so the
// result is within 1/2 of the ideal. Seven-bit weights keep every product of
// the packed loops within 16-bit lanes (255 * 128 < 65536).
inline uint32_t Lerp7(uint32_t p, uint32_t q, uint32_t w) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 24; shift += 8) {
    out |= ((Channel(p, shift) * (128 - w) + Channel(q, shift) * w + 64) >> 7) << shift;
  }
  return out;
}

// Vertical pass first, then horizontal; fx, fy are 7-bit weights (0..127).
inline uint32_t Bilinear(uint32_t p00, uint32_t p01, uint32_t p10, uint32_t p11, uint32_t fx,
                         uint32_t fy) {
  return Lerp7(Lerp7(p00, p10, fy), Lerp7(p01, p11, fy), fx);
}

}  // namespace corvellane::pixel
