// Story scene: the beach below the town at midday, where Nerissa keeps the
// shell stall. Striped bathing huts on the left, the lighthouse on its
// headland, the old pier walking out into a turquoise sea, deck chairs,
// towels, a rowing boat drawn up on the sand and rock pools in front. Also
// the rocks with their seaweed, as a sprite the scene data lays over hidden
// objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kHorizon = 250;
constexpr double kShore = 390;
constexpr uint32_t kHutColours[] = {0xFFE8475F, 0xFF4AA0D8, 0xFFF2C04A, 0xFF7CC17A};

void SkyAndSea(cairo_t* cr) {
  FillBoxGradient(cr, {0, 0, kSceneWidth, kHorizon}, 0xFF3E8ED8, 0xFFBFE4F4);
  PaintGlow(cr, 860, 70, 200, 0xB0FFFFE0);
  Cloud(cr, 140, 80, 0.9, 0xFFFFFFFF, 0xFFDCEAF4);
  Cloud(cr, 520, 120, 0.6, 0xF0FFFFFF, 0xFFD8E8F2);
  cairo_rectangle(cr, 0, kHorizon, kSceneWidth, kShore - kHorizon);
  FillDown(cr, kHorizon, kShore, std::array<uint32_t, 3>{0xFF2E7AA8, 0xFF3AA8B8, 0xFF7AD8D0});
  cairo_new_path(cr);
  TSeededRandom random(601);
  SetColour(cr, 0x80FFFFFF);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < 60; ++i) {
    const double y = random.Range(kHorizon + 6, kShore - 10), x = random.Range(0, kSceneWidth);
    const double w = 6 + (y - kHorizon) * 0.15;
    cairo_move_to(cr, x - w, y);
    cairo_curve_to(cr, x - w / 2, y - 2, x + w / 2, y - 2, x + w, y);
    cairo_stroke(cr);
  }
}

void Sailboat(cairo_t* cr, double x, double y, double size) {
  FillPolygon(cr, {{x - size, y}, {x + size, y}, {x + size * 0.7, y + size * 0.3}, {x - size * 0.7, y + size * 0.3}},
              0xFF8A4A3A);
  FillPolygon(cr, {{x, y - 2}, {x, y - size * 1.8}, {x + size * 0.9, y - 4}}, 0xFFF8F4EC);
}

void Headland(cairo_t* cr) {
  cairo_move_to(cr, 0, kHorizon + 40);
  cairo_curve_to(cr, 40, 200, 150, 180, 260, kHorizon + 10);
  cairo_line_to(cr, 260, kHorizon + 40);
  cairo_close_path(cr);
  FillVertical(cr, 180, kHorizon + 40, 0xFF8AA86A, 0xFF6A7A5A);
  cairo_new_path(cr);
  // The lighthouse: a tapering red and white tower with a glowing lamp room.
  for (int band = 0; band < 5; ++band) {
    const double top = 100 + band * 24, bottom = top + 24;
    const double w_top = 12 + band * 2, w_bottom = 14 + band * 2;
    FillPolygon(cr, {{120 - w_top, top}, {120 + w_top, top}, {120 + w_bottom, bottom}, {120 - w_bottom, bottom}},
                band % 2 ? 0xFFF8F4EC : 0xFFD8404A);
  }
  PaintGlow(cr, 120, 88, 30, 0xA0FFF0A0);
  FillBox(cr, {108, 78, 24, 22}, 0xFFFFF0B0);
  FillPolygon(cr, {{104, 78}, {120, 62}, {136, 78}}, 0xFF3A3A4A);
}

