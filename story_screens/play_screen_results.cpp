// The end of a level: won, lost, the statistics, and what goes back into
// the story; and the trace lines of a level's start and end.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "persistence/localization.h"
#include "story/object_list.h"
#include "story/scene_generator.h"
#include "story/task_scenes.h"
#include "story_screens/play_screen.h"
#include "story_screens/play_trace.h"
#include "story_screens/widget_ops.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

constexpr std::array<std::string_view, 5> kModeNames{"hidden_shapes", "hidden_names", "find_identical",
                                                     "hidden_parts", "find_places"};

// The object type the targets of each play mode have.
constexpr std::array<TSceneObjectType, 5> kTargetTypes{TSceneObjectType::HiddenObject, TSceneObjectType::HiddenObject,
                                                       TSceneObjectType::IdenticalObject, TSceneObjectType::HiddenPart,
                                                       TSceneObjectType::ObjectToPlace};

TPoint RectCentre(const TRect& rect) {
  return {static_cast<int32_t>(rect.left + rect.Width() / 2), static_cast<int32_t>(rect.top + rect.Height() / 2)};
}

// Seconds, to the nearest whole number, halves to even.
int32_t WholeSeconds(int64_t ms) { return static_cast<int32_t>(std::nearbyint(static_cast<double>(ms) / 1000.0)); }

}  // namespace

// ---- Winning and losing ----

void TCorvellaneGameScreenGame::WinLevel() {
  if (decided_) return;
  decided_ = true;
  SetWidgetProperty(FindWidget("ui_group/ui_task_type_text").get(), "text", Variant(""));
  if (task_) task_->SetCompleted(true);
  TraceLevelEnd(true, "won");
  // The won task is in the profile at once, whatever follows.
  if (story_) story_->SaveToProfile();
  if (Ref<IParamCollection> params = TaskParams()) {
    if (const std::string factory = ParamText(params.get(), "ingame_win_factory", ""); !factory.empty())
      if (Ref<IWidget> widget = CreateScreenWidget(factory, nullptr)) AddToGroup(widget, TPlayGroup::Animation);
    if (ParamText(params.get(), "levelstat_after", "yes") == "no") {
      LeaveScreen(nullptr);
      PlayWindowSound("sound_level_complete");
      return;
    }
  }
  const bool first_date = scene_ && scene_->GetFirstDateScene();
  Ref<IWidget> animation = CreateScreenWidget(first_date ? "win_first_date_level_anim" : "win_level_anim", nullptr);
  if (animation) AddToGroup(animation, TPlayGroup::Animation);
  if (first_date) {
    paused_ = true;
  } else {
    show_obscuring_ = false;
    SetLevelPaused(true);
  }
  PlayWindowSound("sound_level_complete");
  locked_ = true;
  // Without its animation nothing else would end the level.
  if (!animation) EndLevel(true);
}

void TCorvellaneGameScreenGame::LoseLevel() {
  if (decided_) return;
  decided_ = true;
  clock_.SetClock(0);
  // Points still counting up when the clock ran out are not the player's,
  // nor are those the level already counted: the trace tells the score the
  // player keeps.
  score_.DropPending();
  ResetTaskResults();
  TraceLevelEnd(false, "clock");
  if (story_) story_->SaveToProfile();
  Ref<IWidget> animation = CreateScreenWidget("loose_level_anim", nullptr);
  if (animation) AddToGroup(animation, TPlayGroup::Animation);
  PlayWindowSound("sound_level_failed");
  SetLevelPaused(true);
  if (!animation) EndLevel(false);
}

void TCorvellaneGameScreenGame::EndLevel(bool complete) {
  if (ended_) return;
  ended_ = true;
  Ref<IParamCollection> params = StatisticsParams(complete);
  ShowWidget(menu_button_.get(), false);
  if (GetScreenOwner() && GetScreenOwner()->ShowScreen("GS_LevelStat", params)) {
    // The statistics screen has put the level's points into the story: the
    // counter lets go of them, or closing would count them twice. A
    // statistics screen that closed without taking them leaves them on the
    // counter, and closing puts them into the story.
    if (!story_ || story_->GetScores() >= ParamInt(params.get(), "scores", 0)) {
      score_.SetDisplayed(0);
      score_.DropPending();
    }
    return;
  }
  // Without statistics the points stay on the counter, and closing puts
  // them into the story.
  LeaveScreen(nullptr);
}

