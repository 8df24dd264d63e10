#include "widgets/widget_path.h"

namespace corvellane {

PathHead SplitWidgetPath(std::string_view path) {
  if (!path.empty() && path.front() == '/') return {path.substr(0, 1), path.substr(1)};
  const size_t slash = path.find('/');
  if (slash == std::string_view::npos) return {path, {}};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace corvellane
