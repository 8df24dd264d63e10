#include "tools/image_maker/scene_props.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

uint32_t Darker(uint32_t colour, float amount) { return MixColours(colour, 0xFF1A1018, amount); }
uint32_t Lighter(uint32_t colour, float amount) { return MixColours(colour, 0xFFFFFFFF, amount); }
uint32_t WithAlpha(uint32_t colour, uint32_t alpha) { return (colour & 0x00FFFFFF) | (alpha << 24); }

template <class T>
T Pick(TSeededRandom& random, std::span<const T> from) {
  return from[size_t(random.Next() % from.size())];
}

// A solid with a lit left face and a shaded right face: the one way every
// box-like prop here is shaded, so they all share the room's light.
void ShadedBox(cairo_t* cr, const TBox& box, uint32_t colour) {
  FillBoxSideways(cr, box, Lighter(colour, 0.12f), Darker(colour, 0.18f));
  BoxPath(cr, box);
  StrokePath(cr, Darker(colour, 0.45f), 1.2);
}

void Leaf(cairo_t* cr, double x, double y, double length, double angle, uint32_t colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -length * 0.32, length * 0.75, -length * 0.22, length, 0);
  cairo_curve_to(cr, length * 0.75, length * 0.22, length * 0.3, length * 0.32, 0, 0);
  SetColour(cr, colour);
  cairo_fill(cr);
  cairo_move_to(cr, length * 0.1, 0);
  cairo_line_to(cr, length * 0.85, 0);
  SetColour(cr, Lighter(colour, 0.3f));
  cairo_set_line_width(cr, std::max(0.6, length * 0.04));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void FlowerHead(cairo_t* cr, double x, double y, double r, uint32_t petal) {
  SetColour(cr, Darker(petal, 0.15f));
  for (int k = 0; k < 6; ++k) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + r * 0.55 * std::cos(k * M_PI / 3), y + r * 0.55 * std::sin(k * M_PI / 3), r * 0.5, 0, 2 * M_PI);
  }
  cairo_fill(cr);
  SetColour(cr, petal);
  for (int k = 0; k < 6; ++k) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + r * 0.5 * std::cos(k * M_PI / 3) - r * 0.06, y + r * 0.5 * std::sin(k * M_PI / 3) - r * 0.08,
              r * 0.4, 0, 2 * M_PI);
  }
  cairo_fill(cr);
  Dot(cr, x, y, r * 0.28, 0xFFFFD95A);
}

constexpr uint32_t kGreens[] = {0xFF3F6B3A, 0xFF4E8045, 0xFF5F9450, 0xFF79A85E, 0xFF8DBB6A};

}  // namespace

void Shelf(cairo_t* cr, double x, double y, double width, const TWood& wood) {
  SoftShadow(cr, x + width / 2, y + 16, width * 0.55, 9, 0x50000000);
  FillBoxGradient(cr, {x, y, width, 12}, wood.light, wood.mid);
  FillBox(cr, {x, y + 10, width, 3}, wood.dark);
  for (double bx : {x + width * 0.12, x + width * 0.88 - 10}) {
    FillPolygon(cr, {{bx, y + 12}, {bx + 10, y + 12}, {bx + 10, y + 32}}, wood.dark);
  }
}

void Cabinet(cairo_t* cr, const TBox& box, const TWood& wood, int drawers) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 14, 0x60000000);
  ShadedBox(cr, box, wood.mid);
  FillBoxGradient(cr, {box.x - 6, box.y - 10, box.w + 12, 12}, wood.light, wood.mid);
  const double gap = 8, h = (box.h - gap * (drawers + 1)) / drawers;
  for (int i = 0; i < drawers; ++i) {
    const TBox drawer{box.x + gap, box.y + gap + i * (h + gap), box.w - 2 * gap, h};
    ShadedBox(cr, drawer, Lighter(wood.mid, 0.06f));
    Dot(cr, drawer.CentreX(), drawer.y + h / 2, std::min(5.0, h / 5), 0xFFE2C070);
  }
}

