#include "game/start_screens.h"

#include "persistence/object.h"
#include "persistence/param_string.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {
namespace {

// "GS_Main (data/screens/main.xml)" when the screen stands in a file of its own.
std::string Described(std::string_view name, IGameScreenSlave& screen) {
  auto* stored = dynamic_cast<TPersistObject*>(&screen);
  const std::string file = stored ? FindParam(stored->GetOutStorage(), "file").value_or("") : std::string();
  return file.empty() ? std::string(name) : std::string(name) + " (" + file + ")";
}

}  // namespace

std::optional<std::string> WhyScreenIsUnusable(IGSCollection& screens, std::string_view name) {
  Ref<IGameScreenSlave> screen = screens.GetScreen(Variant(name));
  if (!screen) return std::string(name) + " is not in the game definition";
  // A screen without a window widget draws itself; one whose window was
  // loaded empty has nothing to draw.
  Ref<IWidget> window = screen->GetWindowWidget();
  Ref<IWidgetCollection> widgets = window ? window->GetWidgets() : nullptr;
  if (window && (!widgets || widgets->Count() == 0)) return Described(name, *screen) + " has nothing to show";
  return std::nullopt;
}

}  // namespace corvellane
