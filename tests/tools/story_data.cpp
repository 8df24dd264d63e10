#include "tests/tools/story_data.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/image_decoder.h"
#include "persistence/cipher.h"
#include "persistence/value_access.h"
#include "shell/declarations.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {
namespace {

std::filesystem::path InGame(std::string data_path) {
  std::replace(data_path.begin(), data_path.end(), '\\', '/');
  return std::filesystem::path(TestGameDir()) / data_path;
}

std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

// Definition files are enciphered by the build; the language file is plain.
Ref<IHierStorage> Definitions(const std::string& data_path) {
  const std::string text = ReadWhole(InGame(data_path));
  if (text.empty()) return nullptr;
  Ref<IHierStorageRoot> root = OpenStorageText(DecryptText(product::FileKeyText(product::FileKey::Definitions), text));
  return root;
}

TStoryPlace ReadPlace(IHierStorage* node) {
  const double zoom = ReadFloat(node, "zoom", 1);
  return {ReadText(node, "name"),
          ReadInt(node, "anchor_left", 0),
          ReadInt(node, "anchor_top", 0),
          ReadInt(node, "z", 0),
          ReadInt(node, "transparentlevel", 255),
          ReadFloat(node, "zoomx", zoom),
          ReadFloat(node, "zoomy", zoom),
          ReadFloat(node, "angle", 0)};
}

TStoryScene ReadScene(const std::string& name, IHierStorage* root) {
  TStoryScene scene{name, {}, {}, ReadInt(root, "identical_part_shift", 256), {}};
  std::map<std::string, std::string> files;
  for (const auto& def : Children(root->GetChild("resource_defs", 0).get(), "resource_def"))
    files[ReadText(def.get(), "name")] = ReadText(def.get(), "file");
  scene.background = files["img_SceneBackground"];
  scene.preview = files["img_ScenePreview"];
  for (const auto& node : Children(root->GetChild("object_defs", 0).get(), "object_def")) {
    TStoryObject object{ReadText(node.get(), "name"),
                        ReadText(node.get(), "caption"),
                        ReadText(node.get(), "category"),
                        ReadText(node.get(), "resourcename"),
                        {},
                        ReadInt(node.get(), "objecttype", 5),
                        ReadInt(node.get(), "width", 0),
                        ReadInt(node.get(), "height", 0),
                        {}};
    object.file = files[object.resource];
    for (const auto& place : Children(node->GetChild("locations", 0).get(), "location"))
      object.places.push_back(ReadPlace(place.get()));
    scene.objects.push_back(std::move(object));
  }
  return scene;
}

TStoryData Load() {
  TStoryData story;
  Ref<IHierStorage> list = Definitions("data\\ini\\scenes.ini");
  for (const auto& ref : Children(list.get(), "scene_def")) {
    const std::string name = ReadText(ref.get(), "name");
    if (Ref<IHierStorage> scene = Definitions(ReadText(ref.get(), "filename")))
      story.scenes[name] = ReadScene(name, scene.get());
  }
  Ref<IHierStorageRoot> language = OpenStorageText(ReadWhole(InGame("lang\\default.lng")));
  for (const auto& string : Children(language->GetChild("strings", 0).get(), "string"))
    story.strings[Lower(ReadText(string.get(), "name"))] = string->GetText().ToText();
  Ref<IHierStorage> resources = Definitions("data\\ini\\story_resources.ini");
  for (const auto& resource : Children(resources ? resources->GetChild("content", 0).get() : nullptr, "resource"))
    story.story_resources.insert(ReadText(resource.get(), "name"));
  story.scenario = Definitions("data\\ini\\scenarios\\default.ini");
  story.categories = Definitions("data\\ini\\categories.ini");
  return story;
}

}  // namespace

std::vector<Ref<IHierStorage>> Children(IHierStorage* node, std::string_view name) {
  std::vector<Ref<IHierStorage>> children;
  const int count = node ? node->GetChildCount(name) : 0;
  for (int i = 0; i < count; ++i) children.push_back(node->GetChild(name, i));
  return children;
}

std::string Param(IHierStorage* node, std::string_view name) {
  for (const auto& param : Children(node ? node->GetChild("params", 0).get() : nullptr, "param"))
    if (ReadText(param.get(), "name") == name) return ReadText(param.get(), "value");
  return {};
}

std::set<std::string> SplitList(const std::string& list) {
  std::set<std::string> names;
  size_t start = 0;
  for (size_t end; (end = list.find(';', start)) != std::string::npos; start = end + 1)
    if (end > start) names.insert(list.substr(start, end - start));
  return names;
}

Ref<TSurface> TStoryData::Picture(const std::string& data_path) const {
  static std::map<std::string, Ref<TSurface>> decoded;
  auto it = decoded.find(data_path);
  if (it != decoded.end()) return it->second;
  const std::string bytes = ReadWhole(InGame(data_path));
  Ref<TSurface> picture = DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  decoded.emplace(data_path, picture);
  return picture;
}

std::string TStoryData::Localised(const std::string& reference) const {
  if (reference.size() < 3 || reference.front() != '%' || reference.back() != '%') return {};
  auto it = strings.find(Lower(reference.substr(1, reference.size() - 2)));
  return it == strings.end() ? std::string() : it->second;
}

const TStoryData& StoryData() {
  static const TStoryData story = Load();
  return story;
}

}  // namespace corvellane::testing
