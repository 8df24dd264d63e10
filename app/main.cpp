// corvellane: the game. Everything happens in the shell's main routine; this
// file only puts the pieces together.
#include "engine/resource_file.h"
#include "engine/resource_reader.h"
#include "engine/resource_types.h"
#include "persistence/class_registry.h"
#include "shell/declarations.h"
#include "shell/launcher.h"
#include "shell/startup.h"
#include "sound/sound_definitions.h"

int main(int argc, char** argv) {
  // Data files, language files and media are found in folders, in ".tgd"
  // archives standing in for folders, and in archives built into the program.
  corvellane::SetArchiveExtension(corvellane::product::ArchiveExtension);
  corvellane::InstallResourceReader();

  corvellane::ProgramParts parts;
  parts.register_classes = {corvellane::RegisterPersistenceClasses, corvellane::RegisterEngineResourceClasses,
                           corvellane::RegisterEngineResourceTypes, corvellane::RegisterSoundClasses};
  parts.hooks = corvellane::GameProductHooks(corvellane::OpenWithDesktop);
  return corvellane::RunProgram(argc, argv, std::move(parts));
}
