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

inline constexpr int32_t kKeyDown = 256;
inline constexpr int32_t kKeyUp = 257;
inline constexpr int32_t kKeyChar = 258;

inline constexpr int32_t kKeyTab = 9;

// Mouse messages arriving this soon after a screen becomes active are
// swallowed, so a double click that closed the previous screen does not
// also press something on the new one.
inline constexpr int32_t kMouseGuardMs = 200;

}  // namespace corvellane