Ref<IParamCollection> TCorvellaneGameScreenGame::StatisticsParams(bool complete) {
  const int64_t given = timed_ ? ParamInt(TaskParams().get(), "given_time", kDefaultGivenTimeMs) : 0;
  Ref<IParamCollection> params = MakeParams({{"scores", score_.Total()},
                                             {"time", WholeSeconds(clock_.UsedMs(given))},
                                             {"complete", complete},
                                             {"tasktype", TaskType()}});
  if (scene_ && level_) {
    params->SetNamedValue("participant", Variant(scene_->GetParticipantName()));
    params->SetNamedValue("scenename", Variant(StatisticsSceneName()));
    Ref<IPanelManager> manager = panel_ ? panel_->GetPanelManager() : nullptr;
    const bool parts = TaskType() == static_cast<int32_t>(TTaskType::HiddenParts);
    params->SetNamedValue("object_names", Variant(parts ? (manager ? manager->GetObjectNames() : std::string())
                                                        : level_->GetDiscovered(scene_.get())));
  }
  if (second_scene_) params->SetNamedValue("participant2", Variant(second_scene_->GetParticipantName()));
  params->SetNamedValue("hints_used", Variant(hints_used_));
  params->SetNamedValue("success_clicks", Variant(success_clicks_));
  params->SetNamedValue("wrong_clicks", Variant(wrong_clicks_));
  return params;
}

// The scene definition the statistics show the objects of: the one the
// story scene is played with (the scene's own "scenename" names it only
// when the scene's name is no definition's).
std::string TCorvellaneGameScreenGame::StatisticsSceneName() {
  const std::string own = ParamText(scene_->GetParams().get(), "scenename", "");
  if (!scene_refs_ || !case_) return own;
  Ref<ISceneDefRef> ref = FindSceneDefRef(*scene_refs_, *case_, scene_->GetName());
  return ref ? ref->GetName() : own;
}

// ---- The task's results in the story ----

void TCorvellaneGameScreenGame::ResetTaskResults() {
  int32_t task_scores = 0;
  if (Ref<IParamCollection> params = TaskParams()) {
    params->SetNamedValue("task_time", Variant(0));
    task_scores = ParamInt(params.get(), "scores", 0);
    for (std::string_view key : {"scores", "hints_used", "success_clicks", "wrong_clicks"})
      params->SetNamedValue(key, Variant(0));
  }
  if (task_) RegenerateScenes();
  if (story_) {
    story_->SetScores(story_->GetScores() - task_scores);
    score_.SetDisplayed(story_->GetScores());
  } else {
    score_.SetDisplayed(0);
  }
  if (level_) {
    if (scene_) level_->ResetDiscovered(scene_.get());
    if (second_scene_) level_->ResetDiscovered(second_scene_.get());
  }
}

// A lost or restarted level is played with new objects.
void TCorvellaneGameScreenGame::RegenerateScenes() {
  Ref<TCorvellaneSceneGenerator> generator = CreateObject<TCorvellaneSceneGenerator>();
  generator->SetOwner(this);
  for (const Ref<IUGDScene>& scene : {scene_, second_scene_})
    if (scene) generator->GenerateScene(scene.get(), TaskType());
  generator->ClearGenerator();
  generator->ClearOwner();
}

void TCorvellaneGameScreenGame::SaveTaskResults() {
  if (!task_) return;
  Ref<IParamCollection> params = TaskParams();
  if (params && started_) {
    // What is pending on the clock is counted on its right side: time a
    // timed level still owes is taken off, never given back by leaving.
    params->SetNamedValue("task_time", Variant(std::max(0, clock_.Settled())));
    const int32_t total = score_.Total();
    if (total > 0 && story_) {
      params->SetNamedValue("scores", Variant(ParamInt(params.get(), "scores", 0) + total - story_->GetScores()));
      story_->SetScores(total);
    } else {
      params->SetNamedValue("scores", Variant(0));
    }
    if (level_) params->SetNamedValue("objects_left_count", Variant(level_->GetRemaining()));
    params->SetNamedValue("hints_used", Variant(hints_used_));
    params->SetNamedValue("success_clicks", Variant(success_clicks_));
    params->SetNamedValue("wrong_clicks", Variant(wrong_clicks_));
  }
  task_ = nullptr;
}

// ---- Trace ----

TPlayTraceLine TCorvellaneGameScreenGame::TraceLine(std::string_view event) {
  TPlayTraceLine line(event);
  line.Int("t", screen_time_);
  return line;
}

void TCorvellaneGameScreenGame::TraceEvent(std::string_view event) {
  if (!PlayTraceOn()) return;
  WritePlayTrace(TraceLine(event).Int("clock_ms", clock_.Clock()).Int("score", score_.Total()));
}

void TCorvellaneGameScreenGame::TraceLevelStart() {
  if (!PlayTraceOn() || !level_) return;
  const int32_t type = TaskType();
  TPlayTraceLine line = TraceLine("level_start");
  line.Text("case", case_ ? case_->GetName() : std::string())
      .Text("stage", stage_ ? stage_->GetName() : std::string())
      .Text("task", task_ ? task_->GetName() : std::string())
      .Int("mode", type)
      .Text("mode_name", kModeNames[type])
      .Int("copy", timed_ ? 0 : 1)
      .Bool("timed", timed_);
  if (std::optional<uint32_t> seed = PlayTraceSeed()) {
    line.Int("seed", *seed);
  } else {
    line.Null("seed");
  }
  line.Int("clock_ms", clock_.Clock())
      .Int("score", score_.Total())
      .Int("total", level_->GetTotal())
      .Int("remaining", level_->GetRemaining())
      .Json("targets", TraceTargets(kTargetTypes[type]));
  WritePlayTrace(line);
}

