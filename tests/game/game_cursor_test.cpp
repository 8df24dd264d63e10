// The game's cursor on the real engine, headless: drawn into the canvas with
// its hot spot on the mouse, redrawn away when the mouse moves, restarted by
// a handled button press, owned by the game.
#include <gtest/gtest.h>

#include "game/cursor_collection.h"
#include "persistence/class_registry.h"
#include "screens/screen_classes.h"
#include "tests/game/game_test_support.h"
#include "tests/support/pixel_match.h"
#include "tests/widgets/test_widgets.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kScreenColour = 0xFF0000FF;
constexpr uint32_t kArrowColour = 0xFFFF0000;
constexpr uint32_t kHandColour = 0xFF00FF00;

// No logos and no loading screen: the main screen is up after one frame.
constexpr const char* kGame = R"(<game type="Game" splashlogosgs="" splashgs="" maings="GS_Main">
  <params>
    <param name="ScreenWidth" value="320"/>
    <param name="ScreenHeight" value="240"/>
  </params>
  <cursors default_cursor_name="arrow">
    <cursor name="arrow" hotspotx="1" hotspoty="2">
      <widget type="test_box" name="arrow_box" width="4" height="5" colour="$FFFF0000"/>
    </cursor>
    <cursor name="hand" hotspotx="3">
      <widget type="test_box" name="hand_box" width="6" height="6" colour="$FF00FF00"/>
    </cursor>
  </cursors>
  <sounds>
    <sound name="sound_click" resourcename="sound_click"/>
  </sounds>
  <gamescreens>
    <gamescreen type="test_screen" name="GS_Main" right="320" bottom="240" colour="$FF0000FF"/>
    <gamescreen type="GameScreen" name="GS_Dialog" cursor_name="hand"/>
  </gamescreens>
</game>)";

constexpr const char* kGameWithoutCursors = R"(<game type="Game" splashlogosgs="" splashgs="" maings="GS_Main">
  <gamescreens><gamescreen type="test_screen" name="GS_Main" right="320" bottom="240"/></gamescreens>
</game>)";

// Pixels inside and just outside the rectangle hold the cursor's colour (it
// is blended "normal", which may land a step off) and the screen's.
void ExpectDrawnAt(const ISurface& canvas, TRect rect, uint32_t colour) {
  EXPECT_TRUE(PixelsMatch(canvas.GetPixel(rect.left, rect.top), colour)) << std::hex << colour;
  EXPECT_TRUE(PixelsMatch(canvas.GetPixel(rect.right - 1, rect.bottom - 1), colour)) << std::hex << colour;
  EXPECT_EQ(canvas.GetPixel(rect.left - 1, rect.top), kScreenColour);
  EXPECT_EQ(canvas.GetPixel(rect.left, rect.top - 1), kScreenColour);
  EXPECT_EQ(canvas.GetPixel(rect.right, rect.bottom - 1), kScreenColour);
  EXPECT_EQ(canvas.GetPixel(rect.right - 1, rect.bottom), kScreenColour);
}

class GameCursorTest : public ::testing::Test {
 public:
  GameCursorTest() {
    RegisterClass<TTestBox>("test_box");
    RegisterScreenClasses();
  }

  void StartAt(TPoint mouse) {
    ASSERT_TRUE(run.Start());
    run.Platform().SetMousePosition(mouse);
    run.RunFrames(2);
  }
  TCursorCollection& Cursors() { return *run.Game().GetCursors(); }
  Ref<IWidget> Widget(std::string_view cursor) { return Cursors().GetCursor(Variant(cursor))->GetWidget(); }
  const ISurface& Canvas() { return run.Engine().Canvas(); }

  GameRun run{kGame};
};

