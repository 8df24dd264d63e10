#include "tools/image_maker/scene_painting.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

uint32_t WithAlpha(uint32_t colour, uint32_t alpha) { return (colour & 0x00FFFFFF) | (alpha << 24); }

// Fills the current path with a pattern and lets the pattern go.
void FillWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

// Short translucent dabs all over the picture, lighter and darker, so that
// flat gradients read as paint on canvas.
void CanvasGrain(cairo_t* cr, uint64_t seed) {
  TSeededRandom random(seed * 131 + 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 2600; ++i) {
    const double x = random.Range(0, kSceneWidth), y = random.Range(0, kSceneHeight);
    const double angle = random.Range(-0.5, 0.5), length = random.Range(3, 11);
    const bool light = random.Unit() < 0.5;
    SetColour(cr, light ? MakeArgb(uint32_t(random.Range(6, 16)), 255, 250, 235)
                        : MakeArgb(uint32_t(random.Range(6, 16)), 40, 20, 30));
    cairo_set_line_width(cr, random.Range(1.2, 3.2));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(angle) * length, y + std::sin(angle) * length);
    cairo_stroke(cr);
  }
}

void Vignette(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kSceneWidth, kSceneHeight);
  FillRound(cr, {512, 360}, 300, {512, 384}, 760, std::array<uint32_t, 2>{0x00000000, 0x70140A1E});
  cairo_new_path(cr);
}

void StripesPattern(cairo_t* cr, const TBox& box, uint32_t ink) {
  SetColour(cr, ink);
  for (double x = box.x + 10; x < box.Right(); x += 44) {
    cairo_rectangle(cr, x, box.y, 16, box.h);
    cairo_rectangle(cr, x + 22, box.y, 3, box.h);
  }
  cairo_fill(cr);
}

void DiamondsPattern(cairo_t* cr, const TBox& box, uint32_t ink) {
  SetColour(cr, ink);
  for (double y = box.y; y < box.Bottom() + 30; y += 56)
    for (double x = box.x + (int((y - box.y) / 56) % 2) * 28; x < box.Right() + 30; x += 56) {
      cairo_move_to(cr, x, y - 12);
      cairo_line_to(cr, x + 8, y);
      cairo_line_to(cr, x, y + 12);
      cairo_line_to(cr, x - 8, y);
      cairo_close_path(cr);
    }
  cairo_fill(cr);
}

// Little five-dot flowers on a half-drop grid.
void FlowersPattern(cairo_t* cr, const TBox& box, uint32_t ink) {
  SetColour(cr, ink);
  for (double y = box.y + 20; y < box.Bottom(); y += 48)
    for (double x = box.x + 16 + (int((y - box.y) / 48) % 2) * 26; x < box.Right(); x += 52)
      for (int k = 0; k < 5; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + 4.5 * std::cos(k * 1.2566), y + 4.5 * std::sin(k * 1.2566), 3.2, 0, 2 * M_PI);
      }
  cairo_fill(cr);
}

// Tall ornaments: a lozenge with curled leaves above and below.
void DamaskPattern(cairo_t* cr, const TBox& box, uint32_t ink) {
  SetColour(cr, ink);
  for (double y = box.y + 30; y < box.Bottom() + 40; y += 90)
    for (double x = box.x + 30 + (int((y - box.y) / 90) % 2) * 40; x < box.Right() + 40; x += 80) {
      cairo_move_to(cr, x, y - 30);
      cairo_curve_to(cr, x + 16, y - 14, x + 16, y + 14, x, y + 30);
      cairo_curve_to(cr, x - 16, y + 14, x - 16, y - 14, x, y - 30);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, 5, 0, 2 * M_PI);
    }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void WindowPanes(cairo_t* cr, const TBox& glass, const TWindowLook& look) {
  cairo_set_line_width(cr, 5);
  SetColour(cr, look.frame);
  for (int c = 1; c < look.columns; ++c) {
    cairo_move_to(cr, glass.x + glass.w * c / look.columns, glass.y);
    cairo_line_to(cr, glass.x + glass.w * c / look.columns, glass.Bottom());
  }
  for (int r = 1; r < look.rows; ++r) {
    cairo_move_to(cr, glass.x, glass.y + glass.h * r / look.rows);
    cairo_line_to(cr, glass.Right(), glass.y + glass.h * r / look.rows);
  }
  cairo_stroke(cr);
}

