// resource_image_format.h: which decoder an image file name calls for.
//
// Image definitions made from a bare file name carry the format the loader
// will use: "png" for PNG files, "jpeg" for everything else. The extension
// is compared without regard to letter case, since data written on a
// case-insensitive system names files "Logo.PNG" as often as "logo.png".
//
//   ImageFormatForFile("images\\Back.PNG");  // "png"
//   ImageFormatForFile("photo.jpg");         // "jpeg"
#pragma once

#include <string_view>

namespace corvellane {

// The extension of the file name without the dot ("a/b.c.png" -> "png");
// empty when the name has none.
std::string_view FileExtensionOf(std::string_view file_name);
std::string_view ImageFormatForFile(std::string_view file_name);

}  // namespace corvellane
