// class_list.h: every class a data file of the game may name, registered at
// once.
//
// The program calls this at start-up; tests and benchmarks that load the real
// game data call it too, so they see exactly the classes the game sees.
//
//   RegisterAllGameClasses();
//   Ref<TAbstractObject> screen = CreateByType("GameScreen");
#pragma once

namespace corvellane {

void RegisterAllGameClasses();

}  // namespace corvellane
