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
  options_.frameStepMs = std::clamp<uint32_t>(options_.frameStepMs, 1, TFrameClock::kMaxStepMs);
  if (!options_.outputFolder.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options_.outputFolder, ec);
  }
}

THeadlessPlatform::~THeadlessPlatform() { Shutdown(); }

void THeadlessPlatform::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  if (!lastFrame_.empty()) {
    WritePicture("last", {lastFrame_, lastFrameSize_.width, lastFrameSize_.height, lastFrameSize_.width});
  }
  CloseAudio();
}

bool THeadlessPlatform::OpenWindow(std::string_view captionUtf8, DisplaySize logical) {
  caption_ = std::string(captionUtf8);
  logical_ = logical;
  windowOpen_ = logical.width > 0 && logical.height > 0;
  layout_ = ComputeDisplayLayout(logical_, logical_);
  return windowOpen_;
}

void THeadlessPlatform::CloseWindow() { windowOpen_ = false; }

bool THeadlessPlatform::CanShowWindowed(DisplaySize logical) const {
  return logical.width <= options_.desktop.width && logical.height <= options_.desktop.height;
}

bool THeadlessPlatform::SetDisplayMode(DisplayMode requested) {
  if (!windowOpen_) return false;
  mode_ = requested;
  DisplaySize area = requested == DisplayMode::WideFullScreen ? options_.desktop : logical_;
  layout_ = ComputeDisplayLayout(logical_, area);
  return true;
}

void THeadlessPlatform::Present(const CanvasView& canvas) {
  ++presentedFrames_;
  lastFrame_.clear();
  lastFrameSize_ = {};
  if (canvas.width > 0 && canvas.height > 0 && canvas.stride >= canvas.width &&
      canvas.pixels.size() >= size_t(canvas.stride) * size_t(canvas.height - 1) + size_t(canvas.width)) {
    lastFrameSize_ = {canvas.width, canvas.height};
    lastFrame_.reserve(size_t(canvas.width) * size_t(canvas.height));
    for (int y = 0; y < canvas.height; ++y) {
      auto row = canvas.pixels.subspan(size_t(y) * size_t(canvas.stride), size_t(canvas.width));
      lastFrame_.insert(lastFrame_.end(), row.begin(), row.end());
    }
  }
  for (const std::string& name : captureRequests_) WritePicture(name, canvas);
  captureRequests_.clear();
  if (options_.everyKthFrame > 0 && presentedFrames_ % options_.everyKthFrame == 0) {
    WritePicture(FrameName(presentedFrames_), canvas);
  }
}

std::string THeadlessPlatform::PicturePath(const std::string& name) const {
  return JoinPath(options_.outputFolder, name + ".png");
}

void THeadlessPlatform::WritePicture(const std::string& name, const CanvasView& canvas) {
  if (options_.outputFolder.empty()) return;
  std::string path = PicturePath(name);
  if (!WritePng(path, canvas)) writeFailures_.push_back(path);
}

bool THeadlessPlatform::PollEvent(PlatformEvent& event) {
  ReleaseDueScriptEvents();
  if (pending_.empty()) return false;
  event = std::move(pending_.front());
  pending_.pop_front();
  if (event.type == EventType::MouseMove || event.type == EventType::MouseDown || event.type == EventType::MouseUp) {
    mouse_ = event.position;
  }
  return true;
}

void THeadlessPlatform::ReleaseDueScriptEvents() {
  const auto& script = options_.script;
  bool released = false;
  while (nextScriptEvent_ < script.size() && script[nextScriptEvent_].time <= now_) {
    QueueScriptEvent(script[nextScriptEvent_++]);
    released = true;
  }
  // The run ends one frame after the last event was handed out, so its
  // effect is drawn (and captured) first.
  bool pastLastEvent = now_ > (script.empty() ? 0 : script.back().time);
  bool scriptDone = nextScriptEvent_ == script.size() && pastLastEvent && !released && captureRequests_.empty();
  if (options_.quitAfterScript && scriptDone && !quitQueued_) {
    pending_.push_back(EventOf(EventType::Quit));
    quitQueued_ = true;
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
    case ScriptAction::Key: QueueKey(e.key); break;
    case ScriptAction::Text:
      pending_.push_back(EventOf(EventType::Text));
      pending_.back().text = e.text;
      break;
    case ScriptAction::Capture: captureRequests_.push_back(e.text); break;
    case ScriptAction::Quit:
      pending_.push_back(EventOf(EventType::Quit));
      quitQueued_ = true;
      break;
  }
}

uint32_t THeadlessPlatform::WaitForNextFrame() {
  now_ += options_.frameStepMs;
  RenderAudioUpTo(now_);
  return options_.frameStepMs;
}

bool THeadlessPlatform::OpenExternally(std::string_view target) {
  opened_.emplace_back(target);
  return true;
}

bool THeadlessPlatform::OpenAudio(IAudioSource& source) {
  CloseAudio();
  audioSource_ = &source;
  audioStartTime_ = now_;
  audioFramesRendered_ = 0;
  if (!options_.audioOutPath.empty()) {
    audioOut_ = std::make_unique<TWavWriter>();
    if (!audioOut_->Open(options_.audioOutPath, kAudioSampleRate, kAudioChannels)) {
      std::fprintf(stderr, "cannot write the audio file %s\n", options_.audioOutPath.c_str());
      audioOut_.reset();
    }
  }
  return true;
}

void THeadlessPlatform::CloseAudio() {
  audioSource_ = nullptr;
  if (audioOut_) audioOut_->Close();
  audioOut_.reset();
}

void THeadlessPlatform::RenderAudioUpTo(uint32_t now) {
  if (!audioSource_) return;
  uint64_t due = uint64_t(now - audioStartTime_) * kAudioSampleRate / 1000;
  while (audioFramesRendered_ < due) {
    size_t frames = size_t(std::min<uint64_t>(due - audioFramesRendered_, kAudioSliceFrames));
    audioBuffer_.assign(frames * kAudioChannels, 0);
    if (!audioPaused_) audioSource_->RenderAudio(audioBuffer_);
    if (audioOut_) audioOut_->Append(audioBuffer_);
    audioFramesRendered_ += frames;
  }
}

}  // namespace corvellane
