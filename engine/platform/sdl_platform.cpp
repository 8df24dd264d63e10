#include "engine/platform/sdl_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "engine/platform/shell_open.h"
#include "engine/platform/window_system_size.h"

namespace corvellane {

namespace {

constexpr Uint32 kCanvasFormat = SDL_PIXELFORMAT_ARGB8888;  // 0xAARRGGBB words
// How long a window manager may take to carry out a full-screen request.
constexpr Uint32 kFullScreenGrantMs = 500;

void ReportSdlError(const char* what) { std::fprintf(stderr, "%s: %s\n", what, SDL_GetError()); }

KeyCode KeyCodeFromSdl(SDL_Keycode sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return KeyCode('A' + (sym - SDLK_a));
  if (sym >= SDLK_0 && sym <= SDLK_9) return KeyCode('0' + (sym - SDLK_0));
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return FunctionKey(1 + (sym - SDLK_F1));
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return KeyCode::Enter;
    case SDLK_ESCAPE: return KeyCode::Escape;
    case SDLK_TAB: return KeyCode::Tab;
    case SDLK_BACKSPACE: return KeyCode::Backspace;
    case SDLK_SPACE: return KeyCode::Space;
    case SDLK_LEFT: return KeyCode::Left;
    case SDLK_RIGHT: return KeyCode::Right;
    case SDLK_UP: return KeyCode::Up;
    case SDLK_DOWN: return KeyCode::Down;
    case SDLK_DELETE: return KeyCode::Delete;
    case SDLK_HOME: return KeyCode::Home;
    case SDLK_END: return KeyCode::End;
    case SDLK_PAGEUP: return KeyCode::PageUp;
    case SDLK_PAGEDOWN: return KeyCode::PageDown;
    case SDLK_INSERT: return KeyCode::Insert;
    case SDLK_PAUSE: return KeyCode::Pause;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return KeyCode::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return KeyCode::Control;
    case SDLK_LALT:
    case SDLK_RALT: return KeyCode::Alt;
    default: return KeyCode::Unknown;
  }
}

bool IsAltShortcutKey(KeyCode key) {
  int k = int(key);
  return key == KeyCode::Enter || (k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9');
}

void SetModifiers(PlatformEvent& event, Uint16 mod) {
  event.shift = (mod & KMOD_SHIFT) != 0;
  event.control = (mod & KMOD_CTRL) != 0;
  event.alt = (mod & KMOD_ALT) != 0;
}

MouseButton ButtonFromSdl(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

}  // namespace

TSdlPlatform::TSdlPlatform() = default;

TSdlPlatform::~TSdlPlatform() {
  CloseAudio();
  CloseWindow();
  if (audio_ready_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (video_ready_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// ---- window ------------------------------------------------------------------

// Without any display SDL falls back to drivers that show nothing; a player
// would wait in front of an invisible game, so that is an error unless the
// driver was asked for by name.
bool TSdlPlatform::HasRealDisplay() const {
  const char* driver = SDL_GetCurrentVideoDriver();
  std::string_view name = driver ? driver : "";
  bool invisible = name.empty() || name == "offscreen" || name == "dummy" || name == "evdev";
  if (!invisible || std::getenv("SDL_VIDEODRIVER")) return true;
  std::fprintf(stderr, "no display found (video driver \"%s\"); set DISPLAY or WAYLAND_DISPLAY, or run with --headless\n",
               std::string(name).c_str());
  return false;
}

bool TSdlPlatform::OpenWindow(std::string_view caption_utf8, DisplaySize logical) {
  if (!video_ready_) {
    // Closing the window is a request the game may refuse, not a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      ReportSdlError("cannot start the video system");
      return false;
    }
    video_ready_ = true;
    if (!HasRealDisplay()) return false;
  }
  CloseWindow();
  logical_ = logical;
  std::string caption(caption_utf8);
  window_.reset(SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, logical.width,
                                 logical.height, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI));
  if (!window_) {
    ReportSdlError("cannot create the window");
    return false;
  }
  if (!CreateRenderer()) {
    window_.reset();
    return false;
  }
  SDL_StartTextInput();
  RebuildLayout();
  return true;
}

bool TSdlPlatform::CreateRenderer() {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_ACCELERATED));
  if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer_) {
    ReportSdlError("cannot draw into the window");
    return false;
  }
  return true;
}

