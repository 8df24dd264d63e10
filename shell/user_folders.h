// user_folders.h: where an installed game finds its data, and where the
// player's pictures go.
//
// A game run from its build or from an unpacked archive keeps its data
// beside the executable ("data/", "lang/"). An installed game has its
// executable in PREFIX/bin and its data in PREFIX/share/corvellane/
// (install/CMakeLists.txt): found from the executable's own location, so the
// installation can be moved and the game started from any working folder.
//
//   std::string program = DataFolderBeside(ExecutableFolder());
//       // "/opt/x/bin/"   -> "/opt/x/share/corvellane/" (it has data/ there)
//       // "/home/a/build/game/" -> itself (it has data/)
//
// Screenshots (F12) go to the player's pictures folder, as the desktop names
// it: $XDG_PICTURES_DIR, else the XDG_PICTURES_DIR line of
// $XDG_CONFIG_HOME/user-dirs.dirs (~/.config/user-dirs.dirs), else
// ~/Pictures; "$HOME" in the line stands for the home folder.
//
//   std::string pictures = PicturesFolder(SystemEnvironment());   // "/home/a/Pictures/"
#pragma once

#include <string>
#include <string_view>

#include "shell/folders.h"

namespace corvellane {

// Where the installed data lies relative to the executable's folder.
inline constexpr std::string_view kInstalledDataFolder = "../share/corvellane/";

// The executable's folder when it holds the game's data (a "data" folder),
// else the installed data folder when that holds it, else the executable's
// folder as it is. With a trailing "/".
std::string DataFolderBeside(std::string_view executable_folder);

// With a trailing "/"; empty when there is no home folder to start from.
std::string PicturesFolder(const EnvironmentLookup& environment);

}  // namespace corvellane
