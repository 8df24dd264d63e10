// Reading zip archives: entries by name in any letter case, and damaged
// archives or entries reading as missing rather than as garbage.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/zip_archive.h"
#include "tests/support/temp_dir.h"
#include "tools/embed_archive/archive_writer.h"

namespace corvellane {
namespace {

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kCentralHeader = 0x02014b50;
constexpr uint32_t kEndOfDirectory = 0x06054b50;

// Field offsets inside the zip headers.
constexpr size_t kLocalFlag = 6, kLocalMethod = 8, kLocalCrc = 14, kLocalSize = 22, kLocalNameLength = 26;
constexpr size_t kCentralFlag = 8, kCentralMethod = 10, kCentralCrc = 16, kCentralSize = 24;
constexpr size_t kDirectoryOffset = 16;
constexpr size_t kLocalHeaderLength = 30;

const std::string kContent = "hello, archived world";

uint32_t Read32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

void Write32(std::string& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Write16(std::string& bytes, size_t at, uint16_t v) {
  bytes[at] = static_cast<char>(v & 0xFF);
  bytes[at + 1] = static_cast<char>(v >> 8);
}

size_t FindSignature(const std::string& bytes, uint32_t signature) {
  for (size_t i = 0; i + 4 <= bytes.size(); ++i)
    if (Read32(bytes, i) == signature) return i;
  ADD_FAILURE() << "signature not found";
  return 0;
}

size_t EntryDataOffset(const std::string& bytes) {
  size_t local = FindSignature(bytes, kLocalHeader);
  size_t name_length = static_cast<unsigned char>(bytes[local + kLocalNameLength]);
  return local + kLocalHeaderLength + name_length;
}

// Sets a 32-bit field in both the local and the central header, so the two
// agree and only the value itself is wrong.
void SetBoth32(std::string& bytes, size_t local_field, size_t central_field, uint32_t v) {
  Write32(bytes, FindSignature(bytes, kLocalHeader) + local_field, v);
  Write32(bytes, FindSignature(bytes, kCentralHeader) + central_field, v);
}

void SetBoth16(std::string& bytes, size_t local_field, size_t central_field, uint16_t v) {
  Write16(bytes, FindSignature(bytes, kLocalHeader) + local_field, v);
  Write16(bytes, FindSignature(bytes, kCentralHeader) + central_field, v);
}

class ZipArchiveTest : public ::testing::Test {
 protected:
  std::string MakeArchive(std::vector<ArchiveFile> files, ArchiveMethod method = ArchiveMethod::kDeflated) {
    std::string path = dir_.File("pack.tgd");
    EXPECT_TRUE(WriteZipArchive(path, files, method));
    return path;
  }

  testing::TempDir dir_;
};

TEST_F(ZipArchiveTest, ReadsEntriesInAnyLetterCaseAndWithEitherSeparator) {
  auto zip = TZipArchive::OpenFile(MakeArchive({{"ini/Game.ini", "<game/>"}, {"Logo.PNG", "png-bytes"}}));
  ASSERT_TRUE(zip);
  EXPECT_EQ(zip->ReadEntry("ini/Game.ini"), "<game/>");
  EXPECT_EQ(zip->ReadEntry("INI\\game.INI"), "<game/>");
  EXPECT_EQ(zip->ReadEntry("logo.png"), "png-bytes");
  EXPECT_EQ(zip->ReadEntry("ini"), std::nullopt);
  EXPECT_EQ(zip->ReadEntry("missing.txt"), std::nullopt);
  EXPECT_EQ(zip->EntryNames(), (std::vector<std::string>{"ini/Game.ini", "Logo.PNG"}));
}

TEST_F(ZipArchiveTest, ReadsStoredAndEmptyEntries) {
  auto zip = TZipArchive::OpenFile(MakeArchive({{"a.txt", kContent}, {"empty.txt", ""}}, ArchiveMethod::kStored));
  ASSERT_TRUE(zip);
  EXPECT_EQ(zip->ReadEntry("a.txt"), kContent);
  EXPECT_EQ(zip->ReadEntry("empty.txt"), "");
}

TEST_F(ZipArchiveTest, OpensFromMemory) {
  MakeArchive({{"x/y.txt", kContent}});
  const std::string bytes = dir_.Read("pack.tgd");
  auto zip = TZipArchive::OpenMemory({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
  ASSERT_TRUE(zip);
  EXPECT_EQ(zip->ReadEntry("X/Y.TXT"), kContent);
}

TEST_F(ZipArchiveTest, NamesLongerThan255CharactersAreNotFound) {
  std::string long_name(256, 'n');
  auto zip = TZipArchive::OpenFile(MakeArchive({{long_name, "x"}, {std::string(255, 'm'), "y"}}));
  ASSERT_TRUE(zip);
  EXPECT_EQ(zip->ReadEntry(long_name), std::nullopt);
  EXPECT_EQ(zip->ReadEntry(std::string(255, 'M')), "y");
}

TEST_F(ZipArchiveTest, EntriesAboveTheSizeLimitReadAsMissing) {
  auto zip = TZipArchive::OpenFile(MakeArchive({{"big.bin", std::string(1000, 'b')}, {"small.bin", "s"}}));
  ASSERT_TRUE(zip);
  const uint64_t saved = ArchiveEntrySizeLimit();
  SetArchiveEntrySizeLimit(999);
  EXPECT_EQ(zip->ReadEntry("big.bin"), std::nullopt);
  EXPECT_EQ(zip->ReadEntry("small.bin"), "s");
  SetArchiveEntrySizeLimit(saved);
  EXPECT_EQ(zip->ReadEntry("big.bin"), std::string(1000, 'b'));
}

TEST_F(ZipArchiveTest, ThingsThatAreNotArchivesDoNotOpen) {
  EXPECT_EQ(TZipArchive::OpenFile(dir_.File("absent.tgd")), nullptr);
  EXPECT_EQ(TZipArchive::OpenFile(dir_.Write("text.tgd", "just some text, no zip here")), nullptr);
  EXPECT_EQ(TZipArchive::OpenFile(dir_.Write("empty.tgd", "")), nullptr);
  EXPECT_EQ(TZipArchive::OpenMemory({}), nullptr);
}

struct Damage {
  const char* what;
  ArchiveMethod method;
  std::function<void(std::string&)> apply;
};

class DamagedZipTest : public ZipArchiveTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedZipTest, ReadsAsMissing) {
  const Damage& damage = GetParam();
  // The undamaged archive reads, so the damage is what makes the difference.
  std::string path = MakeArchive({{"a.txt", kContent}}, damage.method);
  auto intact = TZipArchive::OpenFile(path);
  ASSERT_TRUE(intact);
  ASSERT_EQ(intact->ReadEntry("a.txt"), kContent);
  intact.reset();

  std::string bytes = dir_.Read("pack.tgd");
  damage.apply(bytes);
  dir_.Write("pack.tgd", bytes);
  auto zip = TZipArchive::OpenFile(path);
  EXPECT_EQ(zip ? zip->ReadEntry("a.txt") : std::nullopt, std::nullopt) << damage.what;
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedZipTest,
    ::testing::Values(
        Damage{"truncated to half", ArchiveMethod::kDeflated, [](std::string& b) { b.resize(b.size() / 2); }},
        Damage{"truncated before the end record", ArchiveMethod::kStored, [](std::string& b) { b.resize(b.size() - 10); }},
        Damage{"a content byte changed", ArchiveMethod::kStored, [](std::string& b) { b[EntryDataOffset(b) + 3] ^= 0x20; }},
        Damage{"deflate stream garbled", ArchiveMethod::kDeflated,
               [](std::string& b) { for (size_t i = 0; i < 6; ++i) b[EntryDataOffset(b) + i] ^= 0x5A; }},
        Damage{"wrong CRC in both headers", ArchiveMethod::kStored,
               [](std::string& b) { SetBoth32(b, kLocalCrc, kCentralCrc, 0x12345678); }},
        Damage{"absurd declared size", ArchiveMethod::kStored,
               [](std::string& b) { SetBoth32(b, kLocalSize, kCentralSize, 0xFFFFFFF0u); }},
        Damage{"declared size beyond the data", ArchiveMethod::kDeflated,
               [](std::string& b) { SetBoth32(b, kLocalSize, kCentralSize, 4096); }},
        Damage{"declared size short of the data", ArchiveMethod::kStored,
               [](std::string& b) { SetBoth32(b, kLocalSize, kCentralSize, 5); }},
        Damage{"enciphered entry", ArchiveMethod::kStored, [](std::string& b) { SetBoth16(b, kLocalFlag, kCentralFlag, 1); }},
        Damage{"unknown compression method", ArchiveMethod::kStored,
               [](std::string& b) { SetBoth16(b, kLocalMethod, kCentralMethod, 99); }},
        Damage{"directory offset out of range", ArchiveMethod::kStored,
               [](std::string& b) { Write32(b, FindSignature(b, kEndOfDirectory) + kDirectoryOffset, 0x7FFFFFF0); }}),
    [](const ::testing::TestParamInfo<Damage>& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });

}  // namespace
}  // namespace corvellane
