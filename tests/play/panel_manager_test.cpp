#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "persistence/localization.h"
#include "persistence/log.h"
#include "play/count_text.h"
#include "play/zoom_items_panel_manager.h"
#include "tests/play/play_fixture.h"
#include "widgets/pixel_rounding.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;

// One row: 40-pixel pictures in a 50 x 50 box, 10 apart, so item k stands
// at x = 1 + 50 k (the shapes row starts at 1, 1) and 5 lower (centred).
std::string Shapes(int add_type, int visible_width = 500) {
  return "shapes_interval=10;shapes_all_items_max_width=" + std::to_string(visible_width) +
         ";shapes_max_height=50;shapes_max_width=50;shapes_items_add_type=" + std::to_string(add_type) +
         ";shapes_items_move_speed=2";
}

class PanelTest : public PlayTest {
 protected:
  // A panel manager of the type, set up on the screen's panel with the layout.
  Ref<TAbstractPanelManager> MakePanel(std::string_view type, std::string_view layout) {
    SetLayout(layout);
    Ref<IPanelManager> panel = QueryInterface<IPanelManager>(CreateNamed(type, "Panel"));
    owner_->GetPanelWidget()->SetPanelManager(panel);
    panel->SetupPanel(owner_.get(), -1);
    return Panel();
  }
  // The scene "s" with the objects, opened; its object of that name.
  void Objects(const std::string& objects) {
    Scene("s", objects);
    def_ = refs_->Get(Variant("s"))->OpenSceneDef();
  }
  Ref<ISceneObjectDef> Object(std::string_view name) { return def_->GetObjectDefs()->Get(Variant(name)); }
  void Add(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) Panel()->AddPanelItem(Object(name).get());
  }
  std::vector<int32_t> ItemXs() {
    std::vector<int32_t> xs;
    for (const TPanelItem& item : Panel()->Items()) {
      EXPECT_EQ(RoundToPixel(item.widget->GetAnchorLeft()), item.place.x) << "the widget stands at its place";
      xs.push_back(item.place.x);
    }
    return xs;
  }

  Ref<ISceneDef> def_;
};

std::string FiveObjects() {
  std::string objects;
  for (const char* name : {"a", "b", "c", "d", "e"}) objects += Obj(name, 0, 40, 40, {"l1:100:100"});
  return objects;
}

TEST_F(PanelTest, OneRowPlacesPicturesAtTheNextFreePlace) {
  Objects(FiveObjects());
  MakePanel("PanelManagerHiddenShapes", Shapes(1, 160));
  Add({"a", "b", "c", "d"});
  EXPECT_THAT(ItemXs(), ElementsAre(1, 51, 101, 151));
  EXPECT_EQ(Panel()->Items()[0].place.y, 1 + 5);
  // x + width + gap within the visible width 160: the third ends at 151.
  std::vector<bool> shown;
  for (const TPanelItem& item : Panel()->Items()) shown.push_back(item.shown);
  EXPECT_THAT(shown, ElementsAre(true, true, true, false));
  EXPECT_EQ(Panel()->Items()[0].widget->GetProperty("item_source").ToText(), "img_a");
}

struct AddTypeCase {
  int add_type;
  std::vector<std::string> names;
  std::vector<int32_t> xs;
};

TEST_F(PanelTest, AnItemLeavingClosesTheGapByTheAddType) {
  Objects(FiveObjects());
  for (const AddTypeCase& c : {AddTypeCase{0, {"e", "b", "c", "d"}, {1, 51, 101, 151}},
                               AddTypeCase{1, {"b", "c", "d", "e"}, {1, 51, 101, 151}}}) {
    SCOPED_TRACE(c.add_type);
    MakePanel("PanelManagerHiddenShapes", Shapes(c.add_type));
    Add({"a", "b", "c", "d", "e"});
    EXPECT_TRUE(Panel()->UseObject(Object("a").get()));
    Frame();
    EXPECT_EQ(ItemNames(), c.names);
    EXPECT_EQ(ItemXs(), c.xs);
    EXPECT_FALSE(owner_->FindScreenWidget(std::string(kObjectPanelPath) + "/a")) << "its widget is gone";
    ClearGroup(TPlayGroup::Animation);
  }
}

