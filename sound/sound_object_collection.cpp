#include "sound/sound_object_collection.h"

#include "xml/ascii_case.h"

namespace corvellane {

namespace {

bool InGroup(const ISoundObject& object, std::string_view group) {
  return !group.empty() && object.IsStoppableByGroup() && EqualsIgnoreAsciiCase(object.GetGroup(), group);
}

}  // namespace

void TSoundObjectCollection::AddSoundObject(Ref<ISoundObject> object) {
  if (object) Items().AddAutomatic(std::move(object));
}

void TSoundObjectCollection::RemoveAt(int position) {
  if (Ref<ISoundObject> object = GetItem(Variant(int32_t(position)))) object->ClearOwner();
  Items().DeleteAt(position);
}

void TSoundObjectCollection::DropFinished() {
  for (int i = Count() - 1; i >= 0; --i) {
    if (GetItem(Variant(int32_t(i)))->IsFinished()) RemoveAt(i);
  }
}

void TSoundObjectCollection::UpdateAll(int32_t elapsed_ms) {
  for (int i = Count() - 1; i >= 0; --i) {
    Ref<ISoundObject> object = GetItem(Variant(int32_t(i)));
    if (object->IsUpdating()) object->Update(elapsed_ms);
  }
  DropFinished();
}

template <class Visit>
void TSoundObjectCollection::StopWhere(Visit visit) {
  for (int i = Count() - 1; i >= 0; --i) {
    Ref<ISoundObject> object = GetItem(Variant(int32_t(i)));
    if (!visit(*object)) continue;
    object->Stop();
    RemoveAt(i);
  }
}

void TSoundObjectCollection::StopByResource(std::string_view resource_name) {
  StopWhere([&](const ISoundObject& o) { return EqualsIgnoreAsciiCase(o.GetResourceName(), resource_name); });
}

void TSoundObjectCollection::StopGroup(std::string_view group) {
  StopWhere([&](const ISoundObject& o) { return InGroup(o, group); });
}

void TSoundObjectCollection::StopAll() {
  StopWhere([](const ISoundObject&) { return true; });
}

template <class Action>
void TSoundObjectCollection::ForEachInGroup(std::string_view group, Action action) {
  for (int i = Count() - 1; i >= 0; --i) {
    Ref<ISoundObject> object = GetItem(Variant(int32_t(i)));
    if (InGroup(*object, group)) action(*object);
  }
}

void TSoundObjectCollection::ReleaseAll() {
  for (int i = Count() - 1; i >= 0; --i) RemoveAt(i);
}

void TSoundObjectCollection::PauseGroup(std::string_view group) {
  ForEachInGroup(group, [](ISoundObject& o) { o.Pause(); });
}

void TSoundObjectCollection::ResumeGroup(std::string_view group) {
  ForEachInGroup(group, [](ISoundObject& o) { o.Resume(false); });
}

void TSoundObjectCollection::SetVolumeAll(int32_t sound_volume) {
  for (int i = 0; i < Count(); ++i) GetItem(Variant(int32_t(i)))->SetVolume(sound_volume);
}

bool TSoundObjectCollection::ContainsChannel(ChannelHandle channel) const {
  if (channel == 0) return false;
  for (int i = 0; i < Count(); ++i) {
    if ((*Items().GetAt(i))->GetChannel() == channel) return true;
  }
  return false;
}

}  // namespace corvellane
