// Story scene: the town library after closing time, where Julien reads by
// lamplight. Deep green damask walls, two tall walnut bookcases, an arched
// window onto a moonlit evening, the reading desk with its green lamp, an
// armchair, a globe and piles of books waiting to be shelved. Also the pile
// of books in front, as a sprite the scene data lays over hidden objects.
#include <array>
#include <cmath>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/recipes.h"
#include "tools/image_maker/scene_props.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/seeded_random.h"

namespace corvellane {
namespace {

constexpr double kFloor = 540;
constexpr uint32_t kBindings[] = {0xFF8A2A32, 0xFF2E5A44, 0xFF2A3E6A, 0xFFB8862E, 0xFF5A2E4A, 0xFF7A4A2A, 0xFFC8B898};
constexpr uint32_t kRugColours[] = {0xFF5A1A24, 0xFF8A6A34, 0xFF6E2230, 0xFF2A3E32};

void Room(cairo_t* cr) {
  Wallpaper(cr, {0, 0, kSceneWidth, kFloor}, TWallpaper::kDamask, 0xFF2E4A3C, 0x30E8D8A0);
  Wainscot(cr, {0, 440, kSceneWidth, kFloor - 440}, 0xFF5A3620, 8);
  Planks(cr, {0, kFloor, kSceneWidth, kSceneHeight - kFloor}, kWalnut, 26, false, 61);
  FillBoxGradient(cr, {0, 0, kSceneWidth, 30}, 0xFF6A4A30, 0xFF3E2A1C);
}

void EveningSky(cairo_t* cr, const TBox& glass) {
  cairo_set_source_rgba(cr, 1, 1, 0.9, 0.9);
  TSeededRandom random(62);
  for (int i = 0; i < 40; ++i) {
    cairo_arc(cr, random.Range(glass.x, glass.Right()), random.Range(glass.y, glass.y + glass.h * 0.6),
              random.Range(0.5, 1.5), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  PaintGlow(cr, glass.x + glass.w * 0.7, glass.y + 80, 60, 0x70FFF4D0);
  Dot(cr, glass.x + glass.w * 0.7, glass.y + 80, 20, 0xFFFFF6DC);
  // Rooftops and a treetop against the sky.
  Foliage(cr, glass.x + 40, glass.Bottom() - 40, 80, 60, 63,
          std::array<uint32_t, 3>{0xFF1E3A3A, 0xFF24443E, 0xFF2E5048});
  FillPolygon(cr,
              {{glass.x + 80, glass.Bottom()},
               {glass.x + 80, glass.Bottom() - 70},
               {glass.x + 140, glass.Bottom() - 110},
               {glass.Right(), glass.Bottom() - 80},
               {glass.Right(), glass.Bottom()}},
              0xFF24304E);
  FillBox(cr, {glass.x + 150, glass.Bottom() - 70, 14, 18}, 0xFFFFD27A);
}

void ArchedWindow(cairo_t* cr) {
  const TBox box{398, 60, 228, 330};
  PaintGlow(cr, box.CentreX(), box.y + 140, 220, 0x303A5A9A);
  SceneWindow(cr, box, {0xFF1E2A5A, 0xFF5A5A8A, 0xFF5A3620, 2, 3, true}, EveningSky);
  Curtain(cr, {350, 40, 90, 440}, 0xFF8A2A32, true);
  Curtain(cr, {584, 40, 90, 440}, 0xFF8A2A32, false);
  FillBox(cr, {340, 36, 344, 8}, 0xFFC89A4A);
}

void DeskLamp(cairo_t* cr, double x, double base) {
  PaintGlow(cr, x, base - 30, 170, 0x80FFD890);
  FillBoxGradient(cr, {x - 4, base - 60, 8, 60}, 0xFFE8C878, 0xFF8A6424);
  EllipsePath(cr, x, base - 2, 22, 6);
  SetColour(cr, 0xFFB8862E);
  cairo_fill(cr);
  cairo_move_to(cr, x - 40, base - 52);
  cairo_curve_to(cr, x - 36, base - 82, x + 36, base - 82, x + 40, base - 52);
  cairo_close_path(cr);
  FillVertical(cr, base - 80, base - 52, 0xFF4AA06A, 0xFF1E5A3A);
  cairo_new_path(cr);
  FillBox(cr, {x - 40, base - 54, 80, 4}, 0xFFFFE8A8);
}

void Desk(cairo_t* cr) {
  const TBox top{360, 440, 330, 130};
  Table(cr, top, kWalnut, 0x00000000);
  Cabinet(cr, {372, 456, 90, 110}, kWalnut, 3);
  Cabinet(cr, {588, 456, 90, 110}, kWalnut, 3);
  DeskLamp(cr, 420, top.y);
  StackedBooks(cr, 520, top.y, 70, 5, 64, kBindings);
  StackedBooks(cr, 650, top.y, 56, 3, 65, kBindings);
  // An open ledger and an inkwell.
  FillPolygon(cr, {{540, top.y - 2}, {600, top.y - 8}, {660, top.y - 2}, {656, top.y + 6}, {544, top.y + 6}},
              0xFFF6ECD4);
  Bottle(cr, 470, top.y, 22, 0xFF2A2A3A);
  Candle(cr, 680, top.y, 26, true);
}

void Bookcases(cairo_t* cr) {
  Bookcase(cr, {16, 40, 300, 520}, kWalnut, 6, 71, kBindings);
  Bookcase(cr, {718, 40, 290, 520}, kWalnut, 6, 81, kBindings);
  Ladder(cr, {800, 572}, {760, 60}, 56, kOak);
  FramedPortrait(cr, {340, 130, 56, 76}, 0xFFC89A4A, 0xFF3A2A1E, 0xFF2A2A3A);
  FramedPortrait(cr, {630, 130, 56, 76}, 0xFFC89A4A, 0xFF3A2A1E, 0xFF5A2030);
}

void Floor(cairo_t* cr) {
  Rug(cr, 520, 640, 380, 70, kRugColours);
  Armchair(cr, 250, 620, 150, 0xFF8A2A32);
  Globe(cr, 716, 612, 120);
  StackedBooks(cr, 92, 612, 80, 6, 91, kBindings);
  StackedBooks(cr, 900, 610, 70, 4, 92, kBindings);
  StackedBooks(cr, 960, 616, 60, 7, 93, kBindings);
  Crate(cr, {560, 560, 100, 56}, kOak);
  BookRow(cr, {566, 520, 88, 44}, 94, kBindings);
  PottedPlant(cr, 340, 618, 110, 0xFF8A3A2A, 95, {});
}

}  // namespace

void DrawLibrary(cairo_t* cr, int width, int height) {
  BeginScene(cr, width, height);
  Room(cr);
  Bookcases(cr);
  ArchedWindow(cr);
  Desk(cr);
  PendantLamp(cr, 180, 24, 46, 0xFFB8862E, 0x50FFD890);
  PendantLamp(cr, 860, 24, 46, 0xFFB8862E, 0x50FFD890);
  Floor(cr);
  DustMotes(cr, {330, 300, 400, 260}, 50, 96, 0x90FFE8B0);
  FinishScene(cr, {430, 400}, 0xA0FFC870, 2);
}

void DrawLibraryBooks(cairo_t* cr, int width, int height) {
  cairo_scale(cr, width / 120.0, height / 110.0);
  StackedBooks(cr, 60, 106, 90, 8, 97, kBindings);
}

}  // namespace corvellane
