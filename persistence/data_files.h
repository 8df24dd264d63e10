// data_files.h: how the persistence layer reads a data file's bytes.
//
// By default a path is normalised (paths.h) and read from disk relative to the
// current directory. The engine's resource reader replaces the reader at
// start-up, so that data files are also found inside ".tgd" archives and
// archives embedded in the program ("res:" paths) and names match without
// regard to letter case.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

using DataFileReader = std::function<std::optional<std::string>(std::string_view path)>;

// An empty reader restores the plain disk reader.
void SetDataFileReader(DataFileReader reader);
// The whole file, or none when it cannot be found or read.
std::optional<std::string> ReadDataFile(std::string_view path);
// The plain disk reader (normalised path, whole file).
std::optional<std::string> ReadDiskFile(std::string_view path);

}  // namespace corvellane