TEST_F(PanelTest, AnItemBeyondTheVisibleWidthComesIntoViewWhenOthersLeave) {
  Ref<ILevelManager> level = StartHiddenShapes(Shapes(1, 120), {"a", "b", "c"});
  Ref<IWidget> c = SceneWidget("c_l1");
  Ref<ISceneObjectDef> object = owner_->GetWidgetObject(c.get());
  EXPECT_FALSE(level->IsTarget(object.get())) << "its item waits beyond the visible width";
  EXPECT_FALSE(c->IsMouseStop());
  Ref<IWidget> a = SceneWidget("a_l1");
  ASSERT_TRUE(level->ClickObject(a.get(), {100, 100}));
  level->ObjectActivated(a.get());
  Frame();
  EXPECT_TRUE(level->IsTarget(object.get()));
  EXPECT_THAT(owner_->enabled_items, ElementsAre("b", "c")) << "the objects of items in view catch clicks again";
}

TEST_F(PanelTest, AFlightEndsWhereTheItemWillBeOnceEarlierOnesHaveGone) {
  Objects(FiveObjects());
  MakePanel("PanelManagerHiddenShapes", Shapes(1));
  Add({"a", "b", "c"});
  int32_t flight = 300;
  int32_t x = 0;
  int32_t y = 0;
  Panel()->PrepareFly(Object("a").get(), flight, x, y);
  // The panel stands at (100, 620) on the screen.
  EXPECT_EQ(x, 100 + 1);
  EXPECT_EQ(y, 620 + 6);
  EXPECT_EQ(flight, 300);
  flight = 1000;
  Panel()->PrepareFly(Object("c").get(), flight, x, y);
  EXPECT_EQ(x, 100 + 51) << "a goes first (hidden at 500 ms) and c slides into b's place";
  EXPECT_EQ(flight, 1000 + (40 + 10) * 2) << "the slide past a's place takes its time";

  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  Panel()->SetFlyTarget(Object("b").get(), params.get());
  EXPECT_EQ(params->GetNamedValue("endposx", Variant()).ToText(), "151");
  EXPECT_EQ(params->GetNamedValue("endposy", Variant()).ToText(), "626");
}