void TSdlPlatform::CloseWindow() {
  if (!window_) return;
  if (buttons_held_) SDL_CaptureMouse(SDL_FALSE);
  buttons_held_ = 0;
  SDL_StopTextInput();
  texture_.reset();
  renderer_.reset();
  window_.reset();
  texture_size_ = {};
  mode_set_ = false;
}

void TSdlPlatform::SetCaption(std::string_view caption_utf8) {
  if (window_) SDL_SetWindowTitle(window_.get(), std::string(caption_utf8).c_str());
}

void TSdlPlatform::MinimizeWindow() {
  if (window_) SDL_MinimizeWindow(window_.get());
}

// ---- display -------------------------------------------------------------------

DisplaySize TSdlPlatform::GetDesktopSize() const {
  int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_.get())) : 0;
  SDL_DisplayMode mode;
  if (!video_ready_ || SDL_GetDesktopDisplayMode(display, &mode) != 0) return {};
  return {mode.w, mode.h};
}

bool TSdlPlatform::HasDisplayMode(DisplaySize size) const {
  int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_.get())) : 0;
  int count = video_ready_ ? SDL_GetNumDisplayModes(display) : 0;
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    // 32-bit modes report 24 significant bits.
    if (SDL_GetDisplayMode(display, i, &mode) == 0 && mode.w == size.width && mode.h == size.height &&
        SDL_BITSPERPIXEL(mode.format) >= 24) {
      return true;
    }
  }
  return false;
}

bool TSdlPlatform::CanShowWindowed(DisplaySize logical) const {
  int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_.get())) : 0;
  SDL_Rect usable;
  if (!video_ready_ || SDL_GetDisplayUsableBounds(display, &usable) != 0) return false;
  int top = 0, left = 0, bottom = 0, right = 0;
  if (window_) SDL_GetWindowBordersSize(window_.get(), &top, &left, &bottom, &right);
  SDL_DisplayMode desktop;
  bool deep_enough = SDL_GetDesktopDisplayMode(display, &desktop) == 0 && SDL_BITSPERPIXEL(desktop.format) > 8;
  return deep_enough && logical.width + left + right <= usable.w && logical.height + top + bottom <= usable.h;
}

bool TSdlPlatform::SetDisplayMode(DisplayMode requested) {
  if (!window_) return false;
  std::vector<DisplayMode> order;
  switch (requested) {
    case DisplayMode::FullScreen: order = {DisplayMode::FullScreen, DisplayMode::WideFullScreen, DisplayMode::Windowed}; break;
    case DisplayMode::WideFullScreen: order = {DisplayMode::WideFullScreen, DisplayMode::Windowed}; break;
    case DisplayMode::Windowed: order = {DisplayMode::Windowed, DisplayMode::WideFullScreen}; break;
  }
  for (DisplayMode mode : order) {
    if (TryMode(mode) && IsGranted(mode)) {
      mode_ = mode;
      mode_set_ = true;
      SDL_ShowWindow(window_.get());
      SDL_RaiseWindow(window_.get());
      RebuildLayout();
      clock_.Restart(SDL_GetTicks());
      return true;
    }
  }
  std::fprintf(stderr, "no display mode could be set up, not even a window: %s\n", SDL_GetError());
  return false;
}

bool TSdlPlatform::TryMode(DisplayMode mode) {
  if (mode_set_ && mode_ == DisplayMode::Windowed && mode != DisplayMode::Windowed) RememberWindowPosition();
  switch (mode) {
    case DisplayMode::Windowed: return EnterWindowed();
    case DisplayMode::FullScreen: return EnterFullScreen();
    case DisplayMode::WideFullScreen: return EnterWideFullScreen();
  }
  return false;
}

