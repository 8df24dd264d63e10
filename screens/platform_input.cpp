#include "screens/platform_input.h"

#include <algorithm>
#include <string_view>

#include "engine/utf8_code_point.h"
#include "widgets/input_messages.h"

namespace corvellane {

namespace {

// Notches of one wheel event that still fit the 16 bits of the turn.
constexpr int32_t kWheelLimit = 0x7FFF / kWheelNotch;

uint32_t ButtonKey(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return kMouseKeyLeft;
    case MouseButton::Right: return kMouseKeyRight;
    case MouseButton::Middle: return kMouseKeyMiddle;
    case MouseButton::None: break;
  }
  return 0;
}

// The message of a press (up = false) or release of the button.
std::optional<int32_t> ButtonMessage(MouseButton button, bool up) {
  const int32_t offset = up ? 1 : 0;
  switch (button) {
    case MouseButton::Left: return kMouseLeftDown + offset;
    case MouseButton::Right: return kMouseRightDown + offset;
    case MouseButton::Middle: return kMouseMiddleDown + offset;
    case MouseButton::None: break;
  }
  return std::nullopt;
}

std::optional<int32_t> MouseMessage(const PlatformEvent& event) {
  switch (event.type) {
    case EventType::MouseMove: return kMouseMove;
    case EventType::MouseDown: return ButtonMessage(event.button, false);
    case EventType::MouseUp: return ButtonMessage(event.button, true);
    case EventType::MouseWheel: return kMouseWheel;
    default: return std::nullopt;
  }
}

// Bytes of the UTF-8 sequence of a code point (its shortest form, the only
// one FirstCodePoint accepts).
size_t EncodedLength(uint32_t code_point) {
  if (code_point < 0x80) return 1;
  if (code_point < 0x800) return 2;
  if (code_point < 0x10000) return 3;
  return 4;
}

std::vector<WidgetKeyInput> CharacterMessages(std::string_view text) {
  std::vector<WidgetKeyInput> messages;
  while (!text.empty()) {
    const std::optional<uint32_t> code_point = FirstCodePoint(text);
    if (!code_point) return {};
    messages.push_back({kKeyChar, static_cast<int32_t>(*code_point), 0});
    text.remove_prefix(EncodedLength(*code_point));
  }
  return messages;
}

uint32_t KeyFlags(const PlatformEvent& event) {
  return (event.alt ? kKeyFlagAlt : 0) | (event.repeat ? kKeyFlagRepeat : 0) | (event.shift ? kKeyFlagShift : 0) |
         (event.control ? kKeyFlagControl : 0);
}

}  // namespace

void TMouseButtons::Follow(const PlatformEvent& event) {
  if (event.type == EventType::MouseDown) held_ |= ButtonKey(event.button);
  if (event.type == EventType::MouseUp) held_ &= ~ButtonKey(event.button);
}

std::optional<WidgetMouseInput> TranslateMouse(const PlatformEvent& event, TMouseButtons& buttons) {
  const std::optional<int32_t> message = MouseMessage(event);
  if (!message) return std::nullopt;
  buttons.Follow(event);
  uint32_t keys = buttons.Held();
  if (event.shift) keys |= kMouseKeyShift;
  if (event.control) keys |= kMouseKeyControl;
  if (event.type == EventType::MouseWheel) {
    const int32_t turn = std::clamp(event.wheel, -kWheelLimit, kWheelLimit) * kWheelNotch;
    keys |= static_cast<uint32_t>(static_cast<uint16_t>(turn)) << 16;
  }
  return WidgetMouseInput{*message, event.position, keys};
}

std::vector<WidgetKeyInput> TranslateKey(const PlatformEvent& event) {
  const int32_t key = static_cast<int32_t>(event.key);
  switch (event.type) {
    case EventType::KeyDown: return {{kKeyDown, key, KeyFlags(event)}};
    case EventType::KeyUp: return {{kKeyUp, key, KeyFlags(event)}};
    case EventType::AltKey: return {{kKeyDown, key, KeyFlags(event) | kKeyFlagAlt}};
    case EventType::Text: return CharacterMessages(event.text);
    default: return {};
  }
}

}  // namespace corvellane
