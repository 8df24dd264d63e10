#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "persistence/localization.h"
#include "persistence/log.h"
#include "story/object_list.h"
#include "story/scene_generator.h"
#include "story/scene_trial.h"
#include "story/task_scenes.h"
#include "story/ugd_case.h"
#include "tests/story/story_fixture.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;
using testing::DemoStoryTest;
using testing::Parse;

std::string List(IParamCollection* params, std::string_view key) {
  return params->GetNamedValue(key, Variant("(none)")).ToText();
}

std::vector<std::string> Entries(IUGDScene& scene, std::string_view key) {
  return SplitList(scene.GetParams()->GetNamedValue(key, Variant(kEmptyList)).ToText());
}

int Count(IParamCollection* params, std::string_view key) { return params->GetNamedValue(key, Variant(0)).ToInt(0); }

// Runs the generator on one scene with an owner of its own; the owner's live
// objects are what the scene would show.
struct TGeneration {
  bool generated = false;
  std::vector<std::string> live;
};

TGeneration Generate(ISceneDefRefCollection* refs, IUGDCase* story_case, IUGDScene* scene, int mode) {
  auto owner = MakeRef<TSceneTrialOwner>(Ref<ISceneDefRefCollection>(refs), Ref<IUGDCase>(story_case));
  auto generator = CreateObject<TCorvellaneSceneGenerator>();
  generator->SetOwner(owner.get());
  TGeneration result{generator->GenerateScene(scene, mode), owner->LiveObjects()};
  generator->ClearGenerator();
  return result;
}

const std::vector<std::string_view> kAllLists{"ho_names", "io_names", "co_names", "hp_names",
                                              "do_names", "d_names",  "i_names"};

// --- The demo story ---------------------------------------------------------

class DemoGenerator : public DemoStoryTest {
 protected:
  // Every scene the tasks of a case are played in, generated as the play
  // screen does on first use; checks what every scene holds.
  void GenerateCase(IUGDCase& story_case, std::set<std::string>& identical) {
    Ref<IUGDStageCollection> stages = story_case.GetStages();
    for (int s = 0; s < stages->Count(); ++s) {
      Ref<IUGDTaskCollection> tasks = stages->Get(Variant(s))->GetTasks();
      for (int t = 0; t < tasks->Count(); ++t) GenerateTask(story_case, *tasks->Get(Variant(t)), identical);
    }
  }

  void GenerateTask(IUGDCase& story_case, IUGDTask& task, std::set<std::string>& identical) {
    for (const std::string& name : TaskSceneNames(task)) {
      SCOPED_TRACE(story_case.GetName() + "/" + task.GetName() + " in " + name);
      Ref<IUGDScene> scene = story_case.GetScenes()->Get(Variant(name));
      ASSERT_TRUE(scene);
      if (!scene->GetGenerated()) {
        TGeneration run = Generate(refs_.get(), &story_case, scene.get(), -1);
        EXPECT_TRUE(run.generated);
        std::vector<std::string> listed;
        for (std::string_view key : kAllLists)
          for (const std::string& entry : Entries(*scene, key)) listed.push_back(entry);
        EXPECT_THAT(run.live, UnorderedElementsAreArray(listed)) << "a stray or a missing object";
        CheckScene(story_case, *scene, identical);
      }
      EXPECT_THAT(SupplyProblems(*scene, story_case, task.GetTaskType()), IsEmpty());
    }
  }