void Table(cairo_t* cr, const TBox& top, const TWood& wood, uint32_t cloth) {
  const double floor = top.Bottom();
  SoftShadow(cr, top.CentreX(), floor, top.w * 0.55, 12, 0x60000000);
  for (double lx : {top.x + 14, top.Right() - 26})
    FillBoxSideways(cr, {lx, top.y + 12, 12, top.h - 12}, wood.mid, wood.dark);
  FillBoxGradient(cr, {top.x, top.y, top.w, 14}, wood.light, wood.dark);
  if ((cloth >> 24) == 0) return;
  // A cloth falling over the front with a scalloped hem.
  const double hem = top.y + top.h * 0.45;
  cairo_move_to(cr, top.x - 6, top.y - 2);
  cairo_line_to(cr, top.Right() + 6, top.y - 2);
  cairo_line_to(cr, top.Right() + 10, hem);
  const int scallops = std::max(3, int(top.w / 28));
  const double step = (top.w + 20) / scallops;
  for (int i = scallops; i > 0; --i)
    cairo_curve_to(cr, top.x - 10 + i * step - step * 0.3, hem + 10, top.x - 10 + (i - 1) * step + step * 0.3, hem + 10,
                   top.x - 10 + (i - 1) * step, hem);
  cairo_close_path(cr);
  FillVertical(cr, top.y, hem, Lighter(cloth, 0.1f), Darker(cloth, 0.12f));
  StrokePath(cr, Darker(cloth, 0.35f), 1);
}

void Crate(cairo_t* cr, const TBox& box, const TWood& wood) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 8, 0x50000000);
  const int slats = std::max(2, int(box.h / 22));
  const double slat = box.h / slats;
  for (int i = 0; i < slats; ++i)
    FillBoxGradient(cr, {box.x, box.y + i * slat + 1, box.w, slat - 2}, i % 2 ? wood.light : Lighter(wood.light, 0.08f),
                    wood.mid);
  for (double px : {box.x, box.Right() - 10}) FillBoxSideways(cr, {px, box.y, 10, box.h}, wood.mid, wood.dark);
  cairo_move_to(cr, box.x + 10, box.Bottom() - 3);
  cairo_line_to(cr, box.Right() - 10, box.y + 3);
  StrokePath(cr, wood.dark, 5);
}

void Basket(cairo_t* cr, const TBox& box, uint32_t colour) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.55, 7, 0x50000000);
  ShadePolygon(cr,
               {{box.x, box.y},
                {box.Right(), box.y},
                {box.Right() - box.w * 0.1, box.Bottom()},
                {box.x + box.w * 0.1, box.Bottom()}},
               colour, Darker(colour, 0.3f));
  // Weave: alternating short strokes row by row.
  cairo_save(cr);
  cairo_move_to(cr, box.x, box.y);
  cairo_line_to(cr, box.Right(), box.y);
  cairo_line_to(cr, box.Right() - box.w * 0.1, box.Bottom());
  cairo_line_to(cr, box.x + box.w * 0.1, box.Bottom());
  cairo_close_path(cr);
  cairo_clip(cr);
  SetColour(cr, Darker(colour, 0.4f));
  cairo_set_line_width(cr, 1.2);
  for (double y = box.y + 5; y < box.Bottom(); y += 7)
    for (double x = box.x + (int((y - box.y) / 7) % 2) * 5; x < box.Right(); x += 10) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + 5, y);
    }
  cairo_stroke(cr);
  cairo_restore(cr);
  FillBoxGradient(cr, {box.x - 3, box.y - 4, box.w + 6, 7}, Lighter(colour, 0.2f), Darker(colour, 0.2f));
}

void Barrel(cairo_t* cr, const TBox& box, const TWood& wood) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 8, 0x50000000);
  const double bulge = box.w * 0.08;
  cairo_move_to(cr, box.x + bulge, box.y);
  cairo_curve_to(cr, box.x - bulge, box.y + box.h * 0.3, box.x - bulge, box.y + box.h * 0.7, box.x + bulge,
                 box.Bottom());
  cairo_line_to(cr, box.Right() - bulge, box.Bottom());
  cairo_curve_to(cr, box.Right() + bulge, box.y + box.h * 0.7, box.Right() + bulge, box.y + box.h * 0.3,
                 box.Right() - bulge, box.y);
  cairo_close_path(cr);
  FillAcross(cr, box.x, box.Right(), std::array<uint32_t, 3>{wood.mid, wood.light, wood.dark});
  cairo_new_path(cr);
  for (double t : {0.16, 0.84}) FillBox(cr, {box.x - bulge * 0.5, box.y + box.h * t - 3, box.w + bulge, 6}, 0xFF4A4A50);
  EllipsePath(cr, box.CentreX(), box.y, box.w / 2 - bulge, 6);
  SetColour(cr, wood.dark);
  cairo_fill(cr);
}

