#include "engine/image_resource.h"

#include <span>
#include <string>

#include "engine/image_decoder.h"
#include "persistence/value_access.h"

namespace corvellane {
namespace {

constexpr std::string_view kFormatNames[] = {"png", "jpeg", "jpng", "unknown"};

TImageFormat FormatFromName(std::string_view name) {
  for (size_t i = 0; i < std::size(kFormatNames); ++i)
    if (name == kFormatNames[i]) return TImageFormat(i);
  return TImageFormat::kUnknown;
}

std::span<const uint8_t> BytesOf(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// The JPEG partner of a jpng mask: the last four characters become ".jpg".
std::optional<std::string> JpegPartnerOf(const std::string& file) {
  if (file.size() < 4) return std::nullopt;
  return file.substr(0, file.size() - 4) + ".jpg";
}

// The grey levels become the alpha of the colour surface.
void ApplyMask(TSurface& colour, const TGreyImage& mask) {
  for (int32_t y = 0; y < mask.height; ++y) {
    uint32_t* row = colour.GetScanLine(y);
    const uint8_t* alpha = mask.pixels.data() + size_t(y) * size_t(mask.width);
    for (int32_t x = 0; x < mask.width; ++x) row[x] = (row[x] & 0x00FFFFFFu) | (uint32_t(alpha[x]) << 24);
  }
  colour.SetHasAlpha(true);
}

}  // namespace

void TImageResource::LoadProperties(IHierStorage* node) {
  TResource::LoadProperties(node);
  format_ = FormatFromName(ReadText(node, "format", "unknown"));
}

void TImageResource::SaveProperties(IHierStorage* node) {
  TResource::SaveProperties(node);
  WriteText(node, "format", kFormatNames[size_t(format_)], format_ != TImageFormat::kUnknown);
}

int32_t TImageResource::GetImageWidth() {
  EnsureLoaded();
  return surface_ ? surface_->GetWidth() : 0;
}

int32_t TImageResource::GetImageHeight() {
  EnsureLoaded();
  return surface_ ? surface_->GetHeight() : 0;
}

Ref<ISurface> TImageResource::GetSurface() {
  EnsureLoaded();
  return surface_;
}

bool TImageResource::LoadData() {
  surface_ = DecodeFile();
  return surface_ != nullptr;
}

Ref<TSurface> TImageResource::DecodeFile() const {
  if (format_ == TImageFormat::kUnknown) return nullptr;
  if (format_ == TImageFormat::kJpng) return DecodeJpng();
  std::optional<std::string> bytes = ReadFile(GetFile());
  if (!bytes) return nullptr;
  return format_ == TImageFormat::kPng ? DecodePng(BytesOf(*bytes)) : DecodeJpeg(BytesOf(*bytes));
}

Ref<TSurface> TImageResource::DecodeJpng() const {
  std::optional<std::string> partner = JpegPartnerOf(GetFile());
  if (!partner) return nullptr;
  std::optional<std::string> mask_bytes = ReadFile(GetFile());
  std::optional<std::string> colour_bytes = ReadFile(*partner);
  if (!mask_bytes || !colour_bytes) return nullptr;
  std::optional<TGreyImage> mask = DecodePngGrey(BytesOf(*mask_bytes));
  Ref<TSurface> colour = DecodeJpeg(BytesOf(*colour_bytes));
  if (!mask || !colour) return nullptr;
  // A mask of another size would be read past its end (or leave pixels
  // without alpha): such a pair is refused.
  if (mask->width != colour->GetWidth() || mask->height != colour->GetHeight()) return nullptr;
  ApplyMask(*colour, *mask);
  return colour;
}

}  // namespace corvellane