void Sand(cairo_t* cr) {
  cairo_move_to(cr, 0, kShore);
  for (int x = 0; x <= 1024; x += 32) cairo_line_to(cr, x, kShore - 6 * std::sin(x / 60.0));
  cairo_line_to(cr, kSceneWidth, kSceneHeight);
  cairo_line_to(cr, 0, kSceneHeight);
  cairo_close_path(cr);
  FillVertical(cr, kShore, kSceneHeight, 0xFFE8D4A8, 0xFFD8B880);
  cairo_new_path(cr);
  FillBoxGradient(cr, {0, kShore - 6, kSceneWidth, 30}, 0xA0FFFFFF, 0x00FFFFFF);  // foam and wet sand
  TSeededRandom random(602);
  for (int i = 0; i < 500; ++i) {
    SetColour(cr, random.Unit() < 0.5 ? 0x30FFFFFF : 0x308A6A40);
    cairo_arc(cr, random.Range(0, kSceneWidth), random.Range(kShore + 10, kSceneHeight), random.Range(0.6, 1.8), 0,
              2 * M_PI);
    cairo_fill(cr);
  }
}

void Hut(cairo_t* cr, double x, double base, uint32_t colour) {
  SoftShadow(cr, x + 50, base, 60, 8, 0x50000000);
  const TBox body{x, base - 110, 100, 110};
  FillBox(cr, body, 0xFFF8F4EC);
  for (double sx = body.x; sx < body.Right(); sx += 20)
    FillBoxSideways(cr, {sx, body.y, 10, body.h}, colour, MixColours(colour, 0xFF000000, 0.15f));
  FillPolygon(cr, {{x - 8, body.y}, {x + 50, body.y - 44}, {x + 108, body.y}}, MixColours(colour, 0xFF201018, 0.3f));
  FillBoxGradient(cr, {x + 34, base - 70, 32, 70}, 0xFFF8F4EC, 0xFFD8D0C4);
  FillBox(cr, {x - 10, base - 6, 120, 8}, kPine.mid);  // the deck it stands on
}

void Pier(cairo_t* cr) {
  for (double x = 660; x < 1030; x += 46)
    FillBoxSideways(cr, {x, 300, 10, 110 + (x - 660) * 0.1}, kWalnut.mid, kWalnut.dark);
  FillPolygon(cr, {{640, 296}, {1024, 286}, {1024, 306}, {640, 312}}, kOak.mid);
  for (double x = 650; x < 1024; x += 30) FillBox(cr, {x, 262, 4, 36}, kWalnut.dark);
  FillBox(cr, {640, 262, 384, 4}, kWalnut.dark);
}

void DeckChair(cairo_t* cr, double x, double base, uint32_t stripe) {
  SoftShadow(cr, x, base, 50, 7, 0x40000000);
  cairo_move_to(cr, x - 40, base);
  cairo_line_to(cr, x + 20, base - 80);
  cairo_move_to(cr, x + 40, base);
  cairo_line_to(cr, x - 10, base - 50);
  StrokePath(cr, kOak.mid, 5);
  cairo_move_to(cr, x - 30, base - 10);
  cairo_curve_to(cr, x - 10, base - 20, x + 10, base - 60, x + 18, base - 76);
  cairo_line_to(cr, x + 40, base - 68);
  cairo_curve_to(cr, x + 28, base - 50, x + 10, base - 14, x - 6, base - 4);
  cairo_close_path(cr);
  SetColour(cr, stripe);
  cairo_fill_preserve(cr);
  StrokePath(cr, 0xFFF8F4EC, 3);
}

void Towel(cairo_t* cr, double x, double y, uint32_t colour) {
  FillPolygon(cr, {{x - 70, y - 20}, {x + 60, y - 26}, {x + 80, y + 16}, {x - 64, y + 22}}, colour);
  for (double t : {-0.4, 0.0, 0.4}) {
    cairo_move_to(cr, x + t * 140 - 6, y - 22);
    cairo_line_to(cr, x + t * 150 + 6, y + 20);
  }
  StrokePath(cr, 0xB0FFFFFF, 6);
}

void Rowboat(cairo_t* cr, double x, double base) {
  SoftShadow(cr, x, base, 110, 10, 0x50000000);
  cairo_move_to(cr, x - 110, base - 50);
  cairo_curve_to(cr, x - 60, base + 6, x + 60, base + 6, x + 120, base - 56);
  cairo_line_to(cr, x - 110, base - 50);
  cairo_close_path(cr);
  FillVertical(cr, base - 56, base, 0xFF4A7AA8, 0xFF2A4A70);
  cairo_new_path(cr);
  FillBox(cr, {x - 112, base - 56, 234, 7}, 0xFFF8F4EC);
  cairo_move_to(cr, x - 40, base - 60);
  cairo_line_to(cr, x + 70, base - 110);
  StrokePath(cr, kOak.mid, 5);
}