TEST_F(PanelTest, PicturesAreFittedIntoTheBox) {
  struct Case {
    int width;
    int height;
    double zoom;
    int drop;
  };
  for (const Case& c : {Case{40, 40, 1.0, 5}, Case{200, 100, 0.25, 12}, Case{40, 100, 0.5, 0},
                        Case{100, 200, 0.25, 0}, Case{0, 30, 1.0, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
    const TPictureFit fit = FitPicture(c.width, c.height, 50, 50);
    EXPECT_DOUBLE_EQ(fit.zoom, c.zoom);
    EXPECT_EQ(fit.drop, c.drop);
  }
}

TEST_F(PanelTest, AMirroredPlaceMirrorsTheItem) {
  Objects(Obj("a", 0, 40, 40, {"l1:100:100:-1:1:0"}));
  MakePanel("PanelManagerHiddenShapes", Shapes(1));
  Add({"a"});
  Panel()->ApplyLocation(Object("a")->GetLocations()->Get(Variant(0)).get());
  EXPECT_EQ(Panel()->GetItemValue(Object("a").get(), "zoomx").ToFloat(), -1.0);
  EXPECT_EQ(Panel()->GetItemValue(Object("a").get(), "zoomy").ToFloat(), 1.0);
  EXPECT_EQ(Panel()->GetItemValue(nullptr, "zoom").ToFloat(), 1.0);
  EXPECT_EQ(Panel()->GetItemValue(nullptr, "angle").ToFloat(), 0.0);
}

TEST_F(PanelTest, BadLayoutValuesAreReportedAndShowNothing) {
  Objects(FiveObjects());
  struct Case {
    std::string layout;
    const char* message;
  };
  for (const Case& c : {Case{"shapes_interval=10;shapes_all_items_max_width=500;shapes_max_height=5x", "shapes_max_height"},
                        Case{"shapes_interval=10;shapes_all_items_max_width=500;shapes_max_height=50", "shapes_max_width"},
                        Case{"shapes_interval=10;shapes_all_items_max_width=500;shapes_max_height=50;"
                             "shapes_max_width=0;shapes_items_add_type=1;shapes_items_move_speed=2",
                             "above 0"}}) {
    SCOPED_TRACE(c.layout);
    owner_->GetPanelWidget()->SetProperty("shapes_max_height", Variant(""));
    owner_->GetPanelWidget()->SetProperty("shapes_max_width", Variant(""));
    TLogCapture log;
    MakePanel("PanelManagerHiddenShapes", c.layout);
    EXPECT_EQ(log.Count(c.message), 1);
    EXPECT_FALSE(Panel()->IsLayoutReady());
    Add({"a"});
    EXPECT_TRUE(Panel()->Items().empty());
  }
}

// ---- Hidden names -------------------------------------------------------------

constexpr std::string_view kNames =
    "names_col_interval=10;names_row_height=20;names_col_width=100;names_max_in_column=2;names_left_shift=5;"
    "names_top_shift=2;names_max_columns_num=2;names_items_add_type=2";

TEST_F(PanelTest, NamesFillColumnsAndEqualCaptionsShareAnEntry) {
  MultiLanguages()->AddString("cup", "Cup");
  MultiLanguages()->AddString("3_cup", "cups");
  MultiLanguages()->AddString("pen", "Pen");
  Objects(Obj("c1", 0, 10, 10, {"l1:1:1"}, R"(caption="%cup%")") + Obj("c2", 0, 10, 10, {"l1:1:1"}, R"(caption="%cup%")") +
          Obj("c3", 0, 10, 10, {"l1:1:1"}, R"(caption="%cup%")") + Obj("a", 0, 10, 10, {"l1:1:1"}) +
          Obj("b", 0, 10, 10, {"l1:1:1"}) + Obj("pen", 0, 10, 10, {"l1:1:1"}));
  MakePanel("PanelManagerHiddenNames", kNames);
  Add({"c1", "a", "c2", "b", "c3", "pen"});
  EXPECT_THAT(ItemNames(), ElementsAre("c1", "a", "b", "pen"));
  const std::vector<TPanelItem>& items = Panel()->Items();
  EXPECT_EQ(items[0].count, 3);
  EXPECT_EQ(items[0].widget->GetProperty("text_utf8").ToText(), "3 cups");
  EXPECT_TRUE(Panel()->IsShown(Object("c3").get())) << "every cup stands behind the entry";
  // Two a column, 100 + 10 apart; the visible width 2 * 100 + 5 + 1 holds the first column only.
  std::vector<std::pair<int32_t, int32_t>> places;
  std::vector<bool> shown;
  for (const TPanelItem& item : items) {
    places.emplace_back(item.place.x, item.place.y);
    shown.push_back(item.shown);
  }
  EXPECT_THAT(places, ElementsAre(std::pair{5, 2}, std::pair{5, 22}, std::pair{115, 2}, std::pair{115, 22}));
  EXPECT_THAT(shown, ElementsAre(true, true, false, false));

  EXPECT_FALSE(Panel()->UseObject(Object("c2").get()));
  EXPECT_EQ(items[0].widget->GetProperty("text_utf8").ToText(), "2 Cup") << "no %2_cup%, no %n_cup%";
  // The first column's second entry leaves: the rest move up one place, over the column's edge.
  EXPECT_TRUE(Panel()->UseObject(Object("a").get()));
  Frame();
  Frame();
  EXPECT_THAT(ItemNames(), ElementsAre("c1", "b", "pen"));
  EXPECT_EQ(Panel()->Items()[1].place.x, 5);
  EXPECT_EQ(Panel()->Items()[1].place.y, 22);
}

TEST_F(PanelTest, PluralFormsOfCountTexts) {
  MultiLanguages()->AddString("cup", "cup");
  MultiLanguages()->AddString("3_cup", "cups (3)");
  MultiLanguages()->AddString("5_cup", "cups (5)");
  MultiLanguages()->AddString("11_cup", "cups (11)");
  MultiLanguages()->AddString("n_cup", "cups (n)");
  struct Case {
    int32_t count;
    const char* text;
  };
  for (const Case& c : {Case{1, "cup"}, Case{3, "3 cups (3)"}, Case{4, "4 cups (n)"}, Case{21, "21 cup"},
                        Case{25, "25 cups (5)"}, Case{11, "11 cups (11)"}, Case{33, "33 cups (3)"}}) {
    EXPECT_EQ(CountText("%cup%", c.count), c.text) << c.count;
  }
  EXPECT_EQ(CountText("%pen%", 3), "3 ") << "a caption without any string";
  MultiLanguages()->AddString("pen", "pen");
  EXPECT_EQ(CountText("%pen%", 3), "3 pen") << "no plural forms: the caption";
  EXPECT_EQ(CountText("Plain", 3), "3 Plain") << "a caption that is no reference";
}

// ---- Find identical, hidden parts and find places ------------------------------

TEST_F(PanelTest, FoundPairsLineUpWithinTheVisibleWidth) {
  Objects(Obj("a", 1, 50, 50, {"l1:1:1"}) + Obj("b", 1, 50, 50, {"l1:1:1"}) + Obj("c", 1, 50, 50, {"l1:1:1"}));
  Scene("s2", Obj("a", 1, 50, 50, {"l1:1:1"}));
  Ref<ISceneDef> right = refs_->Get(Variant("s2"))->OpenSceneDef();
  MakePanel("PanelManagerFindIdentical",
        "identical_left_coord=0;identical_top_coord=0;identical_all_items_max_width=120;identical_max_height=50;"
        "identical_max_width=50;identical_items_interval=10");
  Add({"a", "b", "c"});
  Ref<ISceneObjectDef> twin = right->GetObjectDefs()->Get(Variant("a"));
  Panel()->AddPanelItem(twin.get());
  EXPECT_THAT(ItemNames(), ElementsAre("a", "b", "c"));
  EXPECT_EQ(Panel()->GetTwin(Object("a").get()), twin);
  EXPECT_EQ(Panel()->GetTwin(twin.get()), Object("a"));
  EXPECT_EQ(Panel()->Items()[0].count, 2);
  EXPECT_FALSE(Panel()->Items()[0].widget->IsVisible()) << "pairs show once found";
  // Three pictures and two gaps in 120 pixels: the gap narrows from 10 to -15.
  for (const char* name : {"c", "a", "b"}) Panel()->MarkFound(Object(name).get());
  EXPECT_THAT(ItemXs(), ElementsAre(35, 70, 0));
  EXPECT_TRUE(Panel()->Items()[1].widget->IsVisible());
}

TEST_F(PanelTest, TheFirstFlightSpreadsTheFoundPairsOverTheWidth) {
  Objects(Obj("a", 1, 50, 50, {"l1:1:1"}) + Obj("b", 1, 50, 50, {"l1:1:1"}));
  MakePanel("PanelManagerFindIdentical",
        "identical_left_coord=0;identical_top_coord=0;identical_all_items_max_width=300;identical_max_height=50;"
        "identical_max_width=50;identical_items_interval=10");
  Add({"a", "b"});
  int32_t flight = 400;
  int32_t x = 0;
  int32_t y = 0;
  Panel()->PrepareFly(Object("b").get(), flight, x, y);
  EXPECT_EQ(x, 100 + 63) << "190 pixels free, a third of them before the row";
  Panel()->PrepareFly(Object("a").get(), flight = 600, x, y);
  EXPECT_EQ(x, 100 + 63 + 50 + 73) << "b lands first";
}

TEST_F(PanelTest, PartsStandOnTheBrokenObject) {
  Objects(Obj("box", 3, 80, 80, {"l1:500:300"}) + Obj("lid", 2, 40, 20, {"l1:100:100", "spec:500:270"}) +
          Obj("key", 2, 20, 20, {"l1:700:100", "spec:520:320"}) + Obj("sofa", 3, 200, 100, {"l1:500:300"}));
  const std::string layout =
      "complete_vertical_obj_max_width=100;complete_vertical_obj_max_height=100;"
      "complete_horizontal_obj_max_width=200;complete_horizontal_obj_max_height=100;"
      "complete_horizontal_obj_top_shift=8;complete_obj_left_shift=4";
  MakePanel("PanelManagerHiddenParts", layout);
  Add({"box", "lid", "key"});
  // The box is centred on the lying box's width: 4 + (200 - 80) / 2; its centre (104, 40).
  EXPECT_THAT(ItemXs(), ElementsAre(64, 84, 114));
  std::vector<int32_t> ys;
  for (const TPanelItem& item : Panel()->Items()) ys.push_back(item.place.y);
  EXPECT_THAT(ys, ElementsAre(0, 0, 50));
  EXPECT_FALSE(Panel()->Items()[1].widget->IsVisible());
  EXPECT_TRUE(Panel()->UseObject(Object("lid").get()));
  Frame();
  EXPECT_THAT(ItemNames(), ElementsAre("box", "lid", "key")) << "found parts stay";

  MakePanel("PanelManagerHiddenParts", layout);
  Add({"sofa"});
  EXPECT_EQ(Panel()->Items()[0].place.x, 4) << "a lying object fills the lying box";
  EXPECT_EQ(Panel()->Items()[0].place.y, 8);
}

TEST_F(PanelTest, EqualObjectsToPlaceShareAnItemWithItsCount) {
  Objects(Obj("vase", 4, 40, 40, {"l1:1:1", "l2:2:2"}));
  MakePanel("PanelManagerFindPlaces",
        "disposable_interval=10;disposable_all_items_max_width=500;disposable_max_height=50;disposable_max_width=50;"
        "disposable_items_add_type=1;disposable_items_move_speed=2");
  Add({"vase", "vase"});
  ASSERT_EQ(Panel()->Items().size(), 1u);
  Ref<IWidget> item = Panel()->Items()[0].widget;
  EXPECT_TRUE(item->IsMouseStop());
  EXPECT_TRUE(Panel()->ItemsCanBeTaken());
  EXPECT_EQ(item->GetProperty("count_text/text_utf8").ToText(), "2");
  EXPECT_TRUE(item->GetProperty("count_bar/visible").ToBool());
  Panel()->ShowTakenOut(item.get());
  EXPECT_EQ(item->GetProperty("count_text/text_utf8").ToText(), "1");
  EXPECT_FALSE(item->GetProperty("count_text/visible").ToBool());
  Panel()->ShowAll();
  EXPECT_EQ(item->GetProperty("count_text/text_utf8").ToText(), "2") << "the carried one went back";
  EXPECT_FALSE(Panel()->UseObject(Object("vase").get()));
  Panel()->ShowTakenOut(item.get());
  EXPECT_FALSE(item->IsVisible()) << "the last one is carried";
  EXPECT_TRUE(Panel()->UseObject(Object("vase").get()));
}

}  // namespace
}  // namespace corvellane::testing
