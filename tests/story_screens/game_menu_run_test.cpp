// The menu over a level as a player uses it, in the built program: Escape
// opens it over the running level; Escape again, a click beside it or its
// first button resume the level; "Start again" and "Back to the map" ask
// first, and a yes restarts the level or leaves it to resume later, a no
// keeps the menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/class_list.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr TaskPlace kPlace{0, "petals", 0, "petals_1", {520, 205}};
// The menu's buttons, and the question's answers.
constexpr TPoint kResume{512, 284};
constexpr TPoint kRestart{512, 444};
constexpr TPoint kToMap{512, 524};
constexpr TPoint kBeside{60, 200};
constexpr TPoint kYes{512, 520};
constexpr TPoint kNo{512, 444};
constexpr int kMenuMs = kFirstClickMs;
constexpr int kStep = 1500;

std::string KeyAt(int ms, std::string_view key) { return std::to_string(ms) + " key " + std::string(key) + "\n"; }

struct MenuCase {
  const char* name;
  std::string actions;  // after the menu opened
  // What the trace tells of the level: its ends by reason, its starts.
  std::vector<std::string> end_reasons;
  size_t starts;
  // A click on a target after the menu closed finds it: the level went on.
  bool goes_on;
};

std::vector<MenuCase> Cases() {
  return {
      {"EscapeResumes", KeyAt(kMenuMs + kStep, "Escape"), {}, 1, true},
      {"ClickBesideResumes", ClickAt(kMenuMs + kStep, kBeside), {}, 1, true},
      {"ResumeButton", ClickAt(kMenuMs + kStep, kResume), {}, 1, true},
      {"RestartAnsweredYes", ClickAt(kMenuMs + kStep, kRestart) + ClickAt(kMenuMs + 2 * kStep, kYes), {"restart"}, 2,
       false},
      {"RestartAnsweredNoThenResumed",
       ClickAt(kMenuMs + kStep, kRestart) + ClickAt(kMenuMs + 2 * kStep, kNo) + ClickAt(kMenuMs + 3 * kStep, kResume),
       {},
       1,
       true},
      {"BackToTheMapAnsweredYes", ClickAt(kMenuMs + kStep, kToMap) + ClickAt(kMenuMs + 2 * kStep, kYes), {"quit"}, 1,
       false},
  };
}

class GameMenuRun : public ::testing::TestWithParam<MenuCase> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
  TempDir dir_;
};

TEST_P(GameMenuRun, TheMenuResumesRestartsOrLeavesTheLevelAsAnswered) {
  const MenuCase& c = GetParam();
  TPlayProgram game(dir_, "menu", kPlace);
  const JsonValue start = FirstLevelStart(dir_, kPlace);
  const std::vector<JsonValue> targets = ClickOrder(start);
  ASSERT_FALSE(targets.empty());
  std::string script = OpeningScript(kPlace) + KeyAt(kMenuMs, "Escape") + c.actions;
  if (c.goes_on) script += ClickAt(kMenuMs + 5 * kStep, PointOf(targets.front()["point"]));
  script += QuitAt(kMenuMs + 6 * kStep);
  const std::vector<JsonValue> trace = game.Run(script);

  std::vector<std::string> reasons;
  for (const JsonValue& end : Events(trace, "level_end")) reasons.push_back(end["reason"].text);
  // Closing the program ends a level still running, as a quit.
  if (!reasons.empty() && c.end_reasons.size() < reasons.size() && reasons.back() == "quit") reasons.pop_back();
  EXPECT_EQ(reasons, c.end_reasons);
  EXPECT_EQ(Events(trace, "level_start").size(), c.starts);

  EXPECT_TRUE(Events(trace, "wrong_click").empty()) << "every click went to the menu or its question";
  // The restarted level has new objects, and the map has none.
  if (c.goes_on) EXPECT_EQ(Events(trace, "find").size(), 1u) << "the level went on after the menu";
}

INSTANTIATE_TEST_SUITE_P(Answers, GameMenuRun, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvellane::testing
