// Cursors and the cursor collection, loaded from data: the default cursor,
// hot-spot saving, and which widget is visible as cursors are selected.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "game/cursor_collection.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/plain_widget_owner.h"
#include "widgets/widget_classes.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane::testing {
namespace {

// Keeps the rectangles the cursor widgets report, as the game hands them to
// the engine.
class TRecordingOwner : public TPlainWidgetOwner {
 public:
  std::vector<TRect> invalidated;

  void InvalidateRect(const TRect& rect) override { invalidated.push_back(rect); }
};

void RegisterCursorTestClasses() {
  RegisterWidgetClasses();
  RegisterCursorClasses();
  RegisterClass<TTestBox>("test_box");
}

Ref<TCursorCollection> CursorsFromXml(std::string_view xml) {
  RegisterCursorTestClasses();
  Ref<IHierStorageRoot> doc = OpenStorageText(xml);
  Ref<TCursorCollection> cursors = CreateObject<TCursorCollection>();
  cursors->LoadFrom(doc.get());
  return cursors;
}

Ref<TCursor> CursorFromXml(std::string_view xml) {
  RegisterCursorTestClasses();
  Ref<IHierStorageRoot> doc = OpenStorageText(xml);
  Ref<TCursor> cursor = CreateObject<TCursor>();
  cursor->LoadFrom(doc.get());
  return cursor;
}

std::string SavedCursorXml(TCursor& cursor) {
  Ref<IHierStorageRoot> doc = CreateStorage("cursor");
  cursor.SaveTo(doc.get());
  return doc->GetXml();
}

constexpr const char* kThreeCursors = R"(<cursors default_cursor_name="hand">
  <cursor name="arrow" hotspotx="1" hotspoty="1">
    <widget type="test_box" name="arrow_box" width="4" height="4"/>
  </cursor>
  <cursor name="hand" hotspotx="6">
    <widget type="test_box" name="hand_box" visible="yes" width="8" height="8"/>
  </cursor>
  <cursor name="busy"/>
</cursors>)";

class CursorCollectionTest : public ::testing::Test {
 public:
  CursorCollectionTest() {
    for (int i = 0; i < cursors->Count(); ++i)
      if (Ref<IWidget> widget = cursors->GetCursor(Variant(i))->GetWidget()) widget->SetOwner(owner.get());
  }
  ~CursorCollectionTest() override {
    for (int i = 0; i < cursors->Count(); ++i)
      if (Ref<IWidget> widget = cursors->GetCursor(Variant(i))->GetWidget()) widget->ClearOwner();
  }

  Ref<IWidget> Widget(std::string_view cursor) { return cursors->GetCursor(Variant(cursor))->GetWidget(); }
  std::string CurrentName() {
    Ref<ICursor> current = cursors->GetCurrentCursor();
    return current ? current->GetName() : "(none)";
  }
  // Runs the widgets' dirty pass as the game's frame end does.
  void EndFrame() {
    if (Ref<IWidget> widget = cursors->GetCurrentWidget()) widget->UpdateDirtyRegion(false, false);
  }

  Ref<TCursorCollection> cursors = CursorsFromXml(kThreeCursors);
  Ref<TRecordingOwner> owner = MakeRef<TRecordingOwner>();
};

