#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persistence/cipher.h"
#include "shell/declarations.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"
#include "tools/data_tool/content_check.h"

namespace corvellane {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(ContentCheck, TheDemoHasNoProblems) {
  EXPECT_THAT(data_tool::CheckProgramFolder(testing::TestGameDir()), IsEmpty());
}

// A copy of the demo's program folder in which one data file is changed.
class BrokenCopy {
 public:
  BrokenCopy() {
    std::filesystem::copy(testing::TestGameDir(), dir_.path(), std::filesystem::copy_options::recursive);
  }
  std::string Folder() const { return dir_.path().string(); }
  // The deciphered text of a data file, with every `from` replaced by `to`, written
  // back as plain XML (which the game reads as well).
  void Edit(const std::string& file, const std::string& from, const std::string& to) {
    std::string text = dir_.Read(file);
    if (text.find('<') == std::string::npos)
      text = DecryptText(product::FileKeyText(product::FileKey::Definitions), text);
    ASSERT_NE(text.find(from), std::string::npos) << from << " is not in " << file;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    dir_.Write(file, text);
  }
  void Remove(const std::string& file) { std::filesystem::remove(dir_.File(file)); }

 private:
  testing::TempDir dir_;
};

TEST(ContentCheck, ReportsEachKindOfProblemWithItsFileAndNode) {
  struct Case {
    const char* kind;
    const char* file;  // edited, or removed when `from` is empty
    const char* from;
    const char* to;
    const char* reported;
  };
  const std::vector<Case> cases{
      {"an unknown widget type", "data/screens/main.xml", "type=\"image_widget\"", "type=\"imag_widget\"",
       "data/screens/main.xml"},
      {"an unknown resource type", "data/ini/scenes/cafe.ini", "type=\"ImageResource\"", "type=\"ImageResourse\"",
       "scene_def \"cafe\"/resource_defs/resource_def \"img_SceneBackground\": unknown resource type \"ImageResourse\""},
      {"a resource whose file is missing", "data/images/objects/candy.png", "", "",
       "resource_def \"img_obj_candy\": the file data\\images\\objects\\candy.png does not exist"},
      {"an object naming a resource nobody defines", "data/ini/scenes/cafe.ini", "resourcename=\"img_obj_candy\"",
       "resourcename=\"img_obj_cany\"", "object_def \"candy\": resource \"img_obj_cany\" is not defined"},
      {"a caption without text", "data/ini/scenes/cafe.ini", "caption=\"%obj_candy%\"", "caption=\"%obj_cnady%\"",
       "object_def \"candy\": caption \"%obj_cnady%\" has no text in the language file"},
      {"a location outside its scene", "data/ini/scenes/cafe.ini", "anchor_left=\"990\"", "anchor_left=\"1990\"",
       "location \"l1\": (1990, 470) lies outside the 1024 x 768 scene"},
      {"a scene that cannot supply its task", "data/ini/scenes/library.ini", "objecttype=\"0\"", "objecttype=\"5\"",
       "task \"petals_2\": scene \"library\" has no hidden objects for it"},
      {"a task naming a missing scene", "data/ini/scenes.ini", "name=\"library\"", "name=\"librarie\"",
       "which the scene list does not have"},
      {"an unreadable scene file", "data/ini/scenes/attic.ini", "<object_defs>", "<object_defs",
       "data\\ini\\scenes\\attic.ini is not well-formed XML"},
  };
  for (const Case& c : cases) {
    BrokenCopy copy;
    if (*c.from)
      copy.Edit(c.file, c.from, c.to);
    else
      copy.Remove(c.file);
    EXPECT_THAT(data_tool::CheckProgramFolder(copy.Folder()), Contains(HasSubstr(c.reported))) << c.kind;
  }
}

}  // namespace
}  // namespace corvellane
