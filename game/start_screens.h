// start_screens.h: whether a screen the game opens by itself can be shown.
//
// The game opens the logo, loading and main screens on its own. A screen
// whose file could not be read or parsed still loads (loading is forgiving;
// the log has said what was wrong with the file), but with an empty window:
// shown, it would be a black picture that the player can neither watch to
// its end nor leave. Before opening one the game asks what is wrong with it.
// A logo or loading screen with nothing to show is skipped; a main screen
// with nothing to show ends the game with a failure status (game.h).
//
//   if (std::optional<std::string> why = WhyScreenIsUnusable(*screens, "GS_Main"))
//     LogWarning("the main screen " + *why + "; the game cannot go on");
//     // "the main screen GS_Main (data/screens/main.xml) has nothing to show; ..."
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "screens/gs_collection.h"

namespace corvellane {

// None when the screen of that name exists and either its window holds at
// least one widget or it has no window widget (it draws itself); otherwise
// the screen's name (with its file, when it has one of its own) and what is
// wrong, ready to follow "the main screen ".
std::optional<std::string> WhyScreenIsUnusable(IGSCollection& screens, std::string_view name);

}  // namespace corvellane
