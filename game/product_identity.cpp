#include "game/product_identity.h"

#include "shell/declarations.h"

namespace corvellane {

EngineIdentity ProductEngineIdentity() {
  return {std::string(product::ProductShortName), std::string(product::FileKeyText(product::FileKey::Definitions)),
          std::string(product::ProductShortName)};
}

}  // namespace corvellane
