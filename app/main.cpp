// corvellane: the game. Everything happens in the shell's main routine.
#include "persistence/class_registry.h"
#include "shell/launcher.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  corvellane::ProgramParts parts;
  parts.register_classes = {corvellane::RegisterPersistenceClasses};
  parts.hooks = corvellane::GameProductHooks(corvellane::OpenWithDesktop);
  return corvellane::RunProgram(argc, argv, std::move(parts));
}
