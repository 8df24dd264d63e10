#include "xml/xml_path.h"

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace corvellane {

namespace {

struct Step {
  enum class Kind { Self, Parent, Children } kind = Kind::Children;
  std::string name;  // "*" for any element
  std::optional<std::pair<std::string, std::string>> condition;
};

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::optional<Step> ParseStep(std::string_view text) {
  Step step;
  if (text == ".") return Step{Step::Kind::Self, {}, {}};
  if (text == "..") return Step{Step::Kind::Parent, {}, {}};
  size_t bracket = text.find('[');
  step.name = std::string(text.substr(0, bracket));
  if (step.name.empty() || step.name.find(']') != std::string::npos) return std::nullopt;
  if (bracket == std::string_view::npos) return step;
  if (text.back() != ']') return std::nullopt;
  std::string_view condition = text.substr(bracket + 1, text.size() - bracket - 2);
  size_t eq = condition.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  std::string_view attribute = condition.substr(0, eq);
  if (attribute.starts_with('@')) attribute.remove_prefix(1);
  if (attribute.empty()) return std::nullopt;
  step.condition.emplace(std::string(attribute), std::string(StripQuotes(condition.substr(eq + 1))));
  return step;
}

bool Matches(XmlNode node, const Step& step) {
  if (!node.IsElement() || node.Name().empty()) return false;
  if (step.name != "*" && node.Name() != step.name) return false;
  if (!step.condition) return true;
  auto value = node.Attribute(step.condition->first);
  return value && *value == step.condition->second;
}

// Appends the nodes one step leads to from `node`, skipping those already present.
void Advance(XmlNode node, const Step& step, std::vector<XmlNode>& out, std::unordered_set<void*>& seen) {
  auto add = [&](XmlNode n) {
    if (n && seen.insert(n.raw()).second) out.push_back(n);
  };
  switch (step.kind) {
    case Step::Kind::Self: add(node); break;
    case Step::Kind::Parent: add(node.Parent()); break;
    case Step::Kind::Children:
      for (XmlNode c = node.FirstChild(); c; c = c.NextSibling())
        if (Matches(c, step)) add(c);
      break;
  }
}

// The next "/" outside a bracketed condition, so values may hold slashes.
size_t NextSlash(std::string_view path, size_t from) {
  bool in_condition = false;
  for (size_t i = from; i < path.size(); ++i) {
    if (path[i] == '[') in_condition = true;
    else if (path[i] == ']') in_condition = false;
    else if (path[i] == '/' && !in_condition) return i;
  }
  return std::string_view::npos;
}

XmlNode DocumentOf(XmlNode node) {
  while (XmlNode parent = node.Parent()) node = parent;
  return node;
}

}  // namespace

XmlNode SelectFirst(XmlNode from, std::string_view path) {
  if (!from) return {};
  std::vector<XmlNode> current{from};
  if (path.starts_with('/')) {
    current = {DocumentOf(from)};
    path.remove_prefix(1);
  }
  if (path.empty()) return current.front();
  for (size_t start = 0; start <= path.size();) {
    size_t slash = NextSlash(path, start);
    size_t end = slash == std::string_view::npos ? path.size() : slash;
    std::optional<Step> step = ParseStep(path.substr(start, end - start));
    if (!step) return {};
    std::vector<XmlNode> next;
    std::unordered_set<void*> seen;
    for (XmlNode node : current) Advance(node, *step, next, seen);
    if (next.empty()) return {};
    current = std::move(next);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return current.front();
}

}  // namespace corvellane