void Sack(cairo_t* cr, const TBox& box, uint32_t colour) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 8, 0x50000000);
  cairo_move_to(cr, box.x + box.w * 0.3, box.y + box.h * 0.12);
  cairo_curve_to(cr, box.x - box.w * 0.05, box.y + box.h * 0.3, box.x - box.w * 0.05, box.Bottom(), box.x + box.w * 0.1,
                 box.Bottom());
  cairo_line_to(cr, box.Right() - box.w * 0.1, box.Bottom());
  cairo_curve_to(cr, box.Right() + box.w * 0.05, box.Bottom(), box.Right() + box.w * 0.05, box.y + box.h * 0.3,
                 box.x + box.w * 0.7, box.y + box.h * 0.12);
  cairo_curve_to(cr, box.x + box.w * 0.6, box.y - box.h * 0.02, box.x + box.w * 0.4, box.y - box.h * 0.02,
                 box.x + box.w * 0.3, box.y + box.h * 0.12);
  cairo_close_path(cr);
  FillRound(cr, {box.x + box.w * 0.35, box.y + box.h * 0.4}, 4, {box.CentreX(), box.y + box.h * 0.5}, box.w * 0.8,
            std::array<uint32_t, 2>{Lighter(colour, 0.2f), Darker(colour, 0.3f)});
  cairo_new_path(cr);
  // The tied neck.
  cairo_move_to(cr, box.x + box.w * 0.32, box.y + box.h * 0.15);
  cairo_line_to(cr, box.x + box.w * 0.68, box.y + box.h * 0.15);
  StrokePath(cr, 0xFF8A5A30, 3);
}

void Chair(cairo_t* cr, double x, double floor, double size, const TWood& wood, bool facing_left) {
  const double side = facing_left ? 1 : -1;
  SoftShadow(cr, x, floor, size * 0.45, 6, 0x50000000);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Back legs rise into the back rest.
  cairo_move_to(cr, x + side * size * 0.3, floor);
  cairo_line_to(cr, x + side * size * 0.3, floor - size * 1.1);
  cairo_move_to(cr, x - side * size * 0.25, floor);
  cairo_line_to(cr, x - side * size * 0.25, floor - size * 0.5);
  StrokePath(cr, wood.dark, size * 0.07);
  FillBoxGradient(cr, {x - size * 0.32, floor - size * 0.54, size * 0.64, size * 0.08}, wood.light, wood.mid);
  for (int slat = 0; slat < 3; ++slat)
    FillBox(cr, {x + side * size * 0.3 - size * 0.04, floor - size * (1.05 - slat * 0.15), size * 0.08, size * 0.06},
            wood.mid);
}

void Bookcase(cairo_t* cr, const TBox& box, const TWood& wood, int shelves, uint64_t seed, TPalette bindings) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 14, 0x60000000);
  FillBoxSideways(cr, box, wood.mid, wood.dark);
  const double side = 12, shelf = (box.h - 30) / shelves;
  FillBoxGradient(cr, {box.x + side, box.y + 14, box.w - 2 * side, box.h - 30}, Darker(wood.dark, 0.3f),
                  Darker(wood.dark, 0.1f));
  for (int i = 0; i < shelves; ++i) {
    const double bottom = box.y + 14 + (i + 1) * shelf;
    BookRow(cr, {box.x + side + 2, bottom - shelf + 8, box.w - 2 * side - 4, shelf - 14}, seed + uint64_t(i), bindings);
    FillBoxGradient(cr, {box.x + side, bottom - 6, box.w - 2 * side, 8}, wood.light, wood.mid);
  }
  FillBoxGradient(cr, {box.x - 8, box.y, box.w + 16, 16}, wood.light, wood.dark);
  FillBoxGradient(cr, {box.x - 4, box.Bottom() - 16, box.w + 8, 16}, wood.mid, wood.dark);
}

void Armchair(cairo_t* cr, double x, double floor, double size, uint32_t cloth) {
  SoftShadow(cr, x, floor, size * 0.7, 10, 0x70000000);
  // Back, seat cushion, two rolled arms, short legs.
  RoundedRectangle(cr, x - size * 0.45, floor - size * 1.15, size * 0.9, size * 0.8, size * 0.25);
  FillVertical(cr, floor - size * 1.15, floor - size * 0.35, Lighter(cloth, 0.15f), Darker(cloth, 0.2f));
  cairo_new_path(cr);
  for (int b = 0; b < 3; ++b) {
    Dot(cr, x - size * 0.2 + b * size * 0.2, floor - size * 0.85, size * 0.025, Darker(cloth, 0.35f));
  }
  RoundedRectangle(cr, x - size * 0.5, floor - size * 0.45, size, size * 0.3, size * 0.1);
  FillVertical(cr, floor - size * 0.45, floor - size * 0.15, Lighter(cloth, 0.1f), Darker(cloth, 0.25f));
  cairo_new_path(cr);
  for (double side : {-1.0, 1.0}) {
    RoundedRectangle(cr, x + side * size * 0.5 - size * 0.14, floor - size * 0.7, size * 0.28, size * 0.58,
                     size * 0.12);
    FillVertical(cr, floor - size * 0.7, floor - size * 0.12, Lighter(cloth, 0.2f), Darker(cloth, 0.3f));
    cairo_new_path(cr);
    FillBox(cr, {x + side * size * 0.42 - size * 0.03, floor - size * 0.13, size * 0.06, size * 0.13}, 0xFF3E2414);
  }
}