void TSdlPlatform::RememberWindowPosition() {
  TPoint p;
  SDL_GetWindowPosition(window_.get(), &p.x, &p.y);
  window_position_ = p;
}

bool TSdlPlatform::EnterWindowed() {
  if (SDL_SetWindowFullscreen(window_.get(), 0) != 0) return false;
  SDL_SetWindowBordered(window_.get(), SDL_TRUE);
  SDL_SetWindowResizable(window_.get(), SDL_FALSE);
  SDL_SetWindowSize(window_.get(), logical_.width, logical_.height);
  if (window_position_) {
    SDL_SetWindowPosition(window_.get(), window_position_->x, window_position_->y);
  } else {
    SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  return true;
}

bool TSdlPlatform::EnterFullScreen() {
  int display = std::max(0, SDL_GetWindowDisplayIndex(window_.get()));
  SDL_DisplayMode wanted{SDL_PIXELFORMAT_RGB888, logical_.width, logical_.height, 0, nullptr};
  SDL_DisplayMode closest;
  if (!SDL_GetClosestDisplayMode(display, &wanted, &closest)) return false;
  if (closest.w != logical_.width || closest.h != logical_.height) return false;
  return SDL_SetWindowDisplayMode(window_.get(), &closest) == 0 &&
         SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN) == 0;
}

bool TSdlPlatform::EnterWideFullScreen() {
  return SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

bool TSdlPlatform::IsGranted(DisplayMode mode) {
  // A screen switched to the logical size keeps the window's size either way;
  // only the desktop-wide window shows whether the request was carried out.
  if (mode != DisplayMode::WideFullScreen) return true;
  const DisplaySize desktop = GetDesktopSize();
  const Uint32 give_up = SDL_GetTicks() + kFullScreenGrantMs;
  // Granted once the server has resized the window and SDL (whose renderer
  // draws to the size SDL knows) has heard of it.
  while (WindowSystemSize(window_.get()) != desktop || SdlWindowSize() != desktop) {
    if (SDL_TICKS_PASSED(SDL_GetTicks(), give_up)) {
      // Refused (no window manager, a kiosk session): SDL would go on
      // believing the window covers the desktop. Back to what it really is.
      SDL_SetWindowFullscreen(window_.get(), 0);
      SDL_SetWindowSize(window_.get(), logical_.width, logical_.height);
      std::fprintf(stderr, "the desktop did not make the window full screen; it stays a window\n");
      return false;
    }
    SDL_PumpEvents();
    SDL_Delay(10);
  }
  return true;
}

DisplaySize TSdlPlatform::SdlWindowSize() const {
  DisplaySize size;
  if (window_) SDL_GetWindowSize(window_.get(), &size.width, &size.height);
  return size;
}

void TSdlPlatform::RebuildLayout() {
  if (!window_) return;
  // The size the window system gives the window, whatever SDL was asked for.
  const DisplaySize window_size = WindowSystemSize(window_.get());
  DisplaySize pixels;
  // Renderer pixels differ from window units only on high-DPI screens, and
  // only SDL's own idea of the size tells them apart.
  if (SdlWindowSize() != window_size || SDL_GetRendererOutputSize(renderer_.get(), &pixels.width, &pixels.height) != 0)
    pixels = window_size;
  layout_ = ComputeDisplayLayout(logical_, window_size);
  pixel_layout_ = ComputeDisplayLayout(logical_, pixels);
}

// ---- presenting ----------------------------------------------------------------

bool TSdlPlatform::EnsureTexture(int width, int height) {
  if (texture_ && texture_size_ == DisplaySize{width, height}) return true;
  texture_.reset(SDL_CreateTexture(renderer_.get(), kCanvasFormat, SDL_TEXTUREACCESS_STREAMING, width, height));
  texture_size_ = texture_ ? DisplaySize{width, height} : DisplaySize{};
  if (!texture_) ReportSdlError("cannot create the canvas texture");
  return texture_ != nullptr;
}

void TSdlPlatform::Present(const CanvasView& canvas) {
  if (!renderer_ || canvas.width <= 0 || canvas.height <= 0 || canvas.stride < canvas.width) return;
  if (canvas.pixels.size() < size_t(canvas.stride) * size_t(canvas.height - 1) + size_t(canvas.width)) return;
  if (!EnsureTexture(canvas.width, canvas.height)) return;
  SDL_UpdateTexture(texture_.get(), nullptr, canvas.pixels.data(), canvas.stride * 4);
  DrawFrame();
  SDL_RenderPresent(renderer_.get());
}

void TSdlPlatform::DrawFrame() {
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
  SDL_RenderClear(renderer_.get());  // the bars
  if (!texture_) return;
  const TRect& out = pixel_layout_.output;
  SDL_Rect target{out.left, out.top, int(out.Width()), int(out.Height())};
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
}

std::vector<uint32_t> TSdlPlatform::ReadBackPixels(DisplaySize& size) {
  size = {};
  if (!renderer_ || SDL_GetRendererOutputSize(renderer_.get(), &size.width, &size.height) != 0) return {};
  DrawFrame();
  std::vector<uint32_t> pixels(size_t(size.width) * size_t(size.height));
  if (SDL_RenderReadPixels(renderer_.get(), nullptr, kCanvasFormat, pixels.data(), size.width * 4) != 0) {
    size = {};
    return {};
  }
  return pixels;
}

// ---- input ---------------------------------------------------------------------

bool TSdlPlatform::PollEvent(PlatformEvent& event) {
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl)) {
    event = PlatformEvent{};
    if (TranslateEvent(sdl, event)) return true;
  }
  return false;
}

