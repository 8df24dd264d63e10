// command_line.h: what the program's command line asks for.
//
// Only the first argument decides, compared without regard to letter case:
//
//   (none)           run the game
//   -install         run the product's install hook and end
//   -uninstall       run the product's uninstall hook (open the uninstall page) and end
//   --help, -h       print the usage text and end
//   --version        print the program's name and version and end
//   anything else    run the game ("-changepath FOLDER" among them: it moves
//                    the program folder, see folders.h)
//
// New options are added to the table in command_line.cpp, with the line the
// usage text shows for them.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace corvellane {

enum class CommandAction { RunGame, Install, Uninstall, ShowHelp, ShowVersion };

struct CommandOption {
  std::string_view name;  // lower case
  std::string_view argument;  // shown in the usage text; empty when it takes none
  CommandAction action;
  std::string_view description;
};

std::span<const CommandOption> CommandOptions();

// The arguments exclude the program name.
CommandAction ChooseAction(std::span<const std::string> arguments);

std::string UsageText(std::string_view program_name);

}  // namespace corvellane
