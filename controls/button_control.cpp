#include "controls/button_control.h"

#include <string_view>

#include "controls/empty_image.h"
#include "controls/role_images.h"
#include "engine/engine_interface.h"
#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/params.h"
#include "persistence/property_table.h"
#include "shell/lower_case.h"
#include "widgets/event_handler_interface.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/game_screen_slave_interface.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace {

constexpr std::string_view kNormal = "image_normal";
constexpr std::string_view kSelected = "image_selected";
constexpr std::string_view kDisabled = "image_disabled";
constexpr std::string_view kRoles[] = {kNormal, kSelected, kDisabled};

constexpr std::string_view kClickSound = "sound_buttonclick";
constexpr std::string_view kHoverSound = "sound_buttonhover";

Ref<IParamCollection> ScreenParameters(std::string_view list) {
  if (list.empty()) return nullptr;
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  for (const ParamPair& item : ParseParamString(list)) {
    Ref<TParam> param = CreateObject<TParam>();
    param->SetName(ToUpperAscii(item.key));
    param->SetParamValue(Variant(item.value));
    params->AddParam(param);
  }
  return params;
}

}  // namespace

// ---- Properties ----

const TPropertyTable& TButtonControl::Properties() {
  using W = TButtonControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Text("actiontype", &W::action_type_)
          .LoadsWith([](W& w, const Variant& v) { w.action_type_ = ToLowerAscii(v.ToText()); })
          .Text("GSParams", &W::screen_params_)
          .Text("gamescreenname", &W::screen_name_)
          .Text("url", &W::url_)
          .Text("file_to_run", &W::file_to_run_)
          .Text("props_to_change", &W::props_to_change_)
          .Bool("check_images", &W::check_images_, false, Table::Never());
  return table;
}

// ---- Looks ----

void TButtonControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  image_check_pending_ = true;
  image_state_ = TButtonLook::kNone;
  RefreshState();
}

void TButtonControl::SetEnabled(bool enabled) {
  TControlWidget::SetEnabled(enabled);
  RefreshState();
}

void TButtonControl::RefreshState() {
  if (!IsEnabled()) SetImageState(TButtonLook::kDisabled);
  else SetImageState(IsHovered() ? TButtonLook::kSelected : TButtonLook::kNormal);
}

void TButtonControl::SetImageState(TButtonLook look) {
  if (look == image_state_) return;
  image_state_ = look;
  switch (look) {
    case TButtonLook::kNormal: ShowRoleImage(*this, kRoles, {kNormal}); break;
    case TButtonLook::kSelected: ShowRoleImage(*this, kRoles, {kSelected, kNormal}); break;
    case TButtonLook::kDisabled: ShowRoleImage(*this, kRoles, {kDisabled, kNormal}); break;
    default: ShowRoleImage(*this, kRoles, {}); break;
  }
}

void TButtonControl::Advance(int32_t elapsed_ms) {
  if (image_check_pending_) CheckImages();
  TControlWidget::Advance(elapsed_ms);
  if (!PollHover()) return;
  RefreshState();
  SetChanged(true);
  if (IsHovered() && IsEnabled()) PlaySound(kHoverSound, false, 0, 0);
}

void TButtonControl::CheckImages() {
  TWidgetCollection& children = Children();
  if (!check_images_ || children.Count() == 0) {
    image_check_pending_ = false;
    return;
  }
  IEngine* engine = GetEngine();
  if (!engine) return;
  for (int i = 0; i < children.Count(); ++i) {
    Ref<IWidget> child = children.GetWidgetAt(i);
    if (child && ShowsEmptyImage(*child, engine)) {
      // Asked again next frame: the picture may still arrive.
      SetVisible(false);
      return;
    }
  }
  image_check_pending_ = false;
}

// ---- Clicking ----

bool TButtonControl::MouseDown(TPoint point, uint32_t keys, TMouseButton button) {
  if (button != TMouseButton::kLeft || !IsEnabled()) return false;
  BeginPress();
  PlaySound(kClickSound, false, 0, 0);
  return true;
}

bool TButtonControl::MouseUp(TPoint point, uint32_t keys, TMouseButton button) {
  if (!IsPressed() || button != TMouseButton::kLeft) return false;
  // The action may close the screen or delete the button.
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  const bool inside = ContainsPoint(point, false);
  EndPress();
  if (inside) {
    RefreshState();
    PerformAction();
  }
  return true;
}

void TButtonControl::PerformAction() {
  if (action_type_ == "closegamescreen") CloseHoldingScreen();
  else if (action_type_ == "showgamescreen") ShowNamedScreen();
  else if (action_type_ == "url") {
    if (IEngine* engine = GetEngine()) engine->OpenWebAddress(url_);
  } else if (action_type_ == "run_file") {
    if (IEngine* engine = GetEngine()) engine->OpenFileExternally(file_to_run_);
  } else if (action_type_ == "change_props") ChangeProperties();
  else ReportEvent(kWidgetEventClick);
}

void TButtonControl::CloseHoldingScreen() {
  IEventHandler* handler = GetEventHandler();
  IGameScreenOwner* screens = handler ? handler->GetScreenOwner() : nullptr;
  auto* screen = dynamic_cast<IGameScreenSlave*>(handler);
  if (screens && screen) screens->CloseScreen(screen, nullptr);
}

void TButtonControl::ShowNamedScreen() {
  if (screen_name_.empty()) return;
  IEventHandler* handler = GetEventHandler();
  if (IGameScreenOwner* screens = handler ? handler->GetScreenOwner() : nullptr)
    screens->ShowScreen(screen_name_, ScreenParameters(screen_params_));
}

void TButtonControl::ChangeProperties() {
  for (const ParamPair& item : ParseParamString(props_to_change_)) SetProperty(item.key, Variant(item.value));
}

}  // namespace corvellane
