#include "play/anim_hide_panel_manager.h"

#include "persistence/number_text.h"

namespace corvellane {

namespace {

constexpr int32_t kHideTime = 200;

}  // namespace

void TAnimHideDiscoveredPanelManeger::StartHide(TPanelItem& item) {
  TAbstractPanelManager::StartHide(item);
  if (hide_factory_.empty() || !panel_ || !item.widget) return;
  // The picture is taken before the hide widget replaces the item.
  Ref<ISurface> picture = item.widget->GetImage();
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  params->SetNamedValue("name", Variant(item.widget->GetName()));
  params->SetNamedValue("x", Variant(FormatInt(item.place.x)));
  params->SetNamedValue("y", Variant(FormatInt(item.place.y)));
  params->SetNamedValue("hide_time", Variant(FormatInt(kHideTime)));
  if (Ref<IWidget> hide = panel_->CreatePanelWidget(hide_factory_, params.get()); hide && picture)
    hide->SetProperty("surface", Variant(picture));
  PlayPanelSound("sound_panel_item_hide");
  suppress_move_sound_ = true;
}

}  // namespace corvellane