TEST_F(GameCursorTest, TheCursorIsDrawnWithItsHotSpotOnTheMouse) {
  StartAt({50, 60});
  ASSERT_EQ(run.ShownNames(), std::vector<std::string>{"GS_Main"});
  ExpectDrawnAt(Canvas(), {49, 58, 53, 63}, kArrowColour);

  // Moved: drawn at the new place, the old one redrawn from the screen.
  run.Platform().SetMousePosition({100, 20});
  run.RunFrames(1);
  ExpectDrawnAt(Canvas(), {99, 18, 103, 23}, kArrowColour);
  EXPECT_EQ(Canvas().GetPixel(50, 60), kScreenColour);

  // Another cursor: its own hot spot; nothing of the arrow is left.
  ASSERT_TRUE(Cursors().SelectCursor("hand"));
  run.RunFrames(1);
  ExpectDrawnAt(Canvas(), {97, 20, 103, 26}, kHandColour);
  EXPECT_EQ(Canvas().GetPixel(100, 18), kScreenColour);
}

TEST_F(GameCursorTest, TheGameOwnsTheCursorWidgetsAndHidesTheSystemPointer) {
  StartAt({10, 10});
  TGame& game = run.Game();
  EXPECT_FALSE(run.Platform().IsCursorVisible());
  EXPECT_EQ(Cursors().GetCurrentCursor()->GetName(), "arrow");
  for (const char* name : {"arrow", "hand"}) {
    Ref<IWidget> widget = Widget(name);
    EXPECT_EQ(widget->GetOwner(), static_cast<IWidgetOwner*>(&game)) << name;
    EXPECT_EQ(widget->GetProperty("mouse_x").ToInt(), 10) << name;
    EXPECT_TRUE(widget->FindSound("sound_click")) << name;  // the game's sounds
    EXPECT_EQ(widget->GetPath(), widget->GetName());
  }

  Ref<IWidget> arrow = Widget("arrow");
  Ref<IWidget> hand = Widget("hand");
  run.Engine().Finish();
  EXPECT_EQ(arrow->GetOwner(), nullptr);
  EXPECT_EQ(hand->GetOwner(), nullptr);
}

TEST_F(GameCursorTest, AHandledButtonPressRestartsTheCursorWidget) {
  StartAt({10, 10});
  auto& arrow = dynamic_cast<TAbstractWidget&>(*Widget("arrow"));
  ASSERT_GT(arrow.GetCurrentTime(), 0);

  PlatformEvent move;
  move.type = EventType::MouseMove;
  ASSERT_TRUE(run.Game().MouseEvent(move));  // handled, but not a press
  EXPECT_GT(arrow.GetCurrentTime(), 0);

  PlatformEvent press;
  press.type = EventType::MouseDown;
  press.button = MouseButton::Right;
  ASSERT_TRUE(run.Game().MouseEvent(press));
  EXPECT_EQ(arrow.GetCurrentTime(), 0);
}

TEST_F(GameCursorTest, AScreenShowsItsOwnCursorWhileItIsOpen) {
  StartAt({40, 40});
  TGame& game = run.Game();
  ASSERT_EQ(game.GetCurrentCursorName(), "arrow");
  ASSERT_TRUE(game.ShowScreen("GS_Dialog", nullptr));
  EXPECT_EQ(game.GetCurrentCursorName(), "hand");
  run.RunFrames(1);
  ExpectDrawnAt(Canvas(), {37, 40, 43, 46}, kHandColour);

  ASSERT_TRUE(game.CloseScreen(game.GetScreens()->GetScreen(Variant("GS_Dialog")).get(), nullptr));
  run.RunFrames(1);
  EXPECT_EQ(game.GetCurrentCursorName(), "arrow");
  ExpectDrawnAt(Canvas(), {39, 38, 43, 43}, kArrowColour);
  EXPECT_TRUE(PixelsMatch(Canvas().GetPixel(42, 45), kScreenColour));  // the hand's area redrawn
}

TEST(GameCursor, WithoutCursorsTheSystemPointerStays) {
  GameRun run(kGameWithoutCursors);
  ASSERT_TRUE(run.Start());
  run.RunFrames(2);
  EXPECT_TRUE(run.Platform().IsCursorVisible());
  EXPECT_FALSE(run.Game().GetCursors()->GetCurrentCursor());
}

}  // namespace
}  // namespace corvellane::testing
