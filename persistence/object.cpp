#include "persistence/object.h"

#include <typeinfo>

#include "persistence/class_registry.h"
#include "persistence/load_nesting.h"
#include "persistence/params.h"
#include "persistence/property_table.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {

// ---- TNamedObject ----

void TNamedObject::SetParam(std::string_view key, std::string_view value) {
  if (key == "name") SetName(value);
}

void TNamedObject::AssignTo(TNamedObject& target) const { target.SetName(name_); }

// ---- TPersistObject ----

void TPersistObject::Init() {
  TNamedObject::Init();
  type_name_ = TypeNameOf(typeid(*this));
  stored_ = true;
  template_ = false;
  object_guid_.clear();
}

void TPersistObject::AssignTo(TNamedObject& target) const {
  TNamedObject::AssignTo(target);
  auto* persist = dynamic_cast<TPersistObject*>(&target);
  if (!persist) return;
  persist->out_storage_ = out_storage_;
  persist->template_ = template_;
  persist->stored_ = stored_;
  persist->storage_name_ = storage_name_;
  persist->type_name_ = type_name_;
}

void TPersistObject::LoadFrom(IHierStorage* node) {
  if (!node) return;
  TLoadNestingScope nesting;
  // An element with "_outstorage" already reads through to the external file,
  // so its text only needs remembering for saving.
  out_storage_ = ReadText(node, "_outstorage");
  template_ = ReadBool(node, "template", false);
  object_guid_ = ReadText(node, "_object_guid");
  if (object_guid_.empty()) {
    LoadProperties(node);
    return;
  }
  Ref<IHierStorage> source(node);
  Ref<IHierStorage> replaced = GlobalReplaceableObjectParams()->WrapStorage(object_guid_, source);
  LoadProperties(replaced.get());
}

void TPersistObject::SaveTo(IHierStorage* node) {
  if (!node) return;
  if (out_storage_.empty())
    SaveProperties(node);
  else if (template_)
    SaveDifferencesFromTemplate(node);
  else
    SaveToOutStorage(node);
  WriteText(node, "_object_guid", object_guid_, !object_guid_.empty());
  WriteText(node, "_outstorage", out_storage_, !out_storage_.empty());
  WriteBool(node, "template", template_, template_);
}

namespace {

// The names of the node's own values (not those its external storage adds).
bool HasOwnValue(IHierStorage* node, std::string_view name) {
  for (int i = 0; i < node->GetValueCount(); ++i)
    if (node->GetValueName(i) == name) return true;
  return false;
}

// A scratch document holding a deep copy of the template's element.
Ref<IHierStorage> ScratchCopyOf(IHierStorage* original) {
  Ref<IHierStorageRoot> scratch = CreateStorage("scratch");
  scratch->AppendCopy(original);
  return scratch->GetChild(original->GetNodeName(), 0);
}

}  // namespace

void TPersistObject::SaveDifferencesFromTemplate(IHierStorage* node) {
  Ref<IHierStorage> original = OpenExternalStorage(out_storage_);
  // Without its template there is nothing to compare with: keep every value
  // rather than lose the ones that would have differed.
  if (!original) {
    SaveProperties(node);
    return;
  }
  Ref<IHierStorage> scratch = ScratchCopyOf(original.get());
  SaveProperties(scratch.get());
  for (int i = 0; i < scratch->GetValueCount(); ++i) {
    std::string name = scratch->GetValueName(i);
    Variant value = scratch->GetValueAt(i, Variant());
    if (!SameValue(value, original->GetValue(name, Variant())))
      node->SetValue(name, value);
    else if (HasOwnValue(node, name))
      // A stale value of the node would hide the template's value on reading.
      node->DeleteValue(name);
  }
}

void TPersistObject::SaveToOutStorage(IHierStorage* node) {
  Ref<IHierStorageRoot> external = CreateStorage(node->GetNodeName());
  SaveProperties(external.get());
  SaveExternalStorage(external.get(), out_storage_);
}

bool TPersistObject::SavePropertiesChecked(IHierStorage* node) {
  SaveProperties(node);
  return true;
}

void TPersistObject::LoadProperties(IHierStorage* node) { SetName(ReadText(node, "name")); }

void TPersistObject::SaveProperties(IHierStorage* node) {
  std::string name = GetName();
  WriteText(node, "name", name, !name.empty());
  WriteText(node, "type", type_name_, !type_name_.empty());
}

// ---- TPropertyObject ----

const TPropertyTable& TPropertyObject::Properties() {
  static const TPropertyTable table;
  return table;
}

void TPropertyObject::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  GetPropertyTable().Load(*this, node);
}

void TPropertyObject::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  GetPropertyTable().Save(*this, node);
}

Variant TPropertyObject::GetProperty(std::string_view name) {
  if (std::optional<Variant> value = GetPropertyTable().Read(*this, name)) return *value;
  return GetBaseProperty(name);
}

void TPropertyObject::SetProperty(std::string_view name, const Variant& value) {
  if (!GetPropertyTable().Write(*this, name, value)) SetBaseProperty(name, value);
}

Variant TPropertyObject::GetBaseProperty(std::string_view name) {
  if (name == "name") return Variant(GetName());
  if (name == "_object_guid") return Variant(GetObjectGuid());
  return Variant::Null();
}

void TPropertyObject::SetBaseProperty(std::string_view name, const Variant& value) {
  if (name == "name")
    SetName(value.ToText());
  else if (name == "_object_guid")
    SetObjectGuid(value.ToText());
}

Variant TPropertyObject::GetPropertyOr(std::string_view name, const Variant& fallback) {
  Variant value = GetProperty(name);
  return value.IsEmptyOrNull() ? fallback : value;
}

}  // namespace corvellane
