#include <gtest/gtest.h>

#include <string>

#include "functions/param_space.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"

namespace corvellane::testing {
namespace {

Ref<TParamSpace> LoadSpace(const std::string& defs) {
  Ref<IHierStorageRoot> root =
      OpenStorageText("<paramspace><paramdefs>" + defs + "</paramdefs></paramspace>");
  Ref<TParamSpace> space = CreateObject<TParamSpace>();
  space->LoadFrom(root.get());
  return space;
}

Ref<TParamSpace> SavedAndReloaded(TParamSpace& space) {
  Ref<IHierStorageRoot> root = CreateStorage("paramspace");
  space.SaveTo(root.get());
  Ref<TParamSpace> copy = CreateObject<TParamSpace>();
  copy->LoadFrom(OpenStorageText(root->SaveToText()).get());
  return copy;
}

struct Cell {
  int col, row;
};
Cell CellOf(IParamSpace& space, const char* name) {
  Ref<IParamDef> def = space.GetParamDefs()->GetDefByName(name);
  return def ? Cell{def->GetCol(), def->GetRow()} : Cell{-1, -1};
}

TEST(ParamDefTest, AliasTargetFollowsWhatTheDefinitionGives) {
  Ref<TParamSpace> space = LoadSpace(R"(
      <paramdef name="own" col="1"/>
      <paramdef name="named" col="1" outname="other" outrow="3" outcol="3"/>
      <paramdef name="at" col="1" outcol="2"/>
      <paramdef name="const" col="1" static="yes" value="4.5" outrow="2"/>
      <paramdef name="ignored_value" col="1" value="9"/>)");
  Ref<IParamDefCollection> defs = space->GetParamDefs();
  Ref<IParamDef> own = defs->GetDefByName("own");
  EXPECT_EQ(own->GetOutName(), "own");
  Ref<IParamDef> named = defs->GetDefByName("named");
  EXPECT_EQ(named->GetOutName(), "other");
  EXPECT_EQ(named->GetOutRow(), 0);
  EXPECT_EQ(named->GetOutCol(), 0);
  Ref<IParamDef> at = defs->GetDefByName("at");
  EXPECT_EQ(at->GetOutName(), "");
  EXPECT_EQ(at->GetOutCol(), 2);
  EXPECT_EQ(at->GetOutRow(), 0);
  Ref<IParamDef> constant = defs->GetDefByName("const");
  EXPECT_TRUE(constant->IsStatic());
  EXPECT_FLOAT_EQ(constant->GetStaticValue(), 4.5f);
  EXPECT_EQ(constant->GetOutRow(), 0);
  EXPECT_FLOAT_EQ(defs->GetDefByName("ignored_value")->GetStaticValue(), 0.0f);
}

TEST(ParamDefTest, CellsAppendToTheirColumnsAndASecondDefinitionOfACellReloadsTheFirst) {
  Ref<TParamSpace> space = LoadSpace(R"(
      <paramdef name="r0" col="0"/>
      <paramdef name="a" col="1" row="1" static="yes" value="1"/>
      <paramdef name="b" col="1" static="yes" value="2"/>
      <paramdef name="c" col="1" static="yes" value="3"/>
      <paramdef name="again" col="1" row="1" static="yes" value="10"/>
      <paramdef col="3" static="yes" value="5"/>
      <paramdef col="3" static="yes" value="6"/>)");
  Ref<IParamDefCollection> defs = space->GetParamDefs();
  EXPECT_EQ(defs->ColumnCount(), 4);
  EXPECT_EQ(defs->ColumnLength(0), 1);
  EXPECT_EQ(defs->ColumnLength(1), 4);
  EXPECT_EQ(defs->ColumnLength(2), 0);
  EXPECT_EQ(defs->ColumnLength(9), 0);
  // "b" appended after the highest row (1), "c" after that.
  EXPECT_EQ(CellOf(*space, "b").row, 2);
  EXPECT_EQ(CellOf(*space, "c").row, 3);
  // The definition at (1, 1) was reloaded: renamed, new value, no new cell,
  // filed under its new name at its old place.
  EXPECT_FALSE(defs->Contains("a"));
  EXPECT_EQ(defs->IndexOf("again"), 1);
  EXPECT_FLOAT_EQ(defs->GetDefByName("again")->GetStaticValue(), 10.0f);
  EXPECT_EQ(defs->GetDefAtCell(1, 1)->GetName(), "again");
  // Unnamed definitions are kept under keys of their own.
  EXPECT_EQ(defs->Count(), 6);
  EXPECT_FLOAT_EQ(defs->GetDefAtCell(3, 1)->GetStaticValue(), 6.0f);
}

TEST(ParamDefTest, CellsOutsideTheBoundsOrAtNegativePlacesGetNoStorage) {
  Ref<TParamSpace> space = LoadSpace(R"(
      <paramdef name="fine" col="0" static="yes" value="1"/>
      <paramdef name="huge_row" col="0" row="2000000000" static="yes" value="2"/>
      <paramdef name="huge_col" col="100000000" static="yes" value="3"/>
      <paramdef name="negative_col" col="-2" static="yes" value="4"/>
      <paramdef name="negative_row" col="1" row="-5" static="yes" value="5"/>)");
  space->LinkTo(nullptr);
  EXPECT_EQ(space->ColumnCount(), 1);
  EXPECT_EQ(space->ColumnLength(0), 1);
  EXPECT_FLOAT_EQ(space->GetValueByName("fine"), 1.0f);
  for (const char* name : {"huge_row", "huge_col", "negative_col", "negative_row"}) {
    EXPECT_FLOAT_EQ(space->GetValueByName(name), 0.0f) << name;
    EXPECT_FALSE(space->GetCellRefByName(name)) << name;
  }
}

TEST(ParamDefTest, SavingKeepsRowsAndAliasPositions) {
  Ref<TParamSpace> space = LoadSpace(R"(
      <paramdef name="second" col="1" row="1" static="yes" value="2"/>
      <paramdef name="first" col="1" row="0" outcol="2" outrow="1"/>
      <paramdef name="named" col="0" outname="alpha"/>
      <paramdef name="self" col="0"/>)");
  Ref<TParamSpace> copy = SavedAndReloaded(*space);
  EXPECT_EQ(CellOf(*copy, "second").row, 1);
  EXPECT_EQ(CellOf(*copy, "first").row, 0);
  Ref<IParamDef> first = copy->GetParamDefs()->GetDefByName("first");
  EXPECT_EQ(first->GetOutName(), "");
  EXPECT_EQ(first->GetOutCol(), 2);
  EXPECT_EQ(first->GetOutRow(), 1);
  EXPECT_FLOAT_EQ(copy->GetParamDefs()->GetDefByName("second")->GetStaticValue(), 2.0f);
  EXPECT_EQ(copy->GetParamDefs()->GetDefByName("named")->GetOutName(), "alpha");
  EXPECT_EQ(copy->GetParamDefs()->GetDefByName("self")->GetOutName(), "self");
}

class LinkedSpaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = LoadSpace(R"(
        <paramdef name="alpha" col="0" static="yes" value="10"/>
        <paramdef name="beta" col="0" static="yes" value="20"/>
        <paramdef name="gamma" col="1" static="yes" value="30"/>)");
    owner->LinkTo(nullptr);
    child = LoadSpace(R"(
        <paramdef name="alpha" col="0"/>
        <paramdef name="b" col="0" outname="beta"/>
        <paramdef name="g" col="1" outcol="1" outrow="0"/>
        <paramdef name="missing" col="1"/>
        <paramdef name="far" col="1" outcol="7" outrow="7"/>
        <paramdef name="k" col="2" static="yes" value="0.5"/>)");
  }
  Ref<TParamSpace> owner;
  Ref<TParamSpace> child;
};

