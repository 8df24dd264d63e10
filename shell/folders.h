// folders.h: the program folder, the per-machine settings folder, and the
// text files the game keeps in them.
//
// The program folder holds the executable and the game's data; start-up makes
// it the current directory. "-changepath FOLDER" (exactly these two arguments)
// moves it to a sub-folder of the executable's folder.
//
// The settings folder holds the player's options, profiles, high scores and
// level records. It is, in this order of preference:
//   $CORVELLANE_SETTINGS_DIR                      (taken as it is)
//   $XDG_DATA_HOME/TolvoGames/corvellane/         (an absolute XDG_DATA_HOME)
//   $HOME/.local/share/TolvoGames/corvellane/
// Missing folders are created level by level. When the data folder itself
// cannot be had, the program folder is used; when "TolvoGames" or
// "corvellane" cannot be created below it, the deepest folder reached is.
//
// Whatever needs the environment takes it as an EnvironmentLookup, so tests
// can hand in their own; SystemEnvironment() reads the real one.
//
//   std::string folder = GetSettingsFolder(ProgramFolder(), SystemEnvironment());
//   bool saved = WriteSettingsText(text, "options.dat");
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/text_files.h"

namespace corvellane {

// The value of an environment variable; none when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;
EnvironmentLookup SystemEnvironment();

// The folder of the running executable, with a trailing "/"; empty when the
// system does not say.
std::string ExecutableFolder();

// The executable's folder, with the lower-cased folder argument appended when
// the arguments (program name excluded) are exactly "-changepath" (any case)
// and one folder. Normalised, with a trailing "/".
std::string GetProgramFolder(std::string_view executable_folder, std::span<const std::string> arguments);

// Computed afresh on every call (folders are created as a side effect).
std::string GetSettingsFolder(std::string_view program_folder, const EnvironmentLookup& environment);
// With the program folder of paths.h and the real environment.
std::string GetSettingsFolder();

// Gives everyone full access to a folder or file. Linux has no descriptor
// text to apply and every user keeps settings of his own, so this does
// nothing; the call sites stay so that the places that share files are known.
class TFileSystemSecurity {
 public:
  bool Grant(std::string_view path) { return false; }
};
void GrantFolderAccess(std::string_view path);

// The whole text of a file in the settings folder (lines joined with CR LF).
TextFileContent ReadSettingsText(std::string_view file_name);
// Saves a text as a file of the settings / program folder, replacing it in
// one step (text_files.h); false when it could not be saved.
bool WriteSettingsText(std::string_view text, std::string_view file_name);
bool WriteProgramText(std::string_view text, std::string_view file_name);

}  // namespace corvellane
