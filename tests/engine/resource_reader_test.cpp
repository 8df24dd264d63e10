// The resource reader: folders, archives standing in for folders, archives
// built into the program, names in any letter case, and what is found not
// depending on what was read before.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "engine/embedded_archives.h"
#include "engine/resource_reader.h"
#include "persistence/data_files.h"
#include "persistence/paths.h"
#include "tests/support/temp_dir.h"
#include "tools/embed_archive/archive_writer.h"

namespace corvellane {
namespace {

std::string Drain(std::istream& in) { return std::string(std::istreambuf_iterator<char>(in), {}); }

class ResourceReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetResourceReader();
    SetArchiveExtension(".tgd");
  }
  void TearDown() override {
    ResetResourceReader();
    SetArchiveExtension(".zip");
  }

  // A path inside the temporary folder, written the way data files write
  // paths: with backslashes.
  std::string At(std::string_view relative) const {
    std::string path = dir_.path().string() + "\\" + std::string(relative);
    for (char& c : path)
      if (c == '/') c = '\\';
    return path;
  }
  void Archive(std::string_view relative, std::vector<ArchiveFile> files,
               ArchiveMethod method = ArchiveMethod::kDeflated) const {
    std::filesystem::create_directories(std::filesystem::path(dir_.File(relative)).parent_path());
    ASSERT_TRUE(WriteZipArchive(dir_.File(relative), files, method));
  }

  testing::TempDir dir_;
};

TEST_F(ResourceReaderTest, ReadsLooseFilesWhateverTheLetterCase) {
  dir_.Write("Data/Ini/Game.ini", "<game/>");
  EXPECT_EQ(ReadResourceFile(At("data\\ini\\game.INI")), "<game/>");
  EXPECT_EQ(ReadResourceFile(At("DATA/INI/GAME.INI")), "<game/>");
  EXPECT_EQ(ReadResourceFile(At("Data\\Ini\\Game.ini")), "<game/>");
}

TEST_F(ResourceReaderTest, AnExactSpellingWinsOverAnotherCase) {
  dir_.Write("pics/a.txt", "lower");
  dir_.Write("pics/A.txt", "upper");
  EXPECT_EQ(ReadResourceFile(At("pics/A.txt")), "upper");
  EXPECT_EQ(ReadResourceFile(At("pics/a.txt")), "lower");
}

TEST_F(ResourceReaderTest, MissingThingsReadAsNone) {
  dir_.Write("data/x.ini", "x");
  EXPECT_EQ(ReadResourceFile(At("data/y.ini")), std::nullopt);
  EXPECT_EQ(ReadResourceFile(At("nowhere/x.ini")), std::nullopt);
  EXPECT_EQ(ReadResourceFile(At("data")), std::nullopt);
  EXPECT_EQ(OpenResourceForReading(At("data/y.ini")), nullptr);
  EXPECT_EQ(ReadResourceText(At("data/y.ini")), "");
  EXPECT_EQ(ReadResourceFile(""), std::nullopt);
}

TEST_F(ResourceReaderTest, AnArchiveStandsInForItsFolder) {
  Archive("data/images.tgd", {{"Menu/Back.png", "back"}, {"logo.png", "logo"}});
  EXPECT_EQ(ReadResourceFile(At("data\\images\\menu\\back.PNG")), "back");
  EXPECT_EQ(ReadResourceFile(At("Data/Images/Logo.png")), "logo");
  auto stream = OpenResourceForReading(At("data/images/logo.png"));
  ASSERT_TRUE(stream);
  EXPECT_EQ(Drain(*stream), "logo");
}

TEST_F(ResourceReaderTest, TheArchiveExtensionIsASetting) {
  Archive("data/images.tgd", {{"logo.png", "tgd"}});
  Archive("data/images.zip", {{"logo.png", "zip"}});
  EXPECT_EQ(ReadResourceFile(At("data/images/logo.png")), "tgd");
  ResetResourceReader();
  SetArchiveExtension(".zip");
  EXPECT_EQ(ReadResourceFile(At("data/images/logo.png")), "zip");
}

TEST_F(ResourceReaderTest, AnArchiveFileNamedLikeTheFolderItselfIsRead) {
  Archive("data/pack", {{"a.txt", "inside"}});
  EXPECT_EQ(ReadResourceFile(At("data/pack/a.txt")), "inside");
}

// The archive that answered last stays open, yet it never hides files that
// are found elsewhere, whatever the order of the reads.
TEST_F(ResourceReaderTest, WhatIsFoundDoesNotDependOnEarlierReads) {
  dir_.Write("data/ini/x.ini", "ini");
  dir_.Write("data/images/extra.png", "loose");
  Archive("data/images.tgd", {{"a.png", "packed"}});
  const std::vector<std::pair<std::string, std::string>> reads = {
      {"data/ini/x.ini", "ini"},         {"data/images/a.png", "packed"}, {"data/images/extra.png", "loose"},
      {"data/images/a.png", "packed"},   {"data/ini/x.ini", "ini"},       {"data/images/A.PNG", "packed"},
      {"data/images/extra.png", "loose"}};
  for (const auto& [path, expected] : reads) EXPECT_EQ(ReadResourceFile(At(path)), expected) << path;
  for (auto it = reads.rbegin(); it != reads.rend(); ++it) EXPECT_EQ(ReadResourceFile(At(it->first)), it->second);
}