void Globe(cairo_t* cr, double x, double floor, double size) {
  SoftShadow(cr, x, floor, size * 0.4, 6, 0x60000000);
  cairo_move_to(cr, x - size * 0.3, floor);
  cairo_line_to(cr, x, floor - size * 0.5);
  cairo_line_to(cr, x + size * 0.3, floor);
  StrokePath(cr, kWalnut.dark, size * 0.05);
  const double cy = floor - size * 0.95, r = size * 0.42;
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, cy - r * 0.35, r * 0.1, x, cy, r);
  AddStop(p, 0, 0xFFBFE0E8);
  AddStop(p, 1, 0xFF3E7890);
  cairo_set_source(cr, p);
  cairo_arc(cr, x, cy, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Continents as soft blobs inside the sphere.
  cairo_save(cr);
  cairo_arc(cr, x, cy, r, 0, 2 * M_PI);
  cairo_clip(cr);
  SetColour(cr, 0xC0C8B070);
  EllipsePath(cr, x - r * 0.3, cy - r * 0.25, r * 0.35, r * 0.25);
  EllipsePath(cr, x + r * 0.25, cy + r * 0.2, r * 0.22, r * 0.4);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_arc(cr, x, cy, r * 1.12, M_PI * 0.6, M_PI * 1.9);
  StrokePath(cr, 0xFFD8B060, size * 0.04);
}

void Trunk(cairo_t* cr, const TBox& box, uint32_t leather) {
  SoftShadow(cr, box.CentreX(), box.Bottom(), box.w * 0.6, 9, 0x60000000);
  const double lid = box.h * 0.35;
  RoundedRectangle(cr, box.x, box.y, box.w, lid + 8, lid * 0.5);
  FillVertical(cr, box.y, box.y + lid, Lighter(leather, 0.2f), leather);
  cairo_new_path(cr);
  FillBoxGradient(cr, {box.x, box.y + lid, box.w, box.h - lid}, leather, Darker(leather, 0.3f));
  FillBox(cr, {box.x, box.y + lid - 2, box.w, 4}, Darker(leather, 0.5f));
  for (double t : {0.12, 0.88}) FillBoxSideways(cr, {box.x + box.w * t - 6, box.y, 12, box.h}, 0xFFB8A070, 0xFF6A5430);
  FillBoxGradient(cr, {box.CentreX() - 9, box.y + lid - 8, 18, 18}, 0xFFE8C878, 0xFF8A6424);
}

void Ladder(cairo_t* cr, TPoint foot, TPoint top, double width, const TWood& wood) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double side : {-width / 2, width / 2}) {
    cairo_move_to(cr, foot.x + side, foot.y);
    cairo_line_to(cr, top.x + side * 0.85, top.y);
  }
  StrokePath(cr, wood.mid, 7);
  const int rungs = int(std::hypot(top.x - foot.x, top.y - foot.y) / 34);
  for (int i = 1; i <= rungs; ++i) {
    const double t = double(i) / (rungs + 1);
    const double cx = foot.x + (top.x - foot.x) * t, cy = foot.y + (top.y - foot.y) * t;
    const double half = width / 2 * (1 - 0.15 * t);
    cairo_move_to(cr, cx - half, cy);
    cairo_line_to(cr, cx + half, cy);
  }
  StrokePath(cr, wood.light, 5);
}

void LampPost(cairo_t* cr, double x, double floor) {
  FillBoxSideways(cr, {x - 5, floor - 200, 10, 200}, 0xFF4A4A52, 0xFF1E1E24);
  FillBox(cr, {x - 12, floor - 14, 24, 14}, 0xFF2E2E34);
  RoundedRectangle(cr, x - 14, floor - 240, 28, 40, 6);
  SetColour(cr, 0xFFF6F0D8);
  cairo_fill_preserve(cr);
  StrokePath(cr, 0xFF2E2E34, 3);
  FillPolygon(cr, {{x - 20, floor - 240}, {x, floor - 258}, {x + 20, floor - 240}}, 0xFF2E2E34);
}

