#include "sound/sound_definitions.h"

#include <optional>

#include "persistence/class_registry.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {

namespace {

// A variant's integer, or none when it does not convert: a value that
// converts gives the same answer whatever the fallback.
std::optional<int32_t> ConvertedInt(const Variant& value) {
  int32_t a = value.ToInt(0);
  return a == value.ToInt(1) ? std::optional<int32_t>(a) : std::nullopt;
}

std::optional<bool> ConvertedBool(const Variant& value) {
  bool a = value.ToBool(false);
  return a == value.ToBool(true) ? std::optional<bool>(a) : std::nullopt;
}

void ReadDelay(IHierStorage* node, std::string_view key, DelayRange& delay) {
  std::string key_min = std::string(key) + "_min";
  std::string key_max = std::string(key) + "_max";
  int32_t both = ReadInt(node, key, 0);
  delay.min = ReadInt(node, key_min, both);
  delay.max = ReadInt(node, key_max, both);
}

// Nothing for a delay without a maximum; one key when both bounds agree.
void WriteDelay(IHierStorage* node, std::string_view key, const DelayRange& delay) {
  if (delay.max == 0) return;
  if (delay.min == delay.max) {
    WriteInt(node, key, delay.min, true);
    return;
  }
  WriteInt(node, std::string(key) + "_min", delay.min, true);
  WriteInt(node, std::string(key) + "_max", delay.max, true);
}

// The delay property names of a sound: the plain key reads the minimum and
// sets both bounds.
enum class DelayBound { Both, Min, Max };

// "startdelaytime" -> (start, Both); "cycledelaytime_max" -> (repeat, Max).
std::optional<std::pair<bool, DelayBound>> ParseDelayName(std::string_view name) {
  for (bool start : {true, false}) {
    std::string_view key = start ? "startdelaytime" : "cycledelaytime";
    if (name == key) return std::pair{start, DelayBound::Both};
    if (name.size() == key.size() + 4 && name.substr(0, key.size()) == key) {
      std::string_view suffix = name.substr(key.size());
      if (suffix == "_min") return std::pair{start, DelayBound::Min};
      if (suffix == "_max") return std::pair{start, DelayBound::Max};
    }
  }
  return std::nullopt;
}
}  // namespace

void TSound::Init() {
  TPropertyObject::Init();
  SetStorageName("sound");
}

void TSound::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  resource_name_ = ReadText(node, "resourcename");
  volume_ = ReadInt(node, "volume", kKeepVolume);
  pan_ = ReadInt(node, "pan", kKeepPan);
  mute_music_ = ReadBool(node, "mutemusic", false);
  loop_ = ReadBool(node, "loop", false);
  ReadDelay(node, "startdelaytime", start_delay_);
  ReadDelay(node, "cycledelaytime", cycle_delay_);
  stoppable_by_group_ = ReadBool(node, "stoppable_by_group", loop_);
}

void TSound::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  WriteText(node, "resourcename", resource_name_, true);
  WriteInt(node, "volume", volume_, volume_ != kKeepVolume);
  WriteInt(node, "pan", pan_, pan_ != kKeepPan);
  WriteBool(node, "mutemusic", mute_music_, mute_music_);
  WriteBool(node, "loop", loop_, loop_);
  // Delays only matter to sounds that repeat.
  if (loop_) {
    WriteDelay(node, "startdelaytime", start_delay_);
    WriteDelay(node, "cycledelaytime", cycle_delay_);
  }
}

Variant TSound::GetProperty(std::string_view name) {
  if (name == "resourcename") return Variant(resource_name_);
  if (name == "volume") return Variant(volume_);
  if (name == "pan") return Variant(pan_);
  if (name == "mutemusic") return Variant(mute_music_);
  if (name == "loop") return Variant(loop_);
  if (auto delay = ParseDelayName(name)) {
    const DelayRange& range = delay->first ? start_delay_ : cycle_delay_;
    return Variant(delay->second == DelayBound::Max ? range.max : range.min);
  }
  return TPropertyObject::GetProperty(name);
}

void TSound::SetProperty(std::string_view name, const Variant& value) {
  if (name == "resourcename") {
    resource_name_ = value.ToText();
  } else if (name == "volume" || name == "pan") {
    if (auto v = ConvertedInt(value)) (name == "volume" ? volume_ : pan_) = *v;
  } else if (name == "mutemusic" || name == "loop") {
    if (auto v = ConvertedBool(value)) (name == "loop" ? loop_ : mute_music_) = *v;
  } else if (auto delay = ParseDelayName(name)) {
    auto v = ConvertedInt(value);
    if (!v) return;
    DelayRange& range = delay->first ? start_delay_ : cycle_delay_;
    if (delay->second != DelayBound::Max) range.min = *v;
    if (delay->second != DelayBound::Min) range.max = *v;
  } else {
    TPropertyObject::SetProperty(name, value);
  }
}

void TMusic::Init() {
  TPropertyObject::Init();
  SetStorageName("music");
}

void TMusic::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  resource_name_ = ReadText(node, "resourcename");
}

void TMusic::SaveProperties(IHierStorage* node) {
  // Music collections hold only music, so the type would say nothing.
  SetTypeName("");
  TPropertyObject::SaveProperties(node);
  WriteText(node, "resourcename", resource_name_, true);
}

Variant TMusic::GetProperty(std::string_view name) {
  if (name == "resourcename") return Variant(resource_name_);
  return TPropertyObject::GetProperty(name);
}

void TMusic::SetProperty(std::string_view name, const Variant& value) {
  if (name == "resourcename")
    resource_name_ = value.ToText();
  else
    TPropertyObject::SetProperty(name, value);
}

void TSoundCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("sounds");
  SetItemElementName("sound");
  SetItemClass<TSound>();
}

void TMusicCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("musics");
  SetItemElementName("music");
  SetItemClass<TMusic>();
}

void RegisterSoundClasses() {
  RegisterClass<TSound>("Sound");
  RegisterClass<TMusic>("Music");
}

}  // namespace corvellane
