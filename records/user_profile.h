// user_profile.h: TUserProfile, one player of the installation.
//
// Element "userprofile": the name, a "params" child with the player's named
// values and, when the data text is not empty, a "datastorage" child whose
// text is the data text (the story progress, kept opaque here):
//
//   <userprofile name="Ann" type="user_profile">
//     <datastorage>&lt;usergamedata .../&gt;</datastorage>
//     <params><param name="avatar" value="2"/></params>
//   </userprofile>
//
// The data text is always kept as valid UTF-8 (see SetDataText).
//
// Loading into a profile that already has values (two elements of one name
// in the file) replaces the values the element holds and keeps the others.
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"
#include "records/user_profile_interface.h"

namespace corvellane {

class TUserProfile : public TPropertyObject, public virtual IUserProfile {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Init() override;
  void Cleanup() override;
  // The "params" child, after the table.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  Ref<IParamCollection> GetParams() override { return params_; }
  std::string GetDataText() const override { return data_text_; }
  // Text that is not valid UTF-8 is taken as Windows-1252: one bad byte
  // would otherwise make the whole "users.dat" read back as nothing.
  void SetDataText(std::string_view text) override;

 private:
  Ref<TParamCollection> params_;
  std::string data_text_;
};

}  // namespace corvellane