void PendantLamp(cairo_t* cr, double x, double y, double size, uint32_t shade, uint32_t glow) {
  cairo_move_to(cr, x, 0);
  cairo_line_to(cr, x, y);
  StrokePath(cr, 0xFF3A3036, 2);
  PaintGlow(cr, x, y + size * 0.6, size * 2.6, glow);
  cairo_move_to(cr, x - size * 0.2, y);
  cairo_line_to(cr, x + size * 0.2, y);
  cairo_curve_to(cr, x + size * 0.5, y + size * 0.2, x + size * 0.7, y + size * 0.45, x + size * 0.75, y + size * 0.6);
  cairo_line_to(cr, x - size * 0.75, y + size * 0.6);
  cairo_curve_to(cr, x - size * 0.7, y + size * 0.45, x - size * 0.5, y + size * 0.2, x - size * 0.2, y);
  cairo_close_path(cr);
  FillVertical(cr, y, y + size * 0.6, Lighter(shade, 0.25f), Darker(shade, 0.2f));
  cairo_new_path(cr);
  EllipsePath(cr, x, y + size * 0.6, size * 0.75, size * 0.1);
  SetColour(cr, 0xFFFFF1C4);
  cairo_fill(cr);
}

void WallClock(cairo_t* cr, double x, double y, double radius, uint32_t rim, double hour, double minute) {
  SoftShadow(cr, x + 4, y + 6, radius * 1.15, radius * 1.15, 0x40000000);
  Dot(cr, x, y, radius, rim);
  cairo_arc(cr, x, y, radius * 0.84, 0, 2 * M_PI);
  FillVertical(cr, y - radius, y + radius, 0xFFFFFBEF, 0xFFE9DEC8);
  cairo_new_path(cr);
  SetColour(cr, 0xFF3A3036);
  for (int k = 0; k < 12; ++k) {
    const double a = k * M_PI / 6;
    cairo_arc(cr, x + std::cos(a) * radius * 0.7, y + std::sin(a) * radius * 0.7, radius * (k % 3 ? 0.03 : 0.06), 0,
              2 * M_PI);
    cairo_fill(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double ha = (hour / 12 + minute / 720) * 2 * M_PI - M_PI / 2, ma = minute / 60 * 2 * M_PI - M_PI / 2;
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + std::cos(ha) * radius * 0.4, y + std::sin(ha) * radius * 0.4);
  StrokePath(cr, 0xFF2A2026, radius * 0.09);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + std::cos(ma) * radius * 0.62, y + std::sin(ma) * radius * 0.62);
  StrokePath(cr, 0xFF2A2026, radius * 0.05);
}

void BookRow(cairo_t* cr, const TBox& box, uint64_t seed, TPalette bindings) {
  TSeededRandom random(seed);
  double x = box.x;
  while (x < box.Right() - 6) {
    const double w = std::min(random.Range(7, 16), box.Right() - x);
    const double h = box.h * random.Range(0.68, 1.0);
    const bool leaning = random.Unit() < 0.08 && x + h < box.Right();
    const uint32_t colour = Pick(random, bindings);
    cairo_save(cr);
    cairo_translate(cr, x, box.Bottom());
    if (leaning) cairo_rotate(cr, 0.28);
    FillBoxSideways(cr, {0, -h, w, h}, Lighter(colour, 0.15f), Darker(colour, 0.25f));
    FillBox(cr, {0, -h + h * 0.14, w, 2.5}, 0xB0E8C878);
    FillBox(cr, {0, -h * 0.2, w, 2}, 0x90E8C878);
    cairo_restore(cr);
    x += w + (leaning ? h * 0.3 : random.Range(0.5, 1.5));
    if (random.Unit() < 0.07) x += random.Range(8, 20);  // a gap where a book is out
  }
}

void JarRow(cairo_t* cr, const TBox& box, uint64_t seed, TPalette contents) {
  TSeededRandom random(seed);
  for (double x = box.x; x < box.Right() - 14;) {
    const double w = random.Range(18, 30), h = std::min(box.h, w * random.Range(1.1, 1.7));
    const TBox jar{x, box.Bottom() - h, w, h};
    RoundedRectangle(cr, jar.x, jar.y + 6, jar.w, jar.h - 6, 5);
    SetColour(cr, 0x50E8F4F0);
    cairo_fill(cr);
    RoundedRectangle(cr, jar.x + 2, jar.y + jar.h * 0.35, jar.w - 4, jar.h * 0.65 - 2, 4);
    SetColour(cr, Pick(random, contents));
    cairo_fill(cr);
    FillBoxGradient(cr, {jar.x + 2, jar.y, jar.w - 4, 8}, 0xFFD8B060, 0xFF8A6428);
    FillBox(cr, {jar.x + 4, jar.y + 10, 3, jar.h - 16}, 0x60FFFFFF);
    x += w + random.Range(3, 8);
  }
}

