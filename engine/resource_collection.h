// resource_collection.h: TResourceCollection, resources keyed by name.
//
// The engine keeps every resource it created here, in insertion order, each
// knowing the owner name it was loaded for; sound and music groups keep
// their members in one as well. Items are created by their "type" from the
// "resource" children of a "resources" element.
//
//   resources->AddResource(image);            // filed under its name
//   resources->UnloadOwner("Scene3");         // data freed, definitions kept
//   resources->RemoveOwner("");               // everything unloaded and gone
//   Ref<IResource> r = resources->GetResource("logo");
#pragma once

#include <string_view>

#include "engine/resource.h"
#include "persistence/collections.h"

namespace corvellane {

struct IResourceCollection : virtual ICollection {
  // From the last resource to the first, every resource of the owner (all
  // of them for an empty owner) is released from its engine and removed.
  virtual void RemoveOwner(std::string_view owner) = 0;
  // The same resources are unloaded but stay; they reload on next use.
  virtual void UnloadOwner(std::string_view owner) = 0;
  // By position (integer) or name (text); none when absent.
  virtual Ref<IResource> GetResource(const Variant& key) = 0;
  // False when the name is taken or the object is none.
  virtual bool AddResource(Ref<IResource> resource) = 0;
};

class TResourceCollection : public TTypedCreationPersistItemCollection, public virtual IResourceCollection {
 public:
  void Init() override;

  void RemoveOwner(std::string_view owner) override;
  void UnloadOwner(std::string_view owner) override;
  Ref<IResource> GetResource(const Variant& key) override;
  bool AddResource(Ref<IResource> resource) override;

  // Releases the resource at that position from its engine and removes it.
  void RemoveAt(int position);

  // Applied to every resource, first to last.
  void AttachAll(IResourceOwner* owner);
  void ReleaseAll();
  void LoadPending();
  void UnloadAll();

 private:
  template <class Action>
  void ForEach(Action action);
};

}  // namespace corvellane
