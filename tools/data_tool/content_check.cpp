#include "tools/data_tool/content_check.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "engine/random_source.h"
#include "game/class_list.h"
#include "persistence/class_registry.h"
#include "persistence/data_files.h"
#include "persistence/localization.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/paths.h"
#include "persistence/value_access.h"
#include "shell/declarations.h"
#include "story/category.h"
#include "story/object_list.h"
#include "story/scene_def.h"
#include "story/scene_def_ref.h"
#include "story/story_file.h"
#include "story/story_progress.h"
#include "story/task_scenes.h"
#include "story/user_game_data.h"

namespace corvellane::data_tool {

namespace {

constexpr uint32_t kCheckSeed = 20240611;

// The state the check changes for its run, put back afterwards.
class TCheckRun {
 public:
  explicit TCheckRun(const std::string& folder) : log_(LogLevel::Warning) {
    RegisterAllGameClasses();
    ClearExternalStorageCache();
    SetDataFileReader([folder](std::string_view path) { return ReadDiskFile(JoinPath(folder, NormalizePath(path))); });
    CreateMultiLanguages();
    if (ReadDataFile(product::DefaultLanguageFile)) {
      try {
        MultiLanguages()->ReadLanguageFile(product::DefaultLanguageFile);
      } catch (const EStorageParseError& error) {
        LogWarning(std::string(product::DefaultLanguageFile) + " is not well-formed XML (" + error.what() + ")");
      }
    } else {
      LogWarning(std::string(product::DefaultLanguageFile) + " is missing");
    }
    GlobalRandom().Seed(kCheckSeed);
  }
  ~TCheckRun() {
    ReleaseMultiLanguages();
    SetDataFileReader({});
    ClearExternalStorageCache();
  }
  const std::vector<std::string>& Logged() const { return log_.Lines(); }

 private:
  TLogCapture log_;
};

class TChecker {
 public:
  explicit TChecker(std::string folder) : folder_(std::move(folder)) {}

  std::vector<std::string> Run() {
    CheckGameDefinition();
    CheckResourceFiles();
    CheckCategories();
    CheckScenes();
    CheckScenario();
    return problems_;
  }

 private:
  void Problem(std::string_view where, std::string_view what) {
    problems_.push_back(std::string(where) + ": " + std::string(what));
  }

  bool FileExists(std::string_view data_path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(JoinPath(folder_, NormalizePath(data_path)), ec);
  }

  // Loading it logs its own problems (screens, widgets of unknown types).
  void CheckGameDefinition() {
    Ref<IHierStorageRoot> root = OpenStoryFile(product::GameDefinitionFile, "the game definition");
    if (!root) return;
    if (Ref<TAbstractObject> game = CreateFromStorage(root.get())) {
      if (auto* persist = dynamic_cast<IPersistObject*>(game.get())) persist->Cleanup();
    } else {
      Problem(product::GameDefinitionFile, "the game's type \"" + ReadText(root.get(), "type") + "\" is unknown");
    }
  }

  void CheckResourceFiles() {
    std::error_code ec;
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(JoinPath(folder_, "data/ini"), ec)) {
      const std::string name = entry.path().filename().string();
      if (name.size() > 13 && name.ends_with("resources.ini")) files.insert("data\\ini\\" + name);
    }
    for (const std::string& file : files) {
      Ref<IHierStorageRoot> root = OpenStoryFile(file, "the resource definitions");
      Ref<IHierStorage> content = root && root->GetChildCount("content") > 0 ? root->GetChild("content", 0) : nullptr;
      for (int i = 0; content && i < content->GetChildCount("resource"); ++i) {
        Ref<IHierStorage> resource = content->GetChild("resource", i);
        CheckResource(resource.get(), ReadText(resource.get(), "type"), ReadText(resource.get(), "file"));
      }
    }
  }

  void CheckResource(IHierStorage* node, const std::string& type, const std::string& file) {
    const std::string name = ReadText(node, "name");
    resources_.insert(name);
    if (!FindClass(type)) Problem(node->GetLocation(), "unknown resource type \"" + type + "\"");
    if (!file.empty() && !FileExists(file)) Problem(node->GetLocation(), "the file " + file + " does not exist");
  }

  void CheckCategories() {
    categories_ = LoadCategories();
    if (!categories_) return;
    for (int i = 0; i < categories_->Count(); ++i) {
      Ref<ICategory> category = categories_->Get(Variant(i));
      if (!category->GetCaption().empty() && Localize(category->GetCaption()).empty())
        Problem(std::string(kCategoriesFile) + ", category \"" + category->GetName() + "\"",
                "caption \"" + category->GetCaption() + "\" has no text in the language file");
    }
  }

  void CheckCategoryName(std::string_view where, std::string_view name) {
    if (categories_ && !name.empty() && !categories_->Get(Variant(name)))
      Problem(where, "category \"" + std::string(name) + "\" is not in " + std::string(kCategoriesFile));
  }

  void CheckScenes() {
    refs_ = LoadSceneDefRefs();
    for (int i = 0; refs_ && i < refs_->Count(); ++i) {
      Ref<ISceneDefRef> ref = refs_->Get(Variant(i));
      Ref<IHierStorageRoot> root = OpenStoryFile(ref->GetFileName(), "the scene definition of \"" + ref->GetName() + "\",");
      if (root) CheckScene(*ref, root.get());
    }
  }

