// image_resource.h: TImageResource ("ImageResource"), a picture as a surface.
//
// The "format" key says how the file is decoded:
//   "png"      the PNG's colour; alpha when it has an alpha channel or tRNS
//   "jpeg"     24-bit colour, opaque
//   "jpng"     colour from the JPEG named like the file with ".jpg" as its
//              last four characters, alpha from the file itself, a greyscale
//              PNG of the same size (a mask of another size is refused)
//   "unknown"  (the default) nothing is decoded
// A file that is missing or does not decode leaves no surface and a size of
// 0 x 0; callers draw nothing then.
//
//   Ref<IImageResource> img = ...;
//   if (Ref<ISurface> s = img->GetSurface()) canvas->DrawImage(s.get(), ...);
#pragma once

#include <cstdint>

#include "engine/resource.h"
#include "engine/surface.h"

namespace corvellane {

struct IImageResource : virtual IResource {
  // Each loads the data first when a load is pending.
  virtual int32_t GetImageWidth() = 0;
  virtual int32_t GetImageHeight() = 0;
  virtual Ref<ISurface> GetSurface() = 0;
};

enum class TImageFormat { kPng, kJpeg, kJpng, kUnknown };

class TImageResource : public TResource, public virtual IImageResource {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  int32_t GetImageWidth() override;
  int32_t GetImageHeight() override;
  Ref<ISurface> GetSurface() override;

  TImageFormat GetFormat() const { return format_; }

 protected:
  bool LoadData() override;
  void FreeData() override { surface_ = nullptr; }

 private:
  Ref<TSurface> DecodeFile() const;
  Ref<TSurface> DecodeJpng() const;

  TImageFormat format_ = TImageFormat::kUnknown;
  Ref<TSurface> surface_;
};

}  // namespace corvellane
