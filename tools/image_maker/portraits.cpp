// Portraits of the agency's clients and their matches, as they appear on
// the story's cards: head and shoulders in front of a soft backdrop, drawn
// in a 180 x 220 design space from a short description of each person
// (hair, skin, clothes, what they carry about them). Each recipe is one
// person; the same face drawing serves them all. The couples' pictures for
// the end of each case frame two portraits side by side.
#include <array>
#include <cmath>
#include <tuple>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_painting.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {
namespace {

constexpr double kWidth = 180, kHeight = 220;
constexpr double kHeadX = 90, kHeadY = 96, kHeadRx = 40, kHeadRy = 50;

enum class THair { kBun, kTousled, kCropped, kLongWaves, kGreyCurls, kUnderCap };
// What a person carries about them, as bits of TPerson::extras.
enum TExtras : unsigned {
  kNone = 0,
  kGlasses = 1u << 0,
  kFreckles = 1u << 1,
  kMoustache = 1u << 2,
  kBeard = 1u << 3,
  kEarrings = 1u << 4,
  kPearls = 1u << 5,
  kFlower = 1u << 6,
  kCap = 1u << 7,
  kWrinkles = 1u << 8,
  kFlour = 1u << 9,
};

struct TPerson {
  uint32_t backdrop, skin, hair, eyes, clothes, trim;
  THair hair_style;
  unsigned extras;
};

uint32_t Shade(uint32_t colour, float amount) { return MixColours(colour, 0xFF2A1418, amount); }

void Backdrop(cairo_t* cr, uint32_t colour) {
  cairo_pattern_t* p = cairo_pattern_create_radial(90, 80, 10, 90, 110, 160);
  AddStop(p, 0, MixColours(colour, 0xFFFFFFFF, 0.45f));
  AddStop(p, 1, colour);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void Shoulders(cairo_t* cr, const TPerson& p) {
  FillBoxSideways(cr, {76, 130, 28, 40}, Shade(p.skin, 0.12f), Shade(p.skin, 0.25f));  // neck
  cairo_move_to(cr, 4, kHeight);
  cairo_curve_to(cr, 8, 182, 40, 164, 74, 160);
  cairo_line_to(cr, 106, 160);
  cairo_curve_to(cr, 140, 164, 172, 182, 176, kHeight);
  cairo_close_path(cr);
  FillVertical(cr, 160, kHeight, p.clothes, Shade(p.clothes, 0.3f));
  cairo_new_path(cr);
  // A collar opening in the trim colour.
  FillPolygon(cr, {{70, 160}, {90, 186}, {110, 160}, {100, 158}, {90, 172}, {80, 158}}, p.trim);
}

void HairBehind(cairo_t* cr, const TPerson& p) {
  if (p.hair_style != THair::kLongWaves) return;
  cairo_move_to(cr, 44, 90);
  cairo_curve_to(cr, 30, 140, 40, 176, 30, 196);
  cairo_curve_to(cr, 70, 190, 110, 190, 150, 196);
  cairo_curve_to(cr, 140, 176, 150, 140, 136, 90);
  cairo_close_path(cr);
  SetColour(cr, Shade(p.hair, 0.2f));
  cairo_fill(cr);
}

void Head(cairo_t* cr, const TPerson& p) {
  for (double side : {-1.0, 1.0}) {
    EllipsePath(cr, kHeadX + side * kHeadRx, kHeadY + 4, 7, 11);
    SetColour(cr, Shade(p.skin, 0.1f));
    cairo_fill(cr);
  }
  EllipsePath(cr, kHeadX, kHeadY, kHeadRx, kHeadRy);
  FillRound(cr, {kHeadX - 12, kHeadY - 14}, 6, {kHeadX, kHeadY}, kHeadRy,
            std::array<uint32_t, 2>{MixColours(p.skin, 0xFFFFFFFF, 0.15f), Shade(p.skin, 0.12f)});
  cairo_new_path(cr);
  for (double side : {-1.0, 1.0}) PaintGlow(cr, kHeadX + side * 22, kHeadY + 18, 12, 0x50F06070);
}

void Eye(cairo_t* cr, double x, double y, uint32_t iris) {
  cairo_move_to(cr, x - 9, y);
  cairo_curve_to(cr, x - 4, y - 6, x + 4, y - 6, x + 9, y);
  cairo_curve_to(cr, x + 4, y + 5, x - 4, y + 5, x - 9, y);
  SetColour(cr, 0xFFFFFFFF);
  cairo_fill(cr);
  Dot(cr, x, y, 4.2, iris);
  Dot(cr, x, y, 2, 0xFF1A1014);
  Dot(cr, x + 1.4, y - 1.4, 1, 0xFFFFFFFF);
  cairo_move_to(cr, x - 10, y - 1);
  cairo_curve_to(cr, x - 4, y - 8, x + 4, y - 8, x + 10, y - 1);
  StrokePath(cr, 0xFF3A2420, 1.6);
}

void Face(cairo_t* cr, const TPerson& p) {
  for (double side : {-1.0, 1.0}) {
    Eye(cr, kHeadX + side * 16, kHeadY - 2, p.eyes);
    cairo_move_to(cr, kHeadX + side * 7, kHeadY - 16);
    cairo_curve_to(cr, kHeadX + side * 14, kHeadY - 20, kHeadX + side * 22, kHeadY - 20, kHeadX + side * 27,
                   kHeadY - 15);
    StrokePath(cr, Shade(p.hair, 0.2f), 3);
  }
  cairo_move_to(cr, kHeadX - 2, kHeadY + 4);
  cairo_curve_to(cr, kHeadX - 5, kHeadY + 14, kHeadX - 4, kHeadY + 18, kHeadX + 3, kHeadY + 18);
  StrokePath(cr, Shade(p.skin, 0.3f), 1.6);
  cairo_move_to(cr, kHeadX - 12, kHeadY + 28);
  cairo_curve_to(cr, kHeadX - 5, kHeadY + 35, kHeadX + 5, kHeadY + 35, kHeadX + 12, kHeadY + 28);
  cairo_curve_to(cr, kHeadX + 5, kHeadY + 31, kHeadX - 5, kHeadY + 31, kHeadX - 12, kHeadY + 28);
  SetColour(cr, 0xFFB8505A);
  cairo_fill_preserve(cr);
  StrokePath(cr, 0xFF8A3040, 1.2);
}

void Wrinkles(cairo_t* cr, const TPerson& p) {
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, kHeadX + side * 28, kHeadY - 4);
    cairo_line_to(cr, kHeadX + side * 32, kHeadY - 1);
    cairo_move_to(cr, kHeadX + side * 12, kHeadY + 22);
    cairo_curve_to(cr, kHeadX + side * 16, kHeadY + 26, kHeadX + side * 16, kHeadY + 30, kHeadX + side * 14,
                   kHeadY + 34);
  }
  cairo_move_to(cr, kHeadX - 12, kHeadY - 30);
  cairo_line_to(cr, kHeadX + 12, kHeadY - 30);
  StrokePath(cr, Shade(p.skin, 0.28f), 1.2);
}

