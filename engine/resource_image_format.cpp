#include "engine/resource_image_format.h"

#include "xml/ascii_case.h"

namespace corvellane {

std::string_view FileExtensionOf(std::string_view file_name) {
  size_t name_start = file_name.find_last_of("/\\");
  std::string_view name = name_start == std::string_view::npos ? file_name : file_name.substr(name_start + 1);
  size_t dot = name.find_last_of('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

std::string_view ImageFormatForFile(std::string_view file_name) {
  return EqualsIgnoreAsciiCase(FileExtensionOf(file_name), "png") ? "png" : "jpeg";
}

}  // namespace corvellane
