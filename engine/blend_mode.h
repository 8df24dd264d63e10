// blend_mode.h: the blend modes and draw modes of the drawing surfaces.
//
// Blend modes (the number is the enumeration index used in data):
//   0 "normal"       alpha compositing
//   1 "screen"       screen
//   2 "overlay"      overlay
//   3 "linearlight"  linear light
//   4 "addition"     additive
//   5 "maxopaque"    take the more opaque pixel
//   6 "bltfast"      plain copy, alpha ignored (fills draw nothing)
// Draw modes of image widgets: "copyrect" (DrawImage) and "fillcolor"
// (FillColor, the image acting as the mask).
#pragma once

#include <optional>
#include <string_view>

namespace corvellane {

enum class TBlendMode : int { Normal, Screen, Overlay, LinearLight, Addition, MaxOpaque, BltFast };
enum class TDrawMode : int { CopyRect, FillColor };

inline constexpr int kBlendModeCount = 7;

// The "/"-separated name lists the modes are stored by in data files.
inline constexpr std::string_view kBlendModeNames = "/normal/screen/overlay/linearlight/addition/maxopaque/bltfast";
inline constexpr std::string_view kDrawModeNames = "/copyrect/fillcolor";

// Lower-case data name of a mode, and back (exact match; none when unknown).
std::string_view BlendModeName(TBlendMode mode);
std::optional<TBlendMode> BlendModeFromName(std::string_view name);
std::string_view DrawModeName(TDrawMode mode);
std::optional<TDrawMode> DrawModeFromName(std::string_view name);

}  // namespace corvellane
