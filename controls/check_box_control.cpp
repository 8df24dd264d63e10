#include "controls/check_box_control.h"

#include <string_view>

#include "controls/role_images.h"
#include "persistence/property_table.h"
#include "widgets/event_handler_interface.h"

namespace corvellane {

namespace {

constexpr std::string_view kCheckNormal = "image_check_normal";
constexpr std::string_view kCheckSelected = "image_check_selected";
constexpr std::string_view kCheckDisabled = "image_check_disabled";
constexpr std::string_view kUncheckNormal = "image_uncheck_normal";
constexpr std::string_view kUncheckSelected = "image_uncheck_selected";
constexpr std::string_view kUncheckDisabled = "image_uncheck_disabled";
constexpr std::string_view kRoles[] = {kCheckNormal,   kCheckSelected,   kCheckDisabled,
                                       kUncheckNormal, kUncheckSelected, kUncheckDisabled};

constexpr std::string_view kToggleSound = "sound_effect";

TCheckBoxLook LookOf(bool enabled, bool hover, bool checked) {
  if (!enabled) return checked ? TCheckBoxLook::kCheckedDisabled : TCheckBoxLook::kUncheckedDisabled;
  if (hover) return checked ? TCheckBoxLook::kCheckedHovered : TCheckBoxLook::kUncheckedHovered;
  return checked ? TCheckBoxLook::kChecked : TCheckBoxLook::kUnchecked;
}

}  // namespace

const TPropertyTable& TCheckBoxControl::Properties() {
  using W = TCheckBoxControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties()).Bool("CheckBoxState", &W::IsChecked, &W::SetChecked, false).NameOnly();
  return table;
}

void TCheckBoxControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  RefreshLook();
}

void TCheckBoxControl::SetEnabled(bool enabled) {
  TControlWidget::SetEnabled(enabled);
  RefreshLook();
}

void TCheckBoxControl::SetChecked(bool checked) {
  checked_ = checked;
  RefreshLook();
}

void TCheckBoxControl::RefreshLook() {
  look_ = LookOf(IsEnabled(), IsHovered(), checked_);
  switch (look_) {
    case TCheckBoxLook::kUncheckedDisabled: ShowRoleImage(*this, kRoles, {kUncheckDisabled, kUncheckNormal}); break;
    case TCheckBoxLook::kCheckedDisabled: ShowRoleImage(*this, kRoles, {kCheckDisabled, kCheckNormal}); break;
    case TCheckBoxLook::kUnchecked: ShowRoleImage(*this, kRoles, {kUncheckNormal}); break;
    case TCheckBoxLook::kUncheckedHovered: ShowRoleImage(*this, kRoles, {kUncheckSelected, kUncheckNormal}); break;
    case TCheckBoxLook::kChecked: ShowRoleImage(*this, kRoles, {kCheckNormal}); break;
    case TCheckBoxLook::kCheckedHovered: ShowRoleImage(*this, kRoles, {kCheckSelected, kCheckNormal}); break;
  }
}

void TCheckBoxControl::Advance(int32_t elapsed_ms) {
  TControlWidget::Advance(elapsed_ms);
  if (PollHover()) RefreshLook();
}

bool TCheckBoxControl::MouseDown(TPoint point, uint32_t keys, TMouseButton button) {
  if (button != TMouseButton::kLeft || !IsEnabled()) return false;
  BeginPress();
  PlaySound(kToggleSound, false, 0, 0);
  return true;
}

bool TCheckBoxControl::MouseUp(TPoint point, uint32_t keys, TMouseButton button) {
  if (!IsPressed() || button != TMouseButton::kLeft) return false;
  // The screen's reaction may close it and release the box.
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  const bool inside = ContainsPoint(point, false);
  EndPress();
  if (inside) {
    SetChecked(!checked_);
    ReportEvent(kWidgetEventCheckBoxToggled);
  }
  return true;
}

}  // namespace corvellane