  void CheckScene(IUGDCase& story_case, IUGDScene& scene, std::set<std::string>& identical) {
    Ref<ISceneDef> def = FindSceneDefRef(*refs_, story_case, scene.GetName())->OpenSceneDef();
    Ref<IUGDParticipant> person = story_case.GetParticipants()->Get(Variant(scene.GetParticipantName()));
    const std::string likes = person ? person->GetCategories() : std::string();
    auto check = [&](std::string_view key, TSceneObjectType type, bool filtered,
                     std::string_view count_key) -> std::set<std::string> {
      std::set<std::string> objects;
      for (const std::string& entry : Entries(scene, key)) {
        Ref<ISceneObjectDef> object = def->GetObjectDefs()->Get(Variant(ObjectOfEntry(entry)));
        if (!object) {
          ADD_FAILURE() << "no object " << entry;
          continue;
        }
        EXPECT_EQ(object->GetObjectType(), static_cast<int32_t>(type)) << entry;
        EXPECT_TRUE(object->GetLocations()->Get(Variant(LocationOfEntry(entry)))) << entry;
        if (filtered && !likes.empty()) {
          EXPECT_TRUE(ListHas(likes, object->GetCategory())) << entry;
        }
        objects.insert(object->GetName());
      }
      // Decorations fill what the scene has; targets must meet the count.
      const int asked = count_key.empty() ? 0 : Count(scene.GetParams().get(), count_key);
      if (asked > 0 && type == TSceneObjectType::Decoration) {
        EXPECT_LE(static_cast<int>(objects.size()), asked) << key;
      } else if (asked > 0) {
        EXPECT_EQ(static_cast<int>(objects.size()), asked) << key;
      }
      return objects;
    };
    if (scene.GetFirstDateScene()) {
      EXPECT_FALSE(check("do_names", TSceneObjectType::ObjectToPlace, false, "do_count").empty());
    } else {
      EXPECT_FALSE(check("ho_names", TSceneObjectType::HiddenObject, true, "ho_count").empty());
      std::set<std::string> io = check("io_names", TSceneObjectType::IdenticalObject, true, "io_count");
      EXPECT_FALSE(io.empty());
      // The first scene of the case chooses the identical objects; the
      // others show the same ones.
      if (identical.empty()) identical = io;
      EXPECT_EQ(io, identical);
      check("d_names", TSceneObjectType::Decoration, true, "d_count");
    }
    std::vector<std::string> fixed = Entries(scene, "i_names");
    for (int i = 0; i < def->GetObjectDefs()->Count(); ++i) {
      Ref<ISceneObjectDef> object = def->GetObjectDefs()->Get(Variant(i));
      if (object->GetObjectType() != static_cast<int32_t>(TSceneObjectType::FixedDecoration)) continue;
      EXPECT_EQ(std::count_if(fixed.begin(), fixed.end(),
                              [&](const std::string& e) { return ObjectOfEntry(e) == object->GetName(); }),
                object->GetLocations()->Count())
          << object->GetName();
    }
  }

  Ref<TSceneDefRefCollection> refs_;
};

TEST_F(DemoGenerator, FillsEveryTaskOfBothCopies) {
  refs_ = Refs();
  ASSERT_TRUE(refs_);
  Ref<TUserGameData> story = NewStory();
  GlobalRandom().Seed(20240611);
  int tasks = 0;
  for (int copy = 0; copy < kStoryCopies; ++copy) {
    story->SelectCopy(copy);
    for (int c = 0; c < story->GetCases()->Count(); ++c) {
      Ref<IUGDCase> story_case = story->GetCases()->Get(Variant(c));
      std::set<std::string> identical;
      GenerateCase(*story_case, identical);
      EXPECT_EQ(List(story_case->GetParams().get(), "io_count"), std::to_string(identical.size()));
      for (int s = 0; s < story_case->GetStages()->Count(); ++s)
        tasks += story_case->GetStages()->Get(Variant(s))->GetTasks()->Count();
    }
  }
  EXPECT_GE(tasks, 20);
}

TEST_F(DemoGenerator, TheSameSeedGivesTheSameScene) {
  refs_ = Refs();
  ASSERT_TRUE(refs_);
  std::vector<std::string> runs;
  for (int run = 0; run < 2; ++run) {
    Ref<TUserGameData> story = NewStory();
    Ref<IUGDCase> first = story->GetCases()->Get(Variant(0));
    Ref<IUGDScene> scene = first->GetScenes()->Get(Variant(0));
    GlobalRandom().Seed(7);
    ASSERT_TRUE(Generate(refs_.get(), first.get(), scene.get(), -1).generated);
    runs.push_back(List(scene->GetParams().get(), "ho_names") + List(scene->GetParams().get(), "d_names"));
  }
  EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(DemoGenerator, EveryDemoTaskCanBeOffered) {
  refs_ = Refs();
  ASSERT_TRUE(refs_);
  Ref<TUserGameData> story = NewStory();
  Ref<IUGDCase> first = story->GetCases()->Get(Variant(0));
  const std::string before = story->SaveToText();
  for (int s = 0; s < first->GetStages()->Count(); ++s) {
    Ref<IUGDTaskCollection> tasks = first->GetStages()->Get(Variant(s))->GetTasks();
    for (int t = 0; t < tasks->Count(); ++t)
      EXPECT_THAT(TaskProblems(*refs_, *first, *tasks->Get(Variant(t))), IsEmpty());
  }
  EXPECT_EQ(story->SaveToText(), before) << "asking changed the player's story";
}

// --- Small scenes of the test's own ---------------------------------------------

// Object "name:type:category:locations[:first]" -> an object_def element.
std::string Object(std::string_view spec) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t colon; (colon = spec.find(':', start)) != std::string_view::npos; start = colon + 1)
    parts.emplace_back(spec.substr(start, colon - start));
  parts.emplace_back(spec.substr(start));
  std::string xml = "<object_def name=\"" + parts[0] + "\" objecttype=\"" + parts[1] + "\" caption=\"%cap%\" category=\"" +
                    parts[2] + "\"" + (parts.size() > 4 ? " first_generation=\"yes\"" : "") + "><locations>";
  for (const std::string& place : SplitList(parts[3])) xml += "<location name=\"" + place + "\"/>";
  return xml + "</locations></object_def>";
}

