// screen_seeds.h: a widget fuzzer seed of a screen, loaded into the screen
// class it names and given the life the fuzzer gives it: no game above it,
// no open parameters; it opens, runs, takes clicks and keys, and closes.
//
//   LiveScreenSeed("gamescreen_options.xml", "GameScreenOptions");
//
// Failures are reported to the running test, naming the seed.
#pragma once

#include <string_view>

namespace corvellane::testing {

void LiveScreenSeed(std::string_view file, std::string_view type);

}  // namespace corvellane::testing
