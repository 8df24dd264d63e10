#include "shell/command_line.h"

#include <array>

#include "xml/ascii_case.h"

namespace corvellane {

namespace {

constexpr std::array kOptions = {
    CommandOption{"-changepath", "FOLDER", CommandAction::RunGame,
                  "run the game from FOLDER below the program's own folder"},
    CommandOption{"-install", "", CommandAction::Install, "run the installation step and end"},
    CommandOption{"-uninstall", "", CommandAction::Uninstall, "open the uninstall page in the web browser and end"},
    CommandOption{"--help", "", CommandAction::ShowHelp, "show this text and end"},
    CommandOption{"-h", "", CommandAction::ShowHelp, "the same as --help"},
};

}  // namespace

std::span<const CommandOption> CommandOptions() { return kOptions; }

CommandAction ChooseAction(std::span<const std::string> arguments) {
  if (arguments.empty()) return CommandAction::RunGame;
  for (const CommandOption& option : kOptions)
    if (EqualsIgnoreAsciiCase(option.name, arguments.front())) return option.action;
  return CommandAction::RunGame;
}

std::string UsageText(std::string_view program_name) {
  std::string text = "Usage: " + std::string(program_name) + " [option]\n\nWithout an option the game starts.\n\n";
  for (const CommandOption& option : kOptions) {
    std::string left = "  " + std::string(option.name);
    if (!option.argument.empty()) left += " " + std::string(option.argument);
    if (left.size() < 22) left.resize(22, ' ');
    text += left + " " + std::string(option.description) + "\n";
  }
  return text;
}

}  // namespace corvellane