class SmallScenes : public ::testing::Test {
 protected:
  SmallScenes() : folder_(dir_.path().string()) {
    CreateMultiLanguages();
    MultiLanguages()->AddString("cap", "Something");
    GlobalRandom().Seed(99);
  }
  ~SmallScenes() override { ReleaseMultiLanguages(); }

  // A scene file "s" with these objects, a case holding scene "s" with the
  // parameters, and a participant liking `likes` ("client" type).
  void Scene(const std::vector<std::string>& objects, std::string_view params, std::string_view likes = "") {
    std::string xml = "<scene_def><object_defs>";
    for (const std::string& object : objects) xml += Object(object);
    dir_.Write("s.ini", xml + "</object_defs></scene_def>");
    refs_ = Parse<TSceneDefRefCollection>(R"(<scene_defs><scene_def name="s" filename="s.ini"/></scene_defs>)");
    case_ = Parse<TUGDCase>(std::string(R"(<case name="c"><participants><participant name="p" type="client" categories=")") +
                            std::string(likes) + R"("/></participants><scenes><scene name="s" participant="p"><params>)" +
                            std::string(params) + "</params></scene></scenes></case>");
  }
  Ref<IUGDScene> SceneOfCase() { return case_->GetScenes()->Get(Variant("s")); }
  TGeneration Run(int mode) { return Generate(refs_.get(), case_.get(), SceneOfCase().get(), mode); }
  std::vector<std::string> Picked(std::string_view key) { return Entries(*SceneOfCase(), key); }

  testing::TempDir dir_;
  testing::TDataFolder folder_;
  Ref<TSceneDefRefCollection> refs_;
  Ref<TUGDCase> case_;
};

std::string Param(std::string_view name, std::string_view value) {
  return "<param name=\"" + std::string(name) + "\" value=\"" + std::string(value) + "\"/>";
}

TEST_F(SmallScenes, FirstGenerationObjectsComeFirstAtTheirLastPlace) {
  Scene({"a:0:x:l1", "b:0:x:l1;l2:first", "c:0:x:l1", "d:0:x:l1;l2;l3:first", "e:0:x:l1"}, Param("ho_count", "3"));
  ASSERT_TRUE(Run(0).generated);
  std::vector<std::string> picked = Picked("ho_names");
  ASSERT_EQ(picked.size(), 3u);
  EXPECT_EQ(picked[0], "d/l3");
  EXPECT_EQ(picked[1], "b/l2");
}

TEST_F(SmallScenes, TheSpecialPlaceIsUsedOnlyWhenItIsTheOnlyOne) {
  Scene({"only:2:x:spec", "both:2:x:spec;l1", "whole:3:x:l1"}, "");
  for (int run = 0; run < 5; ++run) {
    ASSERT_TRUE(Run(3).generated);
    EXPECT_THAT(Picked("hp_names"), ::testing::UnorderedElementsAre("only/spec", "both/l1"));
    EXPECT_THAT(Picked("co_names"), ElementsAre("whole/l1"));
  }
}