TEST(CursorCollection, TheDefaultNameFallsBackOnTheFirstCursor) {
  struct Case {
    const char* xml;
    const char* expected;
  } cases[] = {
      {R"(<cursors default_cursor_name="b"><cursor name="a"/><cursor name="b"/></cursors>)", "b"},
      {R"(<cursors default_cursor_name="gone"><cursor name="a"/><cursor name="b"/></cursors>)", "a"},
      {R"(<cursors><cursor name="a"/><cursor name="b"/></cursors>)", "a"},
      {R"(<cursors default_cursor_name="a"/>)", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CursorsFromXml(c.xml)->GetDefaultCursorName(), c.expected) << c.xml;
}

TEST(CursorCollection, SavedCollectionKeepsItsCursorsAndAlwaysItsDefaultName) {
  Ref<TCursorCollection> cursors = CursorsFromXml(kThreeCursors);
  Ref<IHierStorageRoot> doc = CreateStorage("cursors");
  cursors->SaveTo(doc.get());
  Ref<TCursorCollection> again = CursorsFromXml(doc->GetXml());
  ASSERT_EQ(again->Count(), 3);
  EXPECT_EQ(again->GetDefaultCursorName(), "hand");
  EXPECT_EQ(again->GetCursor(Variant("hand"))->GetHotspot(), (TPoint{6, 0}));
  ASSERT_TRUE(again->GetCursor(Variant("arrow"))->GetWidget());
  EXPECT_EQ(again->GetCursor(Variant("arrow"))->GetWidget()->GetWidth(), 4);

  Ref<IHierStorageRoot> empty = CreateStorage("cursors");
  CreateObject<TCursorCollection>()->SaveTo(empty.get());
  EXPECT_NE(empty->GetXml().find(R"(default_cursor_name="")"), std::string::npos) << empty->GetXml();
}

TEST(Cursor, HotSpotValuesAreWrittenTogetherOrNotAtAll) {
  struct Case {
    TPoint hotspot;
    bool written;
  } cases[] = {{{0, 5}, true}, {{3, 0}, true}, {{-2, 7}, true}, {{0, 0}, false}};
  for (const Case& c : cases) {
    Ref<TCursor> cursor = CreateObject<TCursor>();
    cursor->SetName("c");
    cursor->SetHotspot(c.hotspot);
    const std::string saved = SavedCursorXml(*cursor);
    EXPECT_EQ(saved.find("hotspotx") != std::string::npos, c.written) << saved;
    EXPECT_EQ(saved.find("hotspoty") != std::string::npos, c.written) << saved;
    EXPECT_EQ(CursorFromXml(saved)->GetHotspot(), c.hotspot) << saved;
  }
}

TEST(Cursor, TheWidgetIsCreatedByItsTypeAndWaitsHidden) {
  Ref<TCursor> cursor = CursorFromXml(
      R"(<cursor name="c"><widget type="test_box" name="box" visible="yes" width="5" height="6"/></cursor>)");
  ASSERT_TRUE(cursor->GetWidget());
  EXPECT_EQ(cursor->GetWidget()->GetName(), "box");
  EXPECT_FALSE(cursor->GetWidget()->IsVisible());

  EXPECT_FALSE(CursorFromXml(R"(<cursor name="c"><widget type="WidgetFactory" name="f"/></cursor>)")->GetWidget());
  EXPECT_FALSE(CursorFromXml(R"(<cursor name="c"><widget type="no_such_type"/></cursor>)")->GetWidget());

  Ref<IWidget> widget = cursor->GetWidget();
  widget->SetVisible(true);
  Ref<TCursor> other = CreateObject<TCursor>();
  other->SetWidget(widget);
  EXPECT_FALSE(widget->IsVisible());
}

TEST_F(CursorCollectionTest, OnlyTheSelectedCursorsWidgetIsVisible) {
  EXPECT_EQ(CurrentName(), "(none)");
  EXPECT_FALSE(Widget("hand")->IsVisible());  // visible in its data, hidden until selected

  ASSERT_TRUE(cursors->SelectCursor(cursors->GetDefaultCursorName()));
  EXPECT_EQ(CurrentName(), "hand");
  EXPECT_TRUE(Widget("hand")->IsVisible());
  EXPECT_FALSE(Widget("arrow")->IsVisible());

  ASSERT_TRUE(cursors->SelectCursor("arrow"));
  EXPECT_EQ(CurrentName(), "arrow");
  EXPECT_TRUE(Widget("arrow")->IsVisible());
  EXPECT_FALSE(Widget("hand")->IsVisible());

  // A cursor without a widget can be current; nothing stays visible.
  ASSERT_TRUE(cursors->SelectCursor("busy"));
  EXPECT_FALSE(Widget("arrow")->IsVisible());
  EXPECT_FALSE(Widget("hand")->IsVisible());
  EXPECT_FALSE(cursors->GetCurrentWidget());
}

TEST_F(CursorCollectionTest, AnUnknownNameKeepsThePreviousCursor) {
  ASSERT_TRUE(cursors->SelectCursor("arrow"));
  EXPECT_FALSE(cursors->SelectCursor("nowhere"));
  EXPECT_FALSE(cursors->SelectCursor(""));
  EXPECT_EQ(CurrentName(), "arrow");
  EXPECT_TRUE(Widget("arrow")->IsVisible());
}

TEST_F(CursorCollectionTest, TheAreaOfTheCursorSwitchedAwayFromIsRedrawnAtOnce) {
  ASSERT_TRUE(cursors->SelectCursor("hand"));
  Widget("hand")->SetAnchorLeft(20);
  Widget("hand")->SetAnchorTop(30);
  EndFrame();
  EXPECT_EQ(owner->invalidated, (std::vector<TRect>{{20, 30, 28, 38}}));
  owner->invalidated.clear();

  ASSERT_TRUE(cursors->SelectCursor("arrow"));  // no frame end in between
  EXPECT_EQ(owner->invalidated, (std::vector<TRect>{{20, 30, 28, 38}}));
  owner->invalidated.clear();

  // Selecting the current cursor again hides and shows it in the same call:
  // its area is redrawn and it stays visible.
  EndFrame();
  owner->invalidated.clear();
  ASSERT_TRUE(cursors->SelectCursor("arrow"));
  EXPECT_EQ(owner->invalidated, (std::vector<TRect>{{0, 0, 4, 4}}));
  EXPECT_TRUE(Widget("arrow")->IsVisible());
}

}  // namespace
}  // namespace corvellane::testing
