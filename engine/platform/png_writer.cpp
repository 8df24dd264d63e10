#include "engine/platform/png_writer.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace corvellane {

namespace {

bool IsConsistent(const CanvasView& c) {
  if (c.width <= 0 || c.height <= 0 || c.stride < c.width) return false;
  return c.pixels.size() >= size_t(c.stride) * size_t(c.height - 1) + size_t(c.width);
}

std::vector<uint8_t> ToRgbBytes(const CanvasView& c) {
  std::vector<uint8_t> rgb(size_t(c.width) * size_t(c.height) * 3);
  uint8_t* out = rgb.data();
  for (int y = 0; y < c.height; ++y) {
    const uint32_t* row = c.pixels.data() + size_t(y) * size_t(c.stride);
    for (int x = 0; x < c.width; ++x) {
      *out++ = uint8_t(row[x] >> 16);
      *out++ = uint8_t(row[x] >> 8);
      *out++ = uint8_t(row[x]);
    }
  }
  return rgb;
}

std::vector<uint8_t> ToRgbaBytes(const CanvasView& c) {
  std::vector<uint8_t> rgba(size_t(c.width) * size_t(c.height) * 4);
  uint8_t* out = rgba.data();
  for (int y = 0; y < c.height; ++y) {
    const uint32_t* row = c.pixels.data() + size_t(y) * size_t(c.stride);
    for (int x = 0; x < c.width; ++x) {
      *out++ = uint8_t(row[x] >> 16);
      *out++ = uint8_t(row[x] >> 8);
      *out++ = uint8_t(row[x]);
      *out++ = uint8_t(row[x] >> 24);
    }
  }
  return rgba;
}

bool WriteBytes(const std::string& path, const CanvasView& canvas, png_uint_32 format, const std::vector<uint8_t>& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(canvas.width);
  image.height = png_uint_32(canvas.height);
  image.format = format;
  bool ok = png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

}  // namespace

bool WritePng(const std::string& path, const CanvasView& canvas) {
  if (!IsConsistent(canvas)) return false;
  return WriteBytes(path, canvas, PNG_FORMAT_RGB, ToRgbBytes(canvas));
}

bool WritePngWithAlpha(const std::string& path, const CanvasView& canvas) {
  if (!IsConsistent(canvas)) return false;
  return WriteBytes(path, canvas, PNG_FORMAT_RGBA, ToRgbaBytes(canvas));
}

}  // namespace corvellane
