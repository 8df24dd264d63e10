#include "screens/splash_screens.h"

#include "engine/engine_interface.h"
#include "persistence/class_registry.h"
#include "persistence/value_access.h"
#include "screens/quit_screen.h"
#include "screens/self_refresh_screen.h"
#include "screens/step_loading_screens.h"
#include "widgets/event_handler_interface.h"

namespace corvellane {

// --- Logos ------------------------------------------------------------------

void TGameScreenSplashLogos::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (code == kWidgetEventSequencePastLastStep && GetScreenOwner()) GetScreenOwner()->CloseScreen(this, nullptr);
}

// --- Loading ------------------------------------------------------------------

void TGameScreenSplash::LoadProperties(IHierStorage* node) {
  TGameScreen::LoadProperties(node);
  wait_button_name_ = ReadText(node, "wait_button_name");
}

void TGameScreenSplash::SaveProperties(IHierStorage* node) {
  TGameScreen::SaveProperties(node);
  WriteText(node, "wait_button_name", wait_button_name_, false);
}

void TGameScreenSplash::Open(Ref<IParamCollection> parameters) {
  const bool load_complete = parameters && parameters->GetParam(Variant("LoadComplete"));
  TGameScreen::Open(std::move(parameters));
  if (!load_complete) return;
  if (!wait_button_name_.empty() && FindWidget(wait_button_name_)) {
    OnLoadComplete();
  } else {
    Proceed();
  }
}

void TGameScreenSplash::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (sender && !wait_button_name_.empty() && sender->GetName() == wait_button_name_) Proceed();
}

void TGameScreenSplash::Proceed() {
  if (GetScreenOwner()) GetScreenOwner()->ShowMainScreen();
}

// --- Loading with progress --------------------------------------------------------

void TGameScreenSplashProgress::LoadProperties(IHierStorage* node) {
  TGameScreenSplash::LoadProperties(node);
  total_updates_ = ReadFloat(node, "total_updates", 200);
  total_updates_ = ReadFloat(node, "TotalUpdates", total_updates_);
}

void TGameScreenSplashProgress::SaveProperties(IHierStorage* node) {
  TGameScreenSplash::SaveProperties(node);
  WriteFloat(node, "total_updates", total_updates_, false);
}

void TGameScreenSplashProgress::Advance(int32_t elapsed_ms) {
  TGameScreenSplash::Advance(elapsed_ms);
  if (loaded_) return;
  Ref<IWidget> loading = FindWidget("image_loading");
  if (!loading || !loading->IsVisible()) return;
  // The game runs a frame between resource definitions, so the count grows
  // with the work done; a total of 0 would divide by zero.
  ++update_count_;
  if (Ref<IWidget> progress = loading->FindWidget("progress")) {
    double position = total_updates_ > 0 ? update_count_ / total_updates_ : 1.0;
    progress->SetProperty("position", Variant(position));
  }
  loading->Update(1);  // one step of its own, whatever the frame took
}

void TGameScreenSplashProgress::OnLoadComplete() {
  auto show = [this](std::string_view name, bool visible) {
    Ref<IWidget> widget = FindWidget(name);
    if (!widget) return;
    widget->SetVisible(visible);
    if (visible) {
      widget->Resume();
    } else {
      widget->Pause();
    }
  };
  show(WaitButtonName(), true);
  show("image_loading", false);
  show("image_loaded", true);
  loaded_ = true;
  // The loading screen may have shown a busy pointer.
  SelectDefaultCursor();
}

void TGameScreenSplashProgress::Proceed() {
  TGameScreenSplash::Proceed();
  if (IEngine* engine = GetEngine()) {
    engine->RemoveResources("splash");
    engine->RemoveResources("splash2");
  }
}

void RegisterSplashScreenClasses() {
  RegisterClass<TGameScreenSplashLogos>("GameScreenSplashLogos");
  RegisterClass<TGameScreenSplash>("GameScreenSplash");
  RegisterClass<TGameScreenSplashProgress>("GameScreenSplashProgress");
  RegisterClass<TGameScreenSplashSelfRefresh>("GameScreenSplashSelfRefresh");
  RegisterClass<TGameScreenSplashResourceLoad>("GameScreenSplashResourceLoad");
  RegisterClass<TGameScreenSplashResourceDefsLoad>("GameScreenSplashResourceDefsLoad");
  RegisterClass<TGameScreenQuit>("GameScreenQuit");
}

}  // namespace corvellane