void PotRow(cairo_t* cr, const TBox& box, uint64_t seed, TPalette pots, TPalette flowers) {
  TSeededRandom random(seed);
  for (double x = box.x + 20; x < box.Right() - 16; x += random.Range(36, 52)) {
    PottedPlant(cr, x, box.Bottom(), std::min(box.h, random.Range(42, 60)), Pick(random, pots), random.Next(),
                random.Unit() < 0.6 ? flowers : TPalette{});
  }
}

void StackedBooks(cairo_t* cr, double x, double base, double width, int count, uint64_t seed, TPalette bindings) {
  TSeededRandom random(seed);
  SoftShadow(cr, x, base, width * 0.6, 5, 0x50000000);
  double y = base;
  for (int i = 0; i < count; ++i) {
    const double w = width * random.Range(0.8, 1.05), h = random.Range(8, 13), shift = random.Range(-5, 5);
    const uint32_t colour = Pick(random, bindings);
    FillBoxGradient(cr, {x - w / 2 + shift, y - h, w, h}, Lighter(colour, 0.12f), Darker(colour, 0.25f));
    FillBox(cr, {x + w / 2 + shift - 5, y - h + 2, 4, h - 4}, 0xFFF2E8D4);  // the pages' edge
    y -= h;
  }
}

void TeaCup(cairo_t* cr, double x, double base, double size, uint32_t colour) {
  EllipsePath(cr, x, base, size * 0.75, size * 0.18);
  SetColour(cr, Lighter(colour, 0.4f));
  cairo_fill(cr);
  cairo_move_to(cr, x - size * 0.5, base - size * 0.55);
  cairo_curve_to(cr, x - size * 0.5, base - size * 0.05, x + size * 0.5, base - size * 0.05, x + size * 0.5,
                 base - size * 0.55);
  cairo_close_path(cr);
  FillVertical(cr, base - size * 0.55, base, Lighter(colour, 0.3f), colour);
  cairo_new_path(cr);
  cairo_arc(cr, x + size * 0.55, base - size * 0.36, size * 0.14, -M_PI / 2, M_PI / 2);
  StrokePath(cr, colour, size * 0.07);
}

void Bottle(cairo_t* cr, double x, double base, double height, uint32_t glass) {
  const double w = height * 0.32;
  cairo_move_to(cr, x - w / 2, base);
  cairo_line_to(cr, x - w / 2, base - height * 0.55);
  cairo_curve_to(cr, x - w / 2, base - height * 0.7, x - w * 0.18, base - height * 0.72, x - w * 0.16,
                 base - height * 0.8);
  cairo_line_to(cr, x - w * 0.16, base - height);
  cairo_line_to(cr, x + w * 0.16, base - height);
  cairo_line_to(cr, x + w * 0.16, base - height * 0.8);
  cairo_curve_to(cr, x + w * 0.18, base - height * 0.72, x + w / 2, base - height * 0.7, x + w / 2,
                 base - height * 0.55);
  cairo_line_to(cr, x + w / 2, base);
  cairo_close_path(cr);
  FillAcross(cr, x - w / 2, x + w / 2, std::array<uint32_t, 3>{Lighter(glass, 0.2f), glass, Darker(glass, 0.4f)});
  cairo_new_path(cr);
  FillBox(cr, {x - w * 0.3, base - height * 0.5, w * 0.12, height * 0.4}, 0x50FFFFFF);
}

void Candle(cairo_t* cr, double x, double base, double height, bool lit) {
  const double w = height * 0.22;
  if (lit) PaintGlow(cr, x, base - height - w, height * 1.4, 0x70FFD27A);
  FillBoxSideways(cr, {x - w / 2, base - height, w, height}, 0xFFFFF8E6, 0xFFE0D2B4);
  if (!lit) return;
  cairo_move_to(cr, x, base - height - w * 1.6);
  cairo_curve_to(cr, x + w * 0.45, base - height - w * 0.6, x + w * 0.3, base - height, x, base - height);
  cairo_curve_to(cr, x - w * 0.3, base - height, x - w * 0.45, base - height - w * 0.6, x, base - height - w * 1.6);
  FillVertical(cr, base - height - w * 1.6, base - height, 0xFFFFF6C0, 0xFFFF9A30);
  cairo_new_path(cr);
}

void LeafCluster(cairo_t* cr, double cx, double cy, double radius, int leaves, uint64_t seed, TPalette greens) {
  TSeededRandom random(seed);
  for (int i = 0; i < leaves; ++i) {
    const double a = random.Range(0, 2 * M_PI), d = random.Range(0, radius * 0.4);
    Leaf(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.7, radius * random.Range(0.5, 0.9),
         a + random.Range(-0.4, 0.4), Pick(random, greens.empty() ? TPalette(kGreens) : greens));
  }
}

