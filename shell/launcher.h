// launcher.h: starting another program, detached from the game.
//
// Used to open a web address or a file with the desktop's default program
// ("xdg-open ADDRESS"). The arguments go to the program as they are: no shell
// ever sees them, so an address cannot smuggle in a command. The program runs
// in a process of its own that the game neither waits for nor has to reap.
//
//   bool started = OpenWithDesktop("https://www.tolvogames.example/");
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace corvellane {

// Starts arguments[0] (looked up in PATH) with the given argument vector.
// True when the program was found and started.
bool LaunchDetached(std::span<const std::string> arguments);

// "xdg-open" with the address or file path.
bool OpenWithDesktop(std::string_view address);

}  // namespace corvellane
