// Arbitrary bytes as a JPEG photograph: a picture that decodes has sides
// within kMaxSurfaceSide, no alpha channel, and can be drawn.
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
  Ref<TSurface> picture = DecodeJpeg({data, size});
  if (!picture) return 0;
  const int32_t width = picture->GetWidth();
  const int32_t height = picture->GetHeight();
  FuzzCheck(width > 0 && height > 0 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide);
  FuzzCheck(!picture->HasAlpha());
  picture->GetPixel(width - 1, height - 1);
  Ref<TSurface> canvas = MakeSurface(16, 16, true);
  canvas->DrawImage(picture.get(), {0, 0, width, height}, TBlendMode::Normal, 255, {0, 0, 16, 16});
  return 0;
}
