// The play screen's interface: the bar over the scene's top edge, the object
// panel's tray along its bottom, the hint button with its arrow and
// recharge ring, the clock with its hands, small buttons, and the ribbon
// banners that open and close a level. Rose, gold and cream like the rest
// of the agency's pictures; the scenes stay visible between the bars.
#include <algorithm>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"

namespace corvellane {
namespace {

constexpr uint32_t kWineDark = 0xFF3A1420;
constexpr uint32_t kWine = 0xFF6E1A2C;
constexpr uint32_t kRose = 0xFFB8324E;
constexpr uint32_t kGoldLight = 0xFFF6D98C;
constexpr uint32_t kGold = 0xFFB98530;
constexpr uint32_t kGoldDark = 0xFF7A5418;
constexpr uint32_t kCream = 0xFFFFF4E0;
constexpr uint32_t kParchment = 0xFFF2DDBD;

// A gilded line from (x0, y) to (x1, y): light above, dark below.
void GoldRule(cairo_t* cr, double x0, double x1, double y) {
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, kGoldLight);
  cairo_move_to(cr, x0, y - 0.8);
  cairo_line_to(cr, x1, y - 0.8);
  cairo_stroke(cr);
  SetColour(cr, kGoldDark);
  cairo_move_to(cr, x0, y + 0.8);
  cairo_line_to(cr, x1, y + 0.8);
  cairo_stroke(cr);
}

// A rose-wood surface: a vertical gradient with faint grain lines.
void Rosewood(cairo_t* cr, double x, double y, double w, double h, uint32_t top, uint32_t bottom) {
  cairo_rectangle(cr, x, y, w, h);
  FillVertical(cr, y, y + h, top, bottom);
  cairo_new_path(cr);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < int(h / 5); ++i) {
    const double gy = y + 3 + i * 5 + std::sin(i * 1.7) * 1.5;
    cairo_move_to(cr, x, gy);
    for (double gx = x; gx <= x + w; gx += 32)
      cairo_line_to(cr, gx, gy + std::sin(gx / 90.0 + i) * 1.2);
    SetColour(cr, MakeArgb(18, 255, 220, 200));
    cairo_stroke(cr);
  }
}

// A round socket sunk into the bar: a dark ring with a gold rim.
void Socket(cairo_t* cr, double cx, double cy, double radius) {
  cairo_arc(cr, cx, cy + 2, radius + 5, 0, 2 * M_PI);
  SetColour(cr, 0x60000000);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, radius + 5, 0, 2 * M_PI);
  cairo_pattern_t* rim = cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
  AddStop(rim, 0, kGoldLight);
  AddStop(rim, 0.5, kGold);
  AddStop(rim, 1, kGoldDark);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  cairo_arc(cr, cx, cy, radius + 1, 0, 2 * M_PI);
  SetColour(cr, kWineDark);
  cairo_fill(cr);
}

// The round hint button: a gem under glass with a magnifying lens on it.
void HintButton(cairo_t* cr, int width, int height, uint32_t inner, uint32_t outer, double lens_alpha, double sink) {
  const double cx = width / 2.0, cy = height / 2.0 + sink, r = std::min(width, height) / 2.0 - 3;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* gem = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, r * 0.1, cx, cy, r);
  AddStop(gem, 0, inner);
  AddStop(gem, 1, outer);
  cairo_set_source(cr, gem);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gem);
  SetColour(cr, kGoldDark);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // The lens and its handle.
  cairo_set_line_width(cr, 4);
  SetColour(cr, MakeArgb(uint32_t(255 * lens_alpha), 255, 244, 214));
  cairo_arc(cr, cx - r * 0.12, cy - r * 0.12, r * 0.38, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx + r * 0.16, cy + r * 0.16);
  cairo_line_to(cr, cx + r * 0.48, cy + r * 0.48);
  cairo_stroke(cr);
  // Shine on the glass.
  cairo_arc(cr, cx - r * 0.25, cy - r * 0.45, r * 0.35, M_PI * 1.05, M_PI * 1.75);
  SetColour(cr, 0x70FFFFFF);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// A small pill-shaped button with a gold rim.
