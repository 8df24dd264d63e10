// engine_runner_interface.h: how the start-up code drives the engine.
//
// The program creates one engine through a factory, starts it with the game
// definition file, runs its frame loop and finishes it:
//
//   Ref<IEngineRunner> engine = factory();
//   if (engine->Start(product::GameDefinitionFile)) { ok = engine->Run(); }
//   engine->Finish();
//
// Run answers false when the game ended because it could not go on (it said
// why in the log); the program then exits with a failure status.
//
// Finish may be called twice (Start calls it itself when it fails) and must
// then do nothing harmful. The engine library fills the factory slot of the
// program (startup.h); without a factory, running the game starts nothing.
#pragma once

#include <functional>
#include <string_view>

#include "persistence/ref.h"

namespace corvellane {

struct IEngineRunner : virtual IObject {
  virtual bool Start(std::string_view game_definition_file) = 0;
  virtual bool Run() = 0;
  virtual void Finish() = 0;
};

using EngineFactory = std::function<Ref<IEngineRunner>()>;

}  // namespace corvellane