std::string TCorvellaneGameScreenGame::TraceTargets(TSceneObjectType target_type) {
  const bool find_places = target_type == TSceneObjectType::ObjectToPlace;
  const std::string chosen = scene_ ? ParamText(scene_->GetParams().get(), "do_names", ";") : std::string(";");
  Ref<IPanelManager> manager = panel_ ? panel_->GetPanelManager() : nullptr;
  TPlayTraceList list;
  for (TPlayGroup group : {TPlayGroup::Objects, TPlayGroup::LeftObjects, TPlayGroup::RightObjects}) {
    IWidget* holder = Group(group);
    Ref<IWidgetCollection> children = holder ? holder->GetWidgets() : nullptr;
    for (int i = 0; children && i < children->Count(); ++i) {
      Ref<IWidget> child = children->GetWidgetAt(i);
      Ref<ISceneObjectDef> object;
      Ref<ISceneObjectLocation> location;
      if (!child || !ResolveSceneObject(child.get(), object, location)) continue;
      if (object->GetObjectType() != static_cast<int32_t>(target_type)) continue;
      // Found ones are hidden; in the find-places mode the places still to
      // fill are the hidden ones.
      if (child->IsVisible() == find_places) continue;
      if (find_places && !ListHas(chosen, object->GetName() + "/" + location->GetName())) continue;
      const TRect rect = ScreenRectOf(child.get());
      const TPoint point = find_places ? RectCentre(rect) : ClickPointOf(holder, child.get(), rect);
      TPlayTraceLine item = TPlayTraceLine::Object();
      item.Text("name", child->GetName())
          .Text("object", object->GetName())
          .Text("location", location->GetName())
          .Text("caption", Localize(object->GetCaption()))
          .Text("group", PlayGroupPath(group))
          .Rect("rect", rect.left, rect.top, static_cast<int32_t>(rect.Width()), static_cast<int32_t>(rect.Height()))
          .Json("point", TPlayTraceLine::Object().Int("x", point.x).Int("y", point.y).Finish())
          .Bool("in_view", level_->IsTarget(object.get()));
      Ref<IWidget> item_widget = manager ? manager->GetItemWidget(object.get()) : nullptr;
      if (item_widget) {
        const TRect panel = ScreenRectOf(item_widget.get());
        item.Rect("panel", panel.left, panel.top, static_cast<int32_t>(panel.Width()),
                  static_cast<int32_t>(panel.Height()));
      } else {
        item.Null("panel");
      }
      list.Add(item);
    }
  }
  return list.Finish();
}

// Where a click finds the target: the centre of its rectangle, or else the
// point nearest to it that the screen's own hit test gives the target (the
// middle of a ring, or of a note, is no part of its shape).
TPoint TCorvellaneGameScreenGame::ClickPointOf(IWidget* group, IWidget* target, const TRect& rect) {
  const TPoint centre = RectCentre(rect);
  const int32_t reach = static_cast<int32_t>(std::max(rect.Width(), rect.Height()));
  for (int32_t ring = 0; ring <= reach; ++ring) {
    for (int32_t dy = -ring; dy <= ring; ++dy) {
      for (int32_t dx = -ring; dx <= ring; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const TPoint point{centre.x + dx, centre.y + dy};
        if (HitTest(group, point, false).get() == target) return point;
      }
    }
  }
  return centre;
}

void TCorvellaneGameScreenGame::TraceLevelEnd(bool won, std::string_view reason) {
  if (placing_) {
    decided_won_ = won;
    pending_end_reason_ = std::string(reason);
    return;
  }
  pending_end_reason_.reset();
  level_running_ = false;
  if (!PlayTraceOn()) return;
  const int64_t given = timed_ ? ParamInt(TaskParams().get(), "given_time", kDefaultGivenTimeMs) : 0;
  WritePlayTrace(TraceLine("level_end")
                     .Bool("won", won)
                     .Text("reason", reason)
                     .Int("score", score_.Total())
                     .Int("time_s", WholeSeconds(clock_.UsedMs(given)))
                     .Int("clock_ms", clock_.Settled())
                     .Int("hints_used", hints_used_)
                     .Int("mistakes", wrong_clicks_)
                     .Int("success_clicks", success_clicks_)
                     .Int("remaining", level_ ? level_->GetRemaining() : 0));
}

}  // namespace corvellane
