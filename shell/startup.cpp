#include "shell/startup.h"

#include <unistd.h>

#include <iostream>

#include "persistence/class_registry.h"
#include "persistence/localization.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "persistence/paths.h"
#include "persistence/storage.h"
#include "shell/command_line.h"
#include "shell/declarations.h"
#include "shell/folders.h"
#include "shell/instance_lock.h"
#include "shell/user_folders.h"
#include "shell/site_query.h"

namespace corvellane {

namespace {

// The process-wide objects, created in the constructor and released in
// reverse order in the destructor, whatever way the main routine ends.
class ProcessScope {
 public:
  explicit ProcessScope(const ProgramParts& parts) {
    for (auto register_classes : parts.register_classes) register_classes();
    CreateMultiLanguages();
    SetDefaultLanguageFile(product::DefaultLanguageFile);
  }
  ~ProcessScope() {
    // The replacement sets point into storages: they go first.
    ReleaseGlobalReplaceableObjectParams();
    ReleaseMultiLanguages();
    ClearExternalStorageCache();
    ClearClassRegistry();
  }
  ProcessScope(const ProcessScope&) = delete;
  ProcessScope& operator=(const ProcessScope&) = delete;
};

void EnterProgramFolder(const ProcessInputs& inputs) {
  const std::string folder = GetProgramFolder(inputs.executable_folder, inputs.arguments);
  // A folder that cannot be entered leaves the current directory; data paths
  // still resolve through the program folder where they name it.
  (void)::chdir(folder.c_str());
  SetProgramFolder(folder);
}

int RunHook(const std::function<bool()>& hook) {
  if (!hook) return 0;
  try {
    return hook() ? 0 : 1;
  } catch (...) {
    LogCaughtException("the installation step failed");
    return 1;
  }
}

Ref<IEngineRunner> CreateEngine(const EngineFactory& create_engine) {
  try {
    return create_engine();
  } catch (...) {
    LogCaughtException("the engine could not be created");
    return nullptr;
  }
}

bool StartEngine(IEngineRunner& engine) {
  try {
    if (engine.Start(product::GameDefinitionFile)) return true;
    engine.Finish();
  } catch (...) {
    LogCaughtException("the game could not start");
  }
  return false;
}

// Exceptions escaping the frame loop or the tear-down are not the player's
// concern any more: the program ends normally either way. False when the
// game itself ended because it could not go on.
bool RunAndFinish(IEngineRunner& engine) {
  bool ran = true;
  try {
    ran = engine.Run();
  } catch (...) {
    LogCaughtException("the game stopped");
  }
  try {
    engine.Finish();
  } catch (...) {
    LogCaughtException("finishing the game failed");
  }
  return ran;
}

// Runs the game while no other copy runs on the same settings folder.
int RunOnlyCopy(const EngineFactory& create_engine) {
  TInstanceLock lock(GetSettingsFolder());
  if (!lock.IsHeld()) {
    LogWarning(lock.Describe());
    return 1;
  }
  return RunGame(create_engine);
}

}  // namespace

ProductHooks GameProductHooks(AddressOpener open_address) {
  ProductHooks hooks;
  hooks.site_query = [] { return BuildSiteQuery(CurrentSiteQueryValues()); };
  hooks.uninstall = [site_query = hooks.site_query, open = std::move(open_address)] {
    return open && open(UninstallPageAddress(site_query()));
  };
  return hooks;
}

std::optional<std::string> ReadLanguageFileOverride(std::string_view params_file) {
  try {
    Ref<IHierStorageRoot> root = OpenStorageFile(params_file);
    if (!root) return std::nullopt;
    Ref<TParamCollection> params = CreateObject<TParamCollection>();
    params->LoadFrom(root.get());
    // An empty name would load no language at all: keep the default then.
    std::string file = params->GetNamedValue(product::LanguageFileParam, Variant()).ToText();
    if (file.empty()) return std::nullopt;
    return file;
  } catch (...) {
    LogCaughtException(std::string(params_file) + " could not be read; the default language file is used");
    return std::nullopt;
  }
}

void LoadDefaultLanguage() {
  if (auto file = ReadLanguageFileOverride(product::ParamsFileName)) SetDefaultLanguageFile(*file);
  try {
    SelectLanguage();
  } catch (...) {
    // A malformed language file gives a game without texts, not no game.
    LogCaughtException("the language file " + DefaultLanguageFile() + " could not be read");
  }
}

int RunGame(const EngineFactory& create_engine) {
  if (!create_engine) return 0;
  Ref<IEngineRunner> engine = CreateEngine(create_engine);
  if (!engine || !StartEngine(*engine)) return 1;
  return RunAndFinish(*engine) ? 0 : 1;
}

int RunMainRoutine(const ProcessInputs& inputs, const ProgramParts& parts, std::ostream& out) {
  const CommandAction action = ChooseAction(inputs.arguments);
  if (action == CommandAction::ShowHelp) {
    out << UsageText(product::ProductShortName);
    return 0;
  }
  if (action == CommandAction::ShowVersion) {
    out << product::ProductShortName << " " << product::ProductVersion << "\n";
    return 0;
  }
  ProcessScope process(parts);
  EnterProgramFolder(inputs);
  LoadDefaultLanguage();
  switch (action) {
    case CommandAction::Install:
      return RunHook(parts.hooks.install);
    case CommandAction::Uninstall:
      return RunHook(parts.hooks.uninstall);
    default:
      return parts.one_copy_per_settings_folder ? RunOnlyCopy(parts.create_engine) : RunGame(parts.create_engine);
  }
}

int RunProgram(int argc, char** argv, ProgramParts parts) {
  ProcessInputs inputs;
  for (int i = 1; i < argc; ++i) inputs.arguments.emplace_back(argv[i] ? argv[i] : "");
  inputs.executable_folder = DataFolderBeside(ExecutableFolder());
  return RunMainRoutine(inputs, parts, std::cout);
}

}  // namespace corvellane
