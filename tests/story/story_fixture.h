// story_fixture.h: the demo story as the build leaves it in the program
// folder, read the way the game reads it, and small story files of a test's
// own.
//
// DemoStoryTest reads every data path ("data\ini\scenes.ini") from the built
// program folder and loads its language file, so captions localise as in the
// game; the reader and the language are put back afterwards. ParseStory and
// friends build story objects from XML text written in the test.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "story/scene_def_ref.h"
#include "story/user_game_data.h"

namespace corvellane::testing {

class DemoStoryTest : public ::testing::Test {
 protected:
  DemoStoryTest();
  ~DemoStoryTest() override;

  // The scene list of the demo (asserted present).
  Ref<TSceneDefRefCollection> Refs();
  // The scenario's root "usergamedata".
  Ref<IHierStorageRoot> Scenario();
  // A story started from the scenario (both copies), copy 0 selected.
  Ref<TUserGameData> NewStory();
};

// Reads every data path below `folder` while it lives.
class TDataFolder {
 public:
  explicit TDataFolder(std::string folder);
  ~TDataFolder();
};

// An object of class T loaded from XML text.
template <class T>
Ref<T> Parse(std::string_view xml) {
  Ref<T> object = CreateObject<T>();
  Ref<IHierStorageRoot> root = OpenStorageText(xml);
  object->LoadFrom(root.get());
  return object;
}

// The object saved into a document with that root, as text.
std::string Saved(IPersistable& object, std::string_view root_name);

}  // namespace corvellane::testing
