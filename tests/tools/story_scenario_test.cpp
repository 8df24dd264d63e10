// The demo story's scenario against its scenes: the scene generator fills a
// story scene from its definition with the objects its person likes (their
// categories), and a case reuses the identical objects its first scene drew
// in every later scene. A scene that cannot give what is asked leaves its
// level empty, so every case is checked here against the generator's rules.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "persistence/value_access.h"
#include "tests/tools/story_data.h"

namespace corvellane {
namespace {

using testing::Children;
using testing::Param;
using testing::SplitList;
using testing::StoryData;
using testing::TStoryObject;
using testing::TStoryScene;

int Number(const std::string& text) { return text.empty() ? 0 : std::stoi(text); }

// Names of the objects of a type whose category the filter holds (no filter: all).
std::set<std::string> Candidates(const TStoryScene& scene, int type, const std::set<std::string>& filter) {
  std::set<std::string> names;
  for (const TStoryObject& object : scene.objects)
    if (object.type == type && (filter.empty() || filter.count(object.category))) names.insert(object.name);
  return names;
}

// One case of copy 0: its people and its story scenes with their definitions.
struct TCase {
  std::string name;
  std::map<std::string, Ref<IHierStorage>> people, scenes;
  std::vector<Ref<IHierStorage>> tasks;

  const TStoryScene* Definition(const std::string& scene_name) const {
    auto scene = scenes.find(scene_name);
    if (scene == scenes.end()) return nullptr;
    const auto& all = StoryData().scenes;
    auto own = all.find(scene_name);
    if (own != all.end()) return &own->second;
    auto named = all.find(Param(scene->second.get(), "scenename"));
    return named == all.end() ? nullptr : &named->second;
  }
  std::set<std::string> Filter(IHierStorage* scene) const {
    auto person = people.find(ReadText(scene, "participant"));
    return person == people.end() ? std::set<std::string>{} : SplitList(ReadText(person->second.get(), "categories"));
  }
  bool OfClient(IHierStorage* scene) const {
    auto person = people.find(ReadText(scene, "participant"));
    return person != people.end() && ReadText(person->second.get(), "type") == "client";
  }
};

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (const auto& node : Children(StoryData().scenario->GetChild("cases0", 0).get(), "case")) {
    TCase c{ReadText(node.get(), "name"), {}, {}, {}};
    for (const auto& person : Children(node->GetChild("participants", 0).get(), "participant"))
      c.people[ReadText(person.get(), "name")] = person;
    for (const auto& scene : Children(node->GetChild("scenes", 0).get(), "scene"))
      c.scenes[ReadText(scene.get(), "name")] = scene;
    for (const auto& stage : Children(node->GetChild("stages", 0).get(), "stage"))
      for (const auto& task : Children(stage->GetChild("tasks", 0).get(), "task")) c.tasks.push_back(task);
    cases.push_back(std::move(c));
  }
  return cases;
}

TEST(StoryScenario, EveryStorySceneCanGiveWhatTheGeneratorIsAskedFor) {
  const std::vector<TCase> cases = Cases();
  ASSERT_GE(cases.size(), 3u);
  for (const TCase& c : cases) {
    std::set<std::set<std::string>> identical_sets;
    for (const auto& [name, scene] : c.scenes) {
      const TStoryScene* definition = c.Definition(name);
      ASSERT_TRUE(definition) << c.name << "/" << name;
      const std::set<std::string> filter = c.Filter(scene.get());
      const std::string where = c.name + "/" + name;
      if (ReadBool(scene.get(), "firstdatescene", false)) {
        EXPECT_GE(int(Candidates(*definition, 4, {}).size()), Number(Param(scene.get(), "do_count"))) << where;
        continue;
      }
      EXPECT_GE(int(Candidates(*definition, 0, filter).size()), Number(Param(scene.get(), "ho_count"))) << where;
      const std::set<std::string> identical = Candidates(*definition, 1, filter);
      EXPECT_GE(int(identical.size()), Number(Param(scene.get(), "io_count"))) << where;
      identical_sets.insert(identical);
      if (c.OfClient(scene.get())) {  // a client's scene must also break a keepsake the client likes
        EXPECT_EQ(Candidates(*definition, 3, filter).size(), 1u) << where;
        EXPECT_GE(Candidates(*definition, 2, filter).size(), 3u) << where;
      }
    }
    // Whichever scene draws the case's identical objects, the others have them too.
    EXPECT_EQ(identical_sets.size(), 1u) << c.name;
  }
}

TEST(StoryScenario, EveryTaskFindsItsScenesPeopleAndLabel) {
  const auto& story = StoryData();
  for (const TCase& c : Cases()) {
    std::map<std::string, int> name_finds;  // hidden shapes and names share a scene's found list
    Ref<IHierStorage> node;
    for (const auto& candidate : Children(story.scenario->GetChild("cases0", 0).get(), "case"))
      if (ReadText(candidate.get(), "name") == c.name) node = candidate;
    std::set<std::string> labels;
    for (const auto& label : Children(node->GetChild("map_labels", 0).get(), "map_label")) {
      labels.insert(ReadText(label.get(), "name"));
      EXPECT_TRUE(story.story_resources.count(ReadText(label.get(), "resourcename"))) << ReadText(label.get(), "name");
    }
    for (const auto& [who, person] : c.people)
      EXPECT_TRUE(story.story_resources.count(ReadText(person.get(), "avatar"))) << who;
    for (const auto& task : c.tasks) {
      const std::string where = c.name + "/" + ReadText(task.get(), "name");
      const int type = ReadInt(task.get(), "tasktype", 0);
      const std::string scene_name = Param(task.get(), "scenename");
      ASSERT_TRUE(c.scenes.count(scene_name)) << where;
      IHierStorage* scene = c.scenes.at(scene_name).get();
      EXPECT_TRUE(labels.count(Param(task.get(), "map_label_name"))) << where;
      EXPECT_TRUE(c.people.count(Param(task.get(), "participant"))) << where;
      EXPECT_EQ(ReadBool(scene, "firstdatescene", false), type == 4) << where;
      if (type <= 1) EXPECT_EQ(++name_finds[scene_name], 1) << where << " plays " << scene_name << " twice";
      if (type == 2) EXPECT_TRUE(c.scenes.count(Param(task.get(), "scenename2"))) << where;
      if (type == 3) EXPECT_TRUE(c.OfClient(scene)) << where;
    }
    std::set<int> types;
    for (const auto& task : c.tasks) types.insert(ReadInt(task.get(), "tasktype", 0));
    EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4})) << c.name;
  }
}

