// Arbitrary bytes through the data-file parser, a walk over every node the
// storage interface reaches, and the writer. Whatever parses must be written
// as text that parses again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/data_files.h"
#include "persistence/storage.h"

namespace {

using corvellane::IHierStorage;
using corvellane::Ref;
using corvellane::Variant;

constexpr int kMaxNodes = 2000;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void VisitNode(IHierStorage& node) {
  node.GetNodeName();
  int values = node.GetValueCount();
  for (int i = 0; i <= values; ++i) {
    std::string name = node.GetValueName(i);
    node.GetValueAt(i, Variant());
    node.GetValue(name, Variant());
  }
  node.GetText();
  node.GetContent();
  node.GetXml();
  node.FindChild("*/..");
  node.FindNode(node.GetNodeName(), "group");
}

void Walk(Ref<IHierStorage> root) {
  std::vector<Ref<IHierStorage>> pending{root};
  for (int visited = 0; !pending.empty() && visited < kMaxNodes; ++visited) {
    Ref<IHierStorage> node = pending.back();
    pending.pop_back();
    VisitNode(*node);
    int children = node->GetChildCount("");
    for (int i = 0; i < children; ++i)
      if (Ref<IHierStorage> child = node->GetChild("", i)) pending.push_back(child);
  }
}

}  // namespace

// "_outstorage" may name any file; the fuzzer reads none (think of /dev/zero).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  corvellane::SetDataFileReader([](std::string_view) { return std::optional<std::string>(); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Ref<corvellane::IHierStorageRoot> root;
  try {
    root = corvellane::OpenStorageText(bytes);
  } catch (const corvellane::EStorageParseError&) {
    return 0;
  }
  Walk(root);
  std::string written = root->SaveToText();
  Ref<corvellane::IHierStorageRoot> reread;
  try {
    reread = corvellane::OpenStorageText(written);
  } catch (const corvellane::EStorageParseError&) {
    Check(false);
  }
  // The written form is stable once written.
  Check(reread->SaveToText() == corvellane::OpenStorageText(reread->SaveToText())->SaveToText());
  // Content copied into another document must not disturb anything.
  Ref<corvellane::IHierStorageRoot> copy = corvellane::CreateStorage("copy");
  copy->SetContent(root->GetContent());
  copy->AppendCopy(root.get());
  copy->SaveToText();
  return 0;
}