void FlowerHeads(cairo_t* cr, double cx, double cy, double radius, int count, uint64_t seed, TPalette petals) {
  TSeededRandom random(seed);
  for (int i = 0; i < count; ++i) {
    const double a = random.Range(0, 2 * M_PI), d = std::sqrt(random.Unit()) * radius;
    FlowerHead(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.8, random.Range(5, 9), Pick(random, petals));
  }
}

void PottedPlant(cairo_t* cr, double x, double base, double size, uint32_t pot, uint64_t seed, TPalette petals) {
  const double pot_h = size * 0.38, pot_w = size * 0.42;
  SoftShadow(cr, x, base, pot_w * 0.8, 4, 0x50000000);
  LeafCluster(cr, x, base - pot_h - size * 0.12, size * 0.5, 14, seed, {});
  if (!petals.empty()) FlowerHeads(cr, x, base - pot_h - size * 0.3, size * 0.28, 5, seed + 1, petals);
  cairo_move_to(cr, x - pot_w / 2, base - pot_h);
  cairo_line_to(cr, x + pot_w / 2, base - pot_h);
  cairo_line_to(cr, x + pot_w * 0.38, base);
  cairo_line_to(cr, x - pot_w * 0.38, base);
  cairo_close_path(cr);
  FillAcross(cr, x - pot_w / 2, x + pot_w / 2, std::array<uint32_t, 2>{Lighter(pot, 0.15f), Darker(pot, 0.3f)});
  cairo_new_path(cr);
  FillBoxSideways(cr, {x - pot_w * 0.56, base - pot_h - 2, pot_w * 1.12, pot_h * 0.24}, Lighter(pot, 0.2f),
                  Darker(pot, 0.2f));
}

void HangingPlant(cairo_t* cr, double x, double top, double size, uint32_t pot, uint64_t seed) {
  const double bowl_y = top + size;
  for (double dx : {-size * 0.4, 0.0, size * 0.4}) {
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + dx, bowl_y);
  }
  StrokePath(cr, 0xFF8A6A48, 1.2);
  TSeededRandom random(seed);
  // Trailing stems spilling over the rim.
  for (int stem = 0; stem < 7; ++stem) {
    const double sx = x + random.Range(-size * 0.45, size * 0.45), length = random.Range(size * 0.5, size * 1.4);
    for (double t = 0; t < length; t += 9)
      Leaf(cr, sx + std::sin(t / 14 + stem) * 5, bowl_y + t, random.Range(8, 13), M_PI / 2 + random.Range(-1.2, 1.2),
           kGreens[random.Next() % 5]);
  }
  LeafCluster(cr, x, bowl_y - 6, size * 0.5, 12, seed + 3, {});
  cairo_move_to(cr, x - size * 0.45, bowl_y);
  cairo_curve_to(cr, x - size * 0.4, bowl_y + size * 0.4, x + size * 0.4, bowl_y + size * 0.4, x + size * 0.45, bowl_y);
  cairo_close_path(cr);
  FillVertical(cr, bowl_y, bowl_y + size * 0.3, Lighter(pot, 0.1f), Darker(pot, 0.3f));
  cairo_new_path(cr);
}

void Foliage(cairo_t* cr, double cx, double cy, double rx, double ry, uint64_t seed, TPalette greens) {
  TSeededRandom random(seed);
  const int blobs = int(rx * ry / 300) + 10;
  // Back to front, darker to lighter: each puff is a shaded disc with a lit
  // cap towards the upper left, the way a painter blocks in a tree.
  for (int layer = 0; layer < 3; ++layer) {
    for (int i = 0; i < blobs / 3; ++i) {
      const double a = random.Range(0, 2 * M_PI), d = std::sqrt(random.Unit()) * (1 - layer * 0.2);
      const double x = cx + std::cos(a) * d * rx * 0.8, y = cy + std::sin(a) * d * ry * 0.8 - layer * ry * 0.08;
      const double r = std::min(rx, ry) * random.Range(0.2, 0.32);
      const uint32_t base = greens[std::min(greens.size() - 1, size_t(layer))];
      Dot(cr, x, y, r, Darker(base, 0.12f));
      Dot(cr, x - r * 0.18, y - r * 0.2, r * 0.78, greens[std::min(greens.size() - 1, size_t(layer + 1))]);
    }
  }
  // Leaf dabs over the lit side.
  for (int i = 0; i < blobs * 3; ++i) {
    const double a = random.Range(0, 2 * M_PI), d = std::sqrt(random.Unit()) * 0.85;
    SetColour(cr, WithAlpha(Lighter(greens.back(), 0.25f), 110));
    EllipsePath(cr, cx + std::cos(a) * d * rx, cy + std::sin(a) * d * ry - ry * 0.1, 3.5, 2.2);
    cairo_fill(cr);
  }
}