// Both copies start the same story; only the time allowed differs.
TEST(StoryScenario, TheRelaxedCopyTellsTheSameStoryWithMoreTime) {
  const auto& scenario = StoryData().scenario;
  std::string timed = scenario->GetChild("cases0", 0)->GetXml(), relaxed = scenario->GetChild("cases1", 0)->GetXml();
  const auto strip_times = [](std::string& xml, std::vector<int>& times) {
    const std::string key = "name=\"given_time\" value=\"";
    for (size_t at; (at = xml.find(key)) != std::string::npos;) {
      const size_t end = xml.find('"', at + key.size());
      times.push_back(std::stoi(xml.substr(at + key.size(), end - at - key.size())));
      xml.erase(at, end - at);
    }
    xml.erase(0, xml.find('>'));  // the copies' own element names differ
  };
  std::vector<int> timed_times, relaxed_times;
  strip_times(timed, timed_times);
  strip_times(relaxed, relaxed_times);
  EXPECT_EQ(timed.substr(0, timed.rfind('<')), relaxed.substr(0, relaxed.rfind('<')));
  ASSERT_EQ(timed_times.size(), relaxed_times.size());
  for (size_t i = 0; i < timed_times.size(); ++i) EXPECT_GT(relaxed_times[i], timed_times[i]);
  EXPECT_FALSE(timed_times.empty());
}

}  // namespace
}  // namespace corvellane
