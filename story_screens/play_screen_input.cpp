// The play screen's clicks: finds, misses, the hint, and objects carried
// from the panel to their places.
#include <array>

#include "story_screens/play_screen.h"
#include "story_screens/play_trace.h"
#include "story_screens/widget_ops.h"
#include "widgets/input_messages.h"

namespace corvellane {

namespace {

// A click on a transparent pixel just beside an object's shape still hits
// it: these points around the click are tried in turn.
constexpr std::array<TPoint, 20> kNeighbourOffsets{{{-3, -1}, {-1, -3}, {-3, 1}, {1, -3}, {-1, 3}, {3, -1}, {-3, -2},
                                                    {-2, -3}, {1, 3},   {3, 1},   {-3, 0}, {0, -3}, {-3, 2}, {2, -3},
                                                    {-2, 3},  {3, -2},  {0, 3},   {3, 0},  {2, 3},  {3, 2}}};

// The button of a press message: 0 left, 1 right, 2 middle; -1 otherwise.
int32_t PressedButton(int32_t message) {
  switch (message) {
    case kMouseLeftDown: return 0;
    case kMouseRightDown: return 1;
    case kMouseMiddleDown: return 2;
    default: return -1;
  }
}

bool IsRelease(int32_t message) {
  return message == kMouseLeftUp || message == kMouseRightUp || message == kMouseMiddleUp;
}

}  // namespace

bool TCorvellaneGameScreenGame::MouseEvent(const PlatformEvent& event) {
  const bool handled = TGameScreen::MouseEvent(event);
  const std::optional<WidgetMouseInput> mouse = TranslateMouse(event, mouse_buttons_);
  if (paused_ || handled || !mouse) return handled;
  if (mouse->message == kMouseMove) return MoveCarried();
  if (const int32_t button = PressedButton(mouse->message); button >= 0) return Click(mouse->point, button);
  if (IsRelease(mouse->message)) return Drop(mouse->point);
  return handled;
}

bool TCorvellaneGameScreenGame::Click(TPoint point, int32_t button) {
  taken_this_click_ = false;
  if (input_blocked_) return false;
  bool handled = false;
  if (carrying_) {
    const int32_t ui_top = ui_group_ ? static_cast<int32_t>(ScreenOffsetOf(ui_group_.get()).y + ui_group_->GetAnchorTop())
                                     : INT32_MAX;
    if (button != 1 && point.y <= int64_t{ui_top} + kPanelAreaDepth) return true;
    ReturnCarried();
    handled = true;
  }
  if (Ref<IWidget> hit = SceneHit(point)) handled = JudgeSceneClick(hit.get(), point);
  if (!handled && point.y < kPanelStripTop) {
    if (level_) level_->OnIdle();
    WrongClick(point);
    return true;
  }
  return TakeFromPanel(point) || handled;
}

// The objects group, and in the find-identical mode the objects of the two
// halves (the right half's without the neighbour points).
Ref<IWidget> TCorvellaneGameScreenGame::SceneHit(TPoint point) {
  Ref<IWidget> hit = HitTest(objects_group_.get(), point, true);
  if (hit || TaskType() != static_cast<int32_t>(TTaskType::FindIdentical)) return hit;
  if ((hit = HitTest(left_objects_.get(), point, true))) return hit;
  return HitTest(right_objects_.get(), point, false);
}

Ref<IWidget> TCorvellaneGameScreenGame::HitTest(IWidget* group, TPoint point, bool neighbours) {
  if (!group) return nullptr;
  const bool mouse_stop = group->IsMouseStop();
  group->SetMouseStop(true);
  auto at = [group](TPoint p) {
    Ref<IWidget> hit = group->WidgetAtPos(group->ScreenToLocal(p));
    return hit.get() == group ? nullptr : hit;
  };
  Ref<IWidget> hit = at(point);
  for (size_t i = 0; !hit && neighbours && i < kNeighbourOffsets.size(); ++i)
    hit = at({point.x + kNeighbourOffsets[i].x, point.y + kNeighbourOffsets[i].y});
  group->SetMouseStop(mouse_stop);
  return hit;
}

bool TCorvellaneGameScreenGame::JudgeSceneClick(IWidget* hit, TPoint point) {
  FinishHintOn(hit);
  if (!level_) return false;
  const int32_t since_find = GetTimeSinceFind();
  judging_click_ = true;
  click_points_ = 0;
  const Ref<IWidget> keep(hit);
  const bool found = level_->ClickObject(hit, point);
  judging_click_ = false;
  if (found) {
    SuccessClick(point, hit, since_find, click_points_);
  } else {
    WrongClick(point);
  }
  return true;
}

// Find places: the player takes an object from the panel.
bool TCorvellaneGameScreenGame::TakeFromPanel(TPoint point) {
  Ref<IPanelManager> manager = panel_ ? panel_->GetPanelManager() : nullptr;
  if (!manager || !manager->ItemsCatchClicks() || !ui_group_) return false;
  const bool mouse_stop = panel_->IsMouseStop();
  panel_->SetMouseStop(true);
  Ref<IWidget> item = HitTest(ui_group_.get(), point, true);
  panel_->SetMouseStop(mouse_stop);
  // Only the panel's own items are taken; the interface's buttons answer
  // their own clicks.
  const IWidgetOwner* panel_owner = dynamic_cast<IWidgetOwner*>(panel_.get());
  while (item && item->GetOwner() && item->GetOwner() != panel_owner)
    item = QueryInterface<IWidget>(item->GetOwner());
  if (!item) return false;
  if (manager->ItemsCanBeTaken()) {
    Ref<ISceneObjectDef> object = manager->GetItemObject(item.get(), false);
    if (object && StartCarry(object.get(), point)) {
      manager->ShowTakenOut(item.get());
      PlayWindowSound("sound_get_from_panel");
    }
  }
  taken_this_click_ = true;
  return true;
}

bool TCorvellaneGameScreenGame::StartCarry(ISceneObjectDef* object, TPoint point) {
  const int32_t width = object->GetWidth();
  const int32_t height = object->GetHeight();
  Ref<TParamCollection> params = MakeParams(
      {{"name", object->GetName()}, {"left", point.x - width / 2},
       {"top", static_cast<int32_t>(point.y - height / 2.0)}, {"width", width}, {"height", height},
       {"resourcename", object->GetResourceName()}, {"resourceleft", object->GetResourceLeft()},
       {"resourcetop", object->GetResourceTop()}});
  if (Ref<IPanelManager> manager = panel_ ? panel_->GetPanelManager() : nullptr) {
    // A mirrored item stays mirrored in the hand.
    for (std::string_view axis : {"zoomx", "zoomy"})
      params->SetNamedValue(axis, Variant(manager->GetItemValue(object, axis).ToFloat(1) < 0 ? -1 : 1));
  }
  carried_widget_ = CreateScreenWidget("zoomed_image", params.get());
  if (!carried_widget_) return false;
  AddToGroup(carried_widget_, TPlayGroup::Animation);
  carried_object_ = Ref<ISceneObjectDef>(object);
  last_mouse_ = point;
  carrying_ = true;
  hint_.SetCarried(carried_object_);
  return true;
}

bool TCorvellaneGameScreenGame::MoveCarried() {
  if (!carrying_ || !carried_widget_) return false;
  const TPoint mouse = GetMousePos();
  carried_widget_->SetAnchorLeft(carried_widget_->GetAnchorLeft() + (mouse.x - last_mouse_.x));
  carried_widget_->SetAnchorTop(carried_widget_->GetAnchorTop() + (mouse.y - last_mouse_.y));
  last_mouse_ = mouse;
  return true;
}

void TCorvellaneGameScreenGame::ReturnCarried() {
  EndCarry();
  if (Ref<IPanelManager> manager = panel_ ? panel_->GetPanelManager() : nullptr) manager->ShowAll();
}

void TCorvellaneGameScreenGame::EndCarry() {
  if (carried_widget_) {
    carried_widget_->SetDead(true);
    if (Ref<IWidgetCollection> children = animation_group_ ? animation_group_->GetWidgets() : nullptr)
      children->RemoveDead();
  }
  carried_widget_ = nullptr;
  carried_object_ = nullptr;
  carrying_ = false;
  hint_.SetCarried(nullptr);
}

bool TCorvellaneGameScreenGame::Drop(TPoint point) {
  if (input_blocked_ || !carrying_ || !level_) return false;
  Ref<ISceneObjectLocation> location = level_->FindLocationAt(carried_object_.get(), point, nullptr);
  Ref<IWidget> place = location ? FindObjectWidget(carried_object_.get(), location.get(), TPlayGroup::Objects) : nullptr;
  if (!place) {
    if (!taken_this_click_) WrongClick(point);
    return true;
  }
  FinishHintOn(place.get());
  EndCarry();
  // The place is recorded first (it may win the level), then the click is
  // judged; the trace tells the level's end after the last placement.
  const int32_t since_find = GetTimeSinceFind();
  placing_ = true;
  level_->ObjectActivated(place.get());
  judging_click_ = true;
  click_points_ = 0;
  const bool found = level_ && level_->ClickObject(place.get(), point);
  judging_click_ = false;
  placing_ = false;
  if (found) SuccessClick(point, place.get(), since_find, click_points_);
  if (pending_end_reason_) TraceLevelEnd(decided_won_, *pending_end_reason_);
  return true;
}

void TCorvellaneGameScreenGame::FinishHintOn(IWidget* widget) {
  if (widget) FinishChild(animation_group_.get(), "hint_scenario" + widget->GetName());
}

void TCorvellaneGameScreenGame::SuccessClick(TPoint point, IWidget* hit, int32_t since_find, int32_t points) {
  const TChainBonus* bonus = chain_.Success(screen_time_);
  if (bonus) {
    AddScore(bonus->points);
    RunEffect("success_clicks_bonus", MakeParams({{"value", bonus->points}, {"text", bonus->text}, {"x", point.x},
                                                  {"y", point.y}})
                                          .get());
    PlayWindowSound("sound_success_clicks_chain" + std::to_string(bonus->row));
  } else {
    PlayWindowSound("sound_success_click");
  }
  RunEffect("ps_star_circle_wide",
            MakeParams({{"radius", 50}, {"duration", 1000}, {"x", point.x}, {"y", point.y}}).get());
  last_find_time_ = screen_time_;
  ++success_clicks_;
  if (!PlayTraceOn()) return;
  Ref<ISceneObjectDef> object = GetWidgetObject(hit);
  WritePlayTrace(TraceLine("find")
                     .Text("target", hit ? hit->GetName() : std::string())
                     .Text("object", object ? object->GetName() : std::string())
                     .Int("x", point.x)
                     .Int("y", point.y)
                     .Int("since_ms", since_find)
                     .Int("points", points)
                     .Int("chain", bonus ? bonus->chain_count : chain_.Count())
                     .Int("bonus", bonus ? bonus->points : 0)
                     .Text("bonus_text", bonus ? bonus->text : std::string_view())
                     .Int("remaining", level_ ? level_->GetRemaining() : 0));
}

void TCorvellaneGameScreenGame::WrongClick(TPoint point) {
  if (locked_) return;
  chain_.Miss(screen_time_);
  int32_t penalty = 0;
  if (heat_.Miss() && timed_) {
    penalty = kWrongClickPenaltyMs;
    AdvanceClock(penalty);
    RunEffect("wrong_clicks_penalty", MakeParams({{"x", point.x}, {"y", point.y}, {"value", penalty}}).get());
    PlayWindowSound("sound_wrong_clicks_penalty");
  }
  PlayWindowSound("sound_wrong_click");
  ++wrong_clicks_;
  if (!PlayTraceOn()) return;
  WritePlayTrace(TraceLine("wrong_click")
                     .Int("x", point.x)
                     .Int("y", point.y)
                     .Int("heat", heat_.Heat())
                     .Int("penalty_ms", penalty)
                     .Int("wrong_clicks", wrong_clicks_));
}

void TCorvellaneGameScreenGame::UseHint() {
  if (paused_ || decided_) return;
  const std::string target = hint_.Use(paused_);
  if (target.empty()) return;
  ++hints_used_;
  if (!PlayTraceOn()) return;
  WritePlayTrace(TraceLine("hint")
                     .Text("target", target)
                     .Int("hints_used", hints_used_)
                     .Int("next_wait_ms", hint_.Recharge()));
}

}  // namespace corvellane
