// The control base: its own rectangle and mask, mouse messages by button,
// the focus request on pressing, Tab through tab-stop children, saving.
#include <gtest/gtest.h>

#include "controls/control_widget.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

// A control that keeps the calls its mouse operations received.
class TRecordingControl : public TControlWidget {
 public:
  std::vector<std::string> calls;
  bool MouseMove(TPoint p, uint32_t) override { return Note("move", p, -1); }
  bool MouseDown(TPoint p, uint32_t keys, TMouseButton b) override {
    Note("down", p, static_cast<int>(b));
    return TControlWidget::MouseDown(p, keys, b);
  }
  bool MouseUp(TPoint p, uint32_t, TMouseButton b) override { return Note("up", p, static_cast<int>(b)); }
  bool MouseDoubleClick(TPoint p, uint32_t, TMouseButton b) override { return Note("double", p, static_cast<int>(b)); }

 private:
  bool Note(const char* what, TPoint p, int button) {
    calls.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y) +
                    (button >= 0 ? " " + std::to_string(button) : ""));
    return true;
  }
};

class ControlWidgetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterControlTestClasses();
    RegisterClass<TRecordingControl>("recording_control");
  }
};

TEST_F(ControlWidgetTest, HandleMouseDispatchesByButtonInOwnerSpace) {
  // The control sits in a group at (100, 50): points arrive in the group's space.
  ControlHarness h(R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="group_widget" name="panel" visible="yes" mousestop="yes" anchor_left="100" anchor_top="50"><widgets>
        <widget type="recording_control" name="control" visible="yes" mousestop="yes" width="20" height="20"/>
      </widgets></widget></widgets></widget>)");
  auto control = h.Get<TRecordingControl>("panel/control");
  const std::pair<int32_t, const char*> cases[] = {
      {kMouseMove, "move 5,6"},         {kMouseLeftDown, "down 5,6 0"},    {kMouseLeftUp, "up 5,6 0"},
      {kMouseLeftDoubleClick, "double 5,6 0"}, {kMouseRightDown, "down 5,6 1"}, {kMouseRightUp, "up 5,6 1"},
      {kMouseRightDoubleClick, "double 5,6 1"}, {kMouseMiddleDown, "down 5,6 2"}, {kMouseMiddleUp, "up 5,6 2"},
      {kMouseMiddleDoubleClick, "double 5,6 2"}};
  for (auto [message, expected] : cases) {
    SCOPED_TRACE(expected);
    control->calls.clear();
    control->HandleMouse(message, {105, 56}, 0);
    EXPECT_EQ(control->calls, (std::vector<std::string>{expected}));
  }
  control->calls.clear();
  EXPECT_FALSE(control->HandleMouse(kMouseMove + 100, {105, 56}, 0));
  EXPECT_TRUE(control->calls.empty());
}

TEST_F(ControlWidgetTest, TheRectangleIsTheControlsOwnNotItsChildrens) {
  auto control = LoadWidget<TControlWidget>(R"(<widget visible="yes" mousestop="yes" anchor_left="10.5" anchor_top="20"
      width="10" height="5"><widgets><widget type="test_box" name="big" visible="yes" width="100" height="100"/></widgets></widget>)");
  EXPECT_EQ(control->GetRect(), (TRect{10, 20, 20, 25}));
  EXPECT_EQ(control->GetWidth(), 10);
  EXPECT_EQ(control->GetProperty("height"), Variant(5));
  control->SetProperty("width", 99);  // the size is data, not a property
  EXPECT_EQ(control->GetWidth(), 10);
  EXPECT_TRUE(control->ContainsPoint({19, 24}, false));
  EXPECT_FALSE(control->ContainsPoint({20, 24}, false));
  EXPECT_FALSE(control->ContainsPoint({50, 50}, false)) << "the child's area is not the control's";
  control->SetVisible(false);
  EXPECT_FALSE(control->ContainsPoint({15, 22}, false));
  EXPECT_TRUE(control->ContainsPoint({15, 22}, true));
}

TEST_F(ControlWidgetTest, AMaskChildShapesTheControlEvenWhenHidden) {
  auto control = LoadWidget<TControlWidget>(R"(<widget visible="yes" mousestop="yes" anchor_left="10" anchor_top="10"
      width="20" height="20" maskwidget="shape"><widgets>
        <widget type="test_box" name="shape" anchor_left="5" anchor_top="5" width="5" height="5"/>
      </widgets></widget>)");
  EXPECT_TRUE(control->ContainsPoint({17, 17}, false));
  EXPECT_FALSE(control->ContainsPoint({12, 12}, false));
  EXPECT_EQ(control->WidgetAtPos({12, 12}), nullptr);
  EXPECT_EQ(control->WidgetAtPos({17, 17}).get(), static_cast<IWidget*>(control.get()));
  control->SetProperty("maskwidget", "no_such_child");
  EXPECT_TRUE(control->ContainsPoint({12, 12}, false));
}

TEST_F(ControlWidgetTest, AChildThatIsAMouseStopIsHitBeforeTheControl) {
  auto control = LoadWidget<TControlWidget>(R"(<widget visible="yes" mousestop="yes" width="20" height="20"><widgets>
        <widget type="test_box" name="knob" visible="yes" mousestop="yes" anchor_left="5" width="5" height="5"/>
      </widgets></widget>)");
  EXPECT_EQ(control->WidgetAtPos({6, 1})->GetName(), "knob");
  EXPECT_EQ(control->WidgetAtPos({15, 15}).get(), static_cast<IWidget*>(control.get()));
  control->SetMouseStop(false);
  EXPECT_EQ(control->WidgetAtPos({15, 15}), nullptr);
}

