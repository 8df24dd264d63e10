#include "engine/platform/window_system_size.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

namespace corvellane {

DisplaySize WindowSystemSize(SDL_Window* window) {
  DisplaySize size;
  if (!window) return size;
  SDL_GetWindowSize(window, &size.width, &size.height);
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) != 0)
      size = {attributes.width, attributes.height};
  }
#endif
  return size;
}

}  // namespace corvellane
