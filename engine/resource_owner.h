// resource_owner.h: IResourceOwner, what a resource may ask of the engine.
//
// Resources do not open files or talk to the mixer themselves: the engine
// they are attached to does it for them, so tests can stand in with a fake
// and the engine decides where files and sounds come from.
//
//   std::optional<std::string> bytes = owner->ReadResourceBytes("images\\a.png");
//   SampleHandle click = owner->LoadSample("sounds\\click.ogg", 4, false);
//   Ref<IResource> font = owner->GetResource("font_main");
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/audio/mixer.h"
#include "persistence/ref.h"

namespace corvellane {

// An Ogg music track: a looping sample and the one channel it plays on.
struct TLoopingSample {
  SampleHandle sample = 0;
  ChannelHandle channel = 0;
};

struct IResource;

struct IResourceOwner : virtual IObject {
  // The whole file through the resource reader, or none.
  virtual std::optional<std::string> ReadResourceBytes(std::string_view file) = 0;
  // 0 when the file is missing or does not decode.
  virtual SampleHandle LoadSample(std::string_view file, int max_playbacks, bool loop) = 0;
  virtual void FreeSample(SampleHandle sample) = 0;
  virtual ChannelHandle LoadMusicModule(std::string_view file) = 0;
  virtual void FreeMusicModule(ChannelHandle module) = 0;
  // Zero handles when the file is missing or does not decode.
  virtual TLoopingSample LoadLoopingSample(std::string_view file) = 0;
  // The resource of that name, or none.
  virtual Ref<IResource> GetResource(std::string_view name) = 0;
};

}  // namespace corvellane