void HairOnTop(cairo_t* cr, const TPerson& p) {
  switch (p.hair_style) {
    case THair::kBun:
      cairo_arc(cr, kHeadX + 2, 34, 20, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      [[fallthrough]];
    case THair::kLongWaves:
      cairo_move_to(cr, 46, 104);
      cairo_curve_to(cr, 38, 50, 70, 38, 90, 40);
      cairo_curve_to(cr, 118, 38, 144, 54, 134, 104);
      cairo_curve_to(cr, 128, 80, 110, 62, 90, 62);
      cairo_curve_to(cr, 74, 70, 56, 76, 46, 104);
      break;
    case THair::kTousled:
    case THair::kCropped:
      cairo_move_to(cr, 48, 96);
      cairo_curve_to(cr, 40, 48, 74, 36, 96, 40);
      for (int k = 0; k < 5; ++k)
        cairo_line_to(cr, 100 + k * 8, p.hair_style == THair::kTousled ? 38 + (k % 2) * 10 : 42 + k * 2);
      cairo_curve_to(cr, 140, 60, 136, 80, 132, 96);
      cairo_curve_to(cr, 124, 70, 100, 62, 80, 60);
      cairo_curve_to(cr, 66, 66, 54, 76, 48, 96);
      break;
    case THair::kGreyCurls:
      for (int k = 0; k < 11; ++k) {
        const double a = M_PI * (1.05 + k * 0.09);
        cairo_new_sub_path(cr);
        cairo_arc(cr, kHeadX + std::cos(a) * 44, kHeadY - 8 + std::sin(a) * 52, 14, 0, 2 * M_PI);
      }
      break;
    case THair::kUnderCap:
      for (double side : {-1.0, 1.0}) {
        cairo_new_sub_path(cr);
        EllipsePath(cr, kHeadX + side * 40, kHeadY - 12, 9, 18);
      }
      break;
  }
  FillDown(cr, 30, 110, std::array<uint32_t, 2>{MixColours(p.hair, 0xFFFFFFFF, 0.2f), Shade(p.hair, 0.15f)});
  cairo_new_path(cr);
}

void Glasses(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, kHeadX + side * 16, kHeadY - 2, 12, 0, 2 * M_PI);
  }
  cairo_move_to(cr, kHeadX - 4, kHeadY - 4);
  cairo_curve_to(cr, kHeadX - 2, kHeadY - 7, kHeadX + 2, kHeadY - 7, kHeadX + 4, kHeadY - 4);
  StrokePath(cr, 0xFF3A2A22, 2.2);
}

