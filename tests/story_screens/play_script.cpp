#include "tests/story_screens/play_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "tests/story_screens/story_setup.h"
#include "tests/tools/subprocess.h"

namespace corvellane::testing {

namespace {

// The scene lies between the top bar and the panel's tray.
constexpr int32_t kSceneTop = 80;
constexpr int32_t kSceneBottom = 620;
// How near a click may come to a target and still be taken for it: the
// screen's neighbour points reach 3 pixels.
constexpr int32_t kClickReach = 4;

bool Near(TPoint point, const JsonValue& rect) {
  return point.x >= rect["x"].Int() - kClickReach && point.x < rect["x"].Int() + rect["w"].Int() + kClickReach &&
         point.y >= rect["y"].Int() - kClickReach && point.y < rect["y"].Int() + rect["h"].Int() + kClickReach;
}

}  // namespace

std::string ScriptLine(int ms, std::string_view what, TPoint at) {
  return std::to_string(ms) + " " + std::string(what) + " " + std::to_string(at.x) + " " + std::to_string(at.y) +
         "\n";
}

std::string ClickAt(int ms, TPoint at) { return ScriptLine(ms - 100, "move", at) + ScriptLine(ms, "click", at); }

std::string QuitAt(int ms) { return std::to_string(ms) + " quit\n"; }

std::string OpeningScript(const TaskPlace& place) {
  return ScriptLine(kMenuMs - 400, "move", kPlayButtons[place.copy]) +
         ScriptLine(kMenuMs, "click", kPlayButtons[place.copy]) + ScriptLine(kPinMs - 300, "move", place.pin) +
         ScriptLine(kPinMs, "click", place.pin);
}

TPoint PointOf(const JsonValue& value) {
  return {static_cast<int32_t>(value["x"].Int()), static_cast<int32_t>(value["y"].Int())};
}

TPoint CentreOf(const JsonValue& rect) {
  return {static_cast<int32_t>(rect["x"].Int() + rect["w"].Int() / 2),
          static_cast<int32_t>(rect["y"].Int() + rect["h"].Int() / 2)};
}

std::vector<JsonValue> ClickOrder(const JsonValue& level_start) {
  std::vector<JsonValue> order;
  for (bool in_view : {true, false})
    for (const JsonValue& target : level_start["targets"].items)
      if (target["in_view"].flag == in_view && target["group"].text != "right_part/objects_group")
        order.push_back(target);
  if (level_start["mode"].Int() == 4)
    std::stable_sort(order.begin(), order.end(),
                     [](const JsonValue& a, const JsonValue& b) { return a["panel"]["x"].Int() < b["panel"]["x"].Int(); });
  return order;
}

TPoint EmptyScenePoint(const JsonValue& level_start) {
  for (int32_t y = kSceneTop; y < kSceneBottom; y += 10) {
    for (int32_t x = 20; x < 1004; x += 10) {
      const TPoint point{x, y};
      const std::vector<JsonValue>& targets = level_start["targets"].items;
      if (std::none_of(targets.begin(), targets.end(),
                       [&](const JsonValue& target) { return Near(point, target["rect"]); }))
        return point;
    }
  }
  ADD_FAILURE() << "the targets cover the whole scene";
  return {512, 300};
}

TPlayProgram::TPlayProgram(const TempDir& dir, std::string name, const TaskPlace& place, const TaskParams& task_params)
    : dir_(dir), name_(std::move(name)), settings_(dir.path() / (name_ + "_settings")) {
  TaskParamChanges changes;
  if (!task_params.empty()) changes[place.task] = task_params;
  WriteStoryAtStage(settings_, "Tester", place.stage, place.tasks_done, changes);
}

TPlayProgram::TPlayProgram(const TempDir& dir, std::string name)
    : dir_(dir), name_(std::move(name)), settings_(dir.path() / (name_ + "_settings")) {
  std::filesystem::create_directories(settings_);
}

std::vector<JsonValue> TPlayProgram::Run(const std::string& script) {
  const std::string run = name_ + "_" + std::to_string(++runs_);
  setenv("CORVELLANE_SETTINGS_DIR", settings_.c_str(), 1);
  dir_.Write(run + ".txt", script);
  ProgramResult result = RunProgram(dir_, CORVELLANE_PROGRAM,
                                    {"--headless", "--seed", "11", "--input", dir_.File(run + ".txt"), "--trace",
                                     dir_.File(run + ".jsonl")});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return ReadTrace(dir_.File(run + ".jsonl"));
}

JsonValue FirstLevelStart(const TempDir& dir, const TaskPlace& place) {
  using Key = std::tuple<int, std::string, int>;
  static std::map<Key, JsonValue> seen;
  const Key key{place.copy, place.stage, place.tasks_done};
  if (auto known = seen.find(key); known != seen.end()) return known->second;
  TPlayProgram first(dir, "first", place);
  const std::vector<JsonValue> starts = Events(first.Run(OpeningScript(place) + QuitAt(kFirstClickMs - 1000)), "level_start");
  if (starts.size() != 1) {
    ADD_FAILURE() << "the level of " << place.task << " did not start";
    return {};
  }
  return seen[key] = starts.front();
}

}  // namespace corvellane::testing