void Sandcastle(cairo_t* cr, double x, double base) {
  for (auto [dx, w, h] : {std::array{-30.0, 30.0, 40.0}, std::array{0.0, 40.0, 60.0}, std::array{32.0, 28.0, 36.0}}) {
    FillBoxSideways(cr, {x + dx - w / 2, base - h, w, h}, 0xFFF0DCA8, 0xFFC8A870);
    for (int k = 0; k < 3; ++k) FillBox(cr, {x + dx - w / 2 + k * w / 3, base - h - 6, w / 6, 6}, 0xFFE8D09A);
  }
  FillBox(cr, {x - 1, base - 90, 2, 30}, 0xFF5A4A40);
  FillPolygon(cr, {{x + 1, base - 90}, {x + 20, base - 84}, {x + 1, base - 78}}, 0xFFE8475F);
}

void Rocks(cairo_t* cr, double x, double base) {
  const std::array<std::array<double, 3>, 4> stones{{{-50, 30, 40}, {0, 56, 56}, {60, 40, 34}, {20, 30, 22}}};
  for (const auto& s : stones) {
    EllipsePath(cr, x + s[0], base - s[2] * 0.5, s[1], s[2] * 0.6);
    FillVertical(cr, base - s[2], base, 0xFF9A948A, 0xFF5A564E);
    cairo_new_path(cr);
  }
  for (int strand = 0; strand < 6; ++strand) {
    cairo_move_to(cr, x - 60 + strand * 24, base - 30);
    cairo_curve_to(cr, x - 50 + strand * 24, base - 10, x - 70 + strand * 24, base, x - 60 + strand * 24, base + 4);
  }
  StrokePath(cr, 0xFF4A7A3A, 5);
}

// Nerissa's stall: a counter under a scalloped awning, trays of shells.
void ShellStall(cairo_t* cr, double x, double base) {
  SoftShadow(cr, x + 70, base, 90, 8, 0x50000000);
  for (double px : {x, x + 136}) FillBoxSideways(cr, {px, base - 150, 8, 150}, kPine.mid, kPine.dark);
  FillBoxSideways(cr, {x - 6, base - 70, 156, 70}, kPine.light, kPine.mid);
  FillBoxGradient(cr, {x - 10, base - 76, 164, 10}, kPine.light, kPine.dark);
  for (int i = 0; i < 7; ++i) {
    cairo_move_to(cr, x - 10 + i * 24, base - 160);
    cairo_line_to(cr, x + 14 + i * 24, base - 160);
    cairo_line_to(cr, x + 14 + i * 24, base - 140);
    cairo_arc(cr, x + 2 + i * 24, base - 140, 12, 0, M_PI);
    cairo_close_path(cr);
    SetColour(cr, i % 2 ? 0xFFF8F4EC : 0xFF4AA0D8);
    cairo_fill(cr);
  }
  TSeededRandom random(603);
  for (int i = 0; i < 16; ++i) {
    EllipsePath(cr, x + random.Range(4, 140), base - random.Range(78, 90), random.Range(4, 7), random.Range(3, 5));
    SetColour(cr, MixColours(0xFFF8E8E0, 0xFFE8A08A, float(random.Unit())));
    cairo_fill(cr);
  }
  SelectFontFile(cr, kSerifBoldFont, 14);
  CentredTextPath(cr, "Shells", x + 70, base - 30);
  SetColour(cr, 0xFF2E5A8A);
  cairo_fill(cr);
}

void Windbreak(cairo_t* cr, double x, double base, double width) {
  SoftShadow(cr, x + width / 2, base, width * 0.6, 8, 0x40000000);
  for (int i = 0; i < 6; ++i) {
    const double x0 = x + i * width / 6, x1 = x0 + width / 6;
    FillPolygon(
        cr, {{x0, base - 70 - std::sin(i) * 4}, {x1, base - 70 - std::sin(i + 1) * 4}, {x1, base - 4}, {x0, base - 4}},
        kHutColours[i % 4]);
  }
  for (int i = 0; i <= 6; ++i) FillBox(cr, {x + i * width / 6 - 2, base - 80, 4, 84}, kOak.mid);
}

