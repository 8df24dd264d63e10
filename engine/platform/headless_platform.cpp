#include "engine/platform/headless_platform.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "engine/audio/wav_writer.h"
#include "engine/platform/frame_clock.h"
#include "engine/platform/png_writer.h"
#include "persistence/paths.h"

namespace corvellane {

namespace {

// Audio is rendered in slices of at most this many frames.
constexpr size_t kAudioSliceFrames = 4096;

std::string FrameName(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "frame_%06d", index);
  return name;
}

PlatformEvent EventOf(EventType type) {
  PlatformEvent e;
  e.type = type;
  return e;
}

}  // namespace

THeadlessPlatform::THeadlessPlatform(HeadlessOptions options) : options_(std::move(options)) {
  options_.frame_step_ms = std::clamp<uint32_t>(options_.frame_step_ms, 1, TFrameClock::kMaxStepMs);
  if (!options_.output_folder.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options_.output_folder, ec);
  }
}

THeadlessPlatform::~THeadlessPlatform() { Shutdown(); }

void THeadlessPlatform::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  if (!last_frame_.empty()) {
    WritePicture("last", {last_frame_, last_frame_size_.width, last_frame_size_.height, last_frame_size_.width});
  }
  CloseAudio();
}

bool THeadlessPlatform::OpenWindow(std::string_view caption_utf8, DisplaySize logical) {
  caption_ = std::string(caption_utf8);
  logical_ = logical;
  window_open_ = logical.width > 0 && logical.height > 0;
  layout_ = ComputeDisplayLayout(logical_, logical_);
  return window_open_;
}

void THeadlessPlatform::CloseWindow() { window_open_ = false; }

bool THeadlessPlatform::CanShowWindowed(DisplaySize logical) const {
  return logical.width <= options_.desktop.width && logical.height <= options_.desktop.height;
}

bool THeadlessPlatform::SetDisplayMode(DisplayMode requested) {
  if (!window_open_) return false;
  mode_ = requested;
  DisplaySize area = requested == DisplayMode::WideFullScreen ? options_.desktop : logical_;
  layout_ = ComputeDisplayLayout(logical_, area);
  return true;
}

void THeadlessPlatform::Present(const CanvasView& canvas) {
  ++presented_frames_;
  last_frame_.clear();
  last_frame_size_ = {};
  if (canvas.width > 0 && canvas.height > 0 && canvas.stride >= canvas.width &&
      canvas.pixels.size() >= size_t(canvas.stride) * size_t(canvas.height - 1) + size_t(canvas.width)) {
    last_frame_size_ = {canvas.width, canvas.height};
    last_frame_.reserve(size_t(canvas.width) * size_t(canvas.height));
    for (int y = 0; y < canvas.height; ++y) {
      auto row = canvas.pixels.subspan(size_t(y) * size_t(canvas.stride), size_t(canvas.width));
      last_frame_.insert(last_frame_.end(), row.begin(), row.end());
    }
  }
  for (const std::string& name : capture_requests_) WritePicture(name, canvas);
  capture_requests_.clear();
  if (options_.every_kth_frame > 0 && presented_frames_ % options_.every_kth_frame == 0) {
    WritePicture(FrameName(presented_frames_), canvas);
  }
}

std::string THeadlessPlatform::PicturePath(const std::string& name) const {
  return JoinPath(options_.output_folder, name + ".png");
}

void THeadlessPlatform::WritePicture(const std::string& name, const CanvasView& canvas) {
  if (options_.output_folder.empty()) return;
  std::string path = PicturePath(name);
  if (!WritePng(path, canvas)) write_failures_.push_back(path);
}

bool THeadlessPlatform::PollEvent(PlatformEvent& event) {
  ReleaseDueScriptEvents();
  if (pending_.empty()) return false;
  event = std::move(pending_.front());
  pending_.pop_front();
  if (event.type == EventType::MouseMove || event.type == EventType::MouseDown || event.type == EventType::MouseUp ||
      event.type == EventType::MouseWheel) {
    mouse_ = event.position;
  }
  return true;
}