void FacialHair(cairo_t* cr, const TPerson& p) {
  if (p.extras & kBeard) {
    cairo_move_to(cr, kHeadX - 38, kHeadY + 6);
    cairo_curve_to(cr, kHeadX - 36, kHeadY + 60, kHeadX + 36, kHeadY + 60, kHeadX + 38, kHeadY + 6);
    cairo_curve_to(cr, kHeadX + 26, kHeadY + 26, kHeadX - 26, kHeadY + 26, kHeadX - 38, kHeadY + 6);
    SetColour(cr, p.hair);
    cairo_fill(cr);
  }
  if (p.extras & (kMoustache | kBeard)) {
    cairo_move_to(cr, kHeadX, kHeadY + 22);
    cairo_curve_to(cr, kHeadX - 10, kHeadY + 18, kHeadX - 20, kHeadY + 22, kHeadX - 22, kHeadY + 30);
    cairo_curve_to(cr, kHeadX - 12, kHeadY + 26, kHeadX - 6, kHeadY + 28, kHeadX, kHeadY + 26);
    cairo_curve_to(cr, kHeadX + 6, kHeadY + 28, kHeadX + 12, kHeadY + 26, kHeadX + 22, kHeadY + 30);
    cairo_curve_to(cr, kHeadX + 20, kHeadY + 22, kHeadX + 10, kHeadY + 18, kHeadX, kHeadY + 22);
    SetColour(cr, Shade(p.hair, 0.1f));
    cairo_fill(cr);
  }
}

void Cap(cairo_t* cr, const TPerson& p) {
  cairo_move_to(cr, 46, 66);
  cairo_curve_to(cr, 46, 30, 134, 30, 134, 66);
  cairo_close_path(cr);
  FillVertical(cr, 30, 66, p.clothes, Shade(p.clothes, 0.3f));
  cairo_new_path(cr);
  FillBox(cr, {46, 58, 88, 8}, 0xFFD8B060);
  cairo_move_to(cr, 50, 66);
  cairo_curve_to(cr, 70, 80, 110, 80, 130, 66);
  cairo_close_path(cr);
  SetColour(cr, 0xFF1A1A22);
  cairo_fill(cr);
}

void Jewellery(cairo_t* cr, const TPerson& p) {
  if (p.extras & kEarrings)
    for (double side : {-1.0, 1.0}) {
      Dot(cr, kHeadX + side * 41, kHeadY + 20, 4, 0xFFF8E8D8);
    }
  if (p.extras & kPearls)
    for (int k = 0; k < 13; ++k) {
      const double a = M_PI * (0.15 + k * 0.055);
      Dot(cr, 90 + std::cos(a) * 30, 146 + std::sin(a) * 22, 3.2, 0xFFF6F2EA);
    }
  if (p.extras & kFlower) {
    for (int k = 0; k < 5; ++k) {
      Dot(cr, 52 + 7 * std::cos(k * 1.2566), 62 + 7 * std::sin(k * 1.2566), 6, 0xFFFFF4F4);
    }
    Dot(cr, 52, 62, 4, 0xFFFFD25A);
  }
}

void Sprinkles(cairo_t* cr, const TPerson& p) {
  if (p.extras & kFreckles)
    for (int k = 0; k < 9; ++k) {
      Dot(cr, kHeadX + (k % 2 ? 1 : -1) * (14 + (k * 5) % 12), kHeadY + 10 + (k * 3) % 7, 1.1, 0x90A0583A);
    }
  if (p.extras & kFlour) {
    PaintGlow(cr, 62, 180, 20, 0x90FFFFFF);
    PaintGlow(cr, kHeadX + 24, kHeadY - 30, 10, 0x80FFFFFF);
  }
}

void Portrait(cairo_t* cr, int width, int height, const TPerson& p) {
  cairo_scale(cr, width / kWidth, height / kHeight);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Backdrop(cr, p.backdrop);
  HairBehind(cr, p);
  Shoulders(cr, p);
  Head(cr, p);
  Face(cr, p);
  if (p.extras & kWrinkles) Wrinkles(cr, p);
  FacialHair(cr, p);
  HairOnTop(cr, p);
  if (p.extras & kCap) Cap(cr, p);
  if (p.extras & kGlasses) Glasses(cr);
  Jewellery(cr, p);
  Sprinkles(cr, p);
}

