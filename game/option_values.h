// option_values.h: the values a persisted option may take.
//
// The options store (shell/global_options.h) is a file of the player's
// folder and may hold anything: a value typed by hand, left by another
// version, or damaged. At start the game takes a stored value only when the
// engine can use it as it is; any other is replaced by the game definition's
// value, with a warning naming the option and both values, and the store is
// corrected (game.h):
//
//   IsUsableOptionValue("MusicVolume", "45")      -> true
//   IsUsableOptionValue("MusicVolume", "loud")    -> false   (and "150", "-1")
//   IsUsableOptionValue("FullScreenMode", "yes")  -> true    ("no" too; "maybe" not)
//   IsUsableOptionValue("WideScreenMode", "system") -> true  ("yes", "no" too)
//
// Options of other names take any value.
#pragma once

#include <string_view>

namespace corvellane {

bool IsUsableOptionValue(std::string_view name, std::string_view value);

}  // namespace corvellane