void THeadlessPlatform::ReleaseDueScriptEvents() {
  const auto& script = options_.script;
  bool released = false;
  while (next_script_event_ < script.size() && script[next_script_event_].time <= now_) {
    QueueScriptEvent(script[next_script_event_++]);
    released = true;
  }
  // The run ends one frame after the last event was handed out, so its
  // effect is drawn (and captured) first.
  bool past_last_event = now_ > (script.empty() ? 0 : script.back().time);
  bool script_done = next_script_event_ == script.size() && past_last_event && !released && capture_requests_.empty();
  if (options_.quit_after_script && script_done && !quit_queued_) {
    pending_.push_back(EventOf(EventType::Quit));
    quit_queued_ = true;
  }
}

void THeadlessPlatform::QueueMouse(EventType type, MouseButton button, TPoint at) {
  PlatformEvent e = EventOf(type);
  e.position = at;
  e.button = button;
  pending_.push_back(std::move(e));
}

void THeadlessPlatform::QueueKey(KeyCode key) {
  for (EventType type : {EventType::KeyDown, EventType::KeyUp}) {
    PlatformEvent e = EventOf(type);
    e.key = key;
    pending_.push_back(std::move(e));
  }
}

void THeadlessPlatform::QueueScriptEvent(const ScriptEvent& e) {
  TPoint at{e.x, e.y};
  switch (e.action) {
    case ScriptAction::Move: QueueMouse(EventType::MouseMove, MouseButton::None, at); break;
    case ScriptAction::Down: QueueMouse(EventType::MouseDown, MouseButton::Left, at); break;
    case ScriptAction::Up: QueueMouse(EventType::MouseUp, MouseButton::Left, at); break;
    case ScriptAction::Click:
      QueueMouse(EventType::MouseDown, MouseButton::Left, at);
      QueueMouse(EventType::MouseUp, MouseButton::Left, at);
      break;
    case ScriptAction::RightDown: QueueMouse(EventType::MouseDown, MouseButton::Right, at); break;
    case ScriptAction::RightUp: QueueMouse(EventType::MouseUp, MouseButton::Right, at); break;
    case ScriptAction::Wheel:
      QueueMouse(EventType::MouseWheel, MouseButton::None, at);
      pending_.back().wheel = e.wheel;
      break;
    case ScriptAction::Key: QueueKey(e.key); break;
    case ScriptAction::Text:
      pending_.push_back(EventOf(EventType::Text));
      pending_.back().text = e.text;
      break;
    case ScriptAction::Capture: capture_requests_.push_back(e.text); break;
    case ScriptAction::Quit:
      pending_.push_back(EventOf(EventType::Quit));
      quit_queued_ = true;
      break;
  }
}

uint32_t THeadlessPlatform::WaitForNextFrame() {
  now_ += options_.frame_step_ms;
  RenderAudioUpTo(now_);
  if (options_.on_clock_step) options_.on_clock_step(now_);
  return options_.frame_step_ms;
}

bool THeadlessPlatform::OpenExternally(std::string_view target) {
  opened_.emplace_back(target);
  return true;
}

bool THeadlessPlatform::OpenAudio(IAudioSource& source) {
  CloseAudio();
  audio_source_ = &source;
  audio_start_time_ = now_;
  audio_frames_rendered_ = 0;
  if (!options_.audio_out_path.empty()) {
    audio_out_ = std::make_unique<TWavWriter>();
    if (!audio_out_->Open(options_.audio_out_path, kAudioSampleRate, kAudioChannels)) {
      write_failures_.push_back(options_.audio_out_path);
      audio_out_.reset();
    }
  }
  return true;
}

void THeadlessPlatform::CloseAudio() {
  audio_source_ = nullptr;
  // A recording that lost samples (a full disk) is a failed output, like a
  // picture that could not be written.
  if (audio_out_ && !audio_out_->Close()) write_failures_.push_back(options_.audio_out_path);
  audio_out_.reset();
}

void THeadlessPlatform::RenderAudioUpTo(uint32_t now) {
  if (!audio_source_) return;
  uint64_t due = uint64_t(now - audio_start_time_) * kAudioSampleRate / 1000;
  while (audio_frames_rendered_ < due) {
    size_t frames = size_t(std::min<uint64_t>(due - audio_frames_rendered_, kAudioSliceFrames));
    audio_buffer_.assign(frames * kAudioChannels, 0);
    if (!audio_paused_) audio_source_->RenderAudio(audio_buffer_);
    if (audio_out_) audio_out_->Append(audio_buffer_);
    audio_frames_rendered_ += frames;
  }
}

}  // namespace corvellane