constexpr TPerson kMarguerite{0xFFF2B8C4, 0xFFF6D2BC, 0xFFB4502E,  0xFF4A7A3A,
                              0xFF5A9A6A, 0xFFF6F0E0, THair::kBun, kFreckles | kFlower};
constexpr TPerson kJulien{0xFF6A9A7A, 0xFFE8C4A4, 0xFF4A3024,      0xFF5A4030,
                          0xFF8A6A4A, 0xFF8A2A32, THair::kTousled, kGlasses};
constexpr TPerson kBert{0xFFF0C878, 0xFFF0C8A8, 0xFF9A5A2A,      0xFF4A6A9A,
                        0xFFF8F6F0, 0xFFD8D0C4, THair::kCropped, kMoustache | kFlour};
constexpr TPerson kNerissa{0xFF7AC8D0, 0xFFC8946A, 0xFF2A1E1E,        0xFF3A2A1E,
                           0xFF2E6AA8, 0xFFF8F4EC, THair::kLongWaves, kEarrings};
constexpr TPerson kAgatha{0xFFC8B8E0, 0xFFF2D4C4, 0xFFD8D4D8,        0xFF6A7AA0,
                          0xFF9A7AB8, 0xFFF6F0F4, THair::kGreyCurls, kGlasses | kPearls | kWrinkles};
constexpr TPerson kSilas{0xFFE8B870, 0xFFE8C0A0, 0xFFEAE6E2,       0xFF4A6A8A,
                         0xFF2A3A5A, 0xFFF8F4EC, THair::kUnderCap, kBeard | kCap | kWrinkles};

// The end of a case, for the pairs book: the two of them in oval frames
// leaning together on a warm ground, a heart between them. 400 x 300.
void Couple(cairo_t* cr, int width, int height, const TPerson& left, const TPerson& right) {
  cairo_scale(cr, width / 400.0, height / 300.0);
  cairo_rectangle(cr, 0, 0, 400, 300);
  FillRound(cr, {200, 120}, 10, {200, 150}, 260, std::array<uint32_t, 2>{0xFFFFF4E0, 0xFFE8C8A0});
  cairo_new_path(cr);
  for (const auto& [person, x, turn] : {std::tuple{&left, 120.0, -0.08}, std::tuple{&right, 280.0, 0.08}}) {
    cairo_save(cr);
    cairo_translate(cr, x, 150);
    cairo_rotate(cr, turn);
    SoftShadow(cr, 6, 10, 100, 120, 0x50000000);
    EllipsePath(cr, 0, 0, 92, 116);
    FillDown(cr, -116, 116, std::array<uint32_t, 3>{0xFFF2D890, 0xFFC8963A, 0xFF8A5A20});
    cairo_new_path(cr);
    EllipsePath(cr, 0, 0, 80, 104);
    cairo_clip(cr);
    cairo_translate(cr, -90, -110);
    Portrait(cr, 180, 220, *person);
    cairo_restore(cr);
  }
  HeartPath(cr, 200, 200, 56);
  FillDown(cr, 190, 250, std::array<uint32_t, 2>{0xFFFF8FA3, 0xFFC8283F});
  StrokePath(cr, 0xFFFFF2D8, 3);
}

}  // namespace

void DrawPortraitMarguerite(cairo_t* cr, int width, int height) { Portrait(cr, width, height, kMarguerite); }
void DrawPortraitJulien(cairo_t* cr, int width, int height) { Portrait(cr, width, height, kJulien); }
void DrawPortraitBert(cairo_t* cr, int width, int height) { Portrait(cr, width, height, kBert); }
void DrawPortraitNerissa(cairo_t* cr, int width, int height) { Portrait(cr, width, height, kNerissa); }
void DrawPortraitAgatha(cairo_t* cr, int width, int height) { Portrait(cr, width, height, kAgatha); }
void DrawPortraitSilas(cairo_t* cr, int width, int height) { Portrait(cr, width, height, kSilas); }
void DrawCoupleMarguerite(cairo_t* cr, int width, int height) { Couple(cr, width, height, kMarguerite, kJulien); }
void DrawCoupleBert(cairo_t* cr, int width, int height) { Couple(cr, width, height, kBert, kNerissa); }
void DrawCoupleAgatha(cairo_t* cr, int width, int height) { Couple(cr, width, height, kAgatha, kSilas); }

}  // namespace corvellane
