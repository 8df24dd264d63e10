// role_images.h: the looks of a control, child widgets found by role name.
//
// Labels, buttons and check boxes keep one child per look ("image_normal",
// "image_selected", "image_disabled", ...). Switching the look hides and
// pauses every role child that exists, then shows and resumes the first
// existing child among the candidates (a missing look falls back on another,
// usually "image_normal"). Missing children are skipped.
//
//   constexpr std::string_view kRoles[] = {"image_normal", "image_selected"};
//   ShowRoleImage(*this, kRoles, {"image_selected", "image_normal"});
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "persistence/ref.h"
#include "widgets/widget_interface.h"

namespace corvellane {

// The direct child of that name, or none.
Ref<IWidget> RoleChild(IWidget& control, std::string_view role);

// SetVisible and then Resume (shown) or Pause (hidden).
void ShowWidget(IWidget& widget, bool shown);

// Hides every existing role child, then shows the first existing candidate;
// no candidates shows nothing.
void ShowRoleImage(IWidget& control, std::span<const std::string_view> roles,
                   std::initializer_list<std::string_view> candidates);

}  // namespace corvellane
