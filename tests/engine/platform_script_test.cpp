#include <gtest/gtest.h>

#include "engine/platform/input_script.h"

namespace corvellane {
namespace {

ScriptEvent Point(uint32_t t, ScriptAction a, int x, int y) {
  ScriptEvent e;
  e.time = t;
  e.action = a;
  e.x = x;
  e.y = y;
  return e;
}

ScriptEvent Key(uint32_t t, KeyCode k) {
  ScriptEvent e;
  e.time = t;
  e.action = ScriptAction::Key;
  e.key = k;
  return e;
}

ScriptEvent Wheel(uint32_t t, int x, int y, int notches) {
  ScriptEvent e = Point(t, ScriptAction::Wheel, x, y);
  e.wheel = notches;
  return e;
}

ScriptEvent Named(uint32_t t, ScriptAction a, std::string text) {
  ScriptEvent e;
  e.time = t;
  e.action = a;
  e.text = std::move(text);
  return e;
}

TEST(InputScript, ParsesEveryEventKind) {
  InputScript script = ParseInputScript(
      "# a whole-line comment\n"
      "0 move 320 240\n"
      "\n"
      "  10\tdown 1 2   # trailing comment\n"
      "10 up -3 4\r\n"
      "20 click 100 200\n"
      "30 rdown 5 6\n"
      "31 rup 7 8\n"
      "32 wheel 9 10 -2\n"
      "40 key Enter\n"
      "41 key F11\n"
      "42 key q\n"
      "50 text Hello  world#1\n"
      "60 capture after_click.v2\n"
      "70 quit");
  ASSERT_FALSE(script.error) << script.error->message;
  std::vector<ScriptEvent> expected = {
      Point(0, ScriptAction::Move, 320, 240),   Point(10, ScriptAction::Down, 1, 2),
      Point(10, ScriptAction::Up, -3, 4),       Point(20, ScriptAction::Click, 100, 200),
      Point(30, ScriptAction::RightDown, 5, 6), Point(31, ScriptAction::RightUp, 7, 8),
      Wheel(32, 9, 10, -2),
      Key(40, KeyCode::Enter),                  Key(41, FunctionKey(11)),
      Key(42, KeyCode('Q')),                    Named(50, ScriptAction::Text, "Hello  world#1"),
      Named(60, ScriptAction::Capture, "after_click.v2"), Named(70, ScriptAction::Quit, ""),
  };
  EXPECT_EQ(script.events, expected);
}

TEST(InputScript, EmptyAndCommentOnlyScriptsHaveNoEvents) {
  for (const char* text : {"", "\n\n", "# nothing\n   # at all\n"}) {
    InputScript script = ParseInputScript(text);
    EXPECT_FALSE(script.error);
    EXPECT_TRUE(script.events.empty());
  }
}

struct BadLine {
  const char* text;
  int line;
  const char* mentions;
};

TEST(InputScript, MalformedLinesAreReportedWithTheirNumber) {
  const BadLine cases[] = {
      {"move 1 2", 1, "time"},
      {"-5 move 1 2", 1, "time"},
      {"0 move 1", 1, "coordinates"},
      {"0 move 1 2 3", 1, "unexpected"},
      {"0 move one 2", 1, "coordinates"},
      {"0 jump 1 2", 1, "jump"},
      {"0 move 1 2\n\n# c\n5 key Meta", 4, "Meta"},
      {"0 key", 1, "key"},
      {"0 text", 1, "text"},
      {"0 text # only a comment", 1, "text"},
      {"0 capture", 1, "capture"},
      {"0 capture ../escape", 1, "capture"},
      {"0 capture a/b", 1, "capture"},
      {"0 quit now", 1, "unexpected"},
      {"0 wheel 1 2", 1, "notches"},
      {"0 wheel 1 2 101", 1, "notches"},
      {"100 move 1 2\n50 move 1 2", 2, "backwards"},
      {"0 click 1 2\n1 CLICK 1 2", 2, "CLICK"},
  };
  for (const BadLine& c : cases) {
    InputScript script = ParseInputScript(c.text);
    ASSERT_TRUE(script.error) << c.text;
    EXPECT_EQ(script.error->line, c.line) << c.text;
    EXPECT_NE(script.error->message.find(c.mentions), std::string::npos) << script.error->message;
  }
}

TEST(InputScript, CaptureNamesMustBeSafeFileNames) {
  for (const char* good : {"a", "shot-1", "x.y", "A_9"}) EXPECT_TRUE(IsValidCaptureName(good)) << good;
  for (const char* bad : {"", ".hidden", "..", "a b", "a/b", "a\\b", "~x"}) EXPECT_FALSE(IsValidCaptureName(bad)) << bad;
}

}  // namespace
}  // namespace corvellane
