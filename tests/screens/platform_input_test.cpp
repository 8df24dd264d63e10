// Platform events become the widget messages screens hand to their widgets.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "screens/platform_input.h"
#include "widgets/input_messages.h"

namespace corvellane {
namespace {

PlatformEvent Mouse(EventType type, MouseButton button = MouseButton::None, bool shift = false) {
  PlatformEvent e;
  e.type = type;
  e.button = button;
  e.position = {12, 34};
  e.shift = shift;
  return e;
}

TEST(PlatformInput, MouseEventsCarryTheirMessageAndTheButtonsHeld) {
  struct Step {
    PlatformEvent event;
    int32_t message;
    uint32_t keys;
  };
  const Step steps[] = {
      {Mouse(EventType::MouseMove), kMouseMove, 0},
      {Mouse(EventType::MouseDown, MouseButton::Left), kMouseLeftDown, kMouseKeyLeft},
      {Mouse(EventType::MouseMove, MouseButton::None, true), kMouseMove, kMouseKeyLeft | kMouseKeyShift},
      {Mouse(EventType::MouseDown, MouseButton::Right), kMouseRightDown, kMouseKeyLeft | kMouseKeyRight},
      {Mouse(EventType::MouseUp, MouseButton::Left), kMouseLeftUp, kMouseKeyRight},
      {Mouse(EventType::MouseUp, MouseButton::Right), kMouseRightUp, 0},
      {Mouse(EventType::MouseDown, MouseButton::Middle), kMouseMiddleDown, kMouseKeyMiddle},
      {Mouse(EventType::MouseUp, MouseButton::Middle), kMouseMiddleUp, 0},
  };
  TMouseButtons buttons;
  for (const Step& step : steps) {
    const std::optional<WidgetMouseInput> input = TranslateMouse(step.event, buttons);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->message, step.message);
    EXPECT_EQ(input->keys, step.keys) << "message " << step.message;
    EXPECT_EQ(input->point, (TPoint{12, 34}));
  }
}

TEST(PlatformInput, OnlyMouseEventsAreMouseMessages) {
  TMouseButtons buttons;
  EXPECT_FALSE(TranslateMouse(Mouse(EventType::KeyDown), buttons));
  EXPECT_FALSE(TranslateMouse(Mouse(EventType::MouseDown, MouseButton::None), buttons));
}

TEST(PlatformInput, KeysAndTypedText) {
  PlatformEvent tab;
  tab.type = EventType::KeyUp;
  tab.key = KeyCode::Tab;
  PlatformEvent repeated;
  repeated.type = EventType::KeyDown;
  repeated.key = KeyCode('A');
  repeated.repeat = true;
  PlatformEvent alt;
  alt.type = EventType::AltKey;
  alt.key = KeyCode('F');
  PlatformEvent text;
  text.type = EventType::Text;
  text.text = "a\xC3\xA9\xE2\x82\xAC";  // a, e acute, euro sign

  struct Case {
    PlatformEvent event;
    std::vector<std::tuple<int32_t, int32_t, uint32_t>> expected;
  };
  const Case cases[] = {
      {tab, {{kKeyUp, kKeyTab, 0}}},
      {repeated, {{kKeyDown, 'A', kKeyFlagRepeat}}},
      {alt, {{kKeyDown, 'F', kKeyFlagAlt}}},
      {text, {{kKeyChar, 'a', 0}, {kKeyChar, 0xE9, 0}, {kKeyChar, 0x20AC, 0}}},
  };
  for (const Case& c : cases) {
    std::vector<std::tuple<int32_t, int32_t, uint32_t>> got;
    for (const WidgetKeyInput& k : TranslateKey(c.event)) got.emplace_back(k.message, k.key, k.flags);
    EXPECT_EQ(got, c.expected);
  }
}

TEST(PlatformInput, DamagedTextTypesNothing) {
  PlatformEvent text;
  text.type = EventType::Text;
  text.text = "ok\xC3";  // cut in the middle of a character
  EXPECT_TRUE(TranslateKey(text).empty());
  text.type = EventType::FocusLost;
  EXPECT_TRUE(TranslateKey(text).empty());
}

}  // namespace
}  // namespace corvellane
