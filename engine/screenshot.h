// screenshot.h: the picture the player keeps with F12.
//
// The engine writes what the game shows (the canvas, at the game's logical
// size) as a PNG into the player's pictures folder (shell/user_folders.h),
// named after the program and the local time; a second picture within the
// same second gets "-2", "-3"... rather than replacing the first. A folder
// that does not exist yet is created.
//
//   std::optional<std::string> file =
//       SaveScreenshot(view, PicturesFolder(SystemEnvironment()), "corvellane", std::time(nullptr));
//   // "/home/a/Pictures/corvellane-2024-06-01-18-30-05.png"
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "engine/platform/platform_interface.h"

namespace corvellane {

// The file written; none when the folder is empty or nothing could be written.
std::optional<std::string> SaveScreenshot(const CanvasView& canvas, const std::string& folder, std::string_view product,
                                          std::time_t now);

}  // namespace corvellane
