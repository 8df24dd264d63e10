// The demo story as the build leaves it in the program folder, checked the
// way the game will use it: the scene pictures and every object's picture,
// the places where objects may stand (inside what the play screen leaves
// visible), the captions, the pieces of the broken keepsakes, and whether
// every story scene can give the scene generator what its tasks ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "persistence/value_access.h"
#include "tests/tools/story_data.h"

namespace corvellane {
namespace {

using testing::Children;
using testing::Param;
using testing::StoryData;
using testing::TStoryObject;
using testing::TStoryPlace;
using testing::TStoryScene;

// The play screen's top bar covers y < 44 and its object panel y >= 628.
constexpr double kLeft = 8, kRight = 1016, kTop = 48, kBottom = 620;
constexpr int kWindow = 512;  // width of each half in the find-identical mode

const TStoryObject* CompleteObject(const TStoryScene& scene) {
  for (const TStoryObject& object : scene.objects)
    if (object.type == 3) return &object;
  return nullptr;
}

TEST(StoryContent, ScenesAndObjectsHaveTheirPicturesAtTheirSizes) {
  const auto& story = StoryData();
  ASSERT_GE(story.scenes.size(), 8u);
  for (const auto& [name, scene] : story.scenes) {
    for (const auto& [file, width, height] :
         {std::tuple{scene.background, 1024, 768}, std::tuple{scene.preview, 256, 192}}) {
      Ref<TSurface> picture = story.Picture(file);
      ASSERT_TRUE(picture) << name << ": " << file;
      EXPECT_EQ(picture->GetWidth(), width) << file;
      EXPECT_EQ(picture->GetHeight(), height) << file;
    }
    for (const TStoryObject& object : scene.objects) {
      Ref<TSurface> picture = story.Picture(object.file);
      ASSERT_TRUE(picture) << name << "/" << object.name << ": " << object.resource << " " << object.file;
      EXPECT_EQ(picture->GetWidth(), object.width) << name << "/" << object.name;
      EXPECT_EQ(picture->GetHeight(), object.height) << name << "/" << object.name;
    }
  }
}

TEST(StoryContent, EveryPlaceKeepsItsObjectWhereThePlayerCanSeeIt) {
  for (const auto& [name, scene] : StoryData().scenes)
    for (const TStoryObject& object : scene.objects)
      for (const TStoryPlace& at : object.places) {
        if (at.name == "spec") continue;  // a place on the object panel, not in the scene
        const double a = at.angle * M_PI / 180, w = object.width * at.zoom_x, h = object.height * at.zoom_y;
        const double half_w = (std::abs(w * std::cos(a)) + std::abs(h * std::sin(a))) / 2;
        const double half_h = (std::abs(w * std::sin(a)) + std::abs(h * std::cos(a))) / 2;
        const std::string where = name + "/" + object.name + "/" + at.name;
        EXPECT_GE(at.x - half_w, kLeft) << where;
        EXPECT_LE(at.x + half_w, kRight) << where;
        EXPECT_GE(at.y - half_h, kTop) << where;
        EXPECT_LE(at.y + half_h, kBottom) << where;
        if (object.type == 1) {  // both halves of find-identical show only their window
          EXPECT_GE(at.x - half_w, scene.shift) << where;
          EXPECT_LE(at.x + half_w, scene.shift + kWindow) << where;
        }
        // Hidden things are a little transparent at most; only the complete
        // object, which lives on the panel, may be invisible in the scene.
        if (object.type != 3 && object.type != 6) EXPECT_GE(at.opacity, 200) << where;
      }
}

TEST(StoryContent, EveryCaptionHasItsText) {
  const auto& story = StoryData();
  std::vector<std::string> references;
  for (const auto& [name, scene] : story.scenes)
    for (const TStoryObject& object : scene.objects) references.push_back(object.caption);
  for (const auto& category : Children(story.categories.get(), "category"))
    for (const char* key : {"caption", "description"}) references.push_back(ReadText(category.get(), key));
  for (const auto& node : Children(story.scenario->GetChild("cases0", 0).get(), "case")) {
    references.push_back(Param(node.get(), "caption"));
    for (const auto& stage : Children(node->GetChild("stages", 0).get(), "stage"))
      references.push_back(Param(stage.get(), "caption"));
    for (const auto& person : Children(node->GetChild("participants", 0).get(), "participant"))
      for (const char* key : {"caption", "description"}) references.push_back(ReadText(person.get(), key));
  }
  references.push_back("%participant_caption_pattern%");
  for (const std::string& reference : references) EXPECT_FALSE(story.Localised(reference).empty()) << reference;
}

TEST(StoryContent, EveryKindOfObjectIsThereAndPlentyToFind) {
  std::set<int> types;
  std::set<std::string> findable, categories;
  for (const auto& [name, scene] : StoryData().scenes)
    for (const TStoryObject& object : scene.objects) {
      types.insert(object.type);
      if (object.type <= 4) {
        findable.insert(object.name);
        categories.insert(object.category);
      }
      // The scene generator needs places, and no object may stand at one place twice.
      std::set<std::string> places;
      for (const TStoryPlace& at : object.places)
        EXPECT_TRUE(places.insert(at.name).second) << name << "/" << object.name;
      EXPECT_FALSE(places.empty()) << name << "/" << object.name;
    }
  EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_GE(findable.size(), 80u);
  EXPECT_GE(categories.size(), 6u);
}

// The panel draws each part at its "spec" place, measured from the complete
// object's first place; put there, the parts must give back the whole
// picture, pixel for pixel, with nothing missing.
TEST(StoryContent, PiecesOnTheirPanelPlacesRebuildTheCompleteObject) {
  const auto& story = StoryData();
  int checked = 0;
  for (const auto& [name, scene] : story.scenes) {
    const TStoryObject* whole = CompleteObject(scene);
    if (!whole) continue;
    Ref<TSurface> picture = story.Picture(whole->file);
    ASSERT_TRUE(picture && !whole->places.empty()) << name;
    int covered = 0, drawn = 0, parts = 0;
    for (int y = 0; y < whole->height; ++y)
      for (int x = 0; x < whole->width; ++x) drawn += (picture->GetPixel(x, y) >> 24) != 0;
    for (const TStoryObject& part : scene.objects) {
      if (part.type != 2) continue;
      ++parts;
      auto spec =
          std::find_if(part.places.begin(), part.places.end(), [](const TStoryPlace& at) { return at.name == "spec"; });
      ASSERT_NE(spec, part.places.end()) << name << "/" << part.name;
      EXPECT_GT(part.places.size(), 1u) << name << "/" << part.name << " has no place in the scene";
      const int left = spec->x - whole->places[0].x + whole->width / 2 - part.width / 2;
      const int top = spec->y - whole->places[0].y + whole->height / 2 - part.height / 2;
      Ref<TSurface> piece = story.Picture(part.file);
      for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) {
          const uint32_t pixel = piece->GetPixel(x, y);
          if ((pixel >> 24) == 0) continue;
          ++covered;
          const bool inside = x + left >= 0 && y + top >= 0 && x + left < whole->width && y + top < whole->height;
          ASSERT_TRUE(inside && picture->GetPixel(x + left, y + top) == pixel)
              << name << "/" << part.name << " at " << x << "," << y;
        }
    }
    EXPECT_TRUE(parts == 3 || parts == 4) << name;
    EXPECT_EQ(covered, drawn) << name << ": the pieces leave holes or overlap";
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace corvellane
