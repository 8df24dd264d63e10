// widget_classes.h: registers the data-creatable widget classes.
//
// Called once at program start, before any screen file is read, like the
// other subsystems' Register...Classes functions:
//
//   RegisterSoundClasses();
//   RegisterWidgetClasses();
#pragma once

namespace corvellane {

void RegisterWidgetClasses();

}  // namespace corvellane