void WindowOutline(cairo_t* cr, const TBox& box, bool arched) {
  if (!arched) {
    BoxPath(cr, box);
    return;
  }
  const double r = box.w / 2;
  cairo_move_to(cr, box.x, box.Bottom());
  cairo_line_to(cr, box.x, box.y + r);
  cairo_arc(cr, box.CentreX(), box.y + r, r, M_PI, 2 * M_PI);
  cairo_line_to(cr, box.Right(), box.Bottom());
  cairo_close_path(cr);
}

// Stops spread evenly over the pattern, which then fills the path (kept).
void FillSpread(cairo_t* cr, cairo_pattern_t* pattern, TPalette colours) {
  for (size_t i = 0; i < colours.size(); ++i)
    AddStop(pattern, colours.size() > 1 ? double(i) / double(colours.size() - 1) : 0, colours[i]);
  cairo_set_source(cr, pattern);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pattern);
}

}  // namespace

void BeginScene(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / kSceneWidth, height / kSceneHeight);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

void FinishScene(cairo_t* cr, TPoint light, uint32_t light_colour, uint64_t seed) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOFT_LIGHT);
  cairo_rectangle(cr, 0, 0, kSceneWidth, kSceneHeight);
  FillRound(cr, light, 10, light, 900, std::array<uint32_t, 2>{light_colour, 0x00000000});
  cairo_new_path(cr);
  cairo_restore(cr);
  CanvasGrain(cr, seed);
  Vignette(cr);
}

void BoxPath(cairo_t* cr, const TBox& box) { cairo_rectangle(cr, box.x, box.y, box.w, box.h); }

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void FillBox(cairo_t* cr, const TBox& box, uint32_t colour) {
  BoxPath(cr, box);
  SetColour(cr, colour);
  cairo_fill(cr);
}

void FillBoxGradient(cairo_t* cr, const TBox& box, uint32_t top, uint32_t bottom) {
  BoxPath(cr, box);
  FillVertical(cr, box.y, box.Bottom(), top, bottom);
  cairo_new_path(cr);
}

void FillBoxSideways(cairo_t* cr, const TBox& box, uint32_t left, uint32_t right) {
  BoxPath(cr, box);
  FillAcross(cr, box.x, box.Right(), std::array{left, right});
  cairo_new_path(cr);
}

void FillAcross(cairo_t* cr, double left, double right, TPalette colours) {
  FillSpread(cr, cairo_pattern_create_linear(left, 0, right, 0), colours);
}

void FillDown(cairo_t* cr, double top, double bottom, TPalette colours) {
  FillSpread(cr, cairo_pattern_create_linear(0, top, 0, bottom), colours);
}

void FillRound(cairo_t* cr, TPoint lit, double lit_radius, TPoint centre, double radius, TPalette colours) {
  FillSpread(cr, cairo_pattern_create_radial(lit.x, lit.y, lit_radius, centre.x, centre.y, radius), colours);
}

void PolygonPath(cairo_t* cr, std::initializer_list<TPoint> corners) {
  cairo_new_sub_path(cr);
  for (const TPoint& corner : corners) cairo_line_to(cr, corner.x, corner.y);
  cairo_close_path(cr);
}

void FillPolygon(cairo_t* cr, std::initializer_list<TPoint> corners, uint32_t colour) {
  PolygonPath(cr, corners);
  SetColour(cr, colour);
  cairo_fill(cr);
}

