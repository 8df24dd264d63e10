#include "tests/controls/control_harness.h"

#include "engine/image_resource.h"
#include "persistence/object_io.h"

namespace corvellane::testing {

bool TTestScreenOwner::ShowScreen(std::string_view name, Ref<IParamCollection> parameters) {
  Shown entry{std::string(name), {}};
  for (int i = 0; parameters && i < parameters->Count(); ++i) {
    Ref<IParam> param = parameters->GetParam(Variant(i));
    entry.params.emplace_back(param->GetName(), param->GetParamValue().ToText());
  }
  shown.push_back(std::move(entry));
  return true;
}

void RegisterControlTestClasses() {
  RegisterWidgetClasses();
  RegisterControlClasses();
  RegisterClass<TTestBox>("test_box");
}

ControlHarness::ControlHarness(std::string_view root_xml) {
  RegisterControlTestClasses();
  engine_ = MakeRef<TControlTestEngine>(platform_);
  engine_->Init();
  root_ = LoadWidget<TVisualGroupWidget>(root_xml);
  window_->root = root_;
  window_->router.SetRoot(root_);
  handler_->engine = engine_.get();
  handler_->screen_owner = screen_owner_.get();
  screen_owner_->engine = engine_.get();
  screen_->SetEngine(engine_.get());
  screen_->SetWindow(window_.get());
  screen_->SetEventHandler(handler_.get());
  screen_->SetRoot(root_);
  // Far from every control, so that nothing starts out hovered.
  MoveCursor({639, 479});
}

ControlHarness::~ControlHarness() {
  window_->router.Clear();
  window_->root = nullptr;
  screen_->DetachRoot();
  engine_->GetResources()->ClearItems();
}

void ControlHarness::Frame(int32_t elapsed_ms) {
  root_->Update(elapsed_ms);
  root_->UpdateDirtyRegion(false, false);
  screen_->TakeInvalidated();
}

void ControlHarness::MoveCursor(TPoint p) {
  engine_->SetCursorPos(p);
  screen_->SetMouse(p);
}

bool ControlHarness::Mouse(int32_t message, TPoint p) {
  MoveCursor(p);
  return window_->router.DeliverMouse(message, p, 0);
}

bool ControlHarness::Key(int32_t message, int32_t key) { return window_->router.DeliverKey(message, key, 0); }

void ControlHarness::Click(TPoint press, TPoint release) {
  Mouse(kMouseLeftDown, press);
  Frame(16);
  Mouse(kMouseLeftUp, release);
  Frame(16);
}

void ControlHarness::AddScreenSound(std::string_view name) {
  Ref<TSound> sound = CreateObject<TSound>();
  sound->SetName(name);
  screen_->Sounds().AddItem(sound);
}

void ControlHarness::AddEmptyImage(std::string_view name) {
  Ref<TImageResource> image = CreateObject<TImageResource>();
  image->SetName(name);
  engine_->GetResources()->AddResource(image);
}

}  // namespace corvellane::testing
