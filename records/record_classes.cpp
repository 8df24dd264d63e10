#include "records/record_classes.h"

#include "persistence/class_registry.h"
#include "records/user_profile_collection.h"

namespace corvellane {

void RegisterRecordClasses() {
  RegisterClass<TUserProfile>("user_profile");
  RegisterClass<TUserProfileCollection>("user_profiles");
}

}  // namespace corvellane
