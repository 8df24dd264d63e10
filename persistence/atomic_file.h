// atomic_file.h: replacing a file so that it is never left half written.
//
// The bytes go to a temporary file in the same folder, which is flushed to
// disk and then renamed over the target. A crash or a full disk leaves either
// the old file or the new one, never a truncated mix.
#pragma once

#include <string_view>

namespace corvellane {

// `path` is a platform path (already normalised). False when any step failed;
// the target is then unchanged and no temporary file is left behind.
bool WriteFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace corvellane
