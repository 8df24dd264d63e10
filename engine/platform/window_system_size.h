// window_system_size.h: the size of an SDL window as the window system
// itself has it.
//
// SDL answers SDL_GetWindowSize with the size it asked for. When the desktop
// does not do what was asked (an X server without a window manager ignores a
// full-screen request: the window stays as it was), SDL's answer and even its
// window-size events give the size asked for, while the window shows
// something else. The platform therefore asks the window system: on X11 the
// server's own geometry of the window; elsewhere, where the compositor does
// tell SDL the truth, SDL's answer.
//
//   DisplaySize real = WindowSystemSize(window);   // {1024, 768} though SDL says 1920 x 1080
//
// Kept in a file of its own: the X11 headers define macros (None, Bool,
// Always...) that must not reach the rest of the platform code.
#pragma once

#include <SDL.h>

#include "engine/platform/display_layout.h"

namespace corvellane {

DisplaySize WindowSystemSize(SDL_Window* window);

}  // namespace corvellane
