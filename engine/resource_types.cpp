#include "engine/resource_types.h"

#include "engine/font_resource.h"
#include "engine/image_resource.h"
#include "engine/sound_resources.h"
#include "persistence/class_registry.h"

namespace corvellane {

void RegisterEngineResourceTypes() {
  RegisterClass<TImageResource>("ImageResource");
  RegisterClass<TFontResource>("FontResource");
  RegisterClass<TFontSubstituteResource>("FontSubstituteResource");
  RegisterClass<TSoundResource>("SoundResource");
  RegisterClass<TSoundGroupResource>("SoundGroupResource");
  RegisterClass<TMusicResource>("MusicResource");
  RegisterClass<TMusicGroupResource>("MusicGroupResource");
}

}  // namespace corvellane
