// scene_props.h: the furniture, clutter, plants and pictures of the story
// scenes, painted with the brushes of scene_painting.h.
//
// Rows of clutter stand on the bottom edge of their box and fill its width;
// the seed decides sizes and colours, so two shelves filled from different
// seeds never look alike.
//
//   Shelf(cr, 80, 300, 260, kWalnut);
//   BookRow(cr, {84, 236, 250, 64}, 7, kBindings);
//   PottedPlant(cr, 520, 300, 70, 0xFFC8643C, 3, kPetals);
#pragma once

#include "tools/image_maker/scene_painting.h"

namespace corvellane {

// Furniture.
void Shelf(cairo_t* cr, double x, double y, double width, const TWood& wood);
void Cabinet(cairo_t* cr, const TBox& box, const TWood& wood, int drawers);
void Table(cairo_t* cr, const TBox& top, const TWood& wood, uint32_t cloth);
void Crate(cairo_t* cr, const TBox& box, const TWood& wood);
void Basket(cairo_t* cr, const TBox& box, uint32_t colour);
void Barrel(cairo_t* cr, const TBox& box, const TWood& wood);
void Sack(cairo_t* cr, const TBox& box, uint32_t colour);
void Chair(cairo_t* cr, double x, double floor, double size, const TWood& wood, bool facing_left);
// A bookcase of `shelves` boards filled with books (and a few gaps).
void Bookcase(cairo_t* cr, const TBox& box, const TWood& wood, int shelves, uint64_t seed, TPalette bindings);
void Armchair(cairo_t* cr, double x, double floor, double size, uint32_t cloth);
void Globe(cairo_t* cr, double x, double floor, double size);
void Trunk(cairo_t* cr, const TBox& box, uint32_t leather);
void Ladder(cairo_t* cr, TPoint foot, TPoint top, double width, const TWood& wood);
// A cast-iron lamp post standing on the ground at (x, floor).
void LampPost(cairo_t* cr, double x, double floor);
void PendantLamp(cairo_t* cr, double x, double y, double size, uint32_t shade, uint32_t glow);
void WallClock(cairo_t* cr, double x, double y, double radius, uint32_t rim, double hour, double minute);

// Clutter on shelves and tables; rows stand on the box's bottom edge.
void BookRow(cairo_t* cr, const TBox& box, uint64_t seed, TPalette bindings);
void JarRow(cairo_t* cr, const TBox& box, uint64_t seed, TPalette contents);
void PotRow(cairo_t* cr, const TBox& box, uint64_t seed, TPalette pots, TPalette flowers);
void StackedBooks(cairo_t* cr, double x, double base, double width, int count, uint64_t seed, TPalette bindings);
void TeaCup(cairo_t* cr, double x, double base, double size, uint32_t colour);
void Bottle(cairo_t* cr, double x, double base, double height, uint32_t glass);
void Candle(cairo_t* cr, double x, double base, double height, bool lit);

// Plants.
void LeafCluster(cairo_t* cr, double cx, double cy, double radius, int leaves, uint64_t seed, TPalette greens);
void FlowerHeads(cairo_t* cr, double cx, double cy, double radius, int count, uint64_t seed, TPalette petals);
void PottedPlant(cairo_t* cr, double x, double base, double size, uint32_t pot, uint64_t seed, TPalette petals);
void HangingPlant(cairo_t* cr, double x, double top, double size, uint32_t pot, uint64_t seed);
void Foliage(cairo_t* cr, double cx, double cy, double rx, double ry, uint64_t seed, TPalette greens);

// Pictures on the walls.
void FramedLandscape(cairo_t* cr, const TBox& box, uint32_t frame, uint64_t seed);
void FramedPortrait(cairo_t* cr, const TBox& box, uint32_t frame, uint32_t backdrop, uint32_t coat);
void Bunting(cairo_t* cr, TPoint from, TPoint to, double sag, int flags, TPalette colours);

}  // namespace corvellane