TEST_F(ControlWidgetTest, ALeftPressAsksForTheFocusOnlyForATabStop) {
  ControlHarness h(R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="recording_control" name="stop" visible="yes" mousestop="yes" width="10" height="10" tabstop="yes"/>
      <widget type="recording_control" name="plain" visible="yes" mousestop="yes" anchor_left="20" width="10" height="10"/>
    </widgets></widget>)");
  EXPECT_FALSE(h.Mouse(kMouseRightDown, {5, 5}));
  EXPECT_EQ(h.Window().GetFocus(), nullptr);
  EXPECT_FALSE(h.Mouse(kMouseLeftDown, {25, 5}));
  EXPECT_EQ(h.Window().GetFocus(), nullptr);
  EXPECT_FALSE(h.Mouse(kMouseLeftDown, {5, 5}));
  EXPECT_EQ(h.Window().GetFocus()->GetName(), "stop");
  EXPECT_TRUE(h.Get<TControlWidget>("stop")->IsFocused());
}

// A focused control with children A (tab stop), B (not), C (tab stop).
class ControlTabTest : public ControlWidgetTest {
 protected:
  ControlHarness h_{R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="Control" name="outer" visible="yes" width="10" height="10" tabstop="yes"><widgets>
        <widget type="test_box" name="a" visible="yes"/>
        <widget type="test_box" name="b" visible="yes"/>
        <widget type="test_box" name="c" visible="yes"/>
      </widgets></widget>
      <widget type="test_box" name="next" visible="yes"/>
    </widgets></widget>)"};
  void SetUp() override {
    for (const char* name : {"outer/a", "outer/c", "next"}) h_.Get(name)->SetTabStop(true);
    for (const char* name : {"outer/a", "outer/b", "outer/c"}) h_.Get<TTestBox>(name)->handles_keys = false;
  }
  std::string Inner() {
    Ref<IWidget> inner = h_.Get<TControlWidget>("outer")->GetInnerFocus();
    return inner ? inner->GetName() : "";
  }
  std::vector<std::string> Notes(const char* name) { return h_.Get<TTestBox>(name)->notes; }
};

TEST_F(ControlTabTest, TabWalksTheTabStopChildrenAndThenLeavesTheControl) {
  h_.Key(kKeyDown, 65);
  EXPECT_EQ(Inner(), "a");
  EXPECT_EQ(Notes("outer/a"), (std::vector<std::string>{"focus gained", "key 65"}));
  h_.Key(kKeyUp, kKeyTab);
  EXPECT_EQ(Inner(), "c");
  EXPECT_TRUE(Notes("outer/b").empty());
  h_.Key(kKeyUp, kKeyTab);
  EXPECT_EQ(h_.Window().GetFocus()->GetName(), "next") << "past the last child the screen moves on";
  EXPECT_EQ(Inner(), "");
  EXPECT_FALSE(h_.Get<TControlWidget>("outer")->IsFocused());
  EXPECT_EQ(Notes("outer/c"), (std::vector<std::string>{"focus gained", "key 9", "focus lost"}));
}

TEST_F(ControlTabTest, TabFromAnUnnamedChildStillMovesOn) {
  // Children without names are filed under automatic keys; the walk must not
  // start again at the first one.
  auto outer = h_.Get<TControlWidget>("outer");
  auto unnamed = LoadWidget<TTestBox>(R"(<widget visible="yes"/>)");
  unnamed->SetTabStop(true);
  unnamed->handles_keys = false;
  outer->GetWidgets()->DeleteItem(Variant("a"));
  outer->GetWidgets()->DeleteItem(Variant("b"));
  outer->GetWidgets()->DeleteItem(Variant("c"));
  outer->GetWidgets()->Add(unnamed);
  h_.Key(kKeyDown, 65);
  EXPECT_EQ(outer->GetInnerFocus().get(), static_cast<IWidget*>(unnamed.get()));
  h_.Key(kKeyUp, kKeyTab);
  EXPECT_EQ(h_.Window().GetFocus()->GetName(), "next");
}

TEST_F(ControlTabTest, DetachingForgetsTheInnerFocusSilently) {
  h_.Key(kKeyDown, 65);
  auto outer = h_.Get<TControlWidget>("outer");
  outer->ClearOwner();
  EXPECT_EQ(outer->GetInnerFocus(), nullptr);
  EXPECT_EQ(Notes("outer/a"), (std::vector<std::string>{"focus gained", "key 65"}));
}

TEST_F(ControlWidgetTest, SavesFlagsOnlyWhenSetAndTheSizeAlways) {
  auto plain = LoadWidget<TControlWidget>(R"(<widget name="c"/>)");
  const std::string plain_xml = SavedXml(*plain);
  EXPECT_NE(plain_xml.find(R"(width="0")"), std::string::npos) << plain_xml;
  for (const char* absent : {"enabled", "tabstop", "maskwidget"}) EXPECT_EQ(plain_xml.find(absent), std::string::npos);

  auto set = LoadWidget<TControlWidget>(R"(<widget name="c" width="3" height="4" enabled="yes" tabstop="yes" maskwidget="m"/>)");
  auto reloaded = LoadWidget<TControlWidget>(SavedXml(*set));
  EXPECT_EQ(reloaded->GetRect(), (TRect{0, 0, 3, 4}));
  EXPECT_TRUE(reloaded->IsEnabled());
  EXPECT_TRUE(reloaded->IsTabStop());
  EXPECT_EQ(reloaded->GetMaskWidget(), "m");
}

}  // namespace
}  // namespace corvellane::testing