TEST_F(ResourceReaderTest, ADamagedArchiveDoesNotHideTheFolderBesideIt) {
  dir_.Write("data.tgd", "not an archive at all");
  dir_.Write("data/x.ini", "loose");
  EXPECT_EQ(ReadResourceFile(At("data/x.ini")), "loose");
}

TEST_F(ResourceReaderTest, ADamagedEntryReadsAsMissing) {
  Archive("pack.tgd", {{"a.txt", "stored content"}, {"b.txt", "intact"}}, ArchiveMethod::kStored);
  std::string bytes = dir_.Read("pack.tgd");
  const size_t first_data = 30 + 5;  // local header and the name "a.txt"
  bytes[first_data + 2] ^= 0x40;
  dir_.Write("pack.tgd", bytes);
  EXPECT_EQ(ReadResourceFile(At("pack/a.txt")), std::nullopt);
  EXPECT_EQ(ReadResourceFile(At("pack/b.txt")), "intact");
}

TEST_F(ResourceReaderTest, FilesAddedOrRemovedAfterAFolderWasListedAreSeen) {
  dir_.Write("data/old.ini", "old");
  ASSERT_EQ(ReadResourceFile(At("data/old.ini")), "old");
  dir_.Write("data/New.INI", "new");
  EXPECT_EQ(ReadResourceFile(At("data/new.ini")), "new");
  std::filesystem::remove(dir_.File("data/old.ini"));
  EXPECT_EQ(ReadResourceFile(At("data/old.ini")), std::nullopt);
}

TEST_F(ResourceReaderTest, TheDefaultLanguageFileIsBuiltIn) {
  std::string text = ReadResourceText("res:iniresource/default.lng");
  EXPECT_NE(text.find("id=\"en\""), std::string::npos);
  EXPECT_NE(text.find("thousand_separator"), std::string::npos);
  EXPECT_NE(text.find("time_separator"), std::string::npos);
  EXPECT_EQ(ReadResourceText("RES:IniResource\\Default.LNG"), text);
  EXPECT_EQ(ReadResourceFile("res:iniresource/missing.lng"), std::nullopt);
  EXPECT_EQ(ReadResourceFile("res:nosuchpack/default.lng"), std::nullopt);
}

TEST_F(ResourceReaderTest, AddedEmbeddedArchivesAreReadByName) {
  Archive("pack.zip", {{"file.ini", "<file/>"}, {"sub/deep.ini", "<deep/>"}});
  static const std::string bytes = dir_.Read("pack.zip");
  AddEmbeddedArchive("testpack", {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
  EXPECT_EQ(ReadResourceFile("res:testpack\\file.ini"), "<file/>");
  EXPECT_EQ(ReadResourceFile("res:TestPack/SUB/deep.ini"), "<deep/>");
}

TEST_F(ResourceReaderTest, BareNamesAndProgramFolderPathsAreResolved) {
  const auto saved_cwd = std::filesystem::current_path();
  const std::string saved_program = ProgramFolder();
  dir_.Write("Params.ini", "<params/>");
  dir_.Write("lang/default.lng", "<lang/>");
  std::filesystem::current_path(dir_.path());
  SetProgramFolder(dir_.path().string());
  EXPECT_EQ(ReadResourceFile("params.ini"), "<params/>");
  EXPECT_EQ(ReadResourceFile("%apppath%lang\\Default.lng"), "<lang/>");
  EXPECT_EQ(ReadResourceFile("lang/default.lng"), "<lang/>");
  std::filesystem::current_path(saved_cwd);
  SetProgramFolder(saved_program);
}

TEST_F(ResourceReaderTest, WritingReusesExistingSpellingsAndRefusesEmbeddedNames) {
  dir_.Write("save/Slot.DAT", "before");
  {
    auto out = OpenResourceForWriting(At("SAVE\\slot.dat"));
    ASSERT_TRUE(out);
    *out << "after";
  }
  EXPECT_EQ(dir_.Read("save/Slot.DAT"), "after");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("save/slot.dat")));
  {
    auto out = OpenResourceForWriting(At("save/fresh.dat"));
    ASSERT_TRUE(out);
    *out << "fresh";
  }
  EXPECT_EQ(ReadResourceFile(At("Save/Fresh.dat")), "fresh");
  EXPECT_EQ(OpenResourceForWriting("res:iniresource/default.lng"), nullptr);
  EXPECT_EQ(OpenResourceForWriting(At("no/such/folder/file.dat")), nullptr);
}

TEST_F(ResourceReaderTest, DataFilesAreReadThroughTheReaderOnceInstalled) {
  Archive("data.tgd", {{"ini/scenes.ini", "<scenes/>"}});
  InstallResourceReader();
  EXPECT_EQ(ReadDataFile(At("Data\\INI\\Scenes.ini")), "<scenes/>");
  SetDataFileReader({});
  EXPECT_EQ(ReadDataFile(At("Data\\INI\\Scenes.ini")), std::nullopt);
}

}  // namespace
}  // namespace corvellane
