#include "records/record.h"

#include "persistence/localization.h"
#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "records/record_value.h"

namespace corvellane {

namespace {

int& RecordCounter() {
  static int counter = 0;
  return counter;
}

constexpr std::string_view kNamePrefix = "Record";

// Localize without a language object hands the text back unchanged; the
// doubled percent signs of the saved form still have to become single ones.
std::string UndoublePercentSigns(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
  }
  return out;
}

std::string ExpandStoredText(std::string_view text) {
  return MultiLanguages() ? Localize(text) : UndoublePercentSigns(text);
}

}  // namespace

std::string TRecord::NextAutomaticName() { return std::string(kNamePrefix) + FormatInt(RecordCounter() + 1); }

std::string TRecord::TakeAutomaticName() {
  std::string name = NextAutomaticName();
  ++RecordCounter();
  return name;
}

void TRecord::Init() {
  TPersistObject::Init();
  SetStorageName("record");
  SetTypeName({});
  SetName(TakeAutomaticName());
  params_ = CreateObject<TParamCollection>();
}

void TRecord::SetParam(std::string_view key, std::string_view value) {
  if (key != "param") {
    TPersistObject::SetParam(key, value);
    return;
  }
  if (value.empty()) return;
  Ref<TParam> field = CreateObject<TParam>();
  field->SetName(value);
  params_->AddParam(field);
}

int32_t TRecord::GetScore() { return ParamInteger(params_.get(), "Score").value_or(-1); }

void TRecord::LoadProperties(IHierStorage* node) {
  if (!node) return;
  std::string stored_name = ReadText(node, "name");
  if (!stored_name.empty()) SetName(stored_name);
  Ref<IHierStorage> fields = node->GetChildCount("params") > 0 ? node->GetChild("params", 0) : nullptr;
  if (!fields) return;
  for (int i = 0; i < fields->GetChildCount("param"); ++i) {
    Ref<IHierStorage> field = fields->GetChild("param", i);
    if (field) LoadField(field.get());
  }
}

void TRecord::LoadField(IHierStorage* param_node) {
  std::string name = ReadText(param_node, "name");
  if (name.empty()) return;
  Ref<IParam> field = params_->GetParam(Variant(name));
  if (!field) return;
  field->SetParamValue(Variant(ExpandStoredText(param_node->GetText().ToText())));
}

void TRecord::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  if (!node) return;
  Ref<IHierStorage> fields = node->AddChild("params");
  for (int i = 0; i < params_->Count(); ++i) {
    Ref<IParam> field = params_->GetParam(Variant(i));
    Ref<IHierStorage> child = fields->AddChild("param");
    WriteText(child.get(), "name", field->GetName(), true);
    child->SetText(Variant(LiteralText(field->GetParamValue().ToText())));
  }
}

}  // namespace corvellane
