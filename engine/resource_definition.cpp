#include "engine/resource_definition.h"

#include <cctype>
#include <vector>

#include "engine/resource_image_format.h"
#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/paths.h"
#include "persistence/value_access.h"

namespace corvellane {

namespace {

constexpr std::string_view kNamePlaceholder = "%name%";

// The attributes a definition writes itself; a type parameter may not replace them.
bool IsReservedAttribute(std::string_view key) { return key == "name" || key == "type" || key == "file"; }

// Letters, digits, "_", "-", "." and ":", not starting with a digit, "-" or ".":
// anything else would not read back as an attribute.
bool IsPlainAttributeName(std::string_view key) {
  if (key.empty()) return false;
  auto first = static_cast<unsigned char>(key.front());
  if (!std::isalpha(first) && first != '_' && first != ':') return false;
  for (char c : key) {
    auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && u != '_' && u != '-' && u != '.' && u != ':') return false;
  }
  return true;
}

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  std::string out;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what)) {
    out.append(text.substr(0, at)).append(with);
    text.remove_prefix(at + what.size());
  }
  return out.append(text);
}

// The file name without folder and extension ("data\img\c.PNG" -> "c").
std::string_view BareFileName(std::string_view file) {
  size_t slash = file.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
  return name.substr(0, name.find_last_of('.'));
}

}  // namespace

// ---- TResourceDef ----

std::string TResourceDef::ToResourceText() {
  Ref<IHierStorageRoot> element = CreateStorage("resource");
  WriteResourceElement(element.get());
  return element->GetXml();
}

void TResourceDef::WriteResourceElement(IHierStorage* node) {
  node->SetValue("name", Variant(GetName()));
  node->SetValue("type", Variant(type_));
  node->SetValue("file", Variant(file_));
  for (const ParamPair& pair : ParseParamString(type_params_))
    if (!IsReservedAttribute(pair.key) && IsPlainAttributeName(pair.key)) node->SetValue(pair.key, Variant(pair.value));
}

void TResourceDef::LoadFrom(IHierStorage* node) {
  SetName(ReadText(node, "name"));
  type_ = ReadText(node, "type");
  file_ = ReadText(node, "file");
  type_params_ = ReadText(node, "typeparams");
}

void TResourceDef::SaveTo(IHierStorage* node) {
  WriteText(node, "name", GetName(), true);
  WriteText(node, "type", type_, true);
  WriteText(node, "file", file_, true);
  WriteText(node, "typeparams", type_params_, !type_params_.empty());
}

// ---- TResourceDefCollection ----

void TResourceDefCollection::AttachEngine(IResourceEngine* engine) {
  engine_ = engine;
  for (int i = 0; i < Count(); ++i) GetDef(Variant(i))->SetDefOwner(this);
}

void TResourceDefCollection::DetachEngine() {
  for (int i = 0; i < Count(); ++i) GetDef(Variant(i))->ClearDefOwner();
  engine_ = nullptr;
}

void TResourceDefCollection::LoadAllResources() {
  if (!engine_ || Count() == 0) return;
  std::vector<Ref<IResourceDef>> defs;
  for (int i = 0; i < Count(); ++i) defs.push_back(GetDef(Variant(i)));
  LoadDefinitions(defs);
}

void TResourceDefCollection::ReloadResource(const Variant& key) {
  Ref<IResourceDef> def = GetDef(key);
  if (!def || !engine_) return;
  engine_->DeleteResource(def->GetName());
  LoadDefinitions({&def, 1});
}

void TResourceDefCollection::RemoveGroupResources() {
  if (engine_) engine_->RemoveResources(group_name_);
}

bool TResourceDefCollection::AddDef(Ref<IResourceDef> def) {
  if (!def || !AddItem(def->GetName(), def)) return false;
  if (engine_) def->SetDefOwner(this);
  return true;
}

Ref<IResourceDef> TResourceDefCollection::SetDef(std::string_view name, std::string_view type,
                                                 std::string_view type_params, std::string_view file) {
  Ref<IResourceDef> def = GetDef(Variant(name));
  const bool fresh = !def;
  if (fresh) def = CreateObject<TResourceDef>();
  def->SetName(name);
  def->SetType(type);
  def->SetFile(file);
  def->SetTypeParams(type_params);
  if (fresh) AddDef(def);
  return def;
}

Ref<IResourceDef> TResourceDefCollection::AddImageFile(std::string_view name_pattern, std::string_view file_name) {
  std::string relative(file_name);
  if (engine_) {
    const std::string program_folder = NormalizePath(engine_->GetProgramFolder());
    const std::string normalized = NormalizePath(file_name);
    if (!program_folder.empty() && normalized.starts_with(program_folder))
      relative = normalized.substr(program_folder.size());
  }
  const std::string name = ReplaceAll(name_pattern, kNamePlaceholder, BareFileName(relative));
  const std::string params = "\\format=" + std::string(ImageFormatForFile(relative));
  return SetDef(name, "ImageResource", params, relative);
}

void TResourceDefCollection::LoadFrom(IHierStorage* node) {
  if (!node) return;
  group_name_ = ReadText(node, "resourcegroup");
  const int count = node->GetChildCount("resource_def");
  for (int i = 0; i < count; ++i) {
    Ref<TResourceDef> def = CreateObject<TResourceDef>();
    def->LoadFrom(node->GetChild("resource_def", i).get());
    AddDef(def);
  }
}

void TResourceDefCollection::SaveTo(IHierStorage* node) {
  if (!node) return;
  WriteText(node, "resourcegroup", group_name_, !group_name_.empty());
  for (int i = 0; i < Count(); ++i) {
    Ref<IPersistable> def = QueryInterface<IPersistable>(GetDef(Variant(i)));
    if (def) def->SaveTo(node->AddChild(def->GetStorageName()).get());
  }
}

void TResourceDefCollection::Cleanup() {
  DetachEngine();
  ClearItems();
}

void TResourceDefCollection::LoadDefinitions(std::span<const Ref<IResourceDef>> defs) {
  Ref<IHierStorageRoot> root = CreateStorage("resources");
  Ref<IHierStorage> content = root->AddChild("content");
  for (const Ref<IResourceDef>& def : defs) def->WriteResourceElement(content->AddChild("resource").get());
  engine_->LoadResourceDefs(root.get(), group_name_, false);
}

}  // namespace corvellane
