// The "contact-sheet" command (placeholder until the scene files exist).
#include "tools/image_maker/picture_commands.h"

namespace corvellane {

int MakeContactSheet(const TToolOptions& options) {
  options.Require(1, "game folder");
  throw EToolError("not yet");
}

}  // namespace corvellane
