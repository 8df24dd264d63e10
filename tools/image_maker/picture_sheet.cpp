// The "sheet" command: pictures side by side on a chequered ground (so that
// transparency shows), each scaled down to fit its cell and named by its
// file, for looking over a family of objects at once.
#include <algorithm>
#include <filesystem>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/picture_commands.h"
#include "tools/image_maker/picture_files.h"

namespace corvellane {
namespace {

constexpr int kCell = 180;
constexpr int kLabel = 22;

void Chequers(cairo_t* cr, double x, double y, double size) {
  for (int row = 0; row < int(size / 12); ++row)
    for (int col = 0; col < int(size / 12); ++col) {
      SetColour(cr, (row + col) % 2 ? 0xFFE4E4E4 : 0xFFF8F8F8);
      cairo_rectangle(cr, x + col * 12, y + row * 12, 12, 12);
      cairo_fill(cr);
    }
}

void Cell(cairo_t* cr, const std::string& file, double x, double y) {
  const double inner = kCell - 16;
  Chequers(cr, x + 8, y + 8, inner);
  TSurface picture = LoadSurface(file);
  const double w = cairo_image_surface_get_width(picture.get()), h = cairo_image_surface_get_height(picture.get());
  const double scale = std::min(1.0, inner / std::max(w, h));
  cairo_save(cr);
  cairo_translate(cr, x + 8 + (inner - w * scale) / 2, y + 8 + (inner - h * scale) / 2);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, picture.get(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  SelectFontFile(cr, kSansFont, 12);
  CentredTextPath(cr, std::filesystem::path(file).stem().string(), x + kCell / 2.0, y + kCell + 14);
  SetColour(cr, 0xFF303030);
  cairo_fill(cr);
}

}  // namespace

int MakeSheet(const TToolOptions& options) {
  const std::string& out = options.Require(1, "output file");
  const auto& words = options.Positional();
  if (words.size() < 3) throw EToolError("no pictures to put on the sheet");
  const int count = int(words.size()) - 2;
  const int columns = std::max(1, options.Int("columns", std::min(count, 8)));
  const int rows = (count + columns - 1) / columns;
  TCairoCanvas canvas(columns * kCell, rows * (kCell + kLabel));
  cairo_t* cr = canvas.Context();
  SetColour(cr, 0xFFFFFFFF);
  cairo_paint(cr);
  for (int i = 0; i < count; ++i)
    Cell(cr, words[size_t(i) + 2], (i % columns) * kCell, (i / columns) * (kCell + kLabel));
  if (!canvas.Picture().Save(out)) throw EToolError("cannot write " + out);
  return 0;
}

}  // namespace corvellane
