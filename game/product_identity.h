// product_identity.h: the engine identity of this product.
//
// The engine knows nothing of the product it runs; the composition root
// hands it the caption and the definitions key from the product's
// declarations (shell/declarations.h). The player records get their files
// and keys the same way, through their creation parameters
// (product::DefaultHighScoreTables).
//
//   Ref<TEngine> engine = CreateEngine(platform, ProductEngineIdentity());
#pragma once

#include "engine/engine.h"

namespace corvellane {

EngineIdentity ProductEngineIdentity();

}  // namespace corvellane
