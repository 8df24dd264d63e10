#include "engine/image_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace corvellane {
namespace {

bool SizeAllowed(uint64_t width, uint64_t height) {
  return width > 0 && height > 0 && width <= uint64_t(kMaxSurfaceSide) &&
         height <= uint64_t(kMaxSurfaceSide);
}

// libpng's simplified reader: it owns its error handling (no longjmp crosses
// our frames) and converts every colour type and depth to the asked format.
class TPngReader {
 public:
  explicit TPngReader(std::span<const uint8_t> bytes) {
    image_.version = PNG_IMAGE_VERSION;
    ok_ = !bytes.empty() &&
          png_image_begin_read_from_memory(&image_, bytes.data(), bytes.size()) != 0 &&
          SizeAllowed(image_.width, image_.height);
  }
  ~TPngReader() { png_image_free(&image_); }
  TPngReader(const TPngReader&) = delete;
  TPngReader& operator=(const TPngReader&) = delete;

  bool Ok() const { return ok_; }
  int32_t Width() const { return int32_t(image_.width); }
  int32_t Height() const { return int32_t(image_.height); }
  // An alpha channel or a tRNS chunk.
  bool HasAlpha() const { return (image_.format & PNG_FORMAT_FLAG_ALPHA) != 0; }

  // Decodes into rows of `row_components` components; libpng reports
  // truncation and checksum errors here, and warnings count as failure too.
  bool Finish(uint32_t format, void* buffer, int32_t row_components) {
    image_.format = format;
    if (png_image_finish_read(&image_, nullptr, buffer, row_components, nullptr) == 0) return false;
    return (image_.warning_or_error & PNG_IMAGE_ERROR) == 0;
  }

 private:
  png_image image_{};
  bool ok_ = false;
};

// libjpeg reports errors by calling error_exit, which must not return; the
// jump goes back to DecodeJpegInto, whose frame holds no C++ objects.
struct TJpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  int warnings;
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

// Corrupt data is only a warning to libjpeg (it fills in grey); we refuse
// the file instead, and nothing is printed.
void JpegEmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0) ++reinterpret_cast<TJpegError*>(cinfo->err)->warnings;
}

void JpegOutputMessage(j_common_ptr) {}

// Plain C-style decoding into a surface created by the caller's holder: a
// longjmp out of libjpeg skips only this frame and libjpeg's own.
bool DecodeJpegInto(jpeg_decompress_struct* cinfo, std::span<const uint8_t> bytes,
                    Ref<TSurface>* out) {
  auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
  if (setjmp(err->jump) != 0) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (cinfo->num_components != 3 || !SizeAllowed(cinfo->image_width, cinfo->image_height)) return false;
  cinfo->out_color_space = JCS_EXT_BGRA;  // the surface's own byte order, alpha 255
  jpeg_start_decompress(cinfo);
  *out = MakeSurface(int32_t(cinfo->output_width), int32_t(cinfo->output_height), false);
  if ((*out)->GetWidth() == 0) return false;
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>((*out)->GetScanLine(int32_t(cinfo->output_scanline)));
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(cinfo);
  return err->warnings == 0;
}

}  // namespace

Ref<TSurface> DecodePng(std::span<const uint8_t> bytes) {
  TPngReader reader(bytes);
  if (!reader.Ok()) return nullptr;
  Ref<TSurface> surface = MakeSurface(reader.Width(), reader.Height(), reader.HasAlpha());
  if (surface->GetWidth() == 0) return nullptr;
  // Surface pixels are 0xAARRGGBB stored little-endian: B, G, R, A in memory,
  // rows packed one after the other.
  if (!reader.Finish(PNG_FORMAT_BGRA, surface->GetScanLine(0), reader.Width() * 4)) return nullptr;
  return surface;
}

std::optional<TGreyImage> DecodePngGrey(std::span<const uint8_t> bytes) {
  TPngReader reader(bytes);
  if (!reader.Ok()) return std::nullopt;
  TGreyImage grey{reader.Width(), reader.Height(), {}};
  grey.pixels.resize(size_t(grey.width) * size_t(grey.height));
  if (!reader.Finish(PNG_FORMAT_GRAY, grey.pixels.data(), grey.width)) return std::nullopt;
  return grey;
}

Ref<TSurface> DecodeJpeg(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  jpeg_decompress_struct cinfo{};
  TJpegError err{};
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegErrorExit;
  err.mgr.emit_message = JpegEmitMessage;
  err.mgr.output_message = JpegOutputMessage;
  Ref<TSurface> surface;
  bool ok = DecodeJpegInto(&cinfo, bytes, &surface);
  jpeg_destroy_decompress(&cinfo);
  return ok ? surface : nullptr;
}

}  // namespace corvellane
