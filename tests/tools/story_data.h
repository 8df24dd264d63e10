// story_data.h: the demo story as the build leaves it in the program folder,
// read into plain structures for the content tests: the scene definitions
// with their objects and places, the pictures they name, the strings of the
// language file and the cases of the scenario.
//
//   const TStoryData& story = StoryData();          // loaded once per run
//   for (const auto& [name, scene] : story.scenes) ...
//   Ref<TSurface> picture = story.Picture(object.file);
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/surface.h"
#include "persistence/storage.h"

namespace corvellane::testing {

struct TStoryPlace {
  std::string name;
  int x = 0, y = 0, z = 0, opacity = 255;
  double zoom_x = 1, zoom_y = 1, angle = 0;
};

struct TStoryObject {
  std::string name, caption, category, resource, file;
  int type = 5, width = 0, height = 0;
  std::vector<TStoryPlace> places;
};

struct TStoryScene {
  std::string name, background, preview;
  int shift = 256;
  std::vector<TStoryObject> objects;
};

struct TStoryData {
  std::map<std::string, TStoryScene> scenes;
  std::map<std::string, std::string> strings;  // keys in lower case, as the game compares them
  std::set<std::string> story_resources;       // names defined in story_resources.ini
  Ref<IHierStorage> scenario;                  // the root "usergamedata"
  Ref<IHierStorage> categories;                // the root "categories"

  // The picture of a data path ("data\images\..."), decoded once; none when missing.
  Ref<TSurface> Picture(const std::string& data_path) const;
  // The text of a "%key%" reference; empty when it is no reference or has no string.
  std::string Localised(const std::string& reference) const;
};

const TStoryData& StoryData();

// The children of a node with that element name, in file order.
std::vector<Ref<IHierStorage>> Children(IHierStorage* node, std::string_view name);
// The value of the "param" named `name` in a node's "params" child, or empty.
std::string Param(IHierStorage* node, std::string_view name);
// The names of a ";"-separated list such as ";flowers;books;" (empty pieces dropped).
std::set<std::string> SplitList(const std::string& list);

}  // namespace corvellane::testing
