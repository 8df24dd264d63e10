// The map and the desk in the demo with stories prepared for them: a story
// the map cannot play from is stepped over, never waited on (a stage
// without tasks, a case without stages, an unknown current case, every case
// done); on the full desk the rows of a candidate's card answer the mouse
// exactly within their bounds and tick only what the client likes; and the
// selected task's card shows the portraits and scene photographs of its
// kind of task, with room for them on the map.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "game/class_list.h"
#include "records/record_value.h"
#include "story/story_progress.h"
#include "story_screens/desktop_screen.h"
#include "story_screens/map_screen.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/story_setup.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

// The timed Play button of the main menu, and time for the map to settle.
constexpr const char* kOpenTheMap = "7600 move 252 630\n8000 click 252 630\n";
constexpr int kMapFrames = 700;

using StoryEdit = std::function<void(IUserGameData&)>;

struct Unplayable {
  const char* name;
  StoryEdit edit;  // on copy 0; copy 1 is given level 7 to see it kept
  const char* top_screen;
  const char* case_after;
  const char* stage_after;
  bool first_case_completed;
};

Ref<IUGDCase> FirstCase(IUserGameData& story) { return story.GetCases()->Get(Variant(0)); }

const Unplayable kUnplayable[] = {
    {"StageWithoutTasks",
     [](IUserGameData& story) { CurrentStage(story)->GetTasks()->ClearItems(); },
     "GS_Map", "marguerite", "margins", false},
    {"CaseWithoutStages",
     [](IUserGameData& story) { FirstCase(story)->GetStages()->ClearItems(); },
     "GS_Map", "bert", "dawn", true},
    {"UnknownCurrentCase",
     [](IUserGameData& story) { story.SetCurrentCaseName("nobody"); },
     "GS_Map", "marguerite", "petals", false},
    // Nothing left: the copy starts again and the map closes.
    {"EveryCaseDone",
     [](IUserGameData& story) {
       for (int i = 0; i < story.GetCases()->Count(); ++i) story.GetCases()->Get(Variant(i))->SetCompleted(true);
       story.SetCurrentCaseName("");
     },
     "GS_Main", "marguerite", "petals", false},
};

class UnplayableStory : public ::testing::TestWithParam<Unplayable> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
};

TEST_P(UnplayableStory, TheMapStepsOverItAndKeepsTheOtherCopy) {
  const Unplayable& c = GetParam();
  TempDir settings;
  WriteStoryAtStage(settings.path(), "Tester", "petals", 0);
  EditSavedStory(settings.path(), "Tester", [&](TUserGameData& story) {
    story.SelectCopy(1);
    story.SetLevel(7);
    story.SelectCopy(0);
    c.edit(story);
  });
  {
    DemoRun run(kOpenTheMap, settings.path());
    ASSERT_TRUE(run.Started());
    run.RunFrames(kMapFrames);
    EXPECT_EQ(run.Game().GetTopScreenName(), c.top_screen);
    run.Finish();
  }
  Ref<TUserGameData> saved = ReadSavedStory(settings.path(), "Tester");
  ASSERT_TRUE(saved);
  saved->SelectCopy(0);
  EXPECT_EQ(saved->GetCurrentCaseName(), c.case_after);
  Ref<IUGDStage> stage = CurrentStage(*saved);
  ASSERT_TRUE(stage);
  EXPECT_EQ(stage->GetName(), c.stage_after);
  EXPECT_EQ(FirstCase(*saved)->GetCompleted(), c.first_case_completed);
  saved->SelectCopy(1);
  EXPECT_EQ(saved->GetLevel(), 7) << "the other copy is left as it was";
}