void ShadePolygon(cairo_t* cr, std::initializer_list<TPoint> corners, uint32_t top, uint32_t bottom) {
  const auto [high, low] =
      std::minmax_element(corners.begin(), corners.end(), [](const TPoint& a, const TPoint& b) { return a.y < b.y; });
  PolygonPath(cr, corners);
  FillDown(cr, high->y, low->y, std::array{top, bottom});
  cairo_new_path(cr);
}

void Dot(cairo_t* cr, double x, double y, double radius, uint32_t colour) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  SetColour(cr, colour);
  cairo_fill(cr);
}

void StrokePath(cairo_t* cr, uint32_t colour, double width) {
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void SoftShadow(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t colour) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1, ry / rx);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, rx);
  AddStop(p, 0, colour);
  AddStop(p, 0.55, WithAlpha(colour, (colour >> 24) / 2));
  AddStop(p, 1, WithAlpha(colour, 0));
  cairo_arc(cr, 0, 0, rx, 0, 2 * M_PI);
  FillWith(cr, p);
  cairo_restore(cr);
}

void LightShaft(cairo_t* cr, TPoint top_left, TPoint top_right, TPoint bottom_right, TPoint bottom_left,
                uint32_t colour) {
  const double top = (top_left.y + top_right.y) / 2, bottom = (bottom_left.y + bottom_right.y) / 2;
  const double left = (top_left.x + bottom_left.x) / 2, right = (top_right.x + bottom_right.x) / 2;
  cairo_pattern_t* p =
      cairo_pattern_create_linear((left + right) / 2, top, (left + right) / 2 + (bottom - top) * 0.1, bottom);
  AddStop(p, 0, colour);
  AddStop(p, 1, WithAlpha(colour, 0));
  cairo_move_to(cr, top_left.x, top_left.y);
  cairo_line_to(cr, top_right.x, top_right.y);
  cairo_line_to(cr, bottom_right.x, bottom_right.y);
  cairo_line_to(cr, bottom_left.x, bottom_left.y);
  cairo_close_path(cr);
  FillWith(cr, p);
}

void DustMotes(cairo_t* cr, const TBox& box, int count, uint64_t seed, uint32_t colour) {
  TSeededRandom random(seed);
  for (int i = 0; i < count; ++i) {
    SetColour(cr, WithAlpha(colour, uint32_t(random.Range(0.3, 1.0) * (colour >> 24))));
    cairo_arc(cr, random.Range(box.x, box.Right()), random.Range(box.y, box.Bottom()), random.Range(0.6, 2.0), 0,
              2 * M_PI);
    cairo_fill(cr);
  }
}

void Cloud(cairo_t* cr, double x, double y, double scale, uint32_t light, uint32_t shade) {
  static constexpr double kPuffs[][3] = {{0, 0, 30},   {34, -16, 40}, {78, -6, 34},
                                         {112, 6, 24}, {-30, 8, 22},  {50, 10, 30}};
  for (const auto& p : kPuffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + p[0] * scale, y + p[1] * scale, p[2] * scale, 0, 2 * M_PI);
  }
  FillDown(cr, y - 50 * scale, y + 30 * scale, std::array{light, shade});
  cairo_new_path(cr);
}

void Hill(cairo_t* cr, double base, double amplitude, double phase, double bottom, uint32_t top_colour,
          uint32_t bottom_colour) {
  cairo_move_to(cr, 0, bottom);
  for (int x = 0; x <= 1024; x += 16)
    cairo_line_to(cr, x, base - amplitude * (0.6 * std::sin(x / 190.0 + phase) + 0.4 * std::sin(x / 71.0 + 2 * phase)));
  cairo_line_to(cr, kSceneWidth, bottom);
  cairo_close_path(cr);
  FillDown(cr, base - amplitude, bottom, std::array{top_colour, bottom_colour});
  cairo_new_path(cr);
}

