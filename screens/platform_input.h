// platform_input.h: platform input events as the widget messages of
// widgets/input_messages.h.
//
// The engine reports mouse and keys as PlatformEvents; widgets take the
// window-message numbers with a key-state word. A screen translates:
//
//   TMouseButtons buttons;                    // kept per screen
//   if (std::optional<WidgetMouseInput> m = TranslateMouse(event, buttons))
//     handled = window->HandleMouse(m->message, m->point, m->keys);
//   for (const WidgetKeyInput& k : TranslateKey(event)) ...
//
// Key-state word of mouse messages: the buttons held (left 0x1, right 0x2,
// middle 0x10) and the modifiers (shift 0x4, control 0x8); a wheel message
// carries the turn in its high 16 bits (widgets/input_messages.h). Flags of
// key messages: Shift and Control (kKeyFlagShift, kKeyFlagControl), bit 29
// while Alt is held, bit 30 for an auto-repeated key. Typed text becomes
// one character message per code point.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/platform/platform_interface.h"

namespace corvellane {

inline constexpr uint32_t kMouseKeyLeft = 0x01;
inline constexpr uint32_t kMouseKeyRight = 0x02;
inline constexpr uint32_t kMouseKeyShift = 0x04;
inline constexpr uint32_t kMouseKeyControl = 0x08;
inline constexpr uint32_t kMouseKeyMiddle = 0x10;
inline constexpr uint32_t kKeyFlagAlt = 1u << 29;
inline constexpr uint32_t kKeyFlagRepeat = 1u << 30;

struct WidgetMouseInput {
  int32_t message = 0;
  TPoint point;
  uint32_t keys = 0;
};

struct WidgetKeyInput {
  int32_t message = 0;
  int32_t key = 0;
  uint32_t flags = 0;
};

// The mouse buttons held down, followed through the events that press and
// release them.
class TMouseButtons {
 public:
  void Follow(const PlatformEvent& event);
  uint32_t Held() const { return held_; }
  void Clear() { held_ = 0; }

 private:
  uint32_t held_ = 0;
};

// None for events that are not mouse messages. Follows the buttons first, so
// a press carries its own button in the key-state word.
std::optional<WidgetMouseInput> TranslateMouse(const PlatformEvent& event, TMouseButtons& buttons);

// Key down, key up, Alt + key (as key down) and typed text; empty for other
// events and for text that is not valid UTF-8.
std::vector<WidgetKeyInput> TranslateKey(const PlatformEvent& event);

}  // namespace corvellane