  void CheckScene(ISceneDefRef& ref, IHierStorage* root) {
    std::set<std::string> own;
    std::string background;
    Ref<IHierStorage> defs = root->GetChildCount("resource_defs") > 0 ? root->GetChild("resource_defs", 0) : nullptr;
    for (int i = 0; defs && i < defs->GetChildCount("resource_def"); ++i) {
      Ref<IHierStorage> def = defs->GetChild("resource_def", i);
      CheckResource(def.get(), ReadText(def.get(), "type"), ReadText(def.get(), "file"));
      own.insert(ReadText(def.get(), "name"));
      if (ReadText(def.get(), "name") == "img_SceneBackground") background = ReadText(def.get(), "file");
    }
    const auto size = PictureSize(background);
    Ref<IHierStorage> objects = root->GetChildCount("object_defs") > 0 ? root->GetChild("object_defs", 0) : nullptr;
    for (int i = 0; objects && i < objects->GetChildCount("object_def"); ++i) {
      Ref<IHierStorage> node = objects->GetChild("object_def", i);
      CheckObject(node.get(), own, size);
    }
  }

  void CheckObject(IHierStorage* node, const std::set<std::string>& own, std::optional<std::pair<int, int>> size) {
    const std::string where = node->GetLocation();
    const std::string picture = ReadText(node, "resourcename");
    if (!own.contains(picture) && !resources_.contains(picture))
      Problem(where, "resource \"" + picture + "\" is not defined");
    const std::string caption = ReadText(node, "caption", "unknown_item");
    const bool hidden = ReadInt(node, "objecttype", 5) == static_cast<int32_t>(TSceneObjectType::HiddenObject);
    if ((hidden || caption.find('%') != std::string::npos) && Localize(caption).empty())
      Problem(where, "caption \"" + caption + "\" has no text in the language file");
    CheckCategoryName(where, ReadText(node, "category"));
    Ref<IHierStorage> places = node->GetChildCount("locations") > 0 ? node->GetChild("locations", 0) : nullptr;
    for (int i = 0; size && places && i < places->GetChildCount("location"); ++i) {
      Ref<IHierStorage> place = places->GetChild("location", i);
      const int x = ReadInt(place.get(), "anchor_left", 0), y = ReadInt(place.get(), "anchor_top", 0);
      if (x < 0 || y < 0 || x >= size->first || y >= size->second)
        Problem(place->GetLocation(), "(" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the " +
                                          std::to_string(size->first) + " x " + std::to_string(size->second) + " scene");
    }
  }

  // Width and height of a PNG picture; none for anything else.
  std::optional<std::pair<int, int>> PictureSize(const std::string& data_path) {
    if (data_path.empty()) return std::nullopt;
    std::optional<std::string> bytes = ReadDataFile(data_path);
    if (!bytes || bytes->size() < 24 || bytes->compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return std::nullopt;
    auto word = [&](size_t at) {
      int value = 0;
      for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>((*bytes)[at + i]);
      return value;
    };
    return std::make_pair(word(16), word(20));
  }

  void CheckScenario() {
    Ref<IHierStorageRoot> scenario = OpenStoryFile(kScenarioFile, "the scenario");
    if (!scenario) return;
    auto story = CreateObject<TUserGameData>();
    StartNewStory(*story, scenario.get());
    for (int copy = 0; copy < kStoryCopies; ++copy) {
      story->SelectCopy(copy);
      for (int c = 0; c < story->GetCases()->Count(); ++c) CheckCase(copy, *story->GetCases()->Get(Variant(c)));
    }
    story->Cleanup();
  }

  void CheckCase(int copy, IUGDCase& story_case) {
    const std::string where = std::string(kScenarioFile) + ", cases" + std::to_string(copy) + "/case \"" +
                              story_case.GetName() + "\"";
    for (int p = 0; p < story_case.GetParticipants()->Count(); ++p) {
      Ref<IUGDParticipant> person = story_case.GetParticipants()->Get(Variant(p));
      const std::string at = where + "/participant \"" + person->GetName() + "\"";
      for (const std::string& name : SplitList(person->GetCategories())) CheckCategoryName(at, name);
      if (!person->GetAvatar().empty() && !resources_.contains(person->GetAvatar()))
        Problem(at, "resource \"" + person->GetAvatar() + "\" is not defined");
    }
    for (int l = 0; l < story_case.GetMapLabels()->Count(); ++l) {
      auto params = CreateObject<TParamCollection>();
      Ref<IUGDMapTaskLabel> label = story_case.GetMapLabels()->Get(Variant(l));
      label->WriteLabelParams(params.get());
      const std::string picture = params->GetNamedValue("resourcename", Variant()).ToText();
      if (!resources_.contains(picture))
        Problem(where + "/map_label \"" + label->GetName() + "\"", "resource \"" + picture + "\" is not defined");
    }
    for (int s = 0; s < story_case.GetStages()->Count(); ++s) {
      Ref<IUGDStage> stage = story_case.GetStages()->Get(Variant(s));
      for (int t = 0; t < stage->GetTasks()->Count(); ++t) CheckTask(where, story_case, *stage, *stage->GetTasks()->Get(Variant(t)));
    }
  }

  void CheckTask(const std::string& where, IUGDCase& story_case, IUGDStage& stage, IUGDTask& task) {
    if (!refs_) return;
    const std::string at = where + "/stage \"" + stage.GetName() + "\"/task \"" + task.GetName() + "\"";
    for (const std::string& problem : TaskProblems(*refs_, story_case, task)) Problem(at, problem);
  }

  std::string folder_;
  std::vector<std::string> problems_;
  std::set<std::string> resources_;
  Ref<TSceneDefRefCollection> refs_;
  Ref<TCorvellaneCategoryCollection> categories_;
};

}  // namespace

std::vector<std::string> CheckProgramFolder(const std::string& folder) {
  std::vector<std::string> problems;
  {
    TCheckRun run(folder);
    problems = TChecker(folder).Run();
    std::vector<std::string> logged = run.Logged();
    problems.insert(problems.begin(), logged.begin(), logged.end());
  }
  return problems;
}

}  // namespace corvellane::data_tool