void Wallpaper(cairo_t* cr, const TBox& box, TWallpaper pattern, uint32_t base, uint32_t ink) {
  FillBoxGradient(cr, box, MixColours(base, 0xFFFFFFFF, 0.08f), MixColours(base, 0xFF2A1E2A, 0.12f));
  cairo_save(cr);
  BoxPath(cr, box);
  cairo_clip(cr);
  switch (pattern) {
    case TWallpaper::kStripes:
      StripesPattern(cr, box, ink);
      break;
    case TWallpaper::kDiamonds:
      DiamondsPattern(cr, box, ink);
      break;
    case TWallpaper::kFlowers:
      FlowersPattern(cr, box, ink);
      break;
    case TWallpaper::kDamask:
      DamaskPattern(cr, box, ink);
      break;
    case TWallpaper::kPlain:
      break;
  }
  cairo_restore(cr);
}

void Wainscot(cairo_t* cr, const TBox& box, uint32_t colour, int panels) {
  FillBoxGradient(cr, box, colour, MixColours(colour, 0xFF201018, 0.18f));
  FillBox(cr, {box.x, box.y, box.w, 8}, MixColours(colour, 0xFFFFFFFF, 0.2f));
  FillBox(cr, {box.x, box.y + 8, box.w, 3}, MixColours(colour, 0xFF000000, 0.25f));
  const double gap = 14, width = (box.w - gap) / panels - gap;
  for (int i = 0; i < panels; ++i) {
    const TBox panel{box.x + gap + i * (width + gap), box.y + 24, width, box.h - 40};
    BoxPath(cr, panel);
    StrokePath(cr, MixColours(colour, 0xFF000000, 0.22f), 2.5);
    cairo_move_to(cr, panel.x + 2, panel.Bottom() + 1.5);
    cairo_line_to(cr, panel.Right() + 1.5, panel.Bottom() + 1.5);
    cairo_line_to(cr, panel.Right() + 1.5, panel.y + 2);
    StrokePath(cr, MixColours(colour, 0xFFFFFFFF, 0.25f), 1.5);
  }
}

void Planks(cairo_t* cr, const TBox& box, const TWood& wood, double plank, bool vertical, uint64_t seed) {
  TSeededRandom random(seed);
  cairo_save(cr);
  BoxPath(cr, box);
  cairo_clip(cr);
  const double length = vertical ? box.w : box.h;
  for (double at = 0; at < length; at += plank) {
    const uint32_t tone = MixColours(wood.light, wood.mid, float(random.Unit()));
    const TBox board = vertical ? TBox{box.x + at, box.y, plank, box.h} : TBox{box.x, box.y + at, box.w, plank};
    if (vertical)
      FillBoxSideways(cr, board, tone, MixColours(tone, wood.dark, 0.18f));
    else
      FillBoxGradient(cr, board, tone, MixColours(tone, wood.dark, 0.18f));
    // Grain: a few long wavy lines along the board.
    SetColour(cr, WithAlpha(wood.dark, 40));
    cairo_set_line_width(cr, 1);
    for (int g = 0; g < 3; ++g) {
      const double offset = random.Range(0.2, 0.8) * plank;
      if (vertical) {
        cairo_move_to(cr, board.x + offset, box.y);
        cairo_curve_to(cr, board.x + offset + 3, box.y + box.h / 3, board.x + offset - 3, box.y + box.h * 2 / 3,
                       board.x + offset, box.Bottom());
      } else {
        cairo_move_to(cr, box.x, board.y + offset);
        cairo_curve_to(cr, box.x + box.w / 3, board.y + offset + 2, box.x + box.w * 2 / 3, board.y + offset - 2,
                       box.Right(), board.y + offset);
      }
      cairo_stroke(cr);
    }
    // The seam between boards, and a few nail heads or knots.
    if (vertical)
      FillBox(cr, {board.x, box.y, 1.5, box.h}, WithAlpha(wood.dark, 150));
    else
      FillBox(cr, {box.x, board.y, box.w, 1.5}, WithAlpha(wood.dark, 150));
    if (!vertical)
      for (double x = box.x + random.Range(40, 200); x < box.Right(); x += random.Range(160, 320))
        FillBox(cr, {x, board.y, 1.5, plank}, WithAlpha(wood.dark, 110));
  }
  cairo_restore(cr);
}

