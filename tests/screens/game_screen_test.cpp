// Game screens inside the real game on the headless engine: opening and
// closing through their effects, the mouse guard, focus and Tab, capture,
// cursors, widget events, and the canvas kept up to date through the
// reported rectangles.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/screens/screen_game_fixture.h"
#include "widgets/input_messages.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;

constexpr uint32_t kPanelColour = 0xFFE0C040;
constexpr uint32_t kBackgroundColour = 0xFF204060;
constexpr TPoint kOnPanel{150, 90};

TEST_F(ScreenGameTest, MainScreenOpensAtOnceAndDrawsItsWindow) {
  TGameScreen& main = Screen("GS_Main");
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_TRUE(main.IsOpen());
  EXPECT_FALSE(main.IsOpening());  // no show effect: open in the same call
  EXPECT_EQ(main.GetScreenRect(), (TRect{0, 0, 320, 240}));
  EXPECT_TRUE(CanvasShows({30, 30}, 0xFFCC3333));
  EXPECT_TRUE(CanvasShows({200, 200}, kBackgroundColour));
  EXPECT_TRUE(CanvasMatchesFullRedraw());
}

TEST_F(ScreenGameTest, DialogIsOpenedOnlyOnceItsShowEffectIsOver) {
  TRecordingScreen& dialog = Screen<TRecordingScreen>("GS_Dialog");
  Ref<IParamCollection> params = CreateObject<TParamCollection>("\\case=3");
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", params));
  EXPECT_TRUE(dialog.IsOpen());
  EXPECT_TRUE(dialog.IsOpening());
  EXPECT_EQ(dialog.GetWindowWidget()->GetProperty("applyingeffect").ToBool(), true);
  EXPECT_THAT(dialog.log, ElementsAre("params 1"));

  RunCheckedFrames(9);  // 144 ms of a 160 ms effect
  EXPECT_TRUE(dialog.IsOpening());
  EXPECT_THAT(dialog.log, ElementsAre("params 1"));
  RunCheckedFrames(1);
  EXPECT_FALSE(dialog.IsOpening());
  EXPECT_THAT(dialog.log, ElementsAre("params 1", "opened 160"));
  EXPECT_EQ(dialog.GetOpenParams(), params);

  RunCheckedFrames(3);  // opened once only
  EXPECT_THAT(dialog.log, ElementsAre("params 1", "opened 160"));
  EXPECT_TRUE(CanvasShows(kOnPanel, kPanelColour));
}

TEST_F(ScreenGameTest, DialogClosedDuringItsShowEffectNeverOpens) {
  TRecordingScreen& dialog = Screen<TRecordingScreen>("GS_Dialog");
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  RunCheckedFrames(4);
  ASSERT_TRUE(Game().CloseScreen(&dialog, nullptr));
  EXPECT_TRUE(dialog.IsOpen());  // the hide effect starts from the shown window
  EXPECT_EQ(dialog.GetWindowEffectWidget()->GetCurrentEffectName(), "hide_effect");
  RunCheckedFrames(10);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_THAT(dialog.log, ElementsAre("params 0"));
}

TEST_F(ScreenGameTest, ClicksAreSwallowedFor200MsAfterTheShowEffect) {
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  RunFrames(10);  // the show effect is over: the guard starts now
  Ref<TTestBox> panel = Box("GS_Dialog", "panel");

  RunFrames(9);  // 144 ms
  EXPECT_TRUE(Click(kOnPanel));  // reported handled ...
  EXPECT_TRUE(panel->mouse_messages.empty());  // ... and given to nobody
  RunFrames(3);  // 192 ms: still guarded
  EXPECT_TRUE(Click(kOnPanel));
  EXPECT_TRUE(panel->mouse_messages.empty());
  RunFrames(1);  // 208 ms
  EXPECT_TRUE(Click(kOnPanel));
  EXPECT_THAT(panel->mouse_messages, ElementsAre(kMouseLeftDown, kMouseLeftUp));
  RunFrames(3);  // 256 ms
  EXPECT_TRUE(Click(kOnPanel));
  EXPECT_EQ(panel->mouse_messages.size(), 4u);
  EXPECT_FALSE(Click({5, 5}));  // outside the dialog: no widget of it is hit
}

TEST_F(ScreenGameTest, NothingOfAWindowIsHitWhileItsShowEffectRuns) {
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  RunFrames(5);
  TGameScreen& dialog = Screen("GS_Dialog");
  EXPECT_FALSE(dialog.WidgetAtPos(kOnPanel));
  RunFrames(5);
  ASSERT_TRUE(dialog.WidgetAtPos(kOnPanel));
  EXPECT_EQ(dialog.WidgetAtPos(kOnPanel)->GetName(), "panel");
}

