// image_decoder.h: PNG and JPEG files in memory turned into surfaces.
//
// Image resources hand the bytes they read through the resource reader to
// these functions and get a surface, or none. Every PNG colour type and bit
// depth (palette, grey, grey with alpha, colour, 16-bit, tRNS transparency)
// comes out as 8-bit colour with alpha; JPEG files must decode to 24-bit
// colour (greyscale and CMYK files are not used), their alpha is 255.
//
//   Ref<TSurface> logo = DecodePng(bytes);       // HasAlpha(): alpha channel or tRNS
//   Ref<TSurface> photo = DecodeJpeg(bytes);     // HasAlpha() false
//   std::optional<TGreyImage> mask = DecodePngGrey(bytes);
//
// Untrusted input: the size in the header is checked against
// kMaxSurfaceSide before anything is allocated, and a damaged or truncated
// file (even one the libraries would patch up with a warning) gives none
// rather than a half-grey picture.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/surface.h"

namespace corvellane {

// One byte per pixel, rows of `width` bytes without padding.
struct TGreyImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;
};

// None when the bytes are not a complete, valid PNG within the size limit.
Ref<TSurface> DecodePng(std::span<const uint8_t> bytes);
// The PNG as grey levels (colour images are converted to their luminance).
std::optional<TGreyImage> DecodePngGrey(std::span<const uint8_t> bytes);
// None unless the bytes are a complete JPEG of three colour components.
Ref<TSurface> DecodeJpeg(std::span<const uint8_t> bytes);

}  // namespace corvellane