void TiledFloor(cairo_t* cr, const TBox& box, uint32_t light, uint32_t dark, double tile, bool staggered) {
  // Tiles laid on a plane seen from eye height: a world point (X, z) lands at
  // x = centre + X * k / z, y = horizon + k / z, so rows shrink and columns
  // converge towards the horizon just above the far edge.
  const double horizon = box.y - 40, k = box.Bottom() + 40 - horizon;
  const double z_far = k / (box.y - horizon), depth = tile / 120, cx = box.CentreX();
  const auto at = [&](double x, double z) { return TPoint{cx + x * k / z, horizon + k / z}; };
  cairo_save(cr);
  BoxPath(cr, box);
  cairo_clip(cr);
  FillBox(cr, box, dark);
  int row = 0;
  for (double z = 0.9; z < z_far; z += depth * z, ++row) {
    const double z2 = z + depth * z;
    const double shift = staggered && row % 2 ? 0.5 : 0;
    const double half = box.w / 2 * z / k / (tile / 120) + 2;
    for (int col = -int(half) - 2; col <= int(half) + 2; ++col) {
      if (!staggered && (row + col) % 2 != 0) continue;
      const double x0 = (col + shift) * depth * 0.9, x1 = (col + 1 + shift) * depth * 0.9;
      for (const TPoint& p : {at(x0, z), at(x1, z), at(x1, z2), at(x0, z2)}) cairo_line_to(cr, p.x, p.y);
      cairo_close_path(cr);
      SetColour(cr, staggered ? MixColours(light, dark, float((col * 7 + row * 3) % 5) / 10) : light);
      cairo_fill_preserve(cr);
      StrokePath(cr, 0x30000000, staggered ? 1.6 : 0.6);
    }
  }
  cairo_restore(cr);
  FillBoxGradient(cr, box, 0x40000000, 0x00000000);
}

