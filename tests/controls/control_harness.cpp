#include "tests/controls/control_harness.h"

#include "engine/image_resource.h"
#include "engine/resource_types.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "tests/engine/test_images.h"
#include "widgets/resource_widget_classes.h"
#include "widgets/text_characters.h"

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
  RegisterEngineResourceTypes();
  RegisterWidgetClasses();
  RegisterResourceWidgetClasses();
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
  engine_->RemoveResources("");
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

bool ControlHarness::Key(int32_t message, int32_t key, uint32_t flags) {
  return window_->router.DeliverKey(message, key, flags);
}

void ControlHarness::Type(std::string_view utf8) {
  for (const TTextCharacter& character : SplitCharacters(utf8))
    window_->router.DeliverKey(kKeyChar, static_cast<int32_t>(character.code), 0);
}

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

namespace corvellane::testing {

void ControlHarness::DefinePicture(std::string_view name, int32_t width, int32_t height, uint32_t colour) {
  std::vector<uint8_t> rows;
  for (int32_t i = 0; i < width * height; ++i)
    for (int shift : {16, 8, 0, 24}) rows.push_back(static_cast<uint8_t>(colour >> shift));
  const std::string file = std::string(name) + ".png";
  pictures_.Write(file, EncodePng(Png(width, height, PNG_COLOR_TYPE_RGBA, 8, std::move(rows))));
  Ref<IHierStorageRoot> defs = OpenStorageText(R"(<defs><content><resource type="ImageResource" name=")" +
                                               std::string(name) + R"(" format="png" file=")" +
                                               pictures_.File(file) + R"("/></content></defs>)");
  engine_->LoadResourceDefs(defs.get(), "test", false);
}

}  // namespace corvellane::testing

namespace corvellane::testing {

void ControlHarness::DefineFont(std::string_view name, std::string_view characters) {
  const std::vector<TTextCharacter> glyphs = SplitCharacters(characters);
  const int32_t width = kGlyphWidth * static_cast<int32_t>(glyphs.size());
  std::vector<uint8_t> rows(size_t(width) * kGlyphHeight * 4, 0xFF);
  const std::string file = std::string(name) + ".png";
  pictures_.Write(file, EncodePng(Png(width, kGlyphHeight, PNG_COLOR_TYPE_RGBA, 8, std::move(rows))));
  std::string symbols;
  for (size_t i = 0; i < glyphs.size(); ++i)
    symbols += "<symbol scancode=\"" + std::to_string(glyphs[i].code) + "\" left=\"" +
               std::to_string(i * kGlyphWidth) + "\" width=\"" + std::to_string(kGlyphWidth) + "\" height=\"" +
               std::to_string(kGlyphHeight) + "\"/>";
  Ref<IHierStorageRoot> defs = OpenStorageText(R"(<defs><content><resource type="FontResource" name=")" +
                                               std::string(name) + R"(" format="png" file=")" +
                                               pictures_.File(file) + R"("><symbols>)" + symbols +
                                               "</symbols></resource></content></defs>");
  engine_->LoadResourceDefs(defs.get(), "test", false);
}

}  // namespace corvellane::testing
