#include "functions/param_space.h"

#include <vector>

#include "persistence/object_io.h"

namespace corvellane {

namespace {

TCellRef OwnerCell(IParamSpace* owner, const IParamDef& def) {
  if (!owner) return nullptr;
  const std::string out_name = def.GetOutName();
  if (!out_name.empty()) return owner->GetCellRefByName(out_name);
  return owner->GetCellRef(def.GetOutCol(), def.GetOutRow());
}

}  // namespace

void TParamSpace::Init() {
  TPersistObject::Init();
  SetStorageName("paramspace");
  defs_ = CreateObject<TParamDefCollection>();
}

void TParamSpace::Cleanup() {
  Unlink();
  defs_->Cleanup();
  TPersistObject::Cleanup();
}

void TParamSpace::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  LoadChild(defs_.get(), node, "paramdefs");
}

void TParamSpace::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  SaveChild(defs_.get(), node, "paramdefs");
}

template <class StaticValue, class Alias>
TParamMatrix TParamSpace::BuildMatrix(StaticValue static_value, Alias alias) {
  std::vector<int> lengths(static_cast<size_t>(defs_->ColumnCount()));
  for (size_t col = 0; col < lengths.size(); ++col) lengths[col] = defs_->ColumnLength(static_cast<int>(col));
  TParamMatrix matrix;
  matrix.Resize(lengths);

  std::vector<Ref<IParamDef>> defs;
  for (int i = 0; i < defs_->Count(); ++i)
    if (Ref<IParamDef> def = defs_->GetDefAt(i); def && TParamDefCollection::InBounds(*def))
      defs.push_back(def);
  // One allocation for all constants; each cell shares ownership of it.
  auto block = std::make_shared<TCell[]>(defs.size());
  for (size_t i = 0; i < defs.size(); ++i) {
    const IParamDef& def = *defs[i];
    if (def.IsStatic()) {
      block[i].value = static_value(def);
      matrix.Bind(def.GetCol(), def.GetRow(), CellInBlock(block, block[i]));
    } else {
      matrix.Bind(def.GetCol(), def.GetRow(), alias(def));
    }
  }
  return matrix;
}

void TParamSpace::LinkTo(IParamSpace* owner) {
  // Built aside first: the owner may be this very space.
  auto matrix = std::make_shared<TParamMatrix>(
      BuildMatrix([](const IParamDef& def) { return def.GetStaticValue(); },
                  [owner](const IParamDef& def) { return OwnerCell(owner, def); }));
  matrix_ = std::move(matrix);
}

void TParamSpace::Unlink() { matrix_ = std::make_shared<TParamMatrix>(); }

TParamMatrix TParamSpace::NewMatrix() {
  const TParamMatrix& current = *matrix_;
  const bool linked = current.ColumnCount() > 0;
  return BuildMatrix(
      [&](const IParamDef& def) {
        return linked ? current.Get(def.GetCol(), def.GetRow()) : def.GetStaticValue();
      },
      [&](const IParamDef& def) { return current.CellAt(def.GetCol(), def.GetRow()); });
}

Ref<IParamDef> TParamSpace::AddParamDef(std::string_view name, int col, int row, bool is_static,
                                        float static_value, std::string_view out_name) {
  Ref<TParamDef> def = CreateObject<TParamDef>();
  def->SetName(name);
  def->SetCol(col);
  def->SetRow(row);
  def->SetStatic(is_static);
  def->SetStaticValue(static_value);
  def->SetOutName(out_name);
  if (!defs_->AddDef(def)) return nullptr;
  return def;
}

TCellRef TParamSpace::GetCellRefByName(std::string_view name) {
  Ref<IParamDef> def = defs_->GetDefByName(name);
  return def ? matrix_->CellAt(def->GetCol(), def->GetRow()) : nullptr;
}

float TParamSpace::GetValueByName(std::string_view name) {
  TCellRef cell = GetCellRefByName(name);
  return cell ? *cell : 0.0f;
}

void TParamSpace::SetValueByName(std::string_view name, float value) {
  if (TCellRef cell = GetCellRefByName(name)) *cell = value;
}

}  // namespace corvellane
