// fake_resource_owner.h: an IResourceOwner for the resource tests.
//
// Files are read from disk through the resource reader; sounds and music are
// only counted: a file that exists gets a fresh handle, and every handle
// still loaded is kept so tests can see leaks and double frees.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "engine/resource_collection.h"
#include "engine/resource_owner.h"
#include "engine/resource_reader.h"
#include "engine/resource_types.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane::testing {

class FakeResourceOwner : public TAbstractObject, public virtual IResourceOwner {
 public:
  FakeResourceOwner() : resources_(CreateObject<TResourceCollection>()) { RegisterEngineResourceTypes(); }
  ~FakeResourceOwner() override { resources_->RemoveOwner(""); }

  std::optional<std::string> ReadResourceBytes(std::string_view file) override {
    ++reads;
    return ReadResourceFile(file);
  }
  SampleHandle LoadSample(std::string_view file, int max_playbacks, bool loop) override {
    last_max_playbacks = max_playbacks;
    last_loop = loop;
    return Handle(file, live_samples);
  }
  void FreeSample(SampleHandle sample) override { Free(sample, live_samples); }
  ChannelHandle LoadMusicModule(std::string_view file) override { return Handle(file, live_modules); }
  void FreeMusicModule(ChannelHandle module) override { Free(module, live_modules); }
  TLoopingSample LoadLoopingSample(std::string_view file) override {
    SampleHandle sample = Handle(file, live_samples);
    return {sample, sample ? sample + 1000 : 0};
  }
  Ref<IResource> GetResource(std::string_view name) override {
    return resources_->GetResource(Variant(std::string(name)));
  }

  TResourceCollection& Resources() { return *resources_; }

  // A resource from its definition element, filed and attached here.
  Ref<IResource> Define(std::string_view xml, std::string_view owner_name = "test") {
    Ref<IHierStorageRoot> node = OpenStorageText(xml);
    Ref<TAbstractObject> created = CreateNamed(ReadText(node.get(), "type"), ReadText(node.get(), "name"));
    Ref<IResourceOwnerLink> resource = QueryInterface<IResourceOwnerLink>(created);
    if (!resource) return nullptr;
    LoadObject(resource.get(), node.get());
    resource->SetOwnerName(owner_name);
    resources_->AddResource(resource);
    resource->AttachResourceOwner(this);
    return resource;
  }

  int reads = 0;
  int last_max_playbacks = -1;
  bool last_loop = true;
  std::set<uint32_t> live_samples;
  std::set<uint32_t> live_modules;
  std::set<uint32_t> double_frees;

 private:
  uint32_t Handle(std::string_view file, std::set<uint32_t>& live) {
    if (!ReadResourceFile(file)) return 0;
    live.insert(++next_handle_);
    return next_handle_;
  }
  void Free(uint32_t handle, std::set<uint32_t>& live) {
    if (live.erase(handle) == 0) double_frees.insert(handle);
  }

  Ref<TResourceCollection> resources_;
  uint32_t next_handle_ = 0;
};

}  // namespace corvellane::testing
