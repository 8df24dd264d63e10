// control_classes.h: registers the data-creatable control classes.
//
// Called once at program start, after the widget classes and before any
// screen file is read:
//
//   RegisterWidgetClasses();
//   RegisterControlClasses();
#pragma once

namespace corvellane {

void RegisterControlClasses();

}  // namespace corvellane
