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
    CommandOption{"--headless", "", CommandAction::RunGame, "run without a window or sound device, on a virtual clock"},
    CommandOption{"--frames", "N", CommandAction::RunGame, "stop after N frames"},
    CommandOption{"--dt", "MS", CommandAction::RunGame, "virtual milliseconds per frame (headless, default 16)"},
    CommandOption{"--seed", "N", CommandAction::RunGame, "fix the random source so that a run repeats exactly"},
    CommandOption{"--input", "FILE", CommandAction::RunGame, "play the timed input script FILE (headless)"},
    CommandOption{"--capture", "DIR", CommandAction::RunGame, "write captured frames and DIR/last.png (headless)"},
    CommandOption{"--capture-every", "K", CommandAction::RunGame, "also write every K-th frame (headless)"},
    CommandOption{"--audio-out", "FILE", CommandAction::RunGame, "write the mixed sound as a WAV file (headless)"},
    CommandOption{"--trace", "FILE", CommandAction::RunGame, "write what happens in play to FILE, one JSON object a line"},
    CommandOption{"--soak", "SECONDS", CommandAction::RunGame,
                  "headless run of SECONDS of game time with random input; reports memory"},
    CommandOption{"--verbose", "", CommandAction::RunGame, "also log what is loaded, besides the warnings"},
    CommandOption{"--quiet", "", CommandAction::RunGame, "log nothing, not even warnings about broken data"},
    CommandOption{"--help", "", CommandAction::ShowHelp, "show this text and end"},
    CommandOption{"-h", "", CommandAction::ShowHelp, "the same as --help"},
    CommandOption{"--version", "", CommandAction::ShowVersion, "show the program's version and end"},
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
  std::string text = "Usage: " + std::string(program_name) +
                     " [option...]\n\nWithout an option the game starts in a window.\n\n";
  for (const CommandOption& option : kOptions) {
    std::string left = "  " + std::string(option.name);
    if (!option.argument.empty()) left += " " + std::string(option.argument);
    if (left.size() < 24) left.resize(24, ' ');
    text += left + " " + std::string(option.description) + "\n";
  }
  return text;
}

}  // namespace corvellane