TEST_F(SmallScenes, PlacesAndCounts) {
  struct Case {
    const char* name;
    std::vector<std::string> objects;
    std::string params;
    int mode;
    const char* key;
    size_t entries, distinct;
    bool generated;
  };
  const std::vector<Case> cases{
      {"fixed decorations stand at every place", {"f:6:x:l1;l2;l3", "g:6:x:l1"}, "", -1, "i_names", 4, 2, true},
      {"three of five objects to place, one place each",
       {"a:4:x:l1;l2", "b:4:x:l1;l2", "c:4:x:l1;l2", "d:4:x:l1;l2", "e:4:x:l1;l2"}, Param("do_count", "3"), 4,
       "do_names", 3, 3, true},
      {"no count: every object to place at every place", {"a:4:x:l1;l2", "b:4:x:l1"}, Param("do_count", "0"), 4,
       "do_names", 3, 2, true},
      {"no count: every hidden object once", {"a:0:x:l1;l2;l3", "b:0:x:l1"}, "", 0, "ho_names", 2, 2, true},
      {"the count is cut to the objects there are", {"a:0:x:l1;l2", "b:0:x:l1;l2"}, Param("ho_count", "10"), 0,
       "ho_names", 2, 2, true},
      {"nothing to place and nothing asked", {"a:0:x:l1"}, "", 4, "do_names", 0, 0, true},
      {"a hidden object without a caption is never placed", {"a:0:x:l1"}, "", 0, "ho_names", 0, 0, true},
  };
  for (const Case& c : cases) {
    Scene(c.objects, c.params);
    if (std::string(c.name).find("caption") != std::string::npos) MultiLanguages()->AddString("cap", "");
    TGeneration run = Run(c.mode);
    EXPECT_EQ(run.generated, c.generated) << c.name;
    std::vector<std::string> picked = Picked(c.key);
    std::set<std::string_view> objects;
    for (const std::string& entry : picked) objects.insert(ObjectOfEntry(entry));
    EXPECT_EQ(picked.size(), c.entries) << c.name;
    EXPECT_EQ(objects.size(), c.distinct) << c.name;
    EXPECT_EQ(List(SceneOfCase()->GetParams().get(), c.key).front(), ';') << c.name;
    EXPECT_EQ(run.live.size(), run.generated && c.mode >= 0 ? picked.size() : run.live.size()) << c.name;
    EXPECT_EQ(SceneOfCase()->GetGenerated(), c.generated) << c.name;
  }
}

TEST_F(SmallScenes, FiveCategoriesShareTheHiddenObjectsWithoutStrays) {
  std::vector<std::string> objects;
  for (const char* category : {"a", "b", "c", "d", "e"})
    for (int i = 0; i < 4; ++i) objects.push_back(std::string(category) + std::to_string(i) + ":0:" + category + ":l1;l2");
  Scene(objects, Param("ho_count", "10"), ";a;b;c;d;e;");
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GlobalRandom().Seed(seed);
    TGeneration run = Run(0);
    ASSERT_TRUE(run.generated) << seed;
    std::vector<std::string> picked = Picked("ho_names");
    EXPECT_EQ(picked.size(), 10u) << seed;
    EXPECT_THAT(run.live, UnorderedElementsAreArray(picked)) << seed;
    std::map<char, int> per_category;
    for (const std::string& entry : picked) ++per_category[entry[0]];
    for (const auto& [category, count] : per_category) EXPECT_LE(count, 8) << seed;
  }
}

TEST_F(SmallScenes, IdenticalObjectsAreChosenOncePerCase) {
  Scene({"i1:1:x:l1", "i2:1:x:l1", "i3:1:x:l1", "i4:1:x:l1"}, Param("io_count", "2"));
  ASSERT_TRUE(Run(2).generated);
  const std::vector<std::string> chosen = SplitList(List(case_->GetParams().get(), "io_names"));
  EXPECT_EQ(chosen.size(), 2u);
  EXPECT_EQ(List(case_->GetParams().get(), "io_count"), "2");
  // A later scene of the case without a count of its own shows those two.
  SceneOfCase()->GetParams()->DeleteItem(Variant("io_count"));
  for (int run = 0; run < 5; ++run) {
    ASSERT_TRUE(Run(2).generated);
    std::set<std::string> shown;
    for (const std::string& entry : Picked("io_names")) shown.emplace(ObjectOfEntry(entry));
    EXPECT_EQ(shown, std::set<std::string>(chosen.begin(), chosen.end()));
  }
}

TEST_F(SmallScenes, AnUnreadableSceneIsNotGenerated) {
  Scene({"a:0:x:l1"}, "");
  dir_.Write("s.ini", "<scene_def><object_defs>");
  TLogCapture log;
  EXPECT_FALSE(Run(-1).generated);
  EXPECT_FALSE(SceneOfCase()->GetGenerated());
  EXPECT_EQ(log.Count("s.ini"), 1);
  EXPECT_THAT(TaskProblems(*refs_, *case_, *Parse<TUGDTask>(R"(<task name="t"><params><param name="scenename" value="s"/></params></task>)")),
              ElementsAre(::testing::HasSubstr("s.ini cannot be read")));
}

}  // namespace
}  // namespace corvellane
