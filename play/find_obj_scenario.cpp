#include "play/find_obj_scenario.h"

#include <cmath>

#include "persistence/property_table.h"
#include "play/level_manager_interface.h"
#include "play/panel_manager_interface.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int32_t kStayUntil = 200;
constexpr double kSameZoom = 0.01;
constexpr double kSameAngle = 10.0;

}  // namespace

const TPropertyTable& TStateScenarioFindObj::Properties() {
  using S = TStateScenarioFindObj;
  static const TPropertyTable table = TPropertyTableOf<S>(TStateScenarioAbstractAnimWidget::Properties())
                                          .Bool("endpos_offset", &S::endpos_offset_, true)
                                          .Bool("play_sound", &S::play_sound_, true);
  return table;
}

TStateScenarioFindObj::TStateScenarioFindObj() {
  using S = TStateScenarioFindObj;
  AddState("enter", "zoom_in_obj", Bind(&S::OnEnterMain), [this](TState&) { return IsRunning(); });
  AddState("zoom_in_obj", "zoom_out_obj", Bind(&S::OnEnterZoomIn), Bind(&S::IsZoomInDone), {}, Bind(&S::StepZoom));
  AddState("zoom_out_obj", "stay_obj", Bind(&S::OnEnterZoomOut), Bind(&S::IsZoomOutDone), {}, Bind(&S::StepZoom));
  AddState("stay_obj", "fly_obj", {}, Bind(&TStateScenario::IsWaitOver));
  AddState("fly_obj", "exit", Bind(&S::Fly), Bind(&TStateScenario::AreWaitWidgetsDone));
  AddState("exit", "", Bind(&S::ExitAndFinish), AlwaysDone());
  // The pause counts from the scenario's start: the pulse usually covers it.
  SetWait(kStayUntil);
}

void TStateScenarioFindObj::OnEnterMain(TState&) {
  if (!widget_) {
    Finish();
    return;
  }
  if (play_sound_) PlaySound("sound_find_object_zoom", false, 0, 0);
  object_ = GameOwner()->GetWidgetObject(widget_.get());
  widget_->SetMouseStop(false);
  widget_->SetZ(700);
  ReadWidget();
  Ref<IPanelManager> panel = PanelManager();
  auto item_value = [&](std::string_view name, double fallback) {
    return panel ? panel->GetItemValue(object_.get(), name).ToFloat(fallback) : fallback;
  };
  // A mirrored object stays mirrored.
  target_zoom_x_ = std::copysign(item_value("zoomx", 1.0), zoom_x_);
  target_zoom_y_ = std::copysign(item_value("zoomy", 1.0), zoom_y_);
  target_angle_ = item_value("angle", 0.0);
  target_level_ = 255.0;
  const bool same_zoom = std::abs(zoom_x_ - target_zoom_x_) <= kSameZoom || std::abs(zoom_y_ - target_zoom_y_) <= kSameZoom;
  const bool same_angle = std::abs(NormalizedAngle(angle_ - target_angle_)) <= kSameAngle;
  peak_factor_ = same_zoom && same_angle ? 1.3 * 1.1 : 1.3;
}

void TStateScenarioFindObj::Fly(TState&) {
  if (!widget_) return;
  widget_->SetTransparentLevel(255);
  const TPoint start = WidgetPosition();
  int32_t flight_time = MoveTime();
  TPoint end = EndPoint();
  if (Ref<IPanelManager> panel = PanelManager()) panel->PrepareFly(object_.get(), flight_time, end.x, end.y);
  if (endpos_offset_) {
    end.x += RoundToPixel(widget_->GetPropertyOr("centerx", Variant(0)).ToFloat(0) * std::abs(zoom_x_));
    end.y += RoundToPixel(widget_->GetPropertyOr("centery", Variant(0)).ToFloat(0) * std::abs(zoom_y_));
  }
  PlaySound("sound_find_object_fly", false, 0, 0);
  if (!widget_->IsVisible()) return;
  LaunchFlight(start, end, flight_time, widget_->GetImage());
  widget_->SetVisible(false);
}

void TStateScenarioFindObj::OnExit(TState&) {
  Ref<ILevelManager> level = GameOwner() ? GameOwner()->GetLevelManager() : nullptr;
  if (level && widget_) level->ObjectActivated(widget_.get());
}

}  // namespace corvellane
