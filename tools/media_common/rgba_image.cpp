#include "tools/media_common/rgba_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "engine/platform/png_writer.h"

namespace corvellane {
namespace {

uint32_t Channel(uint32_t colour, int shift) { return (colour >> shift) & 0xFF; }

uint32_t ToByte(float value) { return uint32_t(std::clamp(std::lround(value), 0L, 255L)); }

}  // namespace

uint32_t Unpremultiply(uint32_t premultiplied) {
  const uint32_t a = Channel(premultiplied, 24);
  if (a == 0) return 0;
  if (a == 255) return premultiplied;
  // Rounded division; a channel above alpha (a broken source) is capped.
  const auto divide = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
  return MakeArgb(a, divide(Channel(premultiplied, 16)), divide(Channel(premultiplied, 8)),
                  divide(Channel(premultiplied, 0)));
}

uint32_t CompositeOver(uint32_t top, uint32_t bottom) {
  const float ta = Channel(top, 24) / 255.0f;
  if (ta >= 1.0f) return top;
  const float ba = Channel(bottom, 24) / 255.0f;
  const float out_a = ta + ba * (1.0f - ta);
  if (out_a <= 0.0f) return 0;
  const auto mix = [&](int shift) {
    return ToByte((Channel(top, shift) * ta + Channel(bottom, shift) * ba * (1.0f - ta)) / out_a);
  };
  return MakeArgb(ToByte(out_a * 255.0f), mix(16), mix(8), mix(0));
}

uint32_t WithCoverage(uint32_t colour, float coverage) {
  const float a = Channel(colour, 24) * std::clamp(coverage, 0.0f, 1.0f);
  return (colour & 0x00FFFFFF) | (ToByte(a) << 24);
}

uint32_t MixColours(uint32_t from, uint32_t to, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  const auto mix = [&](int shift) { return ToByte(Channel(from, shift) * (1.0f - t) + Channel(to, shift) * t); };
  return MakeArgb(mix(24), mix(16), mix(8), mix(0));
}

TRgbaImage::TRgbaImage(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)), pixels_(size_t(width_) * size_t(height_), 0) {}

TRgbaImage TRgbaImage::FromPremultiplied(const uint8_t* rows, int width, int height, int stride) {
  TRgbaImage image(width, height);
  for (int y = 0; y < image.height_; ++y) {
    for (int x = 0; x < image.width_; ++x) {
      uint32_t pixel;
      std::memcpy(&pixel, rows + size_t(y) * size_t(stride) + size_t(x) * 4, 4);
      image.Set(x, y, Unpremultiply(pixel));
    }
  }
  return image;
}

void TRgbaImage::BlendOver(int x, int y, uint32_t colour) {
  if (!Contains(x, y)) return;
  uint32_t& pixel = pixels_[Index(x, y)];
  pixel = CompositeOver(colour, pixel);
}

void TRgbaImage::Paste(const TRgbaImage& source, int x, int y) {
  for (int sy = 0; sy < source.height_; ++sy)
    for (int sx = 0; sx < source.width_; ++sx)
      if (Contains(x + sx, y + sy)) Set(x + sx, y + sy, source.At(sx, sy));
}

bool TRgbaImage::IsOpaque() const {
  return std::all_of(pixels_.begin(), pixels_.end(), [](uint32_t p) { return (p >> 24) == 0xFF; });
}

bool TRgbaImage::Save(const std::string& path) const {
  if (!MakeFolderFor(path)) return false;
  const CanvasView view{pixels_, width_, height_, width_};
  return IsOpaque() ? WritePng(path, view) : WritePngWithAlpha(path, view);
}

bool MakeFolderFor(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error;
}

}  // namespace corvellane