void PillButton(cairo_t* cr, int width, int height, uint32_t top, uint32_t bottom, double sink) {
  const double x = 2, y = 2 + sink, w = width - 4, h = height - 6;
  if (sink == 0) {
    RoundedRectangle(cr, x, y + 2, w, h, h / 2);
    SetColour(cr, 0x50000000);
    cairo_fill(cr);
  }
  RoundedRectangle(cr, x, y, w, h, h / 2);
  FillVertical(cr, y, y + h, top, bottom);
  SetColour(cr, kGold);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  RoundedRectangle(cr, x + h * 0.4, y + h * 0.1, w - h * 0.8, h * 0.38, h * 0.19);
  FillVertical(cr, y, y + h * 0.5, 0x70FFFFFF, 0x00FFFFFF);
  cairo_new_path(cr);
}

// A clock hand from the centre straight down, `length` of the radius.
void ClockHand(cairo_t* cr, int width, int height, double length, double thickness, uint32_t colour) {
  const double cx = width / 2.0, cy = height / 2.0, r = std::min(width, height) / 2.0;
  cairo_move_to(cr, cx - thickness / 2, cy);
  cairo_line_to(cr, cx, cy + r * length);
  cairo_line_to(cr, cx + thickness / 2, cy);
  cairo_line_to(cr, cx, cy - r * 0.15);
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, thickness * 0.7, 0, 2 * M_PI);
  SetColour(cr, kGoldDark);
  cairo_fill(cr);
}

}  // namespace

