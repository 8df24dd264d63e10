#include "records/user_profile.h"

#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "persistence/storage.h"
#include "xml/text_encoding.h"

namespace corvellane {

namespace {

constexpr std::string_view kDataElement = "datastorage";

}  // namespace

const TPropertyTable& TUserProfile::Properties() {
  using P = TUserProfile;
  // The data text is the content of a child element, not an attribute; an
  // element without one leaves the text as it was.
  static const TPropertyTable table = TPropertyTableOf<P>(TPropertyObject::Properties())
      .Custom(
          kDataElement, [](P& p) { return Variant(p.data_text_); },
          [](P& p, const Variant& v) {
            p.SetDataText(v.ToText());
            return true;
          },
          [](P& p, IHierStorage* node) {
            if (node->GetChildCount(kDataElement) > 0) p.data_text_ = node->GetChildText(kDataElement).ToText();
          },
          [](P& p, IHierStorage* node) {
            if (!p.data_text_.empty()) node->SetChildText(kDataElement, Variant(p.data_text_));
          });
  return table;
}

void TUserProfile::SetDataText(std::string_view text) {
  data_text_ = IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
}

void TUserProfile::Init() {
  TPropertyObject::Init();
  SetStorageName("userprofile");
  params_ = CreateObject<TParamCollection>();
  params_->SetTypeName({});
}

void TUserProfile::Cleanup() { params_->ClearItems(); }

void TUserProfile::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  LoadChild(params_.get(), node, "params");
}

void TUserProfile::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  SaveChild(params_.get(), node, "params");
}

}  // namespace corvellane
