// trace_reader.h: reads a play trace (story_screens/play_trace.h) back, one
// JSON value a line, for tests that play the game as a player would.
//
//   std::vector<JsonValue> lines = ReadTrace(dir.File("trace.jsonl"));
//   const JsonValue& start = FirstEvent(lines, "level_start");
//   for (const JsonValue& target : start["targets"].items) ... target["point"]["x"].Int() ...
//
// Objects, lists, texts, numbers, true, false and null; a line that does
// not parse becomes a null value with `error` set.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace corvellane::testing {

struct JsonValue {
  enum class Kind { Null, Bool, Number, Text, List, Object } kind = Kind::Null;
  bool flag = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue, std::less<>> members;
  std::string error;

  // A member of an object; a null value for anything else.
  const JsonValue& operator[](std::string_view key) const;
  int64_t Int() const { return static_cast<int64_t>(number); }
  bool Has(std::string_view key) const { return members.find(key) != members.end(); }
};

JsonValue ParseJson(std::string_view text);
// One value per non-empty line of the file.
std::vector<JsonValue> ReadTrace(const std::string& path);
// The lines whose "event" is the name, in order.
std::vector<JsonValue> Events(const std::vector<JsonValue>& lines, std::string_view event);

}  // namespace corvellane::testing