void DrawPlayTopBar(cairo_t* cr, int width, int height) {
  const double bar = height - 4;
  Rosewood(cr, 0, 0, width, bar, 0xFF5A1C2C, kWineDark);
  GoldRule(cr, 0, width, bar - 2);
  // The bar's shadow on the scene.
  cairo_rectangle(cr, 0, bar, width, height - bar);
  FillVertical(cr, bar, height, 0x70000000, 0x00000000);
  cairo_new_path(cr);
  // A plaque behind the score, one behind the title.
  for (auto [x, w] : {std::pair{10.0, 250.0}, std::pair{width / 2.0 - 190, 380.0}}) {
    RoundedRectangle(cr, x, 5, w, bar - 11, (bar - 11) / 2);
    SetColour(cr, 0x50000000);
    cairo_fill_preserve(cr);
    SetColour(cr, 0x90B98530);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void DrawPlayBottomBar(cairo_t* cr, int width, int height) {
  // A gentle arch: the bar rises towards its middle, where the count sits.
  const double edge = 14;
  cairo_move_to(cr, 0, edge);
  cairo_curve_to(cr, width * 0.3, edge, width * 0.38, 0, width * 0.5, 0);
  cairo_curve_to(cr, width * 0.62, 0, width * 0.7, edge, width, edge);
  cairo_line_to(cr, width, height);
  cairo_line_to(cr, 0, height);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  Rosewood(cr, 0, 0, width, height, 0xFF6A2234, kWineDark);
  cairo_restore(cr);
  SetColour(cr, kGold);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // The tray the objects wait in.
  const double tray_x = 142, tray_y = 52, tray_w = width - 284, tray_h = 76;
  RoundedRectangle(cr, tray_x, tray_y, tray_w, tray_h, 14);
  FillVertical(cr, tray_y, tray_y + tray_h, 0xFFEAD2AC, kParchment);
  SetColour(cr, kGoldDark);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRectangle(cr, tray_x + 4, tray_y + 4, tray_w - 8, tray_h - 8, 10);
  SetColour(cr, 0x60B98530);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The plaque of the task's line above the tray.
  RoundedRectangle(cr, width / 2.0 - 230, 26, 460, 24, 12);
  SetColour(cr, 0x50000000);
  cairo_fill(cr);
  // Sockets of the hint button (left) and the clock (right).
  Socket(cr, 67, 96, 35);
  Socket(cr, width - 67, 96, 35);
}

void DrawHintButtonNormal(cairo_t* cr, int width, int height) {
  HintButton(cr, width, height, 0xFFFF9DAE, kRose, 0.95, 0);
}
void DrawHintButtonHover(cairo_t* cr, int width, int height) {
  PaintGlow(cr, width / 2.0, height / 2.0, width / 2.0, 0x90FFE9A0);
  HintButton(cr, width, height, 0xFFFFC0CC, 0xFFD64A66, 1.0, 0);
}
void DrawHintButtonPressed(cairo_t* cr, int width, int height) {
  HintButton(cr, width, height, kRose, 0xFF8A2238, 0.85, 1.5);
}
void DrawHintButtonDisabled(cairo_t* cr, int width, int height) {
  HintButton(cr, width, height, 0xFFB8AEB2, 0xFF6E6468, 0.45, 0);
}

// The arrow that turns over the hint button, pointing right (angle 0).
void DrawHintArrow(cairo_t* cr, int width, int height) {
  const double cx = width / 2.0, cy = height / 2.0, r = std::min(width, height) / 2.0;
  cairo_move_to(cr, cx + r * 0.95, cy);
  cairo_line_to(cr, cx + r * 0.35, cy - r * 0.42);
  cairo_line_to(cr, cx + r * 0.38, cy - r * 0.16);
  cairo_line_to(cr, cx - r * 0.55, cy - r * 0.12);
  cairo_line_to(cr, cx - r * 0.55, cy + r * 0.12);
  cairo_line_to(cr, cx + r * 0.38, cy + r * 0.16);
  cairo_line_to(cr, cx + r * 0.35, cy + r * 0.42);
  cairo_close_path(cr);
  cairo_pattern_t* gold = cairo_pattern_create_linear(0, cy - r * 0.4, 0, cy + r * 0.4);
  AddStop(gold, 0, 0xFFFFF3C4);
  AddStop(gold, 0.5, 0xFFE8B84A);
  AddStop(gold, 1, 0xFF9A6A1C);
  cairo_set_source(cr, gold);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gold);
  SetColour(cr, kWineDark);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// The ring the recharge display cuts away as the next hint comes due.
void DrawHintRing(cairo_t* cr, int width, int height) {
  const double cx = width / 2.0, cy = height / 2.0, r = std::min(width, height) / 2.0 - 2;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_arc_negative(cr, cx, cy, r - 7, 2 * M_PI, 0);
  SetColour(cr, 0xC0301018);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r - 3.5, 0, 2 * M_PI);
  SetColour(cr, 0xA0B0A0A8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void DrawClockFace(cairo_t* cr, int width, int height) {
  const double cx = width / 2.0, cy = height / 2.0, r = std::min(width, height) / 2.0 - 2;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* face = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r);
  AddStop(face, 0, 0xFFFFFCF2);
  AddStop(face, 1, 0xFFEBD8B4);
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  SetColour(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int tick = 0; tick < 12; ++tick) {
    const double a = tick * M_PI / 6;
    const double inner = tick % 3 == 0 ? r * 0.72 : r * 0.82;
    cairo_move_to(cr, cx + std::cos(a) * inner, cy + std::sin(a) * inner);
    cairo_line_to(cr, cx + std::cos(a) * r * 0.92, cy + std::sin(a) * r * 0.92);
    SetColour(cr, kWine);
    cairo_set_line_width(cr, tick % 3 == 0 ? 2.5 : 1.2);
    cairo_stroke(cr);
  }
  HeartPath(cr, cx, cy + r * 0.3, r * 0.28);
  SetColour(cr, 0x60D8506A);
  cairo_fill(cr);
}

void DrawClockHandMinute(cairo_t* cr, int width, int height) { ClockHand(cr, width, height, 0.6, 5, kWineDark); }
void DrawClockHandSecond(cairo_t* cr, int width, int height) { ClockHand(cr, width, height, 0.82, 2.5, kRose); }

// Laid over the clock of a relaxed level: a cup of tea, no hurry.
void DrawRelaxedBadge(cairo_t* cr, int width, int height) {
  const double cx = width / 2.0, cy = height / 2.0, r = std::min(width, height) / 2.0 - 2;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* face = cairo_pattern_create_radial(cx, cy - r * 0.3, r * 0.1, cx, cy, r);
  AddStop(face, 0, 0xFFFFF8EC);
  AddStop(face, 1, 0xFFF0D6B0);
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  SetColour(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // Cup, saucer and steam.
  cairo_move_to(cr, cx - r * 0.42, cy - r * 0.05);
  cairo_line_to(cr, cx + r * 0.3, cy - r * 0.05);
  cairo_curve_to(cr, cx + r * 0.28, cy + r * 0.38, cx - r * 0.4, cy + r * 0.38, cx - r * 0.42, cy - r * 0.05);
  SetColour(cr, kRose);
  cairo_fill(cr);
  cairo_arc(cr, cx + r * 0.34, cy + r * 0.1, r * 0.12, -M_PI / 2, M_PI / 2);
  SetColour(cr, kRose);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, cx - r * 0.06, cy + r * 0.36);
  cairo_scale(cr, r * 0.6, r * 0.1);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColour(cr, kWine);
  cairo_fill(cr);
  for (int i = -1; i <= 1; ++i) {
    const double sx = cx - r * 0.06 + i * r * 0.18;
    cairo_move_to(cr, sx, cy - r * 0.15);
    cairo_curve_to(cr, sx - r * 0.12, cy - r * 0.3, sx + r * 0.12, cy - r * 0.45, sx, cy - r * 0.6);
    SetColour(cr, 0x90A08890);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void DrawSmallButtonNormal(cairo_t* cr, int width, int height) { PillButton(cr, width, height, 0xFFEE7A8E, kRose, 0); }
void DrawSmallButtonHover(cairo_t* cr, int width, int height) {
  PillButton(cr, width, height, 0xFFFF9DAE, 0xFFD64A66, 0);
}
void DrawSmallButtonPressed(cairo_t* cr, int width, int height) { PillButton(cr, width, height, kRose, 0xFFD55A70, 1.5); }

// Behind the broken keepsake of a hidden-parts level: a parchment oval.
void DrawCompletePartBack(cairo_t* cr, int width, int height) {
  cairo_save(cr);
  cairo_translate(cr, width / 2.0, height / 2.0);
  cairo_scale(cr, width / 2.0 - 4, height / 2.0 - 4);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  FillVertical(cr, 0, height, kCream, 0xFFE6CDA2);
  SetColour(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// A ribbon banner for the words that open and close a level.
void DrawRibbonBanner(cairo_t* cr, int width, int height) {
  const double h = height * 0.62, y = (height - h) / 2, tail = height * 0.5;
  // The notched tails, folded behind the band.
  for (int side : {-1, 1}) {
    const auto at = [&](double dx) { return side < 0 ? dx : width - dx; };
    cairo_move_to(cr, at(tail * 1.6), y + h * 0.3);
    cairo_line_to(cr, at(0), y + h * 0.3);
    cairo_line_to(cr, at(tail * 0.5), y + h * 0.8);
    cairo_line_to(cr, at(0), y + h * 1.3);
    cairo_line_to(cr, at(tail * 1.6), y + h * 1.3);
    cairo_close_path(cr);
    SetColour(cr, kWine);
    cairo_fill(cr);
  }
  RoundedRectangle(cr, tail, y, width - 2 * tail, h, 6);
  FillVertical(cr, y, y + h, 0xFFE05A74, kRose);
  SetColour(cr, kGoldLight);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  GoldRule(cr, tail + 10, width - tail - 10, y + 7);
  GoldRule(cr, tail + 10, width - tail - 10, y + h - 7);
}

// A little badge behind the count of equal objects in the panel.
void DrawCountBadge(cairo_t* cr, int width, int height) {
  RoundedRectangle(cr, 1, 1, width - 2, height - 2, (height - 2) / 2.0);
  FillVertical(cr, 1, height - 1, 0xFFE05A74, kRose);
  SetColour(cr, kGoldLight);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

}  // namespace corvellane