void FramedLandscape(cairo_t* cr, const TBox& box, uint32_t frame, uint64_t seed) {
  TSeededRandom random(seed);
  SoftShadow(cr, box.CentreX() + 5, box.y + box.h * 0.55, box.w * 0.62, box.h * 0.62, 0x40000000);
  FillBoxGradient(cr, box, Lighter(frame, 0.25f), Darker(frame, 0.3f));
  const double b = std::max(5.0, box.w * 0.09);
  const TBox art{box.x + b, box.y + b, box.w - 2 * b, box.h - 2 * b};
  const uint32_t skies[] = {0xFF9CC4E4, 0xFFF0B48A, 0xFFB8A8D8, 0xFFA8D4D0};
  FillBoxGradient(cr, art, skies[random.Next() % 4], 0xFFFBEBCB);
  cairo_save(cr);
  BoxPath(cr, art);
  cairo_clip(cr);
  for (int hill = 0; hill < 2; ++hill) {
    const double y = art.y + art.h * (0.55 + 0.15 * hill);
    cairo_move_to(cr, art.x, art.Bottom());
    cairo_line_to(cr, art.x, y);
    cairo_curve_to(cr, art.x + art.w * 0.3, y - art.h * random.Range(0.1, 0.3), art.x + art.w * 0.6, y + art.h * 0.1,
                   art.Right(), y - art.h * random.Range(0, 0.2));
    cairo_line_to(cr, art.Right(), art.Bottom());
    cairo_close_path(cr);
    SetColour(cr, hill == 0 ? 0xFF7FA070 : 0xFF5A8050);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  BoxPath(cr, art);
  StrokePath(cr, Darker(frame, 0.5f), 1);
}

void FramedPortrait(cairo_t* cr, const TBox& box, uint32_t frame, uint32_t backdrop, uint32_t coat) {
  SoftShadow(cr, box.CentreX() + 5, box.y + box.h * 0.55, box.w * 0.62, box.h * 0.62, 0x40000000);
  EllipsePath(cr, box.CentreX(), box.y + box.h / 2, box.w / 2, box.h / 2);
  FillVertical(cr, box.y, box.Bottom(), Lighter(frame, 0.3f), Darker(frame, 0.3f));
  cairo_new_path(cr);
  const double rx = box.w / 2 * 0.8, ry = box.h / 2 * 0.82, cy = box.y + box.h / 2;
  cairo_save(cr);
  EllipsePath(cr, box.CentreX(), cy, rx, ry);
  cairo_clip(cr);
  FillBoxGradient(cr, box, Lighter(backdrop, 0.2f), Darker(backdrop, 0.2f));
  // A sitter: shoulders and a head, in the style of old oil portraits.
  EllipsePath(cr, box.CentreX(), box.Bottom() - ry * 0.1, rx * 0.95, ry * 0.55);
  SetColour(cr, coat);
  cairo_fill(cr);
  EllipsePath(cr, box.CentreX(), cy - ry * 0.2, rx * 0.36, ry * 0.42);
  SetColour(cr, 0xFFE8C0A0);
  cairo_fill(cr);
  EllipsePath(cr, box.CentreX(), cy - ry * 0.5, rx * 0.4, ry * 0.22);
  SetColour(cr, Darker(coat, 0.4f));
  cairo_fill(cr);
  cairo_restore(cr);
}

void Bunting(cairo_t* cr, TPoint from, TPoint to, double sag, int flags, TPalette colours) {
  const TPoint mid{(from.x + to.x) / 2, (from.y + to.y) / 2 + sag};
  cairo_move_to(cr, from.x, from.y);
  cairo_curve_to(cr, mid.x - (to.x - from.x) * 0.25, mid.y, mid.x + (to.x - from.x) * 0.25, mid.y, to.x, to.y);
  StrokePath(cr, 0xFF5A4040, 1.2);
  for (int i = 0; i < flags; ++i) {
    const double t = (i + 0.5) / flags, u = 1 - t;
    const TPoint c1{mid.x - (to.x - from.x) * 0.25, mid.y}, c2{mid.x + (to.x - from.x) * 0.25, mid.y};
    const double x = u * u * u * from.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * to.x;
    const double y = u * u * u * from.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * to.y;
    FillPolygon(cr, {{x - 8, y}, {x + 8, y}, {x, y + 18}}, colours[size_t(i) % colours.size()]);
  }
}

}  // namespace corvellane
