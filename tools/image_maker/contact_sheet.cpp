// The "contact-sheet" command: every story scene of a built program folder
// with all of its objects standing at all of their places at once, so the
// art can be reviewed the way the scene files lay it out.
//
//   corvellane-imagemaker contact-sheet build/game sheet.png
//   corvellane-imagemaker contact-sheet build/game park.png --scene park --names yes --grid yes
//
// It reads data\ini\scenes.ini and each scene file it lists (enciphered with
// the definitions key, as the build writes them; plain XML is read as it
// is), finds the pictures through each scene's resource definitions and
// paints every location in z order with its zoom, angle and opacity. The
// "spec" places of hidden parts (positions on the object panel, not in the
// scene) are left out. The bands the play screen covers (the top bar and
// the object panel) are shaded. Without --scene all scenes are laid out
// side by side at half size, named.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "persistence/cipher.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "shell/declarations.h"
#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/picture_commands.h"
#include "tools/image_maker/picture_files.h"

namespace corvellane {
namespace {

constexpr double kSceneWidth = 1024, kSceneHeight = 768;
constexpr double kTopBar = 44, kPanelTop = 628;

struct TPlaced {
  std::string label, file;
  int left, top, width, height, z, opacity;
  double x, y, zoom_x, zoom_y, angle;
};

struct TSceneView {
  std::string name, background;
  std::vector<TPlaced> placed;
};

std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw EToolError("cannot read " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Data paths are written with backslashes, relative to the program folder.
std::filesystem::path InFolder(const std::filesystem::path& folder, std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return folder / path;
}

Ref<IHierStorageRoot> OpenDataFile(const std::filesystem::path& file) {
  const std::string text = ReadWhole(file);
  const bool plain = text.find('<') != std::string::npos && text.find('<') < 8;
  Ref<IHierStorageRoot> root =
      OpenStorageText(plain ? text : DecryptText(product::FileKeyText(product::FileKey::Definitions), text));
  if (!root) throw EToolError("not a data file: " + file.string());
  return root;
}

template <class Visit>
void EachChild(IHierStorage* node, std::string_view name, Visit visit) {
  if (!node) return;
  const int count = node->GetChildCount(name);
  for (int i = 0; i < count; ++i) visit(node->GetChild(name, i).get());
}

std::map<std::string, std::string> PictureFiles(IHierStorage* scene) {
  std::map<std::string, std::string> files;
  EachChild(scene->GetChild("resource_defs", 0).get(), "resource_def",
            [&](IHierStorage* def) { files[ReadText(def, "name")] = ReadText(def, "file"); });
  return files;
}

void AddPlaces(IHierStorage* object, const std::map<std::string, std::string>& files, TSceneView& view) {
  const std::string name = ReadText(object, "name");
  const auto file = files.find(ReadText(object, "resourcename"));
  if (file == files.end()) throw EToolError(view.name + ": no picture for " + name);
  EachChild(object->GetChild("locations", 0).get(), "location", [&](IHierStorage* at) {
    const std::string place = ReadText(at, "name");
    if (place == "spec") return;
    const double zoom = ReadFloat(at, "zoom", 1);
    view.placed.push_back({name + "/" + place, file->second, ReadInt(object, "resourceleft", 0),
                           ReadInt(object, "resourcetop", 0), ReadInt(object, "width", 0), ReadInt(object, "height", 0),
                           ReadInt(at, "z", 0), ReadInt(at, "transparentlevel", 255),
                           double(ReadInt(at, "anchor_left", 0)), double(ReadInt(at, "anchor_top", 0)),
                           ReadFloat(at, "zoomx", zoom), ReadFloat(at, "zoomy", zoom), ReadFloat(at, "angle", 0)});
  });
}

TSceneView LoadScene(const std::filesystem::path& folder, const std::string& name, const std::string& file) {
  Ref<IHierStorageRoot> scene = OpenDataFile(InFolder(folder, file));
  const std::map<std::string, std::string> files = PictureFiles(scene.get());
  TSceneView view{name, {}, {}};
  const auto background = files.find("img_SceneBackground");
  if (background == files.end()) throw EToolError(name + " has no img_SceneBackground");
  view.background = background->second;
  EachChild(scene->GetChild("object_defs", 0).get(), "object_def",
            [&](IHierStorage* object) { AddPlaces(object, files, view); });
  std::stable_sort(view.placed.begin(), view.placed.end(),
                   [](const TPlaced& a, const TPlaced& b) { return a.z < b.z; });
  return view;
}

std::vector<TSceneView> LoadScenes(const std::filesystem::path& folder, const std::string& only) {
  Ref<IHierStorageRoot> list = OpenDataFile(folder / "data/ini/scenes.ini");
  std::vector<TSceneView> views;
  EachChild(list.get(), "scene_def", [&](IHierStorage* ref) {
    const std::string name = ReadText(ref, "name");
    if (only.empty() || only == name) views.push_back(LoadScene(folder, name, ReadText(ref, "filename")));
  });
  if (views.empty()) throw EToolError(only.empty() ? "no scenes listed" : "no scene named " + only);
  return views;
}

void PaintPlaced(cairo_t* cr, const std::filesystem::path& folder, const TPlaced& placed) {
  TSurface picture = LoadSurface(InFolder(folder, placed.file).string());
  cairo_save(cr);
  cairo_translate(cr, placed.x, placed.y);
  cairo_rotate(cr, placed.angle * M_PI / 180);
  cairo_scale(cr, placed.zoom_x, placed.zoom_y);
  // The anchor is the picture's centre, in whole pixels as the game takes it.
  cairo_rectangle(cr, -(placed.width / 2), -(placed.height / 2), placed.width, placed.height);
  cairo_clip(cr);
  cairo_set_source_surface(cr, picture.get(), -(placed.width / 2) - placed.left, -(placed.height / 2) - placed.top);
  cairo_paint_with_alpha(cr, placed.opacity / 255.0);
  cairo_restore(cr);
}

void Annotate(cairo_t* cr, const TSceneView& view, bool names, bool grid) {
  SetColour(cr, 0x40000000);
  cairo_rectangle(cr, 0, 0, kSceneWidth, kTopBar);
  cairo_rectangle(cr, 0, kPanelTop, kSceneWidth, kSceneHeight - kPanelTop);
  cairo_fill(cr);
  SelectFontFile(cr, kSansFont, 11);
  if (grid) {
    for (int x = 0; x <= 1024; x += 50) {
      cairo_rectangle(cr, x, 0, x % 100 ? 0.5 : 1, kSceneHeight);
      cairo_move_to(cr, x + 2, 58);
      cairo_text_path(cr, std::to_string(x).c_str());
    }
    for (int y = 0; y <= 768; y += 50) {
      cairo_rectangle(cr, 0, y, kSceneWidth, y % 100 ? 0.5 : 1);
      cairo_move_to(cr, 2, y - 2);
      cairo_text_path(cr, std::to_string(y).c_str());
    }
    SetColour(cr, 0xB0FF00FF);
    cairo_fill(cr);
  }
  if (!names) return;
  for (const TPlaced& placed : view.placed) {
    cairo_move_to(cr, placed.x - 20, placed.y);
    cairo_text_path(cr, placed.label.c_str());
  }
  cairo_set_line_width(cr, 2.5);
  SetColour(cr, 0xE0FFFFFF);
  cairo_stroke_preserve(cr);
  SetColour(cr, 0xFF202020);
  cairo_fill(cr);
}

void PaintScene(cairo_t* cr, const std::filesystem::path& folder, const TSceneView& view, bool names, bool grid) {
  TSurface background = LoadSurface(InFolder(folder, view.background).string());
  cairo_set_source_surface(cr, background.get(), 0, 0);
  cairo_paint(cr);
  for (const TPlaced& placed : view.placed) PaintPlaced(cr, folder, placed);
  Annotate(cr, view, names, grid);
}

void Title(cairo_t* cr, const std::string& name) {
  SelectFontFile(cr, kSansBoldFont, 40);
  cairo_move_to(cr, 20, kSceneHeight - 30);
  cairo_text_path(cr, name.c_str());
  cairo_set_line_width(cr, 6);
  SetColour(cr, 0xFF000000);
  cairo_stroke_preserve(cr);
  SetColour(cr, 0xFFFFFFFF);
  cairo_fill(cr);
}

}  // namespace

int MakeContactSheet(const TToolOptions& options) {
  const std::filesystem::path folder = options.Require(1, "game folder");
  const std::string& out = options.Require(2, "output file");
  const std::vector<TSceneView> views = LoadScenes(folder, options.Text("scene", ""));
  const bool names = options.Text("names", "no") == "yes", grid = options.Text("grid", "no") == "yes";
  const int columns = views.size() == 1 ? 1 : 3;
  const double scale = views.size() == 1 ? 1.0 : 0.5;
  const int rows = int((views.size() + size_t(columns) - 1) / size_t(columns));
  TCairoCanvas canvas(int(columns * kSceneWidth * scale), int(rows * kSceneHeight * scale));
  cairo_t* cr = canvas.Context();
  for (size_t i = 0; i < views.size(); ++i) {
    cairo_save(cr);
    cairo_translate(cr, double(i % size_t(columns)) * kSceneWidth * scale,
                    double(i / size_t(columns)) * kSceneHeight * scale);
    cairo_scale(cr, scale, scale);
    PaintScene(cr, folder, views[i], names, grid);
    if (views.size() > 1) Title(cr, views[i].name);
    cairo_restore(cr);
  }
  if (!canvas.Picture().Save(out)) throw EToolError("cannot write " + out);
  return 0;
}

}  // namespace corvellane
