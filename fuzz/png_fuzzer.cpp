// Arbitrary bytes as a PNG picture, through both ways the engine decodes
// one (a colour surface, and grey levels for masks). A picture that decodes
// has sides within kMaxSurfaceSide, matching buffers, and can be drawn.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/image_decoder.h"
#include "fuzz/fuzz_support.h"

using namespace corvellane;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (Ref<TSurface> picture = DecodePng(bytes)) {
    const int32_t width = picture->GetWidth();
    const int32_t height = picture->GetHeight();
    FuzzCheck(width > 0 && height > 0 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide);
    picture->GetPixel(width - 1, height - 1);
    Ref<TSurface> canvas = MakeSurface(16, 16, true);
    canvas->DrawImage(picture.get(), {0, 0, width, height}, TBlendMode::Normal, 255, {0, 0, 16, 16});
  }
  if (std::optional<TGreyImage> grey = DecodePngGrey(bytes)) {
    FuzzCheck(grey->width > 0 && grey->height > 0);
    FuzzCheck(grey->pixels.size() == size_t(grey->width) * size_t(grey->height));
  }
  return 0;
}
