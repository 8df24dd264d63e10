#include "persistence/params.h"

#include <utility>

#include "persistence/object_io.h"
#include "persistence/value_access.h"

namespace corvellane {

// ---- TParam ----

void TParam::Init() {
  TPersistObject::Init();
  SetStorageName("param");
}

void TParam::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  value_ = Variant(ReadText(node, "value"));
}

void TParam::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  WriteText(node, "value", value_.ToText(), true);
}

// ---- TParamCollection ----

void TParamCollection::Init() {
  TPersistCollection::Init();
  SetStorageName("params");
  SetItemElementName("param");
}

void TParamCollection::SetParam(std::string_view key, std::string_view value) {
  TPersistCollection::SetParam(key, value);
  SetNamedValue(key, Variant(value));
}

void TParamCollection::LoadItem(IHierStorage* child) {
  SetNamedValue(ReadText(child, "name"), Variant(ReadText(child, "value")));
}

bool TParamCollection::SaveItem(IObject* item, IHierStorage* child) {
  auto* param = dynamic_cast<IParam*>(item);
  if (!param) return false;
  WriteText(child, "name", param->GetName(), true);
  WriteText(child, "value", param->GetParamValue().ToText(), true);
  return true;
}

Ref<IParam> TParamCollection::GetParam(const Variant& key) { return GetItemAs<IParam>(key); }

bool TParamCollection::AddParam(Ref<IParam> param) {
  if (!param) return false;
  std::string name = param->GetName();
  return Items().Add(name, std::move(param));
}

void TParamCollection::SetNamedValue(std::string_view name, const Variant& value) {
  if (Ref<IParam> existing = GetParam(Variant(name))) {
    existing->SetParamValue(value);
    return;
  }
  Ref<TParam> param = CreateObject<TParam>();
  param->SetName(name);
  param->SetParamValue(value);
  AddParam(param);
}

Variant TParamCollection::GetNamedValue(std::string_view name, const Variant& fallback) {
  Ref<IParam> param = GetParam(Variant(name));
  return param ? param->GetParamValue() : fallback;
}

// ---- TReplaceableObjectParamCollection ----

void TReplaceableObjectParamCollection::Cleanup() {
  TParamCollection::Cleanup();
  source_ = nullptr;
}

Variant TReplaceableObjectParamCollection::GetValue(std::string_view name, const Variant& fallback) {
  Variant stored = source_ ? source_->GetValue(name, fallback) : fallback;
  Ref<IParam> param = GetParam(Variant(name));
  if (!param) return stored;
  Variant replacement = param->GetParamValue();
  if (SameValue(replacement, stored)) DeleteItem(Variant(name));
  return replacement;
}

int TReplaceableObjectParamCollection::GetValueCount() { return source_ ? source_->GetValueCount() : 0; }

std::string TReplaceableObjectParamCollection::GetValueName(int position) {
  return source_ ? source_->GetValueName(position) : std::string();
}

Variant TReplaceableObjectParamCollection::GetValueAt(int position, const Variant& fallback) {
  return source_ ? source_->GetValueAt(position, fallback) : fallback;
}

void TReplaceableObjectParamCollection::SetValueAt(int position, const Variant& value) {
  if (source_) source_->SetValueAt(position, value);
}

void TReplaceableObjectParamCollection::SetValue(std::string_view name, const Variant& value) {
  if (source_) source_->SetValue(name, value);
}

void TReplaceableObjectParamCollection::DeleteValue(std::string_view name) {
  if (source_) source_->DeleteValue(name);
}

Ref<IHierStorage> TReplaceableObjectParamCollection::AddChild(std::string_view name) {
  return source_ ? source_->AddChild(name) : nullptr;
}

int TReplaceableObjectParamCollection::GetChildCount(std::string_view name) {
  return source_ ? source_->GetChildCount(name) : 0;
}

Ref<IHierStorage> TReplaceableObjectParamCollection::GetChild(std::string_view name, int index) {
  return source_ ? source_->GetChild(name, index) : nullptr;
}

Ref<IHierStorage> TReplaceableObjectParamCollection::FindChild(std::string_view path) {
  return source_ ? source_->FindChild(path) : nullptr;
}

Variant TReplaceableObjectParamCollection::GetText() { return source_ ? source_->GetText() : Variant(); }

