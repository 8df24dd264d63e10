#include "controls/role_images.h"

#include "widgets/widget_collection_interface.h"

namespace corvellane {

Ref<IWidget> RoleChild(IWidget& control, std::string_view role) {
  Ref<IWidgetCollection> children = control.GetWidgets();
  return children ? children->GetWidgetByName(role) : nullptr;
}

void ShowWidget(IWidget& widget, bool shown) {
  widget.SetVisible(shown);
  if (shown) widget.Resume();
  else widget.Pause();
}

void ShowRoleImage(IWidget& control, std::span<const std::string_view> roles,
                   std::initializer_list<std::string_view> candidates) {
  for (std::string_view role : roles)
    if (Ref<IWidget> child = RoleChild(control, role)) ShowWidget(*child, false);
  for (std::string_view candidate : candidates) {
    if (Ref<IWidget> child = RoleChild(control, candidate)) {
      ShowWidget(*child, true);
      return;
    }
  }
}

}  // namespace corvellane
