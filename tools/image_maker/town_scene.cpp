// The main screen's background: a small town's high street at dusk, with
// the matchmaking agency (heart sign) in the middle and a café on the right.
// Drawn in a 1024 x 768 design space and scaled to the requested size.
#include <cmath>
#include <tuple>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kDesignWidth = 1024;
constexpr double kDesignHeight = 768;
constexpr double kStreetTop = 600;

void FillRect(cairo_t* cr, double x, double y, double w, double h, uint32_t colour) {
  SetColour(cr, colour);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, uint32_t top, uint32_t bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(p, 0, top);
  AddStop(p, 1, bottom);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Sky(cairo_t* cr) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 470);
  AddStop(sky, 0.0, 0xFF2F4A85);
  AddStop(sky, 0.45, 0xFF8C7BAE);
  AddStop(sky, 0.75, 0xFFEDA38A);
  AddStop(sky, 1.0, 0xFFFFD49A);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  PaintGlow(cr, 760, 400, 330, 0x90FFE2A8);
  SetColour(cr, 0xFFFFF0C8);
  cairo_arc(cr, 760, 405, 38, 0, 2 * M_PI);
  cairo_fill(cr);
}

void EveningStars(cairo_t* cr) {
  TSeededRandom random(11);
  for (int i = 0; i < 60; ++i) {
    const double x = random.Range(0, kDesignWidth);
    const double y = random.Range(0, 170);
    const double r = random.Range(0.6, 1.6);
    SetColour(cr, MakeArgb(uint32_t(random.Range(90, 230)), 255, 250, 235));
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void Cloud(cairo_t* cr, double x, double y, double scale, uint32_t colour) {
  SetColour(cr, colour);
  const double puffs[][3] = {{0, 0, 34}, {38, -14, 42}, {84, -4, 36}, {120, 6, 26}, {-32, 8, 24}, {50, 12, 34}};
  for (const auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + p[0] * scale, y + p[1] * scale, p[2] * scale, 0, 2 * M_PI);
  }
  cairo_fill(cr);
}

void Clouds(cairo_t* cr) {
  Cloud(cr, 130, 150, 1.0, 0x70FFE6EC);
  Cloud(cr, 470, 95, 0.8, 0x60FFEFF2);
  Cloud(cr, 880, 190, 0.9, 0x70FFE2D8);
  Cloud(cr, 330, 250, 0.6, 0x50FFE9DA);
}

// A rolling hill line across the picture, filled down to the street.
void Hills(cairo_t* cr, double base, double amplitude, double phase, uint32_t top, uint32_t bottom) {
  cairo_move_to(cr, 0, kStreetTop);
  for (int x = 0; x <= 1024; x += 16) {
    const double y = base - amplitude * (0.6 * std::sin(x / 170.0 + phase) + 0.4 * std::sin(x / 67.0 + 2 * phase));
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, kDesignWidth, kStreetTop);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, base - amplitude, 0, kStreetTop);
  AddStop(p, 0, top);
  AddStop(p, 1, bottom);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Steeple(cairo_t* cr, double x, double base) {
  SetColour(cr, 0xFF6F6E8E);
  cairo_rectangle(cr, x - 14, base - 110, 28, 110);
  cairo_fill(cr);
  cairo_move_to(cr, x - 18, base - 108);
  cairo_line_to(cr, x, base - 170);
  cairo_line_to(cr, x + 18, base - 108);
  cairo_close_path(cr);
  SetColour(cr, 0xFF585677);
  cairo_fill(cr);
  SetColour(cr, 0xFFFFE3A0);
  cairo_arc(cr, x, base - 80, 7, 0, 2 * M_PI);
  cairo_fill(cr);
}

void Tree(cairo_t* cr, double x, double base, double size, uint64_t seed) {
  FillRect(cr, x - size * 0.08, base - size * 0.9, size * 0.16, size * 0.9, 0xFF5B3F2E);
  TSeededRandom random(seed);
  const uint32_t greens[] = {0xFF3F6B3A, 0xFF4E8045, 0xFF5F9450, 0xFF79A85E};
  for (int layer = 0; layer < 4; ++layer) {
    for (int i = 0; i < 6; ++i) {
      const double angle = random.Range(0, 2 * M_PI);
      const double reach = random.Range(0, size * 0.32);
      const double cx = x + std::cos(angle) * reach - layer * size * 0.03;
      const double cy = base - size * 1.05 + std::sin(angle) * reach * 0.8 - layer * size * 0.05;
      SetColour(cr, greens[layer]);
      cairo_arc(cr, cx, cy, size * (0.26 - layer * 0.04), 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
}

void Window(cairo_t* cr, double x, double y, double w, double h, bool lit) {
  if (lit) PaintGlow(cr, x + w / 2, y + h / 2, w * 1.4, 0x60FFC860);
  FillRect(cr, x - 3, y - 3, w + 6, h + 6, 0xFFF7F0E2);
  if (lit) {
    VerticalGradient(cr, x, y, w, h, 0xFFFFE9A8, 0xFFFFB956);
  } else {
    VerticalGradient(cr, x, y, w, h, 0xFF4A5C82, 0xFF34405E);
  }
  SetColour(cr, 0xFFF7F0E2);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.45);
  cairo_line_to(cr, x + w, y + h * 0.45);
  cairo_stroke(cr);
}

void FlowerBox(cairo_t* cr, double x, double y, double w, uint64_t seed) {
  FillRect(cr, x - 4, y, w + 8, 8, 0xFF7A4B30);
  TSeededRandom random(seed);
  const uint32_t petals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A, 0xFFF5F5FF};
  for (int i = 0; i < int(w / 5); ++i) {
    SetColour(cr, 0xFF4F8A3F);
    cairo_arc(cr, x + i * 5 + 2, y - 1, 3.2, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColour(cr, petals[random.Next() % 4]);
    cairo_arc(cr, x + i * 5 + random.Range(0, 4), y - random.Range(2, 6), 2.2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

struct THouse {
  double x, width, height;
  uint32_t wall, roof;
  uint64_t seed;
  bool shop_front = false;  // no windows on the ground floor: a sign or an awning goes there
};

void GableRoof(cairo_t* cr, const THouse& h, double top) {
  cairo_move_to(cr, h.x - 10, top);
  cairo_line_to(cr, h.x + h.width / 2, top - h.width * 0.42);
  cairo_line_to(cr, h.x + h.width + 10, top);
  cairo_close_path(cr);
  SetColour(cr, h.roof);
  cairo_fill_preserve(cr);
  SetColour(cr, 0x40000000);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Chimney on the left slope.
  FillRect(cr, h.x + h.width * 0.2, top - h.width * 0.36, 14, h.width * 0.2, 0xFF8E5A48);
}

void House(cairo_t* cr, const THouse& h) {
  const double top = kStreetTop - h.height;
  VerticalGradient(cr, h.x, top, h.width, h.height, h.wall, MixColours(h.wall, 0xFF3A2A40, 0.25f));
  GableRoof(cr, h, top);
  TSeededRandom random(h.seed);
  const int columns = int(h.width / 46);
  const double spacing = h.width / columns;
  for (int row = 0; row < 2; ++row) {
    for (int c = 0; c < columns; ++c) {
      const double wx = h.x + c * spacing + spacing / 2 - 12;
      const double wy = top + 26 + row * 78;
      if (row == 1 && (h.shop_front || c == columns / 2)) continue;  // the door is here
      Window(cr, wx, wy, 24, 34, random.Unit() < 0.65);
      if (row == 0) FlowerBox(cr, wx, wy + 40, 24, h.seed * 10 + uint64_t(c));
    }
  }
  // Door with a little lamp.
  const double dx = h.x + (columns / 2) * spacing + spacing / 2 - 15;
  FillRect(cr, dx - 3, kStreetTop - 60, 36, 60, 0xFFF7F0E2);
  VerticalGradient(cr, dx, kStreetTop - 56, 30, 56, MixColours(h.roof, 0xFF000000, 0.1f), h.roof);
  SetColour(cr, 0xFFFFD46B);
  cairo_arc(cr, dx + 24, kStreetTop - 28, 2.5, 0, 2 * M_PI);
  cairo_fill(cr);
  PaintGlow(cr, dx + 15, kStreetTop - 66, 22, 0x90FFD27A);
}

void AgencySign(cairo_t* cr, double x, double y) {
  SetColour(cr, 0xFF4A3326);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, x - 40, y - 44);
  cairo_line_to(cr, x + 40, y - 44);
  cairo_stroke(cr);
  PaintGlow(cr, x, y, 70, 0x70FF9CB0);
  HeartPath(cr, x, y - 30, 64);
  FillVertical(cr, y - 40, y + 22, 0xFFFF8FA3, 0xFFC8283F);
  SetColour(cr, 0xFFFFF2D8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void Agency(cairo_t* cr) {
  const THouse agency{392, 240, 250, 0xFFF4DCC4, 0xFF7C3046, 21, true};
  House(cr, agency);
  // A name board across the front.
  const double top = kStreetTop - agency.height;
  RoundedRectangle(cr, agency.x + 16, top + 104, agency.width - 32, 34, 6);
  SetColour(cr, 0xFF7C3046);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFFE7C27A);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  SelectFontFile(cr, kSerifBoldFont, 16);
  CentredTextPath(cr, "Matchmaking Agency", agency.x + agency.width / 2, top + 127);
  SetColour(cr, 0xFFFFE9B8);
  cairo_fill(cr);
  AgencySign(cr, agency.x + agency.width / 2, top - 40);
}

void Awning(cairo_t* cr, double x, double y, double width, double depth) {
  const int stripes = int(width / 24);
  const double step = width / stripes;
  for (int i = 0; i < stripes; ++i) {
    cairo_move_to(cr, x + i * step, y);
    cairo_line_to(cr, x + (i + 1) * step, y);
    cairo_line_to(cr, x + (i + 1) * step + 6, y + depth);
    cairo_arc(cr, x + i * step + 6 + step / 2, y + depth, step / 2, 0, M_PI);
    cairo_close_path(cr);
    SetColour(cr, i % 2 == 0 ? 0xFFD8434E : 0xFFFFF4E4);
    cairo_fill(cr);
  }
  SetColour(cr, 0x30000000);
  cairo_rectangle(cr, x, y, width + 6, 5);
  cairo_fill(cr);
}

void CafeTable(cairo_t* cr, double x) {
  const double floor = kStreetTop + 40;
  SetColour(cr, 0xFF3C3438);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, x, floor - 30);
  cairo_line_to(cr, x, floor);
  cairo_move_to(cr, x - 10, floor);
  cairo_line_to(cr, x + 10, floor);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, x, floor - 32);
  cairo_scale(cr, 1, 0.3);
  cairo_arc(cr, 0, 0, 22, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColour(cr, 0xFFF3EDE4);
  cairo_fill(cr);
  // Two chairs facing each other, and a cup with steam on the table.
  for (int side : {-1, 1}) {
    cairo_move_to(cr, x + side * 30, floor);
    cairo_line_to(cr, x + side * 30, floor - 46);
    cairo_move_to(cr, x + side * 30, floor - 20);
    cairo_line_to(cr, x + side * 16, floor - 20);
    cairo_line_to(cr, x + side * 16, floor);
  }
  SetColour(cr, 0xFF3C3438);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  FillRect(cr, x - 5, floor - 42, 10, 8, 0xFFFFFFFF);
  SetColour(cr, 0x70FFFFFF);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x, floor - 44);
  cairo_curve_to(cr, x - 5, floor - 50, x + 5, floor - 54, x, floor - 60);
  cairo_stroke(cr);
}

const THouse kCafe{760, 210, 200, 0xFFE9C9A1, 0xFF5A4A6E, 34, true};

void Cafe(cairo_t* cr) {
  House(cr, kCafe);
  const double top = kStreetTop - kCafe.height;
  SelectFontFile(cr, kSerifBoldFont, 22);
  CentredTextPath(cr, "Caf\xC3\xA9", kCafe.x + kCafe.width / 2, top + 104);
  SetColour(cr, 0xFF5A4A6E);
  cairo_fill(cr);
  Awning(cr, kCafe.x - 8, top + 114, kCafe.width + 10, 30);
}

// On the pavement in front of the café, so drawn after the street.
void CafeTerrace(cairo_t* cr) {
  CafeTable(cr, kCafe.x + 40);
  CafeTable(cr, kCafe.x + 150);
}

void StreetLamp(cairo_t* cr, double x) {
  PaintGlow(cr, x, kStreetTop - 118, 70, 0x80FFD98A);
  SetColour(cr, 0xFF2E2A36);
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, x, kStreetTop + 60);
  cairo_line_to(cr, x, kStreetTop - 110);
  cairo_stroke(cr);
  RoundedRectangle(cr, x - 9, kStreetTop - 132, 18, 24, 4);
  SetColour(cr, 0xFFFFEDB5);
  cairo_fill_preserve(cr);
  SetColour(cr, 0xFF2E2A36);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void Bunting(cairo_t* cr) {
  const uint32_t flags[] = {0xFFE8475F, 0xFFFFD25A, 0xFF6DB3E8, 0xFFFF9EB5, 0xFF7CC17A};
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, 0xFF4A3A40);
  cairo_move_to(cr, 240, 330);
  cairo_curve_to(cr, 380, 380, 640, 380, 780, 330);
  cairo_stroke(cr);
  for (int i = 0; i < 18; ++i) {
    const double t = (i + 0.5) / 18;
    const double u = 1 - t;
    // Points on the same cubic Bézier as the string.
    const double x = u * u * u * 240 + 3 * u * u * t * 380 + 3 * u * t * t * 640 + t * t * t * 780;
    const double y = u * u * u * 330 + 3 * u * u * t * 380 + 3 * u * t * t * 380 + t * t * t * 330;
    cairo_move_to(cr, x - 9, y);
    cairo_line_to(cr, x + 9, y);
    cairo_line_to(cr, x, y + 20);
    cairo_close_path(cr);
    SetColour(cr, flags[i % 5]);
    cairo_fill(cr);
  }
}

void Street(cairo_t* cr) {
  VerticalGradient(cr, 0, kStreetTop, kDesignWidth, 24, 0xFFB8A79A, 0xFFA29084);  // pavement
  VerticalGradient(cr, 0, kStreetTop + 24, kDesignWidth, kDesignHeight - kStreetTop - 24, 0xFF8E7C78, 0xFF6A5A5E);
  TSeededRandom random(5);
  // Cobbles: rows of rounded stones getting larger towards the viewer.
  for (double y = kStreetTop + 30; y < kDesignHeight; y += 8 + (y - kStreetTop) * 0.05) {
    const double size = 8 + (y - kStreetTop) * 0.12;
    for (double x = random.Range(-size, 0); x < kDesignWidth; x += size * 1.1) {
      RoundedRectangle(cr, x, y, size, size * 0.45, size * 0.18);
      SetColour(cr, MakeArgb(uint32_t(random.Range(25, 60)), 255, 240, 230));
      cairo_fill(cr);
    }
  }
  FillRect(cr, 0, kStreetTop + 22, kDesignWidth, 3, 0xFF7D6C66);  // kerb
}

// A person seen against the evening light: head, body (a dress flares
// out), legs, and one arm reaching for the partner's hand at (hand_x, hand_y).
void Walker(cairo_t* cr, double x, double feet, double height, bool dress, double hand_x, double hand_y) {
  const double head = height * 0.11;
  cairo_arc(cr, x, feet - height + head, head, 0, 2 * M_PI);
  cairo_fill(cr);
  const double shoulders = feet - height + head * 2.3;
  const double hips = feet - height * 0.45;
  if (dress) {
    cairo_move_to(cr, x - head * 0.9, shoulders);
    cairo_line_to(cr, x + head * 0.9, shoulders);
    cairo_line_to(cr, x + head * 1.8, hips + height * 0.12);
    cairo_line_to(cr, x - head * 1.8, hips + height * 0.12);
  } else {
    cairo_move_to(cr, x - head * 1.1, shoulders);
    cairo_line_to(cr, x + head * 1.1, shoulders);
    cairo_line_to(cr, x + head * 0.9, hips);
    cairo_line_to(cr, x - head * 0.9, hips);
  }
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, head * 0.8);
  cairo_move_to(cr, x - head * 0.5, hips);
  cairo_line_to(cr, x - head * 0.9, feet);
  cairo_move_to(cr, x + head * 0.5, hips);
  cairo_line_to(cr, x + head * 0.9, feet);
  // The arm reaching for the partner's hand.
  cairo_move_to(cr, x + (hand_x > x ? head : -head), shoulders + head * 0.5);
  cairo_line_to(cr, hand_x, hand_y);
  cairo_stroke(cr);
}

// The agency's latest success: a couple strolling hand in hand.
void Couple(cairo_t* cr, double x) {
  const double feet = kStreetTop + 20;
  SetColour(cr, 0xE0342A44);
  const double hand_x = x + 17, hand_y = feet - 33;
  Walker(cr, x, feet, 72, false, hand_x, hand_y);
  Walker(cr, x + 34, feet, 64, true, hand_x, hand_y);
  HeartPath(cr, x + 17, feet - 96, 16);
  SetColour(cr, 0xFFFF7A93);
  cairo_fill(cr);
}

void Birds(cairo_t* cr) {
  SetColour(cr, 0xA0302A48);
  cairo_set_line_width(cr, 1.6);
  for (auto [x, y, s] : {std::tuple{300.0, 80.0, 9.0}, std::tuple{322.0, 92.0, 7.0}, std::tuple{610.0, 150.0, 8.0}}) {
    cairo_move_to(cr, x - s, y - s * 0.4);
    cairo_curve_to(cr, x - s * 0.5, y - s * 0.7, x - s * 0.2, y - s * 0.3, x, y);
    cairo_curve_to(cr, x + s * 0.2, y - s * 0.3, x + s * 0.5, y - s * 0.7, x + s, y - s * 0.4);
    cairo_stroke(cr);
  }
}

void ForegroundFlowers(cairo_t* cr) {
  TSeededRandom random(9);
  const uint32_t petals[] = {0xFFE8475F, 0xFFFF9EB5, 0xFFFFD25A, 0xFFFFFFFF, 0xFFB07CE0};
  for (double x = -20; x < kDesignWidth + 20; x += 14) {
    const double y = kDesignHeight - random.Range(10, 46) * (0.6 + 0.4 * std::sin(x / 90.0) * std::sin(x / 90.0));
    SetColour(cr, 0xFF3E6E38);
    cairo_arc(cr, x, kDesignHeight + 8, 30, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColour(cr, petals[random.Next() % 5]);
    for (int k = 0; k < 5; ++k) {
      cairo_arc(cr, x + 4 * std::cos(k * 1.2566), y + 4 * std::sin(k * 1.2566), 3.4, 0, 2 * M_PI);
      cairo_fill(cr);
    }
    SetColour(cr, 0xFFFFE27A);
    cairo_arc(cr, x, y, 2.2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace

void DrawTownScene(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / kDesignWidth, height / kDesignHeight);
  Sky(cr);
  EveningStars(cr);
  Clouds(cr);
  Birds(cr);
  Hills(cr, 450, 30, 0.0, 0xFF8FA6A8, 0xFF7E9A92);
  Steeple(cr, 640, 440);
  Hills(cr, 500, 26, 1.7, 0xFF6F9A62, 0xFF4F7A4A);
  Tree(cr, 120, 470, 80, 1);
  Tree(cr, 960, 480, 70, 2);
  const THouse houses[] = {
      {-20, 190, 210, 0xFFF3E3C3, 0xFF8C3B2E, 3},
      {178, 196, 236, 0xFF9CB8D0, 0xFF4F4A6B, 4},
      {644, 104, 180, 0xFFA9BF8E, 0xFF8C3B2E, 6},
  };
  for (const THouse& house : houses) House(cr, house);
  Agency(cr);
  Cafe(cr);
  Bunting(cr);
  Street(cr);
  CafeTerrace(cr);
  Couple(cr, 560);
  Tree(cr, 345, kStreetTop + 10, 100, 7);
  Tree(cr, 992, kStreetTop + 20, 150, 8);
  StreetLamp(cr, 170);
  StreetLamp(cr, 690);
  ForegroundFlowers(cr);
}

}  // namespace corvellane