void LobsterPots(cairo_t* cr, double x, double base) {
  for (int i = 0; i < 3; ++i) {
    const double px = x + (i % 2) * 44, pb = base - (i / 2) * 34;
    cairo_arc(cr, px, pb - 4, 24, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    SetColour(cr, 0xFF8A6A44);
    cairo_fill(cr);
    for (int k = -2; k <= 2; ++k) {
      cairo_move_to(cr, px + k * 9, pb - 4);
      cairo_line_to(cr, px + k * 6, pb - 26);
    }
    StrokePath(cr, 0xFFD8B888, 1.5);
  }
  for (double fx : {x - 30.0, x + 80.0}) {
    Dot(cr, fx, base - 6, 7, 0xFFE8703A);
  }
}

void Parasol(cairo_t* cr, double x, double base) {
  const double top = base - 190, rim = base - 150, cx = x + 12;
  cairo_move_to(cr, x, base);
  cairo_line_to(cr, cx, top);
  StrokePath(cr, 0xFFF8F4EC, 4);
  // The canopy: a low dome, its panels fanning out from the tip.
  cairo_save(cr);
  cairo_move_to(cr, cx - 90, rim);
  cairo_curve_to(cr, cx - 80, top + 4, cx + 80, top + 4, cx + 90, rim);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (int i = 0; i < 6; ++i) {
    FillPolygon(cr, {{cx, top}, {cx - 90 + i * 30, rim + 2}, {cx - 60 + i * 30, rim + 2}},
                i % 2 ? 0xFFF8F4EC : 0xFF2E8A8A);
  }
  cairo_restore(cr);
  SoftShadow(cr, cx + 20, base, 80, 12, 0x40000000);
}

void Pebbles(cairo_t* cr) {
  TSeededRandom random(604);
  for (int i = 0; i < 70; ++i) {
    EllipsePath(cr, random.Range(0, kSceneWidth), random.Range(450, 640), random.Range(2, 6), random.Range(1.5, 3.5));
    SetColour(cr, MixColours(0xFFB8B0A0, 0xFF6A645A, float(random.Unit())));
    cairo_fill(cr);
  }
}

void Gulls(cairo_t* cr) {
  for (auto [x, y, s] : {std::array{600.0, 60.0, 10.0}, std::array{630.0, 80.0, 8.0}, std::array{360.0, 170.0, 7.0}}) {
    cairo_move_to(cr, x - s, y);
    cairo_curve_to(cr, x - s * 0.5, y - s * 0.6, x - s * 0.2, y - s * 0.3, x, y);
    cairo_curve_to(cr, x + s * 0.2, y - s * 0.3, x + s * 0.5, y - s * 0.6, x + s, y);
  }
  StrokePath(cr, 0xC0404050, 1.8);
}

}  // namespace

void DrawBeach(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  SkyAndSea(cr);
  Sailboat(cr, 420, 268, 14);
  Sailboat(cr, 560, 258, 9);
  Headland(cr);
  Gulls(cr);
  Pier(cr);
  Sand(cr);
  for (int i = 0; i < 3; ++i) Hut(cr, 20 + i * 120, 440 - i * 14, kHutColours[i]);
  ShellStall(cr, 400, 450);
  Rowboat(cr, 820, 470);
  LobsterPots(cr, 640, 470);
  Pebbles(cr);
  Parasol(cr, 760, 590);
  DeckChair(cr, 440, 520, 0xFF4AA0D8);
  DeckChair(cr, 540, 530, 0xFFE8475F);
  Towel(cr, 680, 580, 0xFFF2C04A);
  Sandcastle(cr, 300, 590);
  Windbreak(cr, 30, 600, 200);
  Rocks(cr, 940, 620);
  FinishScene(cr, {860, 70}, 0xA0FFFFE8, 7);
}

void DrawBeachRocks(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 240.0, height / 110.0);
  Rocks(cr, 120, 100);
}

}  // namespace corvellane
