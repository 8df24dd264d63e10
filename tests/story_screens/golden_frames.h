// golden_frames.h: a frame of the game compared with its reviewed picture in
// tests/golden/, or written there when the pictures are being renewed
// (CORVELLANE_UPDATE_GOLDEN=1; see tests/golden/README.md: look at every
// renewed picture before committing it).
//
//   EXPECT_TRUE(MatchesGolden(run.Engine().Canvas(), "level_statistics"));
//
// A picture that differs by a single pixel fails, naming where the frame
// was written for a look.
#pragma once

#include <string_view>

#include <gtest/gtest.h>

#include "engine/surface.h"

namespace corvellane::testing {

::testing::AssertionResult MatchesGolden(const ISurface& canvas, std::string_view name);

// The kept canvas equals a full redraw of the game; when not, both pictures
// are written for a look and the failure names them.
::testing::AssertionResult KeptCanvasIsAFullRedraw(const ISurface& kept, const ISurface& full, std::string_view when);

}  // namespace corvellane::testing
