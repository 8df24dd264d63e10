// splash_screens.h: the screens that open the game and cover its loading.
//
//   "GameScreenSplashLogos"    the logo screen: closes itself when one of its
//                              widgets reports that its sequence ran past the
//                              last step (widget event 10), so a slide show
//                              of logos decides how long it stays
//   "GameScreenSplash"         the loading screen: shown while the game loads
//                              its "asynch" resource files; reopened with
//                              "LoadComplete" it either waits for a click on
//                              the button named by "wait_button_name" or goes
//                              straight on to the main screen
//   "GameScreenSplashProgress" the same with a progress display: while
//                              loading, the child "progress" of the widget
//                              "image_loading" gets "position" (0 .. 1); when
//                              done, "image_loading" goes and "image_loaded"
//                              and the wait button appear, and the
//                              default cursor is selected again
//
//   <gamescreen type="GameScreenSplash" name="GS_Splash" wait_button_name="button_continue">
//     <window> ... <widget type="PushButton" name="button_continue" .../> ... </window>
//   </gamescreen>
#pragma once

#include <string>

#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenSplashLogos : public TGameScreen {
 public:
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
};

class TGameScreenSplash : public TGameScreen {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void Open(Ref<IParamCollection> parameters) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;

 protected:
  // The loading is over and a wait button exists: show it (nothing here).
  virtual void OnLoadComplete() {}
  // On to the main screen (the game closes this one).
  virtual void Proceed();
  const std::string& WaitButtonName() const { return wait_button_name_; }

 private:
  std::string wait_button_name_;
};

class TGameScreenSplashProgress : public TGameScreenSplash {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void Advance(int32_t elapsed_ms) override;

 protected:
  void OnLoadComplete() override;
  // Also frees the loading screen's own media ("splash", "splash2").
  void Proceed() override;

 private:
  bool loaded_ = false;
  int32_t update_count_ = 0;
  double total_updates_ = 200;
};

// "GameScreenSplashLogos", "GameScreenSplash", "GameScreenSplashProgress",
// the step-by-step loading screens (step_loading_screens.h), the
// self-refreshing screen (self_refresh_screen.h) and the quit question
// "GameScreenQuit".
void RegisterSplashScreenClasses();

}  // namespace corvellane
