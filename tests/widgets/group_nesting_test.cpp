// Groups nested in data: a file from outside may nest them far deeper than
// any screen needs. Loading stops at the bound with one warning that names
// the file, and the part that loaded lives, draws and goes like any tree.
#include <gtest/gtest.h>

#include <string>

#include "persistence/load_nesting.h"
#include "persistence/log.h"
#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {
namespace {

// `depth` groups, each the only child of the one above, the innermost
// holding a box: <widget g0><widgets><widget g1>...<test_box>...
std::string NestedGroups(int depth) {
  std::string xml;
  for (int i = 0; i < depth; ++i)
    xml += "<widget type=\"group_widget\" name=\"g" + std::to_string(i) + "\" visible=\"yes\"><widgets>";
  xml += R"(<widget type="test_box" name="box" visible="yes" width="4" height="4"/>)";
  for (int i = 0; i < depth; ++i) xml += "</widgets></widget>";
  return xml;
}

// How many groups are stacked from the root down its first children.
int GroupDepth(Ref<IWidget> widget) {
  int depth = 0;
  for (; widget && widget->GetWidgets(); widget = widget->GetWidgets()->GetWidgetAt(0)) ++depth;
  return depth;
}

class GroupNestingTest : public GroupTreeTest {
 public:
  Ref<IWidget> LoadFile(int depth) {
    Ref<IHierStorageRoot> doc = OpenStorageText(NestedGroups(depth), "data/screens/deep.xml");
    Ref<IWidget> root = QueryInterface<IWidget>(CreateFromStorage(doc.get()));
    if (root) screen->SetRoot(root);
    return root;
  }
};

struct NestingCase {
  int depth;
  bool complete;
};

TEST_F(GroupNestingTest, TreesLoadUpToTheBoundAndAreCutBelowItWithOneWarningNamingTheFile) {
  // A group takes two levels of loaded objects, itself and its widget list;
  // the box at the bottom takes one more.
  const int most_groups = kMaxLoadNesting / 2;
  const int deepest_complete = most_groups - 1;
  for (const NestingCase& c : {NestingCase{12, true}, NestingCase{deepest_complete, true},
                               NestingCase{deepest_complete + 1, false}, NestingCase{20000, false}}) {
    SCOPED_TRACE(c.depth);
    TLogCapture log;
    Ref<IWidget> root = LoadFile(c.depth);
    ASSERT_TRUE(root);
    if (c.complete) {
      EXPECT_EQ(GroupDepth(root), c.depth);
      EXPECT_TRUE(log.Lines().empty());
    } else {
      EXPECT_EQ(GroupDepth(root), most_groups);
      ASSERT_EQ(log.Lines().size(), 1u);
      EXPECT_NE(log.Lines()[0].find("data/screens/deep.xml"), std::string::npos) << log.Lines()[0];
      EXPECT_NE(log.Lines()[0].find("nested deeper than"), std::string::npos) << log.Lines()[0];
    }
    screen->DetachRoot();
  }
}

TEST_F(GroupNestingTest, WhatLoadedOfADeepFileRunsFramesAndMovesWithTheDirtyRectanglesRight) {
  Ref<IWidget> root = LoadFile(20000);
  ASSERT_TRUE(root);
  EXPECT_TRUE(checker.RunFrame(*screen));
  root->SetAnchorLeft(5);
  EXPECT_TRUE(checker.RunFrame(*screen));
}

TEST_F(GroupNestingTest, AWarningAboutADeepPlaceKeepsTheEndsOfThePath) {
  TLogCapture log;
  LoadFile(kMaxLoadNesting);
  ASSERT_EQ(log.Lines().size(), 1u);
  const std::string& line = log.Lines()[0];
  // The root end and the place itself are named; the levels between are counted.
  EXPECT_NE(line.find("widget \"g0\"/widgets/widget \"g1\""), std::string::npos) << line;
  EXPECT_NE(line.find("levels ..."), std::string::npos) << line;
  EXPECT_NE(line.find("widget \"g" + std::to_string(kMaxLoadNesting / 2) + "\""), std::string::npos) << line;
  EXPECT_LT(line.size(), 400u) << line;
}

}  // namespace
}  // namespace corvellane::testing
