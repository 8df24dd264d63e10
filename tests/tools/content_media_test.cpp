// The demo content as the build leaves it in the program folder: every
// resource that the hand-written definition files name loads through the
// engine's resource classes from the files the tools made.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/audio/sound_decoder.h"
#include "engine/audio/tracker_module.h"
#include "engine/font_resource.h"
#include "engine/image_resource.h"
#include "engine/sound_resources.h"
#include "persistence/cipher.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "shell/declarations.h"
#include "tests/engine/fake_resource_owner.h"

namespace corvellane {
namespace {

// Relative resource paths ("data\fonts\...") are read from the program
// folder, as the game does; the previous folder comes back afterwards.
class TInFolder {
 public:
  explicit TInFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~TInFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }

 private:
  std::filesystem::path previous_;
};

class ContentMedia : public ::testing::TestWithParam<const char*> {
 protected:
  ~ContentMedia() override { ClearExternalStorageCache(); }

  // The definitions as the engine reads them: deciphered with the definitions key.
  Ref<IHierStorage> Definitions() {
    std::optional<std::string> text = ReadResourceFile(std::string("data/ini/") + GetParam());
    if (!text) return nullptr;
    Ref<IHierStorageRoot> root =
        OpenStorageText(DecryptText(product::FileKeyText(product::FileKey::Definitions), *text));
    return root->GetChild("content", 0);
  }

  static bool DecodesAsSound(const std::string& file) {
    std::optional<std::string> bytes = ReadResourceFile(file);
    return bytes && DecodeSound({reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()});
  }

  static bool LoadsAsModule(const std::string& file) {
    std::optional<std::string> bytes = ReadResourceFile(file);
    return bytes && TTrackerModule::Load({reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()}, true);
  }

  Ref<testing::FakeResourceOwner> owner_ = MakeRef<testing::FakeResourceOwner>();
};

TEST_P(ContentMedia, EveryDefinedResourceLoadsFromAGeneratedFile) {
  TInFolder in_game(CORVELLANE_PROGRAM_FOLDER);
  Ref<IHierStorage> content = Definitions();
  ASSERT_TRUE(content) << GetParam() << " is missing from the program folder";
  const int count = content->GetChildCount("resource");
  ASSERT_GT(count, 0);
  for (int i = 0; i < count; ++i) {
    Ref<IHierStorage> definition = content->GetChild("resource", i);
    const std::string name = ReadText(definition.get(), "name");
    const std::string type = ReadText(definition.get(), "type");
    const std::string file = ReadText(definition.get(), "file");
    Ref<IResource> resource = owner_->Define(definition->GetXml());
    ASSERT_TRUE(resource) << name;
    if (type == "FontResource") {
      EXPECT_TRUE(name.starts_with("font_")) << name;
      Ref<IFontResource> font = QueryInterface<IFontResource>(resource);
      ASSERT_TRUE(font && font->GetSurface()) << name;
      EXPECT_GT(font->GetLineHeight(), 0) << name;
      for (const char* character : {"A", "\xC3\xA9", "\xE2\x82\xAC"}) EXPECT_TRUE(font->GetSymbol(character)) << name << " " << character;
    } else if (type == "ImageResource") {
      EXPECT_TRUE(name.starts_with("image_")) << name;
      Ref<IImageResource> image = QueryInterface<IImageResource>(resource);
      ASSERT_TRUE(image && image->GetSurface()) << name << " from " << file;
      EXPECT_GT(image->GetImageWidth(), 0) << name;
    } else if (type == "SoundResource") {
      EXPECT_TRUE(name.starts_with("sound_")) << name;
      EXPECT_NE(QueryInterface<ISoundResource>(resource)->GetHandle(), 0u) << name;
      EXPECT_TRUE(DecodesAsSound(file)) << name << " from " << file;
    } else if (type == "MusicResource") {
      EXPECT_TRUE(name.starts_with("music_")) << name;
      Ref<IMusicResource> music = QueryInterface<IMusicResource>(resource);
      EXPECT_NE(music->GetHandle(), 0u) << name;
      if (music->GetMusicFormat() == TMusicFormat::kOgg) {
        EXPECT_TRUE(DecodesAsSound(file)) << name << " from " << file;
      } else {
        EXPECT_TRUE(LoadsAsModule(file)) << name << " from " << file;
      }
    } else {
      ADD_FAILURE() << name << " has an unexpected type " << type;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DefinitionFiles, ContentMedia,
                         ::testing::Values("interface_resources.ini", "media_resources.ini"));

}  // namespace
}  // namespace corvellane
