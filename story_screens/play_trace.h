// play_trace.h: the play trace, one JSON object a line for what happens in
// a level, for tests and content authors (README.md lists the fields).
//
// The program opens the trace (corvellane --trace FILE); the play screen
// writes to it. Nothing is built while no trace is open, so a line costs
// nothing in normal play:
//
//   OpenPlayTraceFile("/tmp/play.jsonl", seed);        // app/main.cpp
//   if (PlayTraceOn())
//     WritePlayTrace(TPlayTraceLine("find").Int("t", 5200).Text("target", "vase_l2").Int("points", 316));
//     -> {"event":"find","t":5200,"target":"vase_l2","points":316}
//
// Values: texts are escaped as JSON strings (UTF-8 kept, control characters
// as \u00XX), whole numbers as they are, lists and objects by nesting lines
// built with TPlayTraceLine::Object() and TPlayTraceList. Each line is
// written and flushed at once, so a trace stays readable when the program
// is killed. A trace file that cannot be opened is an error of the command
// line; one that fails later is reported once in the log and closed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

// A JSON object being built, keys in the order they are added.
class TPlayTraceLine {
 public:
  // A line: {"event":EVENT, ...}.
  explicit TPlayTraceLine(std::string_view event);
  // A nested object with no "event" key.
  static TPlayTraceLine Object();

  TPlayTraceLine& Text(std::string_view key, std::string_view value);
  TPlayTraceLine& Int(std::string_view key, int64_t value);
  TPlayTraceLine& Bool(std::string_view key, bool value);
  TPlayTraceLine& Null(std::string_view key);
  // A value that is JSON already (a nested object or list).
  TPlayTraceLine& Json(std::string_view key, std::string_view json);
  TPlayTraceLine& Rect(std::string_view key, int32_t x, int32_t y, int32_t width, int32_t height);

  std::string Finish() const { return text_ + "}"; }

 private:
  TPlayTraceLine() = default;
  void Key(std::string_view key);

  std::string text_ = "{";
  bool empty_ = true;
};

// A JSON list of objects.
class TPlayTraceList {
 public:
  void Add(const TPlayTraceLine& item);
  std::string Finish() const { return text_ + "]"; }

 private:
  std::string text_ = "[";
};

// A JSON string literal of the text.
std::string JsonString(std::string_view text);

using PlayTraceSink = std::function<void(std::string_view line)>;

// Where lines go (none: no trace), and the random seed the run was given,
// which level-start lines report.
void SetPlayTraceSink(PlayTraceSink sink, std::optional<uint32_t> seed = std::nullopt);
bool PlayTraceOn();
std::optional<uint32_t> PlayTraceSeed();
void WritePlayTrace(const TPlayTraceLine& line);

// A sink writing to the file (created or emptied); false when it cannot be
// opened for writing.
bool OpenPlayTraceFile(const std::string& path, std::optional<uint32_t> seed);
void ClosePlayTrace();

}  // namespace corvellane
