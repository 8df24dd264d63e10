// play_script.h: the demo played through input scripts, as a player plays
// it: the way from the main menu to a task on the map, clicks on the targets
// that a level's trace names, and runs of the built program with a settings
// folder and a play trace.
//
//   const TaskPlace place{0, "petals", 0, "petals_1", {520, 205}};   // timed copy
//   TPlayProgram game(dir, "run1", place);                             // story written
//   std::vector<JsonValue> trace = game.Run(OpeningScript(place) + QuitAt(15000));
//   const JsonValue& start = Events(trace, "level_start").front();
//   std::string play = OpeningScript(place) + ClickAt(16000, PointOf(target["point"]));
//
// The story is the demo scenario with both copies at the task's stage
// (story_setup.h); tasks can be given other parameters ("given_time"...)
// before the run. A run started again in the same folder continues from
// what the last one saved.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/platform_interface.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {

// The main menu's Play buttons (timed, relaxed), risen by 8 s of the run.
inline constexpr TPoint kPlayButtons[] = {{252, 630}, {512, 630}};
inline constexpr int kMenuMs = 8000;
// The map shows the current stage's pins; the selected task's card covers
// its pin, so a click there starts the task.
inline constexpr int kPinMs = 10000;
// By then the level has loaded and its opening banner is gone.
inline constexpr int kFirstClickMs = 16000;
// The hint button's centre on the play screen.
inline constexpr TPoint kHintButton{67, 724};

// A task of the demo's first case and the pin that opens it on the map.
struct TaskPlace {
  int copy;           // 0 timed, 1 relaxed
  const char* stage;  // the copies stand at this stage...
  int tasks_done;     // ...with its first tasks completed
  const char* task;
  TPoint pin;
};

std::string ScriptLine(int ms, std::string_view what, TPoint at);
std::string ClickAt(int ms, TPoint at);  // a move there, then the click
std::string QuitAt(int ms);
// From the start of the program to the task's level.
std::string OpeningScript(const TaskPlace& place);

TPoint PointOf(const JsonValue& value);
TPoint CentreOf(const JsonValue& rect);
// The targets a player clicks, in order: those in the panel's view first
// (the others come into view as items leave); in the find-identical mode
// those of the left half; in the find-places mode in the panel's order.
std::vector<JsonValue> ClickOrder(const JsonValue& level_start);
// A point of the scene that no target is near (the screen tries points up
// to 3 pixels around a click), so a click there is a miss.
TPoint EmptyScenePoint(const JsonValue& level_start);

// The built program, headless, with the given seed, in a settings folder of
// the test's folder.
class TPlayProgram {
 public:
  // Task parameters set in both copies when the story is written.
  using TaskParams = std::map<std::string, std::string>;

  TPlayProgram(const TempDir& dir, std::string name, const TaskPlace& place, const TaskParams& task_params = {});
  // A first start: the settings folder holds no player yet.
  TPlayProgram(const TempDir& dir, std::string name);

  // Runs the script; the lines of the run's trace. Each run has a trace of
  // its own; the settings folder is kept between runs.
  std::vector<JsonValue> Run(const std::string& script);
  const std::filesystem::path& Settings() const { return settings_; }

 private:
  const TempDir& dir_;
  std::string name_;
  std::filesystem::path settings_;
  int runs_ = 0;
};

// The level-start line of the task's level as a first run shows it (the
// same seed gives the same level; kept for the test program's life).
JsonValue FirstLevelStart(const TempDir& dir, const TaskPlace& place);

}  // namespace corvellane::testing