TEST_F(ScreenGameTest, ClosingRunsTheHideEffectThenLeavesTheStack) {
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  RunCheckedFrames(10);
  TGameScreen& dialog = Screen("GS_Dialog");
  TGameScreen& main = Screen("GS_Main");
  EXPECT_FALSE(main.IsActive());

  ASSERT_TRUE(Game().CloseScreen(&dialog, nullptr));
  EXPECT_TRUE(dialog.IsOpen());  // still visible while it hides
  RunCheckedFrames(9);
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main", "GS_Dialog"));
  RunCheckedFrames(1);
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  EXPECT_TRUE(main.IsActive());
  RunCheckedFrames(2);
  EXPECT_TRUE(CanvasShows(kOnPanel, kBackgroundColour));

  // The child closed: the main screen's mouse guard starts again.
  EXPECT_TRUE(main.IsMouseGuarded());
  Ref<TTestBox> button = Box("GS_Main", "button_a");
  EXPECT_TRUE(Click({30, 30}));
  EXPECT_TRUE(button->mouse_messages.empty());
  RunFrames(13);
  EXPECT_TRUE(Click({30, 30}));
  EXPECT_THAT(button->mouse_messages, ElementsAre(kMouseLeftDown, kMouseLeftUp));
}

TEST_F(ScreenGameTest, MovingAndFadingWindowKeepsTheCanvasRight) {
  TGameScreen& dialog = Screen("GS_Dialog");
  // Opened, moved and faded while its effect plays, shown, moved as a
  // whole, closed and opened again.
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  Ref<IWidget> show = dialog.GetWindowEffectWidget()->GetEffects()->FindWidget("show_effect");
  for (int frame = 0; dialog.IsOpening(); ++frame) {
    show->SetProperty("picture/anchor_left", Variant(-30.0 + frame * 3.5));
    show->SetProperty("picture/transparentlevel", Variant(40 + frame * 20));
    RunCheckedFrames(1);
  }
  for (double x : {100.5, 101.5, 97.25, 60.0}) {
    dialog.GetWindowWidget()->SetAnchorLeft(x);
    RunCheckedFrames(1);
  }
  ASSERT_TRUE(Game().CloseScreen(&dialog, nullptr));
  Ref<IWidget> hide = dialog.GetWindowEffectWidget()->GetEffects()->FindWidget("hide_effect");
  for (int frame = 0; dialog.IsOpen(); ++frame) {
    hide->SetProperty("picture/anchor_top", Variant(frame * 4.5));
    hide->SetProperty("picture/transparentlevel", Variant(255 - frame * 20));
    RunCheckedFrames(1);
  }
  RunCheckedFrames(2);
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  RunCheckedFrames(12);
}

TEST_F(ScreenGameTest, WindowSoundsAndBackgroundMusicGoThroughTheEngine) {
  Ref<TSoundLog> sounds = MakeRef<TSoundLog>();
  Engine().SetSoundManager(sounds);
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  EXPECT_THAT(sounds->log, ElementsAre("sound sound_show_window", "music music_background", "sound sound_effect"));
  RunFrames(10);
  sounds->log.clear();
  ASSERT_TRUE(Game().CloseScreen(&Screen("GS_Dialog"), nullptr));
  EXPECT_THAT(sounds->log, ElementsAre("sound sound_hide_window", "stop music music_background", "sound sound_effect"));
  RunFrames(10);
  // A screen without sounds or music of its own plays nothing.
  sounds->log.clear();
  ASSERT_TRUE(Game().ShowScreen("GS_Plain", nullptr));
  EXPECT_TRUE(sounds->log.empty());
  Engine().SetSoundManager(nullptr);
}

TEST_F(ScreenGameTest, TabMovesAlongVisibleTabStopsAndWraps) {
  TGameScreen& main = Screen("GS_Main");
  for (const char* name : {"button_a", "button_b", "button_c"}) {
    Box("GS_Main", name)->SetTabStop(true);
    Box("GS_Main", name)->handles_keys = false;
  }
  // Nothing focused: the first visible tab stop takes the key, which moves on.
  std::vector<std::string> focus;
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(KeyUp(KeyCode::Tab));
    focus.push_back(main.GetFocus()->GetName());
  }
  // button_b is invisible and label_d no tab stop.
  EXPECT_THAT(focus, ElementsAre("button_c", "button_a", "button_c", "button_a"));
  EXPECT_THAT(Box("GS_Main", "button_a")->notes,
              ElementsAre("focus gained", "key 9", "focus lost", "focus gained", "key 9", "focus lost",
                          "focus gained"));
}

TEST_F(ScreenGameTest, KeysWithoutATabStopAreNotHandled) {
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  EXPECT_FALSE(KeyUp(KeyCode::Tab));
  EXPECT_FALSE(Screen("GS_Dialog").GetFocus());
}