TEST_F(LinkedSpaceTest, AliasedCellsReadAndWriteTheOwnersCells) {
  child->LinkTo(owner.get());
  EXPECT_FLOAT_EQ(child->GetValueByName("alpha"), 10.0f);
  EXPECT_FLOAT_EQ(child->GetValueByName("B"), 20.0f);  // names ignore letter case
  EXPECT_FLOAT_EQ(child->GetValueByName("g"), 30.0f);
  child->SetValueByName("b", 21.0f);
  child->SetCellValue(1, 0, 31.0f);
  EXPECT_FLOAT_EQ(owner->GetValueByName("beta"), 21.0f);
  EXPECT_FLOAT_EQ(owner->GetValueByName("gamma"), 31.0f);
  owner->SetValueByName("alpha", 11.0f);
  EXPECT_FLOAT_EQ(child->GetCellValue(0, 0), 11.0f);
}

TEST_F(LinkedSpaceTest, CellsWithoutStorageReadZeroAndIgnoreWrites) {
  child->LinkTo(owner.get());
  for (const char* name : {"missing", "far", "nobody"}) {
    child->SetValueByName(name, 5.0f);
    EXPECT_FLOAT_EQ(child->GetValueByName(name), 0.0f) << name;
  }
  child->SetCellValue(40, 40, 1.0f);
  EXPECT_FLOAT_EQ(child->GetCellValue(40, 40), 0.0f);
  EXPECT_FLOAT_EQ(child->GetCellValue(-1, 0), 0.0f);

  child->LinkTo(nullptr);
  EXPECT_FLOAT_EQ(child->GetValueByName("alpha"), 0.0f);
  EXPECT_FLOAT_EQ(child->GetValueByName("k"), 0.5f);
}

TEST_F(LinkedSpaceTest, AliasesKeepTheirCellsAliveWhenTheOwnerGoes) {
  child->LinkTo(owner.get());
  owner->Unlink();
  owner = nullptr;
  child->SetValueByName("alpha", 3.0f);
  EXPECT_FLOAT_EQ(child->GetValueByName("alpha"), 3.0f);
}

TEST_F(LinkedSpaceTest, NewMatricesCopyTheConstantsAndShareTheAliases) {
  child->LinkTo(owner.get());
  child->SetValueByName("k", 0.75f);
  TParamMatrix particle = child->NewMatrix();
  EXPECT_FLOAT_EQ(particle.Get(2, 0), 0.75f);
  particle.Set(2, 0, 9.0f);
  EXPECT_FLOAT_EQ(child->GetValueByName("k"), 0.75f);
  particle.Set(0, 0, 12.0f);
  EXPECT_FLOAT_EQ(owner->GetValueByName("alpha"), 12.0f);
  child->FreeMatrix(particle);
  EXPECT_EQ(particle.ColumnCount(), 0);
}

TEST_F(LinkedSpaceTest, AddedDefinitionsTakeFreeCellsOnly) {
  EXPECT_TRUE(child->AddParamDef("extra", 2, -1, true, 2.0f, ""));
  EXPECT_FALSE(child->AddParamDef("clash", 2, 0, true, 3.0f, ""));   // cell taken
  EXPECT_FALSE(child->AddParamDef("ALPHA", 3, 0, false, 0.0f, ""));  // name taken
  child->LinkTo(owner.get());
  EXPECT_FLOAT_EQ(child->GetCellValue(2, 1), 2.0f);
  EXPECT_EQ(child->ColumnCount(), 3);
}

}  // namespace
}  // namespace corvellane::testing
