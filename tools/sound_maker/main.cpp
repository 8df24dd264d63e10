// corvellane-soundmaker: the demo game's sounds and music, synthesised.
//
//   corvellane-soundmaker EFFECT OUT.wav|OUT.ogg
//   corvellane-soundmaker music OUT.ogg|OUT.wav [--bars N]   (1..16, default 16)
//   corvellane-soundmaker module OUT.mod [--bars N]          the same tune as a tracker module
//   corvellane-soundmaker list
#include <iostream>

#include "tools/media_common/tool_options.h"
#include "tools/sound_maker/music_loop.h"
#include "tools/sound_maker/sound_effects.h"
#include "tools/sound_maker/sound_files.h"
#include "tools/sound_maker/tracker_module_writer.h"

namespace {

using namespace corvellane;

int Bars(const TToolOptions& options) {
  const int bars = options.Int("bars", kMusicBars);
  if (bars < 1 || bars > kMusicBars) throw EToolError("--bars must be 1..16");
  return bars;
}

int Run(const TToolOptions& options) {
  const std::string& name = options.Require(0, "sound name");
  if (name == "list") {
    for (const TSoundEffect& effect : SoundEffects()) std::cout << effect.name << "  " << effect.about << "\n";
    std::cout << "music  background music loop (stereo)\n";
    std::cout << "module  the same music as a tracker module\n";
    return 0;
  }
  const std::string& file = options.Require(1, "output file");
  if (name == "music") {
    WriteSoundFile(file, ComposeMusicLoop(Bars(options)), 2);
    return 0;
  }
  if (name == "module") {
    WriteModuleFile(file, MakeThemeModule(Bars(options)));
    return 0;
  }
  const TSoundEffect* effect = FindSoundEffect(name);
  if (!effect) throw EToolError("unknown sound " + name + " (see: corvellane-soundmaker list)");
  WriteSoundFile(file, effect->make(), 1);
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return corvellane::RunTool("corvellane-soundmaker", argc, argv, Run); }