TEST_F(ScreenGameTest, CapturedWidgetGetsTheMouseUntilTheScreenOpensAgain) {
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  RunFrames(10 + 13);
  TGameScreen& dialog = Screen("GS_Dialog");
  Ref<TTestBox> panel = Box("GS_Dialog", "panel");
  dialog.SetCapture(panel.get());
  EXPECT_TRUE(Click({5, 5}));  // far outside the panel
  EXPECT_THAT(panel->mouse_messages, ElementsAre(kMouseLeftDown, kMouseLeftUp));

  ASSERT_TRUE(Game().CloseScreen(&dialog, nullptr));
  RunFrames(10);
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  EXPECT_FALSE(dialog.GetCapture());
  EXPECT_THAT(panel->notes, ElementsAre("capture lost"));
}

TEST_F(ScreenGameTest, DialogSelectsItsCursorAndClosingRestoresThePrevious) {
  auto& cursors = dynamic_cast<TCursorGame&>(Game());
  EXPECT_EQ(cursors.GetCurrentCursorName(), "cursor_arrow");  // the main screen names none: the default
  ASSERT_TRUE(Game().ShowScreen("GS_Dialog", nullptr));
  EXPECT_EQ(cursors.GetCurrentCursorName(), "cursor_hand");
  ASSERT_TRUE(Game().CloseScreen(&Screen("GS_Dialog"), nullptr));
  EXPECT_EQ(cursors.GetCurrentCursorName(), "cursor_arrow");
}

TEST_F(ScreenGameTest, WidgetsReachTheirScreenThroughTheirOwners) {
  TRecordingScreen& dialog = Screen<TRecordingScreen>("GS_Dialog");
  Ref<TTestBox> panel = Box("GS_Dialog", "panel");
  IWidgetOwner* owner = panel->GetOwner();
  ASSERT_TRUE(owner);
  EXPECT_EQ(owner->GetWindow(), static_cast<IWindow*>(&dialog));
  EXPECT_EQ(owner->GetEngine(), static_cast<IEngine*>(&Engine()));
  EXPECT_EQ(panel->GetPath(), "GS_Dialog/panel");
  EXPECT_EQ(panel->FindWidget("window:/panel").get(), static_cast<IWidget*>(panel.get()));
  IEventHandler* handler = owner->GetEventHandler();
  ASSERT_TRUE(handler);
  EXPECT_EQ(handler->GetScreenOwner(), static_cast<IGameScreenOwner*>(&Game()));
  handler->HandleWidgetEvent(panel.get(), kWidgetEventClick, Variant());
  EXPECT_THAT(dialog.log, ElementsAre("event panel 1"));
}

TEST_F(ScreenGameTest, ScreenWithoutWindowElementOpensAndClosesAtOnce) {
  TGameScreen& plain = Screen("GS_Plain");
  ASSERT_TRUE(Game().ShowScreen("GS_Plain", nullptr));
  EXPECT_TRUE(plain.IsOpen());
  EXPECT_FALSE(plain.IsOpening());
  RunCheckedFrames(1);
  ASSERT_TRUE(Game().CloseScreen(&plain, nullptr));
  EXPECT_THAT(ShownNames(), ElementsAre("GS_Main"));
  RunCheckedFrames(1);
}

TEST_F(ScreenGameTest, SavingLeavesTheOpenScreenAsItWas) {
  TGameScreen& main = Screen("GS_Main");
  Ref<IHierStorageRoot> doc = CreateStorage("gamescreen");
  main.GetWindowWidget()->SetName("window");
  const std::string window_name = main.GetWindowWidget()->GetName();
  main.GetWindowWidget()->SetAnchorLeft(12);
  main.SaveTo(doc.get());
  Ref<IHierStorage> window = doc->GetChild("window", 0);
  ASSERT_TRUE(window);
  // The window moved from its place: where the screen puts it is kept.
  EXPECT_EQ(window->GetValue("left", Variant()).ToText(), "0");
  EXPECT_EQ(window->GetValue("anchor_left", Variant()).ToText(), "12");
  EXPECT_EQ(window->GetValue("visible", Variant("no")).ToText(), "no");
  EXPECT_EQ(window->GetValue("mousestop", Variant("no")).ToText(), "no");
  EXPECT_EQ(window->GetValue("name", Variant("")).ToText(), "");
  // The running screen is untouched.
  EXPECT_TRUE(main.IsOpen());
  EXPECT_TRUE(main.GetWindowWidget()->IsMouseStop());
  EXPECT_EQ(main.GetWindowWidget()->GetName(), window_name);
  main.GetWindowWidget()->SetAnchorLeft(0);  // nothing drawn uncovers the canvas
  RunCheckedFrames(1);
}

}  // namespace
}  // namespace corvellane::testing