void TReplaceableObjectParamCollection::SetText(const Variant& value) {
  if (source_) source_->SetText(value);
}

Variant TReplaceableObjectParamCollection::GetChildText(std::string_view name) {
  return source_ ? source_->GetChildText(name) : Variant();
}

void TReplaceableObjectParamCollection::SetChildText(std::string_view name, const Variant& value) {
  if (source_) source_->SetChildText(name, value);
}

void TReplaceableObjectParamCollection::AppendCopy(IHierStorage* other) {
  if (source_) source_->AppendCopy(other);
}

void TReplaceableObjectParamCollection::RemoveChild(IHierStorage* child) {
  if (source_) source_->RemoveChild(child);
}

std::string TReplaceableObjectParamCollection::GetXml() { return source_ ? source_->GetXml() : std::string(); }

std::string TReplaceableObjectParamCollection::GetLocation() {
  return source_ ? source_->GetLocation() : std::string();
}

Variant TReplaceableObjectParamCollection::GetContent() { return source_ ? source_->GetContent() : Variant(); }

Variant TReplaceableObjectParamCollection::GetChildContent(std::string_view name) {
  return source_ ? source_->GetChildContent(name) : Variant();
}

void TReplaceableObjectParamCollection::SetChildContent(std::string_view name, const Variant& value) {
  if (source_) source_->SetChildContent(name, value);
}

Ref<IHierStorage> TReplaceableObjectParamCollection::FindNode(std::string_view path, std::string_view group_name) {
  return source_ ? source_->FindNode(path, group_name) : nullptr;
}

// ---- TGlobalReplaceableObjectParams ----

void TGlobalReplaceableObjectParams::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetItemElementName("params");
  SetItemClass<TReplaceableObjectParamCollection>();
}

Ref<IReplaceableObjectParamCollection> TGlobalReplaceableObjectParams::GetEntry(const Variant& key) {
  return GetItemAs<IReplaceableObjectParamCollection>(key);
}

bool TGlobalReplaceableObjectParams::AddEntry(Ref<IReplaceableObjectParamCollection> entry) {
  return AddItem(std::move(entry));
}

Ref<IReplaceableObjectParamCollection> TGlobalReplaceableObjectParams::GetOrCreateEntry(std::string_view guid,
                                                                                       bool create) {
  if (guid.empty()) return nullptr;
  if (auto entry = GetEntry(Variant(guid))) return entry;
  if (!create) return nullptr;
  Ref<TReplaceableObjectParamCollection> entry = CreateObject<TReplaceableObjectParamCollection>();
  entry->SetName(guid);
  AddEntry(entry);
  return entry;
}

Ref<IHierStorage> TGlobalReplaceableObjectParams::WrapStorage(std::string_view guid, Ref<IHierStorage> node) {
  Ref<IReplaceableObjectParamCollection> entry = GetOrCreateEntry(guid, false);
  if (!entry) return node;
  entry->SetSource(node);
  return QueryInterface<IHierStorage>(entry);
}

namespace {

Ref<IGlobalReplaceableObjectParams>& GlobalParamsSlot() {
  static Ref<IGlobalReplaceableObjectParams> instance;
  return instance;
}

}  // namespace

const Ref<IGlobalReplaceableObjectParams>& GlobalReplaceableObjectParams() {
  Ref<IGlobalReplaceableObjectParams>& instance = GlobalParamsSlot();
  if (!instance) instance = CreateObject<TGlobalReplaceableObjectParams>();
  return instance;
}

void ReleaseGlobalReplaceableObjectParams() {
  Ref<IGlobalReplaceableObjectParams> instance = std::exchange(GlobalParamsSlot(), nullptr);
  if (auto persist = QueryInterface<IPersistObject>(instance)) persist->Cleanup();
}

// ---- copying ----

void CopyParams(IParamCollection* source, IParamCollection* target) {
  if (!source || !target) return;
  for (int i = 0; i < source->Count(); ++i)
    if (Ref<IParam> param = source->GetParam(Variant(i))) target->SetNamedValue(param->GetName(), param->GetParamValue());
}

Ref<IParamCollection> CloneParams(IParamCollection* source) {
  if (!source) return nullptr;
  Ref<IParamCollection> clone = CreateObject<TParamCollection>();
  CopyParams(source, clone.get());
  return clone;
}

}  // namespace corvellane
