// Properties by name and by path, aliases, extra and re-defined parameters,
// and the data keys of the base widgets.
#include <gtest/gtest.h>

#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"

namespace corvellane::testing {
namespace {

// A widget with named children, standing in for a group: children are
// looked up by name and answer ".." with their owner's lookup.
class TTestPanel : public TTestBox, public virtual IWidgetOwner {
 public:
  std::vector<Ref<IWidget>> children;

  void Adopt(Ref<IWidget> child) {
    child->SetOwner(this);
    children.push_back(std::move(child));
  }
  ~TTestPanel() override {
    for (auto& c : children) c->ClearOwner();
  }
  Ref<IWidget> GetChild(const Variant& key) override {
    for (auto& c : children)
      if (c->GetName() == key.ToText()) return c;
    return nullptr;
  }
  IEngine* GetEngine() override { return GetOwner() ? GetOwner()->GetEngine() : nullptr; }
  IWindow* GetWindow() override { return GetOwner() ? GetOwner()->GetWindow() : nullptr; }
  IEventHandler* GetEventHandler() override { return nullptr; }
  TPoint ChildScreenToLocal(TPoint p) override { return p; }
  TPoint GetMousePos() override { return GetOwner() ? GetOwner()->GetMousePos() : TPoint{}; }
  void SetMousePos(TPoint) override {}
  Ref<IWidget> CreateFromFactory(std::string_view, IParamCollection*) override { return nullptr; }
  Ref<IWidget> FindWidget(std::string_view path) override { return TTestBox::FindWidget(path); }
  Ref<ISound> FindSound(std::string_view name) override { return TTestBox::FindSound(name); }
  std::string GetPath() override { return TTestBox::GetPath(); }
  void InvalidateRect(const TRect& r) override {
    if (GetOwner()) GetOwner()->InvalidateRect(r);
  }
};

Ref<TTestBox> Named(std::string_view name, std::string_view extra = "") {
  return LoadWidget<TTestBox>("<widget name=\"" + std::string(name) + "\" " + std::string(extra) + "/>");
}

TEST(WidgetProperties, BuiltInNamesReadAndWrite) {
  Ref<TTestBox> box = CreateObject<TTestBox>();
  struct Case {
    const char* name;
    Variant written;
    Variant read;
  };
  const Case cases[] = {
      {"anchor_left", 12.5, 12.5},       {"anchor_top", "-3", -3.0},     {"transparentlevel", 300, 255},
      {"visible", "yes", true},          {"z", 4, 4},                    {"mousestop", true, true},
      {"paused", "True", true},          {"timetolive", 900, 900},       {"time_rate", "0.5", 0.5},
      {"width", 40, 40},                 {"height", "17", 17},           {"dead", 1, true},
      {"width", 99999, kMaxWidgetSide},  {"height", -5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    box->SetProperty(c.name, c.written);
    EXPECT_EQ(box->GetProperty(c.name), c.read);
  }
}

TEST(WidgetProperties, UnusableValuesLeaveThePropertyAlone) {
  Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget width="10" anchor_left="4" z="2"/>)");
  box->SetProperty("width", "wide");
  box->SetProperty("anchor_left", "far");
  box->SetProperty("z", Variant::Null());
  EXPECT_EQ(box->GetWidth(), 10);
  EXPECT_EQ(box->GetAnchorLeft(), 4.0);
  EXPECT_EQ(box->GetZ(), 2);
}

TEST(WidgetProperties, UnknownNamesReadNullAndWritesAreIgnored) {
  Ref<TTestBox> box = Named("button_ok");
  box->SetProperty("no_such_thing", 5);
  EXPECT_TRUE(box->GetProperty("no_such_thing").IsNull());
  EXPECT_EQ(box->GetProperty("name"), Variant("button_ok"));
  // Position reads have no writes.
  box->SetProperty("left", 30);
  EXPECT_EQ(box->GetProperty("left"), Variant(0.0));
}

TEST(WidgetProperties, MouseReadsZeroWithoutOwnerAndTheScreenPositionWithOne) {
  Ref<TTestBox> box = CreateObject<TTestBox>();
  EXPECT_EQ(box->GetProperty("mouse_x"), Variant(0));
  auto screen = MakeRef<TTestScreen>();
  screen->SetMouse({33, 44});
  screen->SetRoot(box);
  EXPECT_EQ(box->GetProperty("mouse_x"), Variant(33));
  EXPECT_EQ(box->GetProperty("mouse_y"), Variant(44));
}

TEST(WidgetProperties, CurrentTimeWriteOnlyCountsWhenItChangesTheClock) {
  Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget currenttime="100" extraparams="\currenttime=extra"/>)");
  box->SetProperty("currenttime", 100);  // unchanged: goes on to the extra params
  EXPECT_FALSE(box->IsChanged());
  EXPECT_EQ(box->GetExtraParams()->GetNamedValue("currenttime", Variant()), Variant(100));
  box->SetProperty("currenttime", 250);
  EXPECT_TRUE(box->IsChanged());
  EXPECT_EQ(box->GetCurrentTime(), 250);
  EXPECT_NE(SavedXml(*box).find("currenttime=\"100\""), std::string::npos);  // the loaded start time
}

TEST(WidgetProperties, PathsReachIntoChildren) {
  auto panel = LoadWidget<TTestPanel>(R"(<widget name="panel"/>)");
  auto root = LoadWidget<TTestPanel>(R"(<widget name="root"/>)");
  panel->Adopt(Named("caption", "visible=\"yes\""));
  root->Adopt(panel);
  EXPECT_EQ(root->GetProperty("panel/caption/visible"), Variant(true));
  EXPECT_TRUE(root->GetProperty("panel/title/visible").IsNull());
  EXPECT_TRUE(root->GetProperty("nothing/visible").IsNull());
  root->SetProperty("panel/caption/anchor_left", 7);
  EXPECT_EQ(root->FindWidget("panel/caption")->GetAnchorLeft(), 7.0);
  root->SetProperty("nothing/anchor_left", 7);  // ignored
}

TEST(WidgetProperties, FindWidgetResolvesSpecialHeads) {
  auto screen = MakeRef<TTestScreen>();
  auto root = LoadWidget<TTestPanel>(R"(<widget name="root"/>)");
  auto group = LoadWidget<TTestPanel>(R"(<widget name="ui_group"/>)");
  auto button = Named("button_hint");
  auto sibling = Named("label");
  group->Adopt(button);
  group->Adopt(sibling);
  root->Adopt(group);
  screen->SetRoot(root);
  struct WindowStandIn : TPropertyObject, IWindow {
    Ref<IWidget> root;
    void SetCapture(IWidget*) override {}
    void ReleaseCapture() override {}
    Ref<IWidget> GetCapture() override { return nullptr; }
    void SetFocus(IWidget*) override {}
    void ClearFocus() override {}
    Ref<IWidget> GetFocus() override { return nullptr; }
    Ref<IWidgetCollection> GetWidgets() override { return nullptr; }
    void ResetFocus() override {}
    Ref<IWidget> WidgetAtPos(TPoint) override { return nullptr; }
    Ref<IWidget> FindWidget(std::string_view path) override { return root->FindWidget(path); }
    ChannelHandle PlayWindowSound(std::string_view) override { return 0; }
    void StopWindowSound(std::string_view) override {}
  };
  auto window = MakeRef<WindowStandIn>();
  window->root = root;
  screen->SetWindow(window.get());

  const IWidget* none = nullptr;
  struct Case {
    IWidget* from;
    const char* path;
    const IWidget* expected;
  };
  const Case cases[] = {
      {button.get(), "", button.get()},
      {button.get(), ".", button.get()},
      {button.get(), "./.", button.get()},
      {button.get(), "../label", sibling.get()},
      {button.get(), "../../ui_group/button_hint", button.get()},
      {button.get(), "window:/ui_group/label", sibling.get()},
      {root.get(), "ui_group/button_hint", button.get()},
      {root.get(), "button_hint", none},
      {root.get(), "..", root.get()},  // the root's owner is the screen, which searches the root
      {button.get(), "../missing/x", none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(c.from->FindWidget(c.path).get(), c.expected);
  }
  EXPECT_EQ(button->GetPath(), "GS_Test/root/ui_group/button_hint");
  screen->DetachRoot();
  EXPECT_EQ(button->FindWidget("window:/ui_group").get(), nullptr);
  Ref<TTestBox> loose = Named("loose");
  EXPECT_EQ(loose->FindWidget("..").get(), nullptr);
}

TEST(WidgetProperties, AliasesNeedTheLiteralMarker) {
  struct Case {
    const char* aliases;
    const char* name;
    bool redirects;
  };
  const Case cases[] = {
      {R"(\show=visible)", "show", true},
      {R"(\SHOW=visible)", "show", false},  // the marker is matched with its case
      {R"(show=visible)", "show", false},   // no backslash before the name
      {R"(\show =visible)", "show", false}, // "=" must follow the name directly
      {R"(\x=1\show=visible)", "show", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.aliases);
    Ref<TTestBox> box = CreateObject<TTestBox>();
    box->SetProperty("visible", true);
    auto loaded = LoadWidget<TTestBox>(std::string("<widget aliases=\"") + c.aliases + "\" visible=\"yes\"/>");
    EXPECT_EQ(loaded->GetProperty(c.name), c.redirects ? Variant(true) : Variant::Null());
    loaded->SetProperty(c.name, false);
    EXPECT_EQ(loaded->IsVisible(), !c.redirects);
  }
}

TEST(WidgetProperties, AliasWithTwoTargetsWritesBothAndReadsTheWholeValue) {
  auto box = LoadWidget<TTestBox>(R"(<widget aliases="\pos={anchor_left,anchor_top}"/>)");
  box->SetProperty("pos", 25);
  EXPECT_EQ(box->GetAnchorLeft(), 25.0);
  EXPECT_EQ(box->GetAnchorTop(), 25.0);
  EXPECT_TRUE(box->GetProperty("pos").IsNull());
}

TEST(WidgetProperties, AliasesNamingEachOtherEndQuietly) {
  auto box = LoadWidget<TTestBox>(R"(<widget aliases="\a=b\b=a\self=./self"/>)");
  EXPECT_TRUE(box->GetProperty("a").IsNull());
  EXPECT_TRUE(box->GetProperty("self").IsNull());
  box->SetProperty("a", 1);
  box->SetProperty("self", 1);
}

TEST(WidgetProperties, ExtraParamsAreReadWrittenAndSavedBack) {
  auto box = LoadWidget<TTestBox>(R"(<widget extraparams="\score=10\file={a\b.png}"/>)");
  EXPECT_EQ(box->GetProperty("score"), Variant("10"));
  EXPECT_EQ(box->GetProperty("SCORE"), Variant("10"));
  box->SetProperty("score", 20);
  EXPECT_EQ(box->GetProperty("score"), Variant(20));
  box->SetExtraParam("bonus", "x");
  auto reloaded = LoadWidget<TTestBox>(SavedXml(*box));
  EXPECT_EQ(reloaded->GetProperty("score"), Variant("20"));
  EXPECT_EQ(reloaded->GetProperty("file"), Variant("a\\b.png"));
  EXPECT_EQ(reloaded->GetProperty("bonus"), Variant("x"));
}

TEST(WidgetProperties, RedefinedParamsApplyOnAttachAndSkipBrokenEntries) {
  auto root = LoadWidget<TTestPanel>(R"(<widget name="root" anchor_left="5"/>)");
  auto slot = Named("slot", R"(anchor_left="40" anchor_top="12")");
  auto item = Named("item", R"(redefinedparams="\anchor_left=../slot/anchor_left\z=../missing/z\anchor_top=../slot/anchor_top")");
  root->Adopt(slot);
  EXPECT_EQ(item->GetAnchorLeft(), 0.0);
  root->Adopt(item);
  EXPECT_EQ(item->GetAnchorLeft(), 40.0);
  EXPECT_EQ(item->GetAnchorTop(), 12.0);
  EXPECT_EQ(item->GetZ(), 0);  // a null source converts to nothing
}

TEST(WidgetProperties, KeysRoundTripAndDefaultsStayOut) {
  auto plain = CreateObject<TTestBox>();
  const std::string bare = SavedXml(*plain);
  for (const char* key : {"paused", "transparentlevel", "currenttime", "timetolive", "time_rate", "visible", "z",
                          "anchor_left", "mousestop", "aliases", "extraparams", "redefinedparams"})
    EXPECT_EQ(bare.find(std::string(key) + "="), std::string::npos) << key;
  EXPECT_NE(bare.find("width=\"0\""), std::string::npos);

  const char* xml = R"(<widget name="w" paused="yes" transparentlevel="128" currenttime="50" timetolive="900")"
                    R"( time_rate="0.5" visible="yes" z="3" anchor_left="1.5" mousestop="yes" width="8" height="6")"
                    R"( aliases="\a=z" redefinedparams="\z=../z"/>)";
  auto loaded = LoadWidget<TTestBox>(xml);
  auto again = LoadWidget<TTestBox>(SavedXml(*loaded));
  for (const char* key : {"paused", "transparentlevel", "currenttime", "timetolive", "time_rate", "visible", "z",
                          "anchor_left", "anchor_top", "mousestop", "width", "height", "name"})
    EXPECT_EQ(again->GetProperty(key), loaded->GetProperty(key)) << key;
  EXPECT_NE(SavedXml(*loaded).find("anchor_top=\"0\""), std::string::npos);  // written with its partner
  EXPECT_EQ(again->GetAliases(), "\\a=z");
  EXPECT_EQ(again->GetRedefinedParams(), "\\z=../z");
}

TEST(WidgetProperties, DamagedDataIsBounded) {
  auto box = LoadWidget<TTestBox>(
      R"(<widget width="2000000000" height="-40" transparentlevel="-7" anchor_left="nan" time_rate="inf"/>)");
  EXPECT_EQ(box->GetWidth(), kMaxWidgetSide);
  EXPECT_EQ(box->GetHeight(), 0);
  EXPECT_EQ(box->GetTransparentLevel(), 0);
  EXPECT_EQ(box->GetAnchorLeft(), 0.0);
  EXPECT_EQ(box->GetTimeRate(), 1.0);
}

TEST(WidgetProperties, InvisibleUnlessTheDataSaysSo) {
  EXPECT_FALSE(LoadWidget<TTestBox>(R"(<widget width="5" height="5"/>)")->IsVisible());
  EXPECT_TRUE(LoadWidget<TTestBox>(R"(<widget visible="yes"/>)")->IsVisible());
}

}  // namespace
}  // namespace corvellane::testing
