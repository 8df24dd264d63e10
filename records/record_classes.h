// record_classes.h: registering the player records' classes by type name.
//
//   RegisterRecordClasses();   // from RegisterAllGameClasses (game/class_list.cpp)
#pragma once

namespace corvellane {

// "user_profile" and "user_profiles".
void RegisterRecordClasses();

}  // namespace corvellane
