// Arbitrary bytes as a scene definition file (plain XML or enciphered with
// the definitions key): whatever reads is loaded, saved and loaded again (the
// second save must give the same text), every object fills its widget
// parameters at every place, a place is deleted, and the generator fills a
// story scene from it for every play mode; the objects it leaves must be
// exactly those its lists name. Bad data may place nothing; it must never
// crash or leave a stray object.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/random_source.h"
#include "game/class_list.h"
#include "persistence/data_files.h"
#include "persistence/localization.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "story/object_list.h"
#include "story/scene_def.h"
#include "story/scene_def_ref.h"
#include "story/scene_generator.h"
#include "story/scene_trial.h"
#include "story/story_file.h"
#include "story/ugd_case.h"

namespace {

using namespace corvellane;

// Real scene files are around 20 KB.
constexpr size_t kMaxInputSize = 32 * 1024;
constexpr std::string_view kStory =
    R"(<case name="c"><participants><participant name="p" type="client" categories=";a;b;c;d;e;"/></participants>)"
    R"(<scenes><scene name="s" participant="p"><params><param name="ho_count" value="4"/>)"
    R"(<param name="io_count" value="2"/><param name="do_count" value="2"/><param name="d_count" value="3"/>)"
    R"(</params></scene></scenes></case>)";

std::string input;

bool Setup() {
  SetLogLevel(LogLevel::Silent);
  RegisterAllGameClasses();
  CreateMultiLanguages();
  SetDataFileReader([](std::string_view path) {
    return path == "s.ini" ? std::optional<std::string>(input) : std::nullopt;
  });
  return true;
}

void SavesStably(TSceneDef& def) {
  const std::string first = def.SaveSceneDefText();
  Ref<TSceneDef> again = CreateObject<TSceneDef>();
  again->LoadFrom(OpenStorageText(first).get());
  if (again->SaveSceneDefText() != first) std::abort();
  again->Cleanup();
}

void FillEveryWidget(ISceneDef& def) {
  Ref<ISceneObjectDefCollection> objects = def.GetObjectDefs();
  for (int i = 0; i < objects->Count(); ++i) {
    Ref<ISceneObjectDef> object = objects->Get(Variant(i));
    Ref<ISceneObjectLocationCollection> places = object->GetLocations();
    for (int p = 0; p < places->Count(); ++p) {
      auto params = CreateObject<TParamCollection>();
      object->FillWidgetParams(places->Get(Variant(p))->GetName(), params.get());
    }
    if (places->Count() > 1) places->DeleteLocation(Variant(0));
  }
}

void GenerateEveryMode() {
  auto refs = CreateObject<TSceneDefRefCollection>();
  refs->AddNew("s")->SetFileName("s.ini");
  for (int mode = -1; mode <= 4; ++mode) {
    auto story_case = CreateObject<TUGDCase>();
    story_case->LoadFrom(OpenStorageText(kStory).get());
    Ref<IUGDScene> scene = story_case->GetScenes()->Get(Variant("s"));
    scene->SetFirstDateScene(mode == 4);
    auto owner = MakeRef<TSceneTrialOwner>(refs, story_case);
    auto generator = CreateObject<TCorvellaneSceneGenerator>();
    generator->SetOwner(owner.get());
    generator->GenerateScene(scene.get(), mode);
    size_t listed = 0;
    for (std::string_view key : {"ho_names", "io_names", "co_names", "hp_names", "do_names", "d_names", "i_names"})
      listed += SplitList(scene->GetParams()->GetNamedValue(key, Variant(";")).ToText()).size();
    if (owner->LiveObjects().size() != listed) std::abort();
    generator->ClearGenerator();
    story_case->Cleanup();
  }
  refs->Cleanup();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = Setup();
  (void)ready;
  if (size > kMaxInputSize) return 0;
  input.assign(reinterpret_cast<const char*>(data), size);
  GlobalRandom().Seed(static_cast<uint32_t>(size));
  try {
    Ref<IHierStorageRoot> root = ParseStoryText(input, "s.ini");
    if (!root) return 0;
    Ref<TSceneDef> def = CreateObject<TSceneDef>();
    def->LoadFrom(root.get());
    SavesStably(*def);
    FillEveryWidget(*def);
    def->Cleanup();
    GenerateEveryMode();
  } catch (const EStorageParseError&) {
  }
  ClearExternalStorageCache();
  return 0;
}
