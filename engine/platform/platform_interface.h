// platform_interface.h: the one interface between the engine and the machine.
//
// Everything the engine needs from the desktop goes through IPlatform: one
// window and its display mode, presenting the finished canvas, input events,
// the millisecond clock and frame pacing, the system cursor, opening a web
// address or file with the desktop's default program, and the audio device.
// Two back ends exist: TSdlPlatform (sdl_platform.h), a real window on SDL2,
// and THeadlessPlatform (headless_platform.h), which has no window and no
// sound device, runs on a virtual clock, takes its input from a script and
// writes frames to PNG files.
//
// Conventions:
//   - all positions in events and cursor calls are logical pixels of the
//     game's resolution; the back end maps them through its DisplayLayout;
//   - the canvas is 32-bit 0xAARRGGBB, row by row, of the logical size; the
//     alpha byte is ignored when presenting;
//   - the audio device runs at 44100 Hz, 16-bit, stereo interleaved, and
//     pulls from one IAudioSource (on SDL from the device's own thread);
//   - calls are made from the main thread only.
//
// A typical frame loop:
//
//   platform->OpenWindow("Corvellane", {640, 480});
//   platform->SetDisplayMode(DisplayMode::Windowed);
//   for (bool quit = false; !quit;) {
//     PlatformEvent e;
//     if (platform->PollEvent(e)) { quit = e.type == EventType::Quit; ...; continue; }
//     uint32_t dt = platform->WaitForNextFrame();
//     ... update by dt, draw into the canvas ...
//     platform->Present(canvas);
//   }
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/platform/display_layout.h"
#include "engine/platform/key_codes.h"

namespace corvellane {

enum class EventType {
  MouseMove,
  MouseDown,
  MouseUp,
  MouseWheel,    // the wheel turned by `wheel` notches, at `position`
  KeyDown,       // also repeated while the key is held (repeat = true)
  KeyUp,
  Text,          // typed text, UTF-8, after keyboard layout and dead keys
  AltKey,        // Alt + Enter or a letter or digit; key says which
  CloseRequest,  // the window's close button: the game may ask first
  Quit,          // end now (the headless script's "quit", or its end)
  FocusGained,
  FocusLost,
  Minimized,     // the engine stops running frames ...
  Restored,      // ... until this arrives
};

enum class MouseButton { None, Left, Right, Middle };

struct PlatformEvent {
  EventType type = EventType::MouseMove;
  TPoint position;                    // mouse events, logical pixels
  MouseButton button = MouseButton::None;   // MouseDown, MouseUp
  int wheel = 0;                            // MouseWheel: notches, positive away from the player
  KeyCode key = KeyCode::Unknown;           // KeyDown, KeyUp, AltKey
  bool repeat = false;                      // KeyDown from auto-repeat
  bool shift = false;                       // modifier state at the event
  bool control = false;
  bool alt = false;
  std::string text;                         // Text
};

enum class DisplayMode {
  Windowed,        // a window of the logical size
  FullScreen,      // the screen switched to the logical size
  WideFullScreen,  // the desktop as it is, the image scaled between black bars
};

// Read-only view of the canvas to present.
struct CanvasView {
  std::span<const uint32_t> pixels;  // at least stride * (height - 1) + width
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels from one row to the next
};

// Where the audio device gets its samples. Called from the device's thread
// on SDL; it must fill the whole buffer (silence when there is nothing).
struct IAudioSource {
  virtual void RenderAudio(std::span<int16_t> interleaved_stereo) = 0;

 protected:
  ~IAudioSource() = default;
};

inline constexpr int kAudioSampleRate = 44100;
inline constexpr int kAudioChannels = 2;

class IPlatform {
 public:
  virtual ~IPlatform() = default;

  // Window. OpenWindow creates it (not shown until a display mode is set).
  virtual bool OpenWindow(std::string_view caption_utf8, DisplaySize logical) = 0;
  virtual void CloseWindow() = 0;
  virtual void SetCaption(std::string_view caption_utf8) = 0;
  virtual void MinimizeWindow() = 0;

  // Display. SetDisplayMode falls back when a mode cannot be set
  // (FullScreen -> WideFullScreen -> Windowed) and answers the mode reached;
  // false only when not even a window could be shown (the reason is on stderr).
  virtual DisplaySize GetDesktopSize() const = 0;
  virtual bool HasDisplayMode(DisplaySize size) const = 0;  // 32 bits per pixel
  virtual bool CanShowWindowed(DisplaySize logical) const = 0;
  virtual bool SetDisplayMode(DisplayMode requested) = 0;
  virtual DisplayMode GetDisplayMode() const = 0;
  virtual const DisplayLayout& GetLayout() const = 0;
  // Shows the canvas in the layout's output rectangle, the bars black.
  virtual void Present(const CanvasView& canvas) = 0;

  // Input. PollEvent takes one waiting event; WaitEvent blocks until one is
  // waiting or the time has passed (used while minimised).
  virtual bool PollEvent(PlatformEvent& event) = 0;
  virtual void WaitEvent(uint32_t timeout_ms) = 0;

  // Clock. WaitForNextFrame paces frames (at most one per frame period) and
  // answers the step for the game, capped (frame_clock.h).
  virtual uint32_t GetTicks() const = 0;
  virtual void Sleep(uint32_t ms) = 0;
  virtual uint32_t WaitForNextFrame() = 0;
  virtual void RestartFrameClock() = 0;

  // System cursor and pointer, logical pixels (clamped to the logical screen).
  virtual void ShowCursor(bool visible) = 0;
  virtual TPoint GetMousePosition() const = 0;
  virtual void SetMousePosition(TPoint logical) = 0;

  // A web address or an existing file, with the desktop's default program.
  virtual bool OpenExternally(std::string_view target) = 0;

  // Audio: 44100 Hz stereo, pulled from source until CloseAudio. Answers
  // false when there is no device (the game then runs silent).
  virtual bool OpenAudio(IAudioSource& source) = 0;
  virtual void CloseAudio() = 0;
  // Output paused (nothing pulled, silence) or running.
  virtual void PauseAudio(bool paused) = 0;
};

}  // namespace corvellane
