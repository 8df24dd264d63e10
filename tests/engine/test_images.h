// test_images.h: small PNG and JPEG files encoded in memory for the image
// tests, in exactly the colour type and depth a test asks for.
#pragma once

#include <png.h>
#include <stdio.h>
#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace corvellane::testing {

struct PngPicture {
  int width = 1;
  int height = 1;
  int colour_type = PNG_COLOR_TYPE_RGB;
  int bit_depth = 8;
  std::vector<uint8_t> rows;           // raw rows as stored in the file (16-bit big-endian)
  std::vector<png_color> palette;      // PNG_COLOR_TYPE_PALETTE
  std::vector<uint8_t> palette_alpha;  // tRNS for palette images
  bool colour_key = false;             // tRNS for grey / RGB images
  png_color_16 key{};
};

inline PngPicture Png(int width, int height, int colour_type, int bit_depth, std::vector<uint8_t> rows) {
  PngPicture target;
  target.width = width;
  target.height = height;
  target.colour_type = colour_type;
  target.bit_depth = bit_depth;
  target.rows = std::move(rows);
  return target;
}

inline PngPicture WithPalette(PngPicture target, std::vector<png_color> palette, std::vector<uint8_t> alpha = {}) {
  target.palette = std::move(palette);
  target.palette_alpha = std::move(alpha);
  return target;
}

inline PngPicture WithColourKey(PngPicture target, png_color_16 key) {
  target.colour_key = true;
  target.key = key;
  return target;
}

inline void AppendPngBytes(png_structp png, png_bytep data, size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

inline std::string EncodePng(const PngPicture& target) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendPngBytes, nullptr);
  png_set_IHDR(png, info, target.width, target.height, target.bit_depth, target.colour_type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!target.palette.empty()) png_set_PLTE(png, info, target.palette.data(), int(target.palette.size()));
  if (!target.palette_alpha.empty())
    png_set_tRNS(png, info, target.palette_alpha.data(), int(target.palette_alpha.size()), nullptr);
  if (target.colour_key) png_set_tRNS(png, info, nullptr, 0, &target.key);
  png_write_info(png, info);
  const size_t stride = png_get_rowbytes(png, info);
  for (int y = 0; y < target.height; ++y)
    png_write_row(png, const_cast<png_bytep>(target.rows.data() + size_t(y) * stride));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// An 8-bit greyscale PNG (one byte per pixel, rows packed).
inline std::string EncodeGreyPng(int width, int height, std::vector<uint8_t> grey) {
  return EncodePng(Png(width, height, PNG_COLOR_TYPE_GRAY, 8, std::move(grey)));
}

// A JPEG at the best quality; `components` 3 (RGB bytes) or 1 (grey bytes).
inline std::string EncodeJpeg(int width, int height, int components, const std::vector<uint8_t>& pixels) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + size_t(cinfo.next_scanline) * width * components);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return out;
}

// A JPEG of one flat RGB colour.
inline std::string EncodeFlatJpeg(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> pixels;
  for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {r, g, b});
  return EncodeJpeg(width, height, 3, pixels);
}

}  // namespace corvellane::testing
