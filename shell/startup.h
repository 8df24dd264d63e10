// startup.h: the program's start, its main routine and its end.
//
// In this order:
//   1. every subsystem registers its data-creatable classes;
//   2. the localisation object is created and the product's default language
//      file ("lang\default.lng") is chosen;
//   3. the program folder (folders.h) becomes the current directory, since all
//      relative data paths are resolved from there;
//   4. "params.ini" in the program folder may name another language file
//      (parameter "default_resource_name"); a missing or malformed file
//      changes nothing;
//   5. the default language file is loaded; a malformed one leaves no strings
//      and start-up goes on;
//   6. the command line decides (command_line.h): a product hook, the usage
//      text, or the game: one engine is created through the factory, started
//      with the game definition file, run and finished;
//   7. the process-wide objects are released in reverse order.
//
// Exit codes: 0 when everything asked for was done (and when the program has
// no engine to run), 1 when a hook failed, the engine could not be created,
// did not start or ended because the game could not go on, or another copy
// of the game holds the settings folder.
//
// Everything comes in as parameters (arguments, the executable's folder, the
// engine factory, the hooks), so tests drive the routine without the real
// command line, browser or engine.
//
//   int main(int argc, char** argv) {
//     ProgramParts parts;
//     parts.register_classes = {RegisterPersistenceClasses};
//     parts.hooks = GameProductHooks(OpenWithDesktop);
//     return RunProgram(argc, argv, parts);
//   }
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/engine_runner_interface.h"

namespace corvellane {

// The product's hooks; an empty one does nothing. A hook answers whether it
// did its work.
struct ProductHooks {
  std::function<bool()> install;
  std::function<bool()> uninstall;
  // The query text sent to the maker's site (site_query.h).
  std::function<std::string()> site_query;
};

// Opens a web address (launcher.h: OpenWithDesktop).
using AddressOpener = std::function<bool(std::string_view address)>;

// This game's hooks: no install step; uninstall opens the uninstall page with
// the site query.
ProductHooks GameProductHooks(AddressOpener open_address);

struct ProgramParts {
  std::vector<void (*)()> register_classes;
  EngineFactory create_engine;
  ProductHooks hooks;
  // The game runs only while it holds the settings folder's lock
  // (instance_lock.h); a second copy says so and ends with exit code 1.
  bool one_copy_per_settings_folder = false;
};

struct ProcessInputs {
  std::vector<std::string> arguments;  // without the program name
  std::string executable_folder;
};

// The language file that "params.ini" names; none when the file is missing,
// does not parse or names none.
std::optional<std::string> ReadLanguageFileOverride(std::string_view params_file);

// Loads the texts: the language file "params.ini" names, else the default
// one. A malformed language file gives a game without texts and a warning.
void LoadDefaultLanguage();

// Runs the game through the factory; the exit code.
int RunGame(const EngineFactory& create_engine);

// Steps 1 to 7; the usage text goes to `out`. The exit code.
int RunMainRoutine(const ProcessInputs& inputs, const ProgramParts& parts, std::ostream& out);

// RunMainRoutine with the real command line and executable folder, usage
// text on standard output.
int RunProgram(int argc, char** argv, ProgramParts parts);

}  // namespace corvellane
