// resource_types.h: the type names resource definitions create resources by.
//
//   RegisterEngineResourceTypes();
//   Ref<TAbstractObject> r = CreateNamed("ImageResource", "logo");
//
// "ImageResource", "FontResource", "FontSubstituteResource",
// "SoundResource", "SoundGroupResource", "MusicResource",
// "MusicGroupResource". Registering twice does nothing.
#pragma once

namespace corvellane {

void RegisterEngineResourceTypes();

}  // namespace corvellane
