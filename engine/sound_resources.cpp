#include "engine/sound_resources.h"

#include <algorithm>

#include "engine/random_source.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {

// ---- TSoundResource ----

void TSoundResource::LoadProperties(IHierStorage* node) {
  TResource::LoadProperties(node);
  SetMasterVolume(ReadInt(node, "master_volume", master_volume_));
  max_playbacks_ = std::max(0, ReadInt(node, "maxplaybacks", max_playbacks_));
}

void TSoundResource::SaveProperties(IHierStorage* node) {
  TResource::SaveProperties(node);
  WriteInt(node, "master_volume", master_volume_, master_volume_ != 100);
  WriteInt(node, "maxplaybacks", max_playbacks_, max_playbacks_ != 0);
}

void TSoundResource::AttachResourceOwner(IResourceOwner* owner) {
  if (max_playbacks_ == 0) max_playbacks_ = 1;
  TResource::AttachResourceOwner(owner);
}

void TSoundResource::SetMasterVolume(int32_t volume) { master_volume_ = std::clamp(volume, 0, 100); }

uint32_t TSoundResource::GetHandle() {
  EnsureLoaded();
  return sample_;
}

bool TSoundResource::LoadData() {
  sample_ = Owner()->LoadSample(GetFile(), max_playbacks_, false);
  return sample_ != 0;
}

void TSoundResource::FreeData() {
  if (sample_ != 0 && Owner()) Owner()->FreeSample(sample_);
  sample_ = 0;
}

// ---- TMusicResource ----

void TMusicResource::LoadProperties(IHierStorage* node) {
  TResource::LoadProperties(node);
  format_ = ReadText(node, "format", "mo3") == "ogg" ? TMusicFormat::kOgg : TMusicFormat::kMo3;
}

void TMusicResource::SaveProperties(IHierStorage* node) {
  TResource::SaveProperties(node);
  WriteText(node, "format", format_ == TMusicFormat::kOgg ? "ogg" : "mo3", format_ != TMusicFormat::kMo3);
}

uint32_t TMusicResource::GetHandle() {
  EnsureLoaded();
  return handle_;
}

bool TMusicResource::LoadData() {
  if (format_ == TMusicFormat::kMo3) {
    handle_ = Owner()->LoadMusicModule(GetFile());
    return handle_ != 0;
  }
  const TLoopingSample looping = Owner()->LoadLoopingSample(GetFile());
  sample_ = looping.sample;
  handle_ = looping.channel;
  return handle_ != 0;
}

void TMusicResource::FreeData() {
  if (Owner()) {
    if (format_ == TMusicFormat::kMo3 && handle_ != 0) Owner()->FreeMusicModule(handle_);
    if (format_ == TMusicFormat::kOgg && sample_ != 0) Owner()->FreeSample(sample_);
  }
  handle_ = 0;
  sample_ = 0;
}

// ---- TGroupResource ----

void TGroupResource::Init() {
  TResource::Init();
  members_ = CreateObject<TResourceCollection>();
}

void TGroupResource::Cleanup() {
  TResource::Cleanup();
  members_->RemoveOwner("");
}

void TGroupResource::LoadProperties(IHierStorage* node) {
  TResource::LoadProperties(node);
  if (!node) return;
  if (Ref<IHierStorage> child = node->GetChild("resources", 0)) members_->LoadFrom(child.get());
}

void TGroupResource::SaveProperties(IHierStorage* node) {
  TResource::SaveProperties(node);
  if (!node || members_->Count() == 0) return;
  members_->SaveTo(node->AddChild("resources").get());
}

void TGroupResource::AttachResourceOwner(IResourceOwner* owner) {
  // Members first, so that the group's own load finds them attached.
  members_->AttachAll(owner);
  TResource::AttachResourceOwner(owner);
}

void TGroupResource::ReleaseResourceOwner() {
  TResource::ReleaseResourceOwner();
  members_->ReleaseAll();
}

Ref<IResource> TGroupResource::RandomMember() {
  const int count = members_->Count();
  if (count == 0) return nullptr;
  return members_->GetResource(int32_t(GlobalRandom().Uniform(uint32_t(count))));
}

// ---- TSoundGroupResource ----

void TSoundGroupResource::Cleanup() {
  current_ = nullptr;
  TGroupResource::Cleanup();
}

uint32_t TSoundGroupResource::GetHandle() { return current_ ? current_->GetHandle() : 0; }
int32_t TSoundGroupResource::GetMasterVolume() { return current_ ? current_->GetMasterVolume() : 100; }

void TSoundGroupResource::SetMasterVolume(int32_t volume) {
  if (current_) current_->SetMasterVolume(volume);
}

void TSoundGroupResource::PickNext() { current_ = QueryInterface<ISoundResource>(RandomMember()); }

// ---- TMusicGroupResource ----

void TMusicGroupResource::Cleanup() {
  current_ = nullptr;
  TGroupResource::Cleanup();
}

uint32_t TMusicGroupResource::GetHandle() { return current_ ? current_->GetHandle() : 0; }

TMusicFormat TMusicGroupResource::GetMusicFormat() {
  return current_ ? current_->GetMusicFormat() : TMusicFormat::kOgg;
}

void TMusicGroupResource::PickNext() { current_ = QueryInterface<IMusicResource>(RandomMember()); }

}  // namespace corvellane
