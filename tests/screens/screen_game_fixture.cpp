#include "tests/screens/screen_game_fixture.h"

#include <sstream>

#include "persistence/class_registry.h"
#include "controls/control_classes.h"
#include "screens/screen_classes.h"
#include "screens/splash_screens.h"
#include "widgets/widget_classes.h"

namespace corvellane::testing {

namespace {

// The main screen fills the canvas; the dialog has a show and a hide effect
// of 160 ms each (ten frames of 16 ms) whose picture is a surface widget.
constexpr const char* kGame = R"(<game type="CursorGame" maings="GS_Main">
  <params>
    <param name="ScreenWidth" value="320"/>
    <param name="ScreenHeight" value="240"/>
  </params>
  <gamescreens>
    <gamescreen type="GameScreen" name="GS_Main">
      <window>
        <widgets>
          <widget type="test_box" name="background" visible="yes" width="320" height="240" colour="$FF204060"/>
          <widget type="test_box" name="button_a" visible="yes" mousestop="yes" z="1" anchor_left="20" anchor_top="20" width="40" height="20" colour="$FFCC3333"/>
          <widget type="test_box" name="button_b" mousestop="yes" z="1" anchor_left="20" anchor_top="50" width="40" height="20"/>
          <widget type="test_box" name="button_c" visible="yes" mousestop="yes" z="1" anchor_left="20" anchor_top="80" width="40" height="20"/>
          <widget type="test_box" name="label_d" visible="yes" z="1" anchor_left="20" anchor_top="110" width="40" height="20"/>
        </widgets>
      </window>
    </gamescreen>
    <gamescreen type="recording_screen" name="GS_Dialog" cursor_name="cursor_hand">
      <window anchor_left="100" anchor_top="60">
        <musics><music name="music_background" resourcename="res_theme"/></musics>
        <sounds>
          <sound name="sound_show_window" resourcename="res_whoosh_in"/>
          <sound name="sound_hide_window" resourcename="res_whoosh_out"/>
          <sound name="sound_effect" resourcename="res_swish"/>
        </sounds>
        <effects><widgets>
          <widget type="func_appearance_effect" name="show_effect" durationtime="160" surfaceparamname="picture/surface">
            <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
          </widget>
          <widget type="func_appearance_effect" name="hide_effect" durationtime="160" surfaceparamname="picture/surface">
            <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
          </widget>
        </widgets></effects>
        <widgets>
          <widget type="test_box" name="panel" visible="yes" mousestop="yes" width="120" height="80" colour="$FFE0C040"/>
        </widgets>
      </window>
    </gamescreen>
    <gamescreen type="GameScreen" name="GS_Plain"/>
  </gamescreens>
</game>)";

PlatformEvent MouseButtonEvent(EventType type, TPoint at) {
  PlatformEvent event;
  event.type = type;
  event.button = MouseButton::Left;
  event.position = at;
  return event;
}

}  // namespace

void RegisterScreenTestClasses() {
  RegisterWidgetClasses();
  RegisterControlClasses();
  RegisterScreenClasses();
  RegisterSplashScreenClasses();
  RegisterClass<TTestBox>("test_box");
  RegisterClass<TRecordingScreen>("recording_screen");
  RegisterClass<TCursorGame>("CursorGame");
}

std::string ScreenGameTest::GameXml() const { return kGame; }

void ScreenGameTest::SetUp() {
  run_ = std::make_unique<GameRun>(GameXml());
  RegisterScreenTestClasses();
  ASSERT_TRUE(run_->Start());
  RunFrames(1);  // no logos, no loading screen: the first frame shows the main screen
}

void ScreenGameTest::RunCheckedFrames(int frames) {
  for (int i = 0; i < frames; ++i) {
    RunFrames(1);
    ASSERT_TRUE(CanvasMatchesFullRedraw()) << "frame " << i;
  }
}

bool ScreenGameTest::Click(TPoint at) {
  const bool down = Game().MouseEvent(MouseButtonEvent(EventType::MouseDown, at));
  const bool up = Game().MouseEvent(MouseButtonEvent(EventType::MouseUp, at));
  return down && up;
}

bool ScreenGameTest::KeyUp(KeyCode key) {
  PlatformEvent event;
  event.type = EventType::KeyUp;
  event.key = key;
  return Game().KeyEvent(event);
}

void ScreenGameTest::Press(KeyCode key) {
  PlatformEvent event;
  event.key = key;
  for (EventType type : {EventType::KeyDown, EventType::KeyUp}) {
    event.type = type;
    Game().KeyEvent(event);
  }
}

void ScreenGameTest::Type(std::string_view utf8) {
  PlatformEvent event;
  event.type = EventType::Text;
  event.text = std::string(utf8);
  Game().KeyEvent(event);
}

::testing::AssertionResult ScreenGameTest::CanvasMatchesFullRedraw() {
  const ISurface& kept = Engine().Canvas();
  Ref<TSurface> full = MakeSurface(kWidth, kHeight, false);
  Game().DrawFrame(full.get(), 0, 0);
  for (int32_t y = 0; y < kHeight; ++y)
    for (int32_t x = 0; x < kWidth; ++x)
      if (!PixelsMatch(kept.GetPixel(x, y), full->GetPixel(x, y))) {
        std::ostringstream out;
        out << "first difference at (" << x << ", " << y << "): kept " << std::hex << kept.GetPixel(x, y)
            << ", full redraw " << full->GetPixel(x, y);
        return ::testing::AssertionFailure() << out.str();
      }
  return ::testing::AssertionSuccess();
}

}  // namespace corvellane::testing
