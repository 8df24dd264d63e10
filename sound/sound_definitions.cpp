#include "sound/sound_definitions.h"

#include <algorithm>

#include <string>
#include <utility>

#include "persistence/class_registry.h"
#include "persistence/property_table.h"

namespace corvellane {

namespace {

using SoundTable = TPropertyTableOf<TSound>;

// The rows of one delay: "key" sets both bounds and reads the minimum,
// "key_min" and "key_max" refine the bounds and default to them. Only a
// looping sound with a maximum saves its delay: the one key when the bounds
// agree, the pair otherwise.
void AddDelayRows(SoundTable& table, const std::string& key, DelayRange TSound::*range) {
  auto bound = [range](int32_t DelayRange::*end) {
    return std::pair([range, end](TSound& s) { return s.*range.*end; },
                     [range, end](TSound& s, int32_t ms) { s.*range.*end = ms; });
  };
  auto [min, set_min] = bound(&DelayRange::min);
  auto [max, set_max] = bound(&DelayRange::max);
  auto saved = [range](bool agree) {
    return SoundTable::When([range, agree](TSound& s) {
      const DelayRange& delay = s.*range;
      return s.GetLoop() && delay.max != 0 && (delay.min == delay.max) == agree;
    });
  };
  table.Int(key, min, [range](TSound& s, int32_t ms) { s.*range = {ms, ms}; }, 0, saved(true))
      .Int(key + "_min", min, set_min, min, saved(false))
      .Int(key + "_max", max, set_max, max, saved(false));
}

}  // namespace

const TPropertyTable& TSound::Properties() {
  using Table = SoundTable;
  static const TPropertyTable table = [] {
    Table rows(TPropertyObject::Properties());
    rows.Text("resourcename", &TSound::resource_name_, "", Table::Always())
        .Int("volume", &TSound::volume_, &TSound::SetVolume, kKeepVolume)
        .Int("pan", &TSound::pan_, kKeepPan)
        .Bool("mutemusic", &TSound::mute_music_, false)
        .Bool("loop", &TSound::loop_, false);
    AddDelayRows(rows, "startdelaytime", &TSound::start_delay_);
    AddDelayRows(rows, "cycledelaytime", &TSound::cycle_delay_);
    rows.Bool("stoppable_by_group", &TSound::stoppable_by_group_, &TSound::stoppable_by_group_,
              [](TSound& s) { return s.loop_; }, Table::Never())
        .DataOnly();
    return TPropertyTable(rows);
  }();
  return table;
}

void TSound::SetVolume(int32_t volume) { volume_ = std::min(volume, kFullVolume); }

void TSound::Init() {
  TPropertyObject::Init();
  SetStorageName("sound");
}

const TPropertyTable& TMusic::Properties() {
  using Table = TPropertyTableOf<TMusic>;
  static const TPropertyTable table =
      Table(TPropertyObject::Properties()).Text("resourcename", &TMusic::resource_name_, "", Table::Always());
  return table;
}

void TMusic::Init() {
  TPropertyObject::Init();
  SetStorageName("music");
  SetTypeName("");
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
