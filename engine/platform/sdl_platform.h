// sdl_platform.h: the platform on SDL2: a real window, the canvas shown
// through an SDL renderer, SDL input and an SDL audio device.
//
// Display modes: Windowed is a fixed-size window of the logical size, first
// centred, later where the player left it. FullScreen switches the screen to
// the logical size when the screen offers that mode. WideFullScreen covers
// the desktop as it is and scales the canvas (linear filtering) into the
// layout's output rectangle between black bars. A mode that cannot be set
// falls back (FullScreen -> WideFullScreen -> Windowed, Windowed ->
// WideFullScreen); when nothing works SetDisplayMode says why on stderr and
// answers false, so the engine can stop instead of retrying a black window.
// A desktop may also refuse silently: an X server without a window manager
// (a kiosk session, a virtual server) leaves the window as it was while SDL
// believes it covers the desktop. A desktop-wide window that has not come
// about within half a second is taken back, and the next mode is tried.
//
// The picture and the mouse follow the window's size as the window system
// has it (window_system_size.h), measured again at every size event: never
// the size that was asked for.
//
// Input: positions are mapped into logical pixels through the layout made
// for the window's real size (which follows size changes); while a mouse button
// is held the mouse is captured, so the button's release is seen even
// outside the window. Alt + Enter, a letter or a digit arrives as one AltKey
// event (the key's release and any text it would type are swallowed); the
// engine decides what each does.
//
// Audio: OpenAudio opens the default device at 44100 Hz, 16-bit stereo; the
// source is pulled from SDL's audio thread.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "engine/platform/frame_clock.h"
#include "engine/platform/platform_interface.h"

namespace corvellane {

class TSdlPlatform final : public IPlatform {
 public:
  TSdlPlatform();
  ~TSdlPlatform() override;
  TSdlPlatform(const TSdlPlatform&) = delete;
  TSdlPlatform& operator=(const TSdlPlatform&) = delete;

  bool OpenWindow(std::string_view caption_utf8, DisplaySize logical) override;
  // False (with the reason on stderr) when SDL found only a driver that shows nothing.
  bool HasRealDisplay() const;
  void CloseWindow() override;
  void SetCaption(std::string_view caption_utf8) override;
  void MinimizeWindow() override;

  DisplaySize GetDesktopSize() const override;
  bool HasDisplayMode(DisplaySize size) const override;
  bool CanShowWindowed(DisplaySize logical) const override;
  bool SetDisplayMode(DisplayMode requested) override;
  DisplayMode GetDisplayMode() const override { return mode_; }
  const DisplayLayout& GetLayout() const override { return layout_; }
  void Present(const CanvasView& canvas) override;

  bool PollEvent(PlatformEvent& event) override;
  void WaitEvent(uint32_t timeout_ms) override;

  uint32_t GetTicks() const override { return SDL_GetTicks(); }
  void Sleep(uint32_t ms) override { SDL_Delay(ms); }
  uint32_t WaitForNextFrame() override;
  void RestartFrameClock() override { clock_.Restart(SDL_GetTicks()); }

  void ShowCursor(bool visible) override;
  TPoint GetMousePosition() const override;
  void SetMousePosition(TPoint logical) override;

  bool OpenExternally(std::string_view target) override;

  bool OpenAudio(IAudioSource& source) override;
  void CloseAudio() override;
  void PauseAudio(bool paused) override;

  // Draws the last presented canvas again and reads the renderer's output
  // back (0xAARRGGBB, row by row) without showing it; for tests.
  std::vector<uint32_t> ReadBackPixels(DisplaySize& size);
  // The window itself, for tests that look at what the window system shows.
  SDL_Window* Window() const { return window_.get(); }
  // Turns one SDL event into a platform event; false when it means nothing
  // to the game. Public so that tests can feed synthetic events.
  bool TranslateEvent(const SDL_Event& sdl, PlatformEvent& event);

 private:
  struct WindowDeleter {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
  };
  struct RendererDeleter {
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
  };
  struct TextureDeleter {
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  };

  bool CreateRenderer();
  bool EnsureTexture(int width, int height);
  bool TryMode(DisplayMode mode);
  bool EnterWindowed();
  bool EnterFullScreen();
  bool EnterWideFullScreen();
  // Whether the desktop carried out the mode; a refused desktop-wide window
  // is made a plain window again.
  bool IsGranted(DisplayMode mode);
  // The size SDL believes the window has (its renderer draws to it).
  DisplaySize SdlWindowSize() const;
  void RememberWindowPosition();
  void RebuildLayout();
  void DrawFrame();
  bool TranslateKey(const SDL_KeyboardEvent& key, PlatformEvent& event);
  bool TranslateMouseButton(const SDL_MouseButtonEvent& button, PlatformEvent& event);
  bool TranslateMouseWheel(const SDL_MouseWheelEvent& wheel, PlatformEvent& event);
  bool TranslateWindowEvent(const SDL_WindowEvent& window, PlatformEvent& event);
  static void AudioCallback(void* self, Uint8* stream, int length);

  bool video_ready_ = false;
  std::unique_ptr<SDL_Window, WindowDeleter> window_;
  std::unique_ptr<SDL_Renderer, RendererDeleter> renderer_;
  std::unique_ptr<SDL_Texture, TextureDeleter> texture_;
  DisplaySize texture_size_;
  DisplaySize logical_;
  DisplayMode mode_ = DisplayMode::Windowed;
  bool mode_set_ = false;
  DisplayLayout layout_;       // window coordinates (mouse)
  DisplayLayout pixel_layout_;  // renderer pixels (drawing); differs on high-DPI screens
  std::optional<TPoint> window_position_;
  TFrameClock clock_;
  Uint32 buttons_held_ = 0;
  std::set<SDL_Keycode> alt_keys_down_;  // their releases are swallowed
  bool swallow_text_ = false;

  bool audio_ready_ = false;
  SDL_AudioDeviceID audio_device_ = 0;
  IAudioSource* audio_source_ = nullptr;
};

}  // namespace corvellane
