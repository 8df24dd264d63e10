#include "xml/xml_text.h"

#include <vector>

namespace corvellane {

namespace {

bool ContributesText(XmlNode node) { return node.IsElement() || node.IsText(); }

}  // namespace

std::string InnerText(XmlNode top) {
  if (!top.HasChildren()) return std::string(top.Value());
  std::string out;
  // One flag per open level: has a piece been written at this level yet?
  std::vector<bool> level_started{false};
  XmlNode node = top.FirstChild();
  for (;;) {
    if (ContributesText(node)) {
      if (level_started.back()) out.push_back(' ');
      level_started.back() = true;
      if (node.HasChildren()) {
        level_started.push_back(false);
        node = node.FirstChild();
        continue;
      }
      out += node.Value();
    }
    for (;;) {
      if (XmlNode next = node.NextSibling()) {
        node = next;
        break;
      }
      node = node.Parent();
      level_started.pop_back();
      if (node == top) return out;
    }
  }
}

}  // namespace corvellane