void TSdlPlatform::WaitEvent(uint32_t timeout_ms) { SDL_WaitEventTimeout(nullptr, int(timeout_ms)); }

bool TSdlPlatform::TranslateEvent(const SDL_Event& sdl, PlatformEvent& event) {
  switch (sdl.type) {
    case SDL_QUIT: event.type = EventType::CloseRequest; return true;
    case SDL_WINDOWEVENT: return TranslateWindowEvent(sdl.window, event);
    case SDL_KEYDOWN:
    case SDL_KEYUP: return TranslateKey(sdl.key, event);
    case SDL_TEXTINPUT:
      if (std::exchange(swallow_text_, false)) return false;
      event.type = EventType::Text;
      event.text = sdl.text.text;
      return true;
    case SDL_MOUSEMOTION:
      event.type = EventType::MouseMove;
      event.position = MapAreaToLogical(layout_, {sdl.motion.x, sdl.motion.y});
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return TranslateMouseButton(sdl.button, event);
    case SDL_MOUSEWHEEL: return TranslateMouseWheel(sdl.wheel, event);
    default: return false;
  }
}

bool TSdlPlatform::TranslateWindowEvent(const SDL_WindowEvent& window, PlatformEvent& event) {
  switch (window.event) {
    case SDL_WINDOWEVENT_CLOSE: event.type = EventType::CloseRequest; return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED: event.type = EventType::FocusGained; return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      alt_keys_down_.clear();
      event.type = EventType::FocusLost;
      return true;
    case SDL_WINDOWEVENT_MINIMIZED: event.type = EventType::Minimized; return true;
    case SDL_WINDOWEVENT_RESTORED:
      clock_.Restart(SDL_GetTicks());  // time spent minimised is not game time
      event.type = EventType::Restored;
      return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_MAXIMIZED:
      RebuildLayout();
      return false;
    default: return false;
  }
}

bool TSdlPlatform::TranslateKey(const SDL_KeyboardEvent& key, PlatformEvent& event) {
  KeyCode code = KeyCodeFromSdl(key.keysym.sym);
  SetModifiers(event, key.keysym.mod);
  event.key = code;
  if (key.type == SDL_KEYUP) {
    if (alt_keys_down_.erase(key.keysym.sym)) return false;  // its press was an Alt shortcut
    event.type = EventType::KeyUp;
    return code != KeyCode::Unknown;
  }
  swallow_text_ = false;
  if (event.alt && !event.control && IsAltShortcutKey(code)) {
    if (key.repeat) return false;
    alt_keys_down_.insert(key.keysym.sym);
    swallow_text_ = true;
    event.type = EventType::AltKey;
    return true;
  }
  event.type = EventType::KeyDown;
  event.repeat = key.repeat != 0;
  return code != KeyCode::Unknown;
}

