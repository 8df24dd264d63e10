// F12 pictures: the canvas as a PNG in the pictures folder, named after the
// program and the time, never replacing an earlier picture.
#include "engine/screenshot.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/image_decoder.h"
#include "persistence/whole_file.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

using testing::TempDir;

Ref<TSurface> ReadPicture(const std::string& file) {
  FileBytes bytes = ReadWholeFile(file);
  return DecodePng({reinterpret_cast<const uint8_t*>(bytes.bytes.data()), bytes.bytes.size()});
}

TEST(Screenshot, TheCanvasGoesIntoANewFileNamedAfterTheProgramAndTheTime) {
  TempDir dir;
  std::vector<uint32_t> pixels(6 * 4);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | uint32_t(i * 0x0A0B0C);
  const CanvasView canvas{pixels, 6, 4, 6};
  const std::string folder = dir.File("Pictures/new");  // made when missing
  const std::time_t now = 1700000000;

  std::optional<std::string> first = SaveScreenshot(canvas, folder, "corvellane", now);
  std::optional<std::string> second = SaveScreenshot(canvas, folder, "corvellane", now);
  ASSERT_TRUE(first && second);
  EXPECT_NE(*first, *second);
  EXPECT_EQ(second->substr(second->size() - 6), "-2.png");
  EXPECT_EQ(first->rfind(folder + "/corvellane-20", 0), 0u) << *first;
  Ref<TSurface> picture = ReadPicture(*first);
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->GetWidth(), 6);
  ASSERT_EQ(picture->GetHeight(), 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(picture->GetPixel(x, y), pixels[size_t(y) * 6 + size_t(x)]);
}

TEST(Screenshot, NoFolderOrAnUnwritableOneSavesNothing) {
  TempDir dir;
  std::vector<uint32_t> pixels(4, 0xFF336699);
  const CanvasView canvas{pixels, 2, 2, 2};
  dir.Write("taken", "a file where the folder should be");
  EXPECT_FALSE(SaveScreenshot(canvas, "", "corvellane", 0));
  EXPECT_FALSE(SaveScreenshot(canvas, dir.File("taken"), "corvellane", 0));
}

}  // namespace
}  // namespace corvellane
