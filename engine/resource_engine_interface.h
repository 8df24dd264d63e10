// resource_engine_interface.h: the engine services that resource definitions use.
//
// Definition lists and resource files do not create resources themselves:
// they hand definition elements to the engine, which creates each resource
// by its type name, files it under an owner name and loads it. This is that
// part of the engine's interface; the engine implements it (IEngine extends
// it), and tests can stand in for it.
//
//   engine->LoadResourceDefs(root, "GS_Map", false);   // root holds <content>
//   engine->RemoveResources("GS_Map");
#pragma once

#include <string>
#include <string_view>

#include "persistence/ref.h"
#include "persistence/storage.h"

namespace corvellane {

struct IResourceEngine : virtual IObject {
  // The program folder, as file names in definitions may start with it.
  virtual std::string GetProgramFolder() = 0;
  // Creates the resources of the "resource" children of the node's first
  // "content" child under the owner name; names already present are skipped.
  // With pump_frames, one frame of the loop runs before each definition.
  virtual void LoadResourceDefs(IHierStorage* node, std::string_view owner, bool pump_frames) = 0;
  // The same for a whole (enciphered) definition file.
  virtual void LoadResourceDefsFile(std::string_view file, std::string_view owner, bool pump_frames) = 0;
  // Unloads and removes every resource of the owner (all when it is empty).
  virtual void RemoveResources(std::string_view owner) = 0;
  // Removes the resource of that name, if there is one.
  virtual void DeleteResource(std::string_view name) = 0;
};

}  // namespace corvellane
