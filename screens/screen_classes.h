// screen_classes.h: registers the data-creatable screen classes.
//
// Called once at program start, before the game definition is read, after
// the widget classes the screens' windows are made of:
//
//   RegisterWidgetClasses();
//   RegisterScreenClasses();
#pragma once

namespace corvellane {

// "GameScreen", the query dialogs (query_dialog.h) and the options page
// (options_screen.h).
void RegisterScreenClasses();

}  // namespace corvellane
