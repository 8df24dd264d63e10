#include "tests/story/story_fixture.h"

#include "persistence/data_files.h"
#include "persistence/localization.h"
#include "persistence/paths.h"
#include "story/story_file.h"
#include "story/story_progress.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {

TDataFolder::TDataFolder(std::string folder) {
  SetDataFileReader([folder](std::string_view path) { return ReadDiskFile(JoinPath(folder, NormalizePath(path))); });
}

TDataFolder::~TDataFolder() { SetDataFileReader({}); }

DemoStoryTest::DemoStoryTest() {
  SetDataFileReader(
      [](std::string_view path) { return ReadDiskFile(JoinPath(TestGameDir(), NormalizePath(path))); });
  CreateMultiLanguages();
  MultiLanguages()->ReadLanguageFile("lang\\default.lng");
}

DemoStoryTest::~DemoStoryTest() {
  ReleaseMultiLanguages();
  SetDataFileReader({});
}

Ref<TSceneDefRefCollection> DemoStoryTest::Refs() {
  Ref<TSceneDefRefCollection> refs = LoadSceneDefRefs();
  EXPECT_TRUE(refs) << "the demo's scene list is missing from " << TestGameDir();
  return refs;
}

Ref<IHierStorageRoot> DemoStoryTest::Scenario() {
  Ref<IHierStorageRoot> root = OpenStoryFile(kScenarioFile, "the scenario");
  EXPECT_TRUE(root) << "the demo's scenario is missing from " << TestGameDir();
  return root;
}

Ref<TUserGameData> DemoStoryTest::NewStory() {
  Ref<TUserGameData> story = CreateObject<TUserGameData>();
  StartNewStory(*story, Scenario().get());
  return story;
}

std::string Saved(IPersistable& object, std::string_view root_name) {
  return StoryDocumentText(&object, root_name);
}

}  // namespace corvellane::testing
