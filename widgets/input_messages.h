// input_messages.h: the message codes of mouse and key input given to widgets.
//
// Mouse messages carry the standard window-message numbers, so data and
// scripts that name them keep working; key messages likewise.
//
//   bool HandleMouse(int32_t message, TPoint p, uint32_t keys) override {
//     if (message == kMouseLeftUp) Click();
//     ...
#pragma once

#include <cstdint>

namespace corvellane {

inline constexpr int32_t kMouseMove = 512;
inline constexpr int32_t kMouseLeftDown = 513;
inline constexpr int32_t kMouseLeftUp = 514;
inline constexpr int32_t kMouseLeftDoubleClick = 515;
inline constexpr int32_t kMouseRightDown = 516;
inline constexpr int32_t kMouseRightUp = 517;
inline constexpr int32_t kMouseRightDoubleClick = 518;
inline constexpr int32_t kMouseMiddleDown = 519;
inline constexpr int32_t kMouseMiddleUp = 520;
inline constexpr int32_t kMouseMiddleDoubleClick = 521;
// The wheel turned: the high 16 bits of the key-state word hold the turn,
// signed, kWheelNotch per notch, positive away from the player.
inline constexpr int32_t kMouseWheel = 522;
inline constexpr int32_t kWheelNotch = 120;
inline constexpr int32_t WheelTurn(uint32_t keys) { return static_cast<int16_t>(keys >> 16); }

inline constexpr int32_t kKeyDown = 256;
inline constexpr int32_t kKeyUp = 257;
inline constexpr int32_t kKeyChar = 258;

inline constexpr int32_t kKeyTab = 9;

// Flags of key messages for the modifiers held (Alt and auto-repeat are
// bits 29 and 30, screens/platform_input.h).
inline constexpr uint32_t kKeyFlagShift = 1u << 26;
inline constexpr uint32_t kKeyFlagControl = 1u << 27;

// Mouse messages arriving this soon after a screen becomes active are
// swallowed, so a double click that closed the previous screen does not
// also press something on the new one.
inline constexpr int32_t kMouseGuardMs = 200;

}  // namespace corvellane
