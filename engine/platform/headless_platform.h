// headless_platform.h: the platform without a window or a sound device, for
// automated runs and tests.
//
// Time is virtual: it starts at 0 and advances by a fixed step (16 ms unless
// set) each time the engine asks for the next frame, so a run is exactly
// repeatable whatever the machine's speed. Input comes from an input script
// (input_script.h): an event becomes available to PollEvent once the virtual
// time has reached its time, so it is handled before the following frame. "click" gives a button down and a button up; "key" gives
// a key down and a key up; "capture NAME" writes the first frame presented after
// it became due to DIR/NAME.png; "quit" gives a Quit event. After the last scripted event a
// Quit event follows, so a run never waits for input that will not come
// (unless the run is told it ends another way).
//
// Frames: with an output folder, every K-th presented frame is written to
// DIR/frame_NNNNNN.png when K > 0, and the last presented frame to
// DIR/last.png when the platform is shut down.
//
// Audio: the source opened with OpenAudio is asked for exactly the samples of
// the virtual time that passed, each frame (44.1 samples a millisecond, no
// drift), and they are appended to a WAV file when one is named.
//
//   HeadlessOptions options;
//   options.script = ParseInputScript(text).events;
//   options.output_folder = "shots";
//   THeadlessPlatform platform(std::move(options));
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/input_script.h"
#include "engine/platform/platform_interface.h"

namespace corvellane {

class TWavWriter;

struct HeadlessOptions {
  std::vector<ScriptEvent> script;
  std::string output_folder;      // empty: no pictures are written
  int every_kth_frame = 0;         // 0: only captures and last.png
  uint32_t frame_step_ms = 16;     // kept within 1 .. TFrameClock::kMaxStepMs
  DisplaySize desktop{1920, 1080};
  std::string audio_out_path;      // empty: rendered audio is discarded
  bool quit_after_script = true;   // false: the run ends some other way (a
                                 // frame limit, a scripted quit)
  // Called at each step of the virtual clock with the new time (ms since
  // the start): a watch over a long run, such as the soak's memory samples.
  std::function<void(uint32_t now_ms)> on_clock_step;
};

class THeadlessPlatform final : public IPlatform {
 public:
  explicit THeadlessPlatform(HeadlessOptions options);
  ~THeadlessPlatform() override;

  // Writes last.png and closes the audio file. Called by the destructor too.
  void Shutdown();

  bool OpenWindow(std::string_view caption_utf8, DisplaySize logical) override;
  void CloseWindow() override;
  void SetCaption(std::string_view caption_utf8) override { caption_ = std::string(caption_utf8); }
  void MinimizeWindow() override {}

  DisplaySize GetDesktopSize() const override { return options_.desktop; }
  bool HasDisplayMode(DisplaySize size) const override { return size == options_.desktop; }
  bool CanShowWindowed(DisplaySize logical) const override;
  bool SetDisplayMode(DisplayMode requested) override;
  DisplayMode GetDisplayMode() const override { return mode_; }
  const DisplayLayout& GetLayout() const override { return layout_; }
  void Present(const CanvasView& canvas) override;

  bool PollEvent(PlatformEvent& event) override;
  void WaitEvent(uint32_t) override {}

  uint32_t GetTicks() const override { return now_; }
  void Sleep(uint32_t) override {}
  uint32_t WaitForNextFrame() override;
  void RestartFrameClock() override {}

  void ShowCursor(bool visible) override { cursor_visible_ = visible; }
  TPoint GetMousePosition() const override { return mouse_; }
  void SetMousePosition(TPoint logical) override { mouse_ = ClampToLogical(layout_, logical); }

  // Records the request; nothing is started.
  bool OpenExternally(std::string_view target) override;

  bool OpenAudio(IAudioSource& source) override;
  void CloseAudio() override;
  void PauseAudio(bool paused) override { audio_paused_ = paused; }

  // For tests and the command line.
  const std::string& Caption() const { return caption_; }
  bool IsCursorVisible() const { return cursor_visible_; }
  int PresentedFrames() const { return presented_frames_; }
  const std::vector<std::string>& OpenedExternally() const { return opened_; }
  // Pictures that could not be written, as "path" lines (empty when all went well).
  const std::vector<std::string>& WriteFailures() const { return write_failures_; }

 private:
  void ReleaseDueScriptEvents();
  void QueueScriptEvent(const ScriptEvent& e);
  void QueueMouse(EventType type, MouseButton button, TPoint at);
  void QueueKey(KeyCode key);
  void RenderAudioUpTo(uint32_t now);
  void WritePicture(const std::string& name, const CanvasView& canvas);
  std::string PicturePath(const std::string& name) const;

  HeadlessOptions options_;
  size_t next_script_event_ = 0;
  bool quit_queued_ = false;
  std::deque<PlatformEvent> pending_;
  std::vector<std::string> capture_requests_;

  std::string caption_;
  DisplaySize logical_;
  DisplayMode mode_ = DisplayMode::Windowed;
  DisplayLayout layout_;
  bool window_open_ = false;
  bool cursor_visible_ = true;
  TPoint mouse_;

  uint32_t now_ = 0;
  int presented_frames_ = 0;
  std::vector<uint32_t> last_frame_;
  DisplaySize last_frame_size_;

  IAudioSource* audio_source_ = nullptr;
  bool audio_paused_ = false;
  uint64_t audio_frames_rendered_ = 0;
  uint32_t audio_start_time_ = 0;
  std::unique_ptr<TWavWriter> audio_out_;
  std::vector<int16_t> audio_buffer_;

  std::vector<std::string> opened_;
  std::vector<std::string> write_failures_;
  bool shut_down_ = false;
};

}  // namespace corvellane