INSTANTIATE_TEST_SUITE_P(Stories, UnplayableStory, ::testing::ValuesIn(kUnplayable),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The full desk ----

PlatformEvent Mouse(EventType type, TPoint at) {
  PlatformEvent event;
  event.type = type;
  event.position = at;
  if (type != EventType::MouseMove) event.button = MouseButton::Left;
  return event;
}

// Where the card's own points are on the screen. The card is turned and
// drawn smaller, so not every card point has a screen point; the screen is
// scanned once (each point's first screen point in reading order is kept),
// since the card does not move while the test points at it.
class CardPoints {
 public:
  explicit CardPoints(IWidget& card) {
    // A coarse pass finds the screen box the card covers, the fine pass
    // reads every point of it (a step of 8 misses no card row, which are
    // 40 card pixels high).
    constexpr int32_t kStep = 8;
    int32_t left = 1024, top = 768, right = -1, bottom = -1;
    for (int32_t y = 0; y < 768; y += kStep)
      for (int32_t x = 0; x < 1024; x += kStep) {
        const TPoint on_card = card.ScreenToLocal({x, y});
        if (on_card.x < 0 || on_card.y < 0 || on_card.x >= card.GetWidth() || on_card.y >= card.GetHeight()) continue;
        left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
      }
    for (int32_t y = std::max(0, top - kStep); y < std::min(768, bottom + kStep); ++y)
      for (int32_t x = std::max(0, left - kStep); x < std::min(1024, right + kStep); ++x)
        first_.try_emplace(Key(card.ScreenToLocal({x, y})), y * 1024 + x);
  }

  // The exact point, else the first in reading order that lands on the same
  // card row of pixels (`exact_y`) or column within 3 pixels of it; none
  // when no point of the screen does.
  std::optional<TPoint> ScreenPointOf(TPoint local, bool exact_y = true) const {
    if (auto hit = first_.find(Key(local)); hit != first_.end()) return Point(hit->second);
    std::optional<int32_t> best;
    for (int32_t d = -3; d <= 3; ++d) {
      const TPoint near = exact_y ? TPoint{local.x + d, local.y} : TPoint{local.x, local.y + d};
      if (auto hit = first_.find(Key(near)); hit != first_.end() && (!best || hit->second < *best)) best = hit->second;
    }
    return best ? std::optional<TPoint>(Point(*best)) : std::nullopt;
  }

 private:
  static int64_t Key(TPoint p) { return (int64_t{p.x} << 32) ^ static_cast<uint32_t>(p.y); }
  static TPoint Point(int32_t order) { return TPoint{order % 1024, order / 1024}; }
  std::unordered_map<int64_t, int32_t> first_;
};

bool Shown(IWidget& card, const std::string& path) {
  Ref<IWidget> widget = card.FindWidget(path);
  return widget && widget->IsVisible();
}

int SelectedRow(IWidget& card) {
  int row = -1;
  for (int r = 0; r < 5; ++r)
    if (Shown(card, "category" + std::to_string(r) + "/selected")) row = row < 0 ? r : 99;
  return row;
}

TEST(FullDesk, ACandidatesRowsAnswerTheMouseWithinTheirBoundsAndTickWhatTheClientLikes) {
  RegisterAllGameClasses();
  TempDir settings;
  // The date won, not yet counted: the map ends the stage with the full desk.
  WriteStoryAtStage(settings.path(), "Tester", "picnic", 1);
  EditSavedStory(settings.path(), "Tester", [](TUserGameData& story) {
    for (int copy = 0; copy < kStoryCopies; ++copy) {
      story.SelectCopy(copy);
      Ref<IUGDStage> stage = CurrentStage(story);
      stage->GetParams()->SetNamedValue("desktop_was_shown", Variant("yes"));
      stage->GetTasks()->Get(Variant(0))->GetParams()->SetNamedValue("progress_counted", Variant("no"));
    }
  });
  DemoRun run(kOpenTheMap, settings.path());
  ASSERT_TRUE(run.Started());
  run.RunFrames(kMapFrames);
  ASSERT_EQ(run.Game().GetTopScreenName(), "GS_Desktop");
  Ref<TCorvellaneGameScreenDesktop> desk =
      QueryInterface<TCorvellaneGameScreenDesktop>(run.Game().GetScreens()->GetScreen(Variant("GS_Desktop")));
  ASSERT_TRUE(desk);
  EXPECT_EQ(desk->GetOtherCount(), 2);
  // Julien likes ";books;music;teatime;flowers;travel;", Marguerite
  // ";flowers;sweets;books;crafts;nature;".
  Ref<IWidget> julien = desk->FindWidget("participant_cards_group/card_julien/julien");
  ASSERT_TRUE(julien);

  struct Move {
    TPoint local;
    bool exact_y;  // the bound tried is a row's top or bottom, else a side
    int row;       // the row shown selected; -1 none
  };
  const Move moves[] = {{{100, 179}, true, -1}, {{100, 180}, true, 0}, {{100, 379}, true, 4},
                        {{221, 200}, false, -1}, {{10, 260}, false, 2}, {{9, 260}, false, -1}};
  const CardPoints card_points(*julien);
  for (const Move& move : moves) {
    const std::optional<TPoint> at = card_points.ScreenPointOf(move.local, move.exact_y);
    ASSERT_TRUE(at) << move.local.x << "," << move.local.y;
    run.Game().MouseEvent(Mouse(EventType::MouseMove, *at));
    EXPECT_EQ(SelectedRow(*julien), move.row) << "card point " << move.local.x << "," << move.local.y;
  }

  struct Click {
    int row;
    bool ticked;
  };
  const Click clicks[] = {{0, true}, {1, false}, {3, true}, {4, false}};
  for (const Click& click : clicks) {
    const std::optional<TPoint> at = card_points.ScreenPointOf({120, 200 + 40 * click.row});
    ASSERT_TRUE(at);
    run.Game().MouseEvent(Mouse(EventType::MouseDown, *at));
    run.Game().MouseEvent(Mouse(EventType::MouseUp, *at));
    EXPECT_EQ(Shown(*julien, "category" + std::to_string(click.row) + "/check"), click.ticked) << "row " << click.row;
  }
  // No candidate likes all she likes: the desk can be closed all the same.
  EXPECT_TRUE(Shown(*desk->GetWindowWidget(), "button_close"));
  EXPECT_FALSE(Shown(*desk->GetWindowWidget(), "block_close"));
}


// ---- The selected task's card ----

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
