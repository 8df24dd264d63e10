#include "tools/media_common/tool_options.h"

#include <iostream>

#include <optional>

#include "persistence/number_text.h"

namespace corvellane {

TToolOptions::TToolOptions(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view word = argv[i];
    if (word.size() > 2 && word.substr(0, 2) == "--") {
      if (i + 1 >= argc) throw EToolError("option " + std::string(word) + " needs a value");
      named_[std::string(word.substr(2))] = argv[++i];
    } else {
      positional_.emplace_back(word);
    }
  }
}

const std::string& TToolOptions::Require(size_t index, std::string_view what) const {
  if (index >= positional_.size()) throw EToolError("missing " + std::string(what));
  return positional_[index];
}

std::string TToolOptions::Text(std::string_view name, std::string_view fallback) const {
  auto it = named_.find(std::string(name));
  return it == named_.end() ? std::string(fallback) : it->second;
}

int TToolOptions::Int(std::string_view name, int fallback) const {
  auto it = named_.find(std::string(name));
  if (it == named_.end()) return fallback;
  std::optional<int32_t> value = ParseInt(it->second);
  if (!value) throw EToolError("--" + std::string(name) + " is not a whole number: " + it->second);
  return *value;
}

double TToolOptions::Float(std::string_view name, double fallback) const {
  auto it = named_.find(std::string(name));
  if (it == named_.end()) return fallback;
  std::optional<double> value = ParseFloat(it->second);
  if (!value) throw EToolError("--" + std::string(name) + " is not a number: " + it->second);
  return *value;
}

uint32_t TToolOptions::Colour(std::string_view name, uint32_t fallback) const {
  auto it = named_.find(std::string(name));
  if (it == named_.end()) return fallback;
  std::optional<int32_t> value = it->second.starts_with('$') ? ParseInt(it->second) : std::nullopt;
  if (!value) throw EToolError("--" + std::string(name) + " is not a colour ($AARRGGBB): " + it->second);
  return uint32_t(*value);
}

int RunTool(const char* name, int argc, char** argv, int (*run)(const TToolOptions&)) {
  try {
    return run(TToolOptions(argc, argv));
  } catch (const std::exception& e) {
    std::cerr << name << ": " << e.what() << "\n";
    return 2;
  }
}

}  // namespace corvellane
