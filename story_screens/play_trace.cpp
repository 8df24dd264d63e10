#include "story_screens/play_trace.h"

#include <cstdio>
#include <fstream>
#include <memory>

#include "persistence/log.h"

namespace corvellane {

namespace {

struct TraceState {
  PlayTraceSink sink;
  std::optional<uint32_t> seed;
};

TraceState& State() {
  static TraceState state;
  return state;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

TPlayTraceLine::TPlayTraceLine(std::string_view event) { Text("event", event); }

TPlayTraceLine TPlayTraceLine::Object() { return TPlayTraceLine(); }

void TPlayTraceLine::Key(std::string_view key) {
  if (!empty_) text_ += ',';
  empty_ = false;
  text_ += JsonString(key);
  text_ += ':';
}

TPlayTraceLine& TPlayTraceLine::Text(std::string_view key, std::string_view value) { return Json(key, JsonString(value)); }

TPlayTraceLine& TPlayTraceLine::Int(std::string_view key, int64_t value) { return Json(key, std::to_string(value)); }

TPlayTraceLine& TPlayTraceLine::Bool(std::string_view key, bool value) { return Json(key, value ? "true" : "false"); }

TPlayTraceLine& TPlayTraceLine::Null(std::string_view key) { return Json(key, "null"); }

TPlayTraceLine& TPlayTraceLine::Json(std::string_view key, std::string_view json) {
  Key(key);
  text_ += json;
  return *this;
}

TPlayTraceLine& TPlayTraceLine::Rect(std::string_view key, int32_t x, int32_t y, int32_t width, int32_t height) {
  return Json(key, Object().Int("x", x).Int("y", y).Int("w", width).Int("h", height).Finish());
}

void TPlayTraceList::Add(const TPlayTraceLine& item) {
  if (text_.size() > 1) text_ += ',';
  text_ += item.Finish();
}

void SetPlayTraceSink(PlayTraceSink sink, std::optional<uint32_t> seed) {
  State().sink = std::move(sink);
  State().seed = seed;
}

bool PlayTraceOn() { return static_cast<bool>(State().sink); }

std::optional<uint32_t> PlayTraceSeed() { return State().seed; }

void WritePlayTrace(const TPlayTraceLine& line) {
  // The sink may close the trace while it runs (a failed write).
  if (PlayTraceSink sink = State().sink) sink(line.Finish());
}

bool OpenPlayTraceFile(const std::string& path, std::optional<uint32_t> seed) {
  auto file = std::make_shared<std::ofstream>(path, std::ios::binary | std::ios::trunc);
  if (!*file) return false;
  SetPlayTraceSink(
      [file, path](std::string_view line) {
        *file << line << '\n';
        file->flush();
        if (*file) return;
        LogWarning("the play trace " + path + " could not be written; no more lines go to it");
        ClosePlayTrace();
      },
      seed);
  return true;
}

void ClosePlayTrace() { SetPlayTraceSink(nullptr, std::nullopt); }

}  // namespace corvellane
