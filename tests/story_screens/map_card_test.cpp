// The card of the selected task on the demo's map, for each kind of task:
// whose portrait and which scene photographs it shows, and that a card
// with a second portrait leaves it room on the map.
#include <gtest/gtest.h>

#include <string>

#include "game/class_list.h"
#include "story/story_progress.h"
#include "story_screens/map_screen.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/story_setup.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

// The timed Play button of the main menu, and time for the map to settle.
constexpr const char* kOpenTheMap = "7600 move 252 630\n8000 click 252 630\n";
constexpr int kMapFrames = 700;

struct CardCase {
  const char* stage;
  const char* task;
  const char* avatar;         // the card's portrait
  const char* photo;          // the card's scene photograph
  const char* second_avatar;  // "" when there is no second portrait
  const char* second_photo;   // "" when there is no second photograph
  int smallest_left;
};

const CardCase kCards[] = {
    // Find places in the flower shop: the shop's florist.
    {"petals", "petals_1", "img_portrait_marguerite", "img_ScenePreview_flower_shop", "", "", 10},
    // Find identical: the library's reader beside the florist's shop.
    {"margins", "margins_1", "img_portrait_marguerite", "img_ScenePreview_flower_shop", "img_portrait_julien",
     "img_ScenePreview_library", 195},
    // The first date: the client and her date.
    {"picnic", "picnic_1", "img_portrait_marguerite", "img_ScenePreview_date_park", "img_portrait_julien", "", 95},
};

std::string Resource(IWidget& card, const std::string& path) {
  Ref<IWidget> widget = card.FindWidget(path);
  return widget ? widget->GetProperty("resourcename").ToText() : "(none)";
}

bool Shown(IWidget& card, const std::string& path) {
  Ref<IWidget> widget = card.FindWidget(path);
  return widget && widget->IsVisible();
}

class MapCard : public ::testing::TestWithParam<CardCase> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
};

TEST_P(MapCard, ShowsThePeopleAndScenesOfItsKindOfTask) {
  const CardCase& c = GetParam();
  TempDir settings;
  WriteStoryAtStage(settings.path(), "Tester", c.stage, 0);
  EditSavedStory(settings.path(), "Tester", [](TUserGameData& story) {
    for (int copy = 0; copy < kStoryCopies; ++copy) {
      story.SelectCopy(copy);
      CurrentStage(story)->GetParams()->SetNamedValue("desktop_was_shown", Variant("yes"));
    }
  });
  DemoRun run(kOpenTheMap, settings.path());
  ASSERT_TRUE(run.Started());
  run.RunFrames(kMapFrames);
  ASSERT_EQ(run.Game().GetTopScreenName(), "GS_Map");
  Ref<TCorvellaneGameScreenMap> map =
      QueryInterface<TCorvellaneGameScreenMap>(run.Game().GetScreens()->GetScreen(Variant("GS_Map")));
  ASSERT_TRUE(map);
  EXPECT_EQ(map->GetSelectedTaskName(), c.task);
  // The selected task's card, among the labels of the other tasks.
  Ref<IWidget> card;
  Ref<IWidget> labels = map->FindWidget("task_label_group");
  ASSERT_TRUE(labels);
  for (int i = 0; i < labels->GetWidgets()->Count(); ++i) {
    Ref<IWidget> label = labels->GetWidgets()->GetWidget(Variant(i));
    if (label && label->FindWidget("avatar")) card = label;
  }
  ASSERT_TRUE(card);
  EXPECT_EQ(card->GetName(), c.task);
  EXPECT_EQ(Resource(*card, "avatar/portrait"), c.avatar);
  EXPECT_EQ(Resource(*card, "scene_photo/photo_print/photo/preview"), c.photo);
  const bool second_portrait = *c.second_avatar != '\0';
  EXPECT_EQ(Shown(*card, "second_portrait"), second_portrait);
  if (second_portrait) {
    EXPECT_EQ(Resource(*card, "second_portrait/portrait_print/portrait2/avatar2"), c.second_avatar);
  }
  const bool second_photo = *c.second_photo != '\0';
  EXPECT_EQ(Shown(*card, "second_scene_photo"), second_photo);
  if (second_photo) {
    EXPECT_EQ(Resource(*card, "second_scene_photo/photo_print/photo/preview"), c.second_photo);
  }
  EXPECT_GE(card->GetProperty("anchor_left").ToInt(), c.smallest_left);
}

INSTANTIATE_TEST_SUITE_P(Tasks, MapCard, ::testing::ValuesIn(kCards),
                         [](const auto& info) { return std::string(info.param.task); });

}  // namespace
}  // namespace corvellane::testing
