#include "engine/resource.h"

#include "persistence/log.h"
#include "persistence/value_access.h"

namespace corvellane {

void TResource::Init() {
  TPersistObject::Init();
  SetStorageName("resource");
}

void TResource::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  file_ = ReadText(node, "file", file_);
  load_by_demand_ = ReadBool(node, "loadbydemand", load_by_demand_);
  load_pending_ = load_by_demand_;
}

void TResource::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  WriteText(node, "file", file_, true);
  WriteBool(node, "loadbydemand", load_by_demand_, load_by_demand_);
}

void TResource::Cleanup() {
  ReleaseResourceOwner();
  TPersistObject::Cleanup();
}

void TResource::Load() {
  if (!owner_) {
    load_pending_ = true;
    return;
  }
  // A second Load must not leave the first data behind.
  FreeData();
  if (!LoadData()) LogWarning("resource \"" + GetName() + "\": \"" + file_ + "\" could not be loaded");
  load_pending_ = false;
}

void TResource::Unload() {
  FreeData();
  load_pending_ = true;
}

void TResource::AttachResourceOwner(IResourceOwner* owner) {
  owner_ = owner;
  if (!load_pending_) Load();
}

void TResource::ReleaseResourceOwner() {
  if (!owner_) return;
  Unload();
  owner_ = nullptr;
}

void TResource::EnsureLoaded() {
  if (load_pending_) Load();
}

std::optional<std::string> TResource::ReadFile(std::string_view file) const {
  if (!owner_ || file.empty()) return std::nullopt;
  return owner_->ReadResourceBytes(file);
}

}  // namespace corvellane
