// scene_painting.h: the brushes the story scenes share.
//
// Every story scene is painted in a 1024 x 768 design space (BeginScene
// scales it to the asked size) out of the same furniture: wallpapers,
// planks, windows, shelves with their clutter, plants, crates, frames and
// soft light. Each helper takes its colours and a seed from the caller, so a
// scene gets its own palette and the same bytes on every build.
//
//   BeginScene(cr, width, height);
//   Wallpaper(cr, {0, 0, 1024, 560}, TWallpaper::kStripes, 0xFFD8E8D0, 0xFFC4DABB);
//   Shelf(cr, 80, 300, 260, kWalnut);
//   BookRow(cr, {84, 240, 250, 60}, 7, kLibraryBindings);
//   FinishScene(cr, {300, 200}, 0x60FFE8B0);   // light, grain and vignette
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>

namespace corvellane {

inline constexpr double kSceneWidth = 1024;
inline constexpr double kSceneHeight = 768;

struct TBox {
  double x, y, w, h;
  double Right() const { return x + w; }
  double Bottom() const { return y + h; }
  double CentreX() const { return x + w / 2; }
};

struct TPoint {
  double x, y;
};

using TPalette = std::span<const uint32_t>;

// Wooden colours shared by furniture in every room: light, mid, dark.
struct TWood {
  uint32_t light, mid, dark;
};
inline constexpr TWood kOak{0xFFD7A46A, 0xFFB07A45, 0xFF6E4526};
inline constexpr TWood kWalnut{0xFF9A6440, 0xFF74462A, 0xFF3E2414};
inline constexpr TWood kPine{0xFFE8C891, 0xFFCFA66A, 0xFF8C6638};
inline constexpr TWood kPaintedWhite{0xFFF6F1E6, 0xFFDCD4C4, 0xFF9E9484};

// Scales the context from the design space to the picture's size.
void BeginScene(cairo_t* cr, int width, int height);
// The painter's last coat: warm light from `light`, canvas grain and a soft
// darkening towards the corners.
void FinishScene(cairo_t* cr, TPoint light, uint32_t light_colour, uint64_t seed = 1);

// Shapes and fills.
void BoxPath(cairo_t* cr, const TBox& box);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void FillBox(cairo_t* cr, const TBox& box, uint32_t colour);
void FillBoxGradient(cairo_t* cr, const TBox& box, uint32_t top, uint32_t bottom);
void FillBoxSideways(cairo_t* cr, const TBox& box, uint32_t left, uint32_t right);
// Fill the current path (kept, for an outline) with colours spread evenly
// from left to right, from top to bottom, or from a lit inner circle out to
// the rim.
void FillAcross(cairo_t* cr, double left, double right, TPalette colours);
void FillDown(cairo_t* cr, double top, double bottom, TPalette colours);
void FillRound(cairo_t* cr, TPoint lit, double lit_radius, TPoint centre, double radius, TPalette colours);
// A closed outline through the corners, as the current path; filled in one colour.
void PolygonPath(cairo_t* cr, std::initializer_list<TPoint> corners);
void FillPolygon(cairo_t* cr, std::initializer_list<TPoint> corners, uint32_t colour);
// The same, lit from above: `top` at its highest corner to `bottom` at its lowest.
void ShadePolygon(cairo_t* cr, std::initializer_list<TPoint> corners, uint32_t top, uint32_t bottom);
// A filled disc.
void Dot(cairo_t* cr, double x, double y, double radius, uint32_t colour);
// Strokes the current path (and clears it).
void StrokePath(cairo_t* cr, uint32_t colour, double width);
// A soft oval shadow on the floor or under an object.
void SoftShadow(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t colour);
// A shaft of light between two edges: from (top_left, top_right) at the
// light's side down to (bottom_left, bottom_right), fading out.
void LightShaft(cairo_t* cr, TPoint top_left, TPoint top_right, TPoint bottom_right, TPoint bottom_left,
                uint32_t colour);
// Dust motes floating in the air of a box.
void DustMotes(cairo_t* cr, const TBox& box, int count, uint64_t seed, uint32_t colour);

// Outdoors: a cloud of overlapping puffs with a lit top and a shaded base,
// and the rolling edge of a lawn or hill filled down to `bottom`.
void Cloud(cairo_t* cr, double x, double y, double scale, uint32_t light, uint32_t shade);
void Hill(cairo_t* cr, double base, double amplitude, double phase, double bottom, uint32_t top_colour,
          uint32_t bottom_colour);

// Walls and floors.
enum class TWallpaper { kStripes, kDiamonds, kFlowers, kDamask, kPlain };
void Wallpaper(cairo_t* cr, const TBox& box, TWallpaper pattern, uint32_t base, uint32_t ink);
void Wainscot(cairo_t* cr, const TBox& box, uint32_t colour, int panels);
void Planks(cairo_t* cr, const TBox& box, const TWood& wood, double plank, bool vertical, uint64_t seed);
// Rows of tiles growing towards the viewer; a chequerboard, or staggered
// like brick paving.
void TiledFloor(cairo_t* cr, const TBox& box, uint32_t light, uint32_t dark, double tile, bool staggered);
void BrickWall(cairo_t* cr, const TBox& box, uint32_t brick, uint32_t mortar, uint64_t seed);
void Skirting(cairo_t* cr, double y, double height, uint32_t colour);

// Openings and textiles.
struct TWindowLook {
  uint32_t sky_top, sky_bottom, frame;
  int columns, rows;
  bool arched;
};
// `view` paints what is seen through the glass (clipped to it); without one
// the glass shows the look's sky.
using TWindowView = std::function<void(cairo_t* cr, const TBox& glass)>;
void SceneWindow(cairo_t* cr, const TBox& box, const TWindowLook& look, const TWindowView& view = {});
void Curtain(cairo_t* cr, const TBox& box, uint32_t colour, bool gathered_left);
void Rug(cairo_t* cr, double cx, double cy, double rx, double ry, TPalette colours);

}  // namespace corvellane
