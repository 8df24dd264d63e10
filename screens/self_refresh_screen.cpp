#include "screens/self_refresh_screen.h"

#include "persistence/log.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {

void TGameScreenSplashSelfRefresh::LoadProperties(IHierStorage* node) {
  if (!refreshing_) {
    definition_ = node ? node->GetXml() : std::string();
    refresh_on_first_show_ = ReadBool(node, "refresh_on_first_show", false);
    refresh_pending_ = refresh_on_first_show_;
    if (refresh_on_first_show_) {
      SetName(ReadText(node, "name", GetName()));
      return;
    }
  }
  TGameScreen::LoadProperties(node);
}

void TGameScreenSplashSelfRefresh::SaveProperties(IHierStorage* node) {
  TGameScreen::SaveProperties(node);
  WriteBool(node, "refresh_on_first_show", refresh_on_first_show_, refresh_on_first_show_);
}

void TGameScreenSplashSelfRefresh::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  if (refresh_pending_) Refresh();
  refresh_pending_ = true;
}

void TGameScreenSplashSelfRefresh::Refresh() {
  Ref<IHierStorageRoot> root;
  try {
    root = OpenStorageText(definition_);
  } catch (const EStorageParseError& error) {
    LogWarning("the screen \"" + GetName() + "\" cannot be built again from its definition: " + error.what());
  }
  if (!root) return;
  refreshing_ = true;
  ReloadFrom(root.get());
  refreshing_ = false;
}

}  // namespace corvellane