void BrickWall(cairo_t* cr, const TBox& box, uint32_t brick, uint32_t mortar, uint64_t seed) {
  FillBox(cr, box, mortar);
  TSeededRandom random(seed);
  cairo_save(cr);
  BoxPath(cr, box);
  cairo_clip(cr);
  const double bw = 46, bh = 20;
  for (int row = 0; row * bh < box.h; ++row)
    for (double x = box.x - (row % 2) * bw / 2; x < box.Right(); x += bw) {
      RoundedRectangle(cr, x + 1.5, box.y + row * bh + 1.5, bw - 3, bh - 3, 2);
      SetColour(cr, MixColours(brick, random.Unit() < 0.5 ? 0xFFFFE0C0 : 0xFF401810, float(random.Range(0, 0.25))));
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

void Skirting(cairo_t* cr, double y, double height, uint32_t colour) {
  FillBoxGradient(cr, {0, y, kSceneWidth, height}, MixColours(colour, 0xFFFFFFFF, 0.15f), colour);
  FillBox(cr, {0, y, kSceneWidth, 2}, MixColours(colour, 0xFFFFFFFF, 0.35f));
  FillBox(cr, {0, y + height, kSceneWidth, 3}, 0x50000000);
}

void SceneWindow(cairo_t* cr, const TBox& box, const TWindowLook& look, const TWindowView& view) {
  const double frame = 10;
  const TBox glass{box.x + frame, box.y + frame, box.w - 2 * frame, box.h - 2 * frame};
  WindowOutline(cr, {box.x - 3, box.y - 3, box.w + 6, box.h + 6}, look.arched);
  SetColour(cr, 0x50000000);
  cairo_fill(cr);
  WindowOutline(cr, box, look.arched);
  SetColour(cr, look.frame);
  cairo_fill(cr);
  cairo_save(cr);
  WindowOutline(cr, glass, look.arched);
  cairo_clip(cr);
  FillBoxGradient(cr, glass, look.sky_top, look.sky_bottom);
  if (view) view(cr, glass);
  // A diagonal sheen across the glass.
  FillPolygon(cr,
              {{glass.x + glass.w * 0.15, glass.y},
               {glass.x + glass.w * 0.45, glass.y},
               {glass.x + glass.w * 0.05, glass.Bottom()},
               {glass.x - glass.w * 0.25, glass.Bottom()}},
              0x22FFFFFF);
  WindowPanes(cr, glass, look);
  cairo_restore(cr);
  // Sill.
  FillBoxGradient(cr, {box.x - 12, box.Bottom() - 2, box.w + 24, 12}, MixColours(look.frame, 0xFFFFFFFF, 0.2f),
                  MixColours(look.frame, 0xFF000000, 0.2f));
  SoftShadow(cr, box.CentreX(), box.Bottom() + 14, box.w * 0.6, 6, 0x40000000);
}

void Curtain(cairo_t* cr, const TBox& box, uint32_t colour, bool gathered_left) {
  // The cloth hangs from the rod and is tied back towards one side.
  const double tie_y = box.y + box.h * 0.55;
  const double inner = gathered_left ? box.Right() : box.x;
  const double outer = gathered_left ? box.x : box.Right();
  const double waist = outer + (inner - outer) * 0.35;
  cairo_move_to(cr, outer, box.y);
  cairo_line_to(cr, inner, box.y);
  cairo_curve_to(cr, inner, box.y + box.h * 0.3, waist, tie_y - 40, waist, tie_y);
  cairo_curve_to(cr, waist, tie_y + 40, inner + (inner - outer) * 0.1, box.Bottom() - 30, inner, box.Bottom());
  cairo_line_to(cr, outer, box.Bottom());
  cairo_close_path(cr);
  std::array<uint32_t, 7> folds{};
  for (size_t fold = 0; fold < folds.size(); ++fold)
    folds[fold] = fold % 2 == 0 ? colour : MixColours(colour, 0xFF1A0A14, 0.3f);
  FillAcross(cr, box.x, box.Right(), folds);
  StrokePath(cr, MixColours(colour, 0xFF000000, 0.35f), 1.5);
  // The tie-back.
  RoundedRectangle(cr, std::min(waist, outer) - 4, tie_y - 6, std::abs(waist - outer) + 8, 12, 5);
  SetColour(cr, 0xFFE3B65A);
  cairo_fill(cr);
}

void Rug(cairo_t* cr, double cx, double cy, double rx, double ry, TPalette colours) {
  SoftShadow(cr, cx, cy + 4, rx * 1.05, ry * 1.2, 0x40000000);
  for (size_t i = 0; i < colours.size(); ++i) {
    const double shrink = 1.0 - double(i) / double(colours.size() + 1);
    EllipsePath(cr, cx, cy, rx * shrink, ry * shrink);
    SetColour(cr, colours[i]);
    cairo_fill(cr);
  }
  // Fringe dashes around the rim.
  SetColour(cr, MixColours(colours[0], 0xFFFFFFFF, 0.4f));
  cairo_set_line_width(cr, 1.5);
  for (int k = 0; k < 72; ++k) {
    const double a = k * 2 * M_PI / 72;
    cairo_move_to(cr, cx + std::cos(a) * rx, cy + std::sin(a) * ry);
    cairo_line_to(cr, cx + std::cos(a) * (rx + 6), cy + std::sin(a) * (ry + 3));
  }
  cairo_stroke(cr);
}

}  // namespace corvellane
