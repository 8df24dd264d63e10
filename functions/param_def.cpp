#include "functions/param_def.h"

#include "persistence/value_access.h"

namespace corvellane {

void TParamDef::Init() {
  TPersistObject::Init();
  SetStorageName("paramdef");
}

void TParamDef::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  row_ = ReadInt(node, "row", -1);
  col_ = ReadInt(node, "col", 0);
  static_ = ReadBool(node, "static", false);
  value_ = static_ ? static_cast<float>(ReadFloat(node, "value", 0.0)) : 0.0f;
  out_name_ = ReadText(node, "outname");
  LoadOutPosition(node);
}

void TParamDef::LoadOutPosition(IHierStorage* node) {
  out_row_ = 0;
  out_col_ = 0;
  if (!AliasesByPosition()) return;
  const int out_row = ReadInt(node, "outrow", -1);
  const int out_col = ReadInt(node, "outcol", -1);
  // Neither position given: the owner's cell of the same name.
  if (out_row == -1 && out_col == -1) {
    out_name_ = GetName();
    return;
  }
  out_row_ = out_row == -1 ? 0 : out_row;
  out_col_ = out_col == -1 ? 0 : out_col;
}

// The row and an alias position are written too: without them a reloaded
// space would append its cells in file order, and a cell aliased by position
// would come back aliased by its name, silently changing what it reads.
void TParamDef::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  WriteInt(node, "row", row_, true);
  WriteInt(node, "col", col_, true);
  WriteBool(node, "static", static_, true);
  if (static_) WriteFloat(node, "value", value_, true);
  if (!out_name_.empty()) WriteText(node, "outname", out_name_, true);
  if (AliasesByPosition()) {
    WriteInt(node, "outrow", out_row_, true);
    WriteInt(node, "outcol", out_col_, true);
  }
}

}  // namespace corvellane