bool TSdlPlatform::TranslateMouseButton(const SDL_MouseButtonEvent& button, PlatformEvent& event) {
  event.button = ButtonFromSdl(button.button);
  if (event.button == MouseButton::None) return false;
  event.position = MapAreaToLogical(layout_, {button.x, button.y});
  Uint32 bit = SDL_BUTTON(button.button);
  bool was_held = buttons_held_ != 0;
  if (button.type == SDL_MOUSEBUTTONDOWN) {
    event.type = EventType::MouseDown;
    buttons_held_ |= bit;
  } else {
    event.type = EventType::MouseUp;
    buttons_held_ &= ~bit;
  }
  bool held = buttons_held_ != 0;
  if (held != was_held) SDL_CaptureMouse(held ? SDL_TRUE : SDL_FALSE);
  return true;
}

bool TSdlPlatform::TranslateMouseWheel(const SDL_MouseWheelEvent& wheel, PlatformEvent& event) {
  // Some desktops report "natural" scrolling flipped; the game always sees
  // positive notches as turning away from the player.
  event.wheel = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
  if (event.wheel == 0) return false;
  int x = 0;
  int y = 0;
  SDL_GetMouseState(&x, &y);
  event.type = EventType::MouseWheel;
  event.position = MapAreaToLogical(layout_, {x, y});
  return true;
}

// ---- clock, cursor, shell ----------------------------------------------------------

uint32_t TSdlPlatform::WaitForNextFrame() {
  uint32_t wait = clock_.TimeUntilDue(SDL_GetTicks());
  if (wait > 0) SDL_Delay(wait);
  return clock_.Take(SDL_GetTicks());
}

void TSdlPlatform::ShowCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

TPoint TSdlPlatform::GetMousePosition() const {
  TPoint p;
  SDL_GetMouseState(&p.x, &p.y);
  return ClampToLogical(layout_, MapAreaToLogical(layout_, p));
}

void TSdlPlatform::SetMousePosition(TPoint logical) {
  if (!window_) return;
  TPoint p = MapLogicalToArea(layout_, ClampToLogical(layout_, logical));
  SDL_WarpMouseInWindow(window_.get(), p.x, p.y);
}

bool TSdlPlatform::OpenExternally(std::string_view target) { return OpenWithDesktop(target); }

// ---- audio ---------------------------------------------------------------------

bool TSdlPlatform::OpenAudio(IAudioSource& source) {
  CloseAudio();
  if (!audio_ready_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      ReportSdlError("no sound");
      return false;
    }
    audio_ready_ = true;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioSampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kAudioChannels;
  wanted.samples = 1024;  // about 23 ms
  wanted.callback = &TSdlPlatform::AudioCallback;
  wanted.userdata = this;
  audio_source_ = &source;
  SDL_AudioSpec obtained;
  // No changes allowed: SDL converts to whatever the device really does.
  audio_device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (audio_device_ == 0) {
    ReportSdlError("no sound");
    audio_source_ = nullptr;
    return false;
  }
  SDL_PauseAudioDevice(audio_device_, 0);
  return true;
}

void TSdlPlatform::CloseAudio() {
  if (audio_device_ != 0) SDL_CloseAudioDevice(audio_device_);  // waits for the callback
  audio_device_ = 0;
  audio_source_ = nullptr;
}

void TSdlPlatform::PauseAudio(bool paused) {
  if (audio_device_ != 0) SDL_PauseAudioDevice(audio_device_, paused ? 1 : 0);
}

void TSdlPlatform::AudioCallback(void* self, Uint8* stream, int length) {
  auto* platform = static_cast<TSdlPlatform*>(self);
  std::span<int16_t> samples(reinterpret_cast<int16_t*>(stream), size_t(length) / sizeof(int16_t));
  platform->audio_source_->RenderAudio(samples);
}

}  // namespace corvellane
