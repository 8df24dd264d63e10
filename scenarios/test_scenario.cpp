#include "scenarios/test_scenario.h"

#include <string>

#include "engine/random_source.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "widgets/window_interface.h"

namespace corvellane {

namespace {

constexpr int kButterflies = 100;
constexpr uint32_t kAreaWidth = 640;
constexpr uint32_t kAreaHeight = 480;

}  // namespace

void TTestScenario::Advance(int32_t elapsed_ms) {
  TScenario::Advance(elapsed_ms);
  if (GetCurrentTime() <= 0) return;
  SetPaused(true);
  SetCurrentTime(0);
  ReleaseButterflies();
}

void TTestScenario::ReleaseButterflies() {
  IWidgetOwner* owner = GetOwner();
  IWindow* window = owner ? owner->GetWindow() : nullptr;
  Ref<IWidgetCollection> root = window ? window->GetWidgets() : nullptr;
  for (int i = 0; i < kButterflies; ++i) {
    ++counter_;
    Ref<TParamCollection> params = CreateObject<TParamCollection>();
    params->SetNamedValue("name", Variant("butterfly" + std::to_string(counter_)));
    params->SetNamedValue("left", Variant(std::to_string(GlobalRandom().Uniform(kAreaWidth))));
    params->SetNamedValue("top", Variant(std::to_string(GlobalRandom().Uniform(kAreaHeight))));
    Ref<IWidget> butterfly = owner ? owner->CreateFromFactory("Butterfly", params.get()) : nullptr;
    if (butterfly && root) root->Add(butterfly);
  }
}

}  // namespace corvellane
