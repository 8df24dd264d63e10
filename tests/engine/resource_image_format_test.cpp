// Which decoder an image file name calls for.
#include <gtest/gtest.h>

#include "engine/resource_image_format.h"

namespace corvellane {
namespace {

TEST(ImageFormatForFile, PngInAnyLetterCaseElseJpeg) {
  const struct {
    const char* file;
    const char* format;
  } cases[] = {
      {"logo.png", "png"},      {"Logo.PNG", "png"},          {"images\\c.Png", "png"}, {"a.b/c.png", "png"},
      {"photo.jpg", "jpeg"},    {"photo.JPEG", "jpeg"},       {"noext", "jpeg"},        {"png", "jpeg"},
      {"dir.png/file", "jpeg"}, {"archive.png.bak", "jpeg"},  {"", "jpeg"},
  };
  for (const auto& c : cases) EXPECT_EQ(ImageFormatForFile(c.file), c.format) << c.file;
}

TEST(FileExtensionOf, TakesTheTextAfterTheLastDotOfTheFileName) {
  EXPECT_EQ(FileExtensionOf("a/b.c/d.tar.gz"), "gz");
  EXPECT_EQ(FileExtensionOf("a.b\\file"), "");
  EXPECT_EQ(FileExtensionOf("file."), "");
}

}  // namespace
}  // namespace corvellane
