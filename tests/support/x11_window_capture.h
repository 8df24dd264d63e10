// x11_window_capture.h: what an X server really shows in a window, for the
// window tests under a virtual X server. Reading the renderer back shows
// what SDL drew into its own idea of the window; this reads the server's
// pixels of the window as it is, whatever size SDL believes it has.
//
//   DisplaySize size;
//   std::vector<uint32_t> shown = CaptureShownWindow(platform.Window(), size);   // 0x00RRGGBB
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "engine/platform/display_layout.h"

namespace corvellane::testing {

// Row by row; empty (and a zero size) when the window is not on an X server.
std::vector<uint32_t> CaptureShownWindow(SDL_Window* window, DisplaySize& size);

}  // namespace corvellane::testing
