// param_def_collection.h: TParamDefCollection, the cell definitions of one
// parameter space, and the [col][row] index over them.
//
//   <paramdefs>
//     <paramdef name="x" col="0"/>
//     <paramdef name="a" col="1" static="yes" value="1"/>
//     <paramdef col="1" static="yes" value="2"/>     (unnamed: automatic key)
//   </paramdefs>
//
// Definitions are filed under their names (an unnamed one under an
// automatic key). A definition whose row is -1 is appended to its column.
// While loading, a definition at the (col, row) of one already present
// reloads that one instead of adding a cell.
//
// The index (column count = highest col + 1, column length = highest row in
// it + 1) is built on first use and dropped whenever a definition comes or
// goes. Cells outside kMaxParamColumns x kMaxParamRows, or at a negative
// position, are left out of the index (and so out of every matrix): a
// stray number in a data file cannot make a space allocate without bound.
#pragma once

#include <string_view>
#include <vector>

#include "functions/param_def.h"
#include "persistence/collections.h"

namespace corvellane {

inline constexpr int kMaxParamColumns = 256;
inline constexpr int kMaxParamRows = 4096;

struct IParamDefCollection : virtual ICollection {
  virtual Ref<IParamDef> GetDef(const Variant& key) = 0;
  virtual Ref<IParamDef> GetDefAt(int index) = 0;
  virtual Ref<IParamDef> GetDefByName(std::string_view name) = 0;
  // False (nothing added) when the cell or the name is taken, or for none.
  virtual bool AddDef(Ref<IParamDef> def) = 0;
  virtual Ref<IParamDef> GetDefAtCell(int col, int row) = 0;
  virtual int ColumnCount() = 0;
  // 0 for a column beyond the last.
  virtual int ColumnLength(int col) = 0;
};

class TParamDefCollection : public TPersistCollection, public virtual IParamDefCollection {
 public:
  void Init() override;
  void LoadItem(IHierStorage* child) override;
  bool SaveItem(IObject* item, IHierStorage* child) override;

  void DeleteItem(const Variant& key) override;
  void ClearItems() override;

  Ref<IParamDef> GetDef(const Variant& key) override;
  Ref<IParamDef> GetDefAt(int index) override { return GetDef(Variant(index)); }
  Ref<IParamDef> GetDefByName(std::string_view name) override;
  bool AddDef(Ref<IParamDef> def) override;
  Ref<IParamDef> GetDefAtCell(int col, int row) override;
  int ColumnCount() override;
  int ColumnLength(int col) override;

  // Whether a definition lies inside the bounds every matrix keeps to.
  static bool InBounds(const IParamDef& def);

 private:
  struct Index {
    std::vector<std::vector<Ref<IParamDef>>> cells;  // [col][row]
  };
  void ReloadInPlace(const Ref<IParamDef>& def, IHierStorage* child);
  int IndexOfItem(const Ref<IParamDef>& def);
  const Index& GetIndex();
  void DropIndex() { index_valid_ = false; }

  Index index_;
  bool index_valid_ = false;
};

}  // namespace corvellane
