#include "tests/support/x11_window_capture.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace corvellane::testing {

std::vector<uint32_t> CaptureShownWindow(SDL_Window* window, DisplaySize& size) {
  size = {};
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return {};
  Display* display = info.info.x11.display;
  XSync(display, False);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, info.info.x11.window, &attributes) == 0) return {};
  XImage* image = XGetImage(display, info.info.x11.window, 0, 0, unsigned(attributes.width),
                            unsigned(attributes.height), AllPlanes, ZPixmap);
  if (!image) return {};
  size = {attributes.width, attributes.height};
  std::vector<uint32_t> pixels(size_t(size.width) * size_t(size.height));
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x) pixels[size_t(y) * size_t(size.width) + size_t(x)] = XGetPixel(image, x, y) & 0xFFFFFF;
  XDestroyImage(image);
  return pixels;
}

}  // namespace corvellane::testing
