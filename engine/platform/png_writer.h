// png_writer.h: writes a canvas to a PNG file (8-bit RGB; alpha is dropped,
// as it is when the canvas is shown on screen), or a picture with its
// transparency (8-bit RGBA, straight alpha as the surfaces keep it).
//
//   WritePng("shots/title.png", canvas);
//   WritePngWithAlpha("data/images/star.png", picture);
#pragma once

#include <string>

#include "engine/platform/platform_interface.h"

namespace corvellane {

// False when the canvas is empty or inconsistent or the file cannot be written.
bool WritePng(const std::string& path, const CanvasView& canvas);
bool WritePngWithAlpha(const std::string& path, const CanvasView& canvas);

}  // namespace corvellane
