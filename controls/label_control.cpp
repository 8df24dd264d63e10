#include "controls/label_control.h"

#include <string_view>

#include "controls/role_images.h"

namespace corvellane {

namespace {

constexpr std::string_view kNormal = "image_normal";
constexpr std::string_view kSelected = "image_selected";
constexpr std::string_view kRoles[] = {kNormal, kSelected};

}  // namespace

void TLabelControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  RefreshImages();
}

void TLabelControl::Advance(int32_t elapsed_ms) {
  TControlWidget::Advance(elapsed_ms);
  if (PollHover()) RefreshImages();
}

void TLabelControl::RefreshImages() {
  if (!IsEnabled()) return;
  image_state_ = IsHovered() ? 1 : 0;
  if (image_state_ == 1) ShowRoleImage(*this, kRoles, {kSelected, kNormal});
  else ShowRoleImage(*this, kRoles, {kNormal});
}

}  // namespace corvellane
