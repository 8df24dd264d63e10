// keyed_collections.h: ordered containers whose entries are filed under names.
//
// TBaseCollection<V> wraps a TElHashList<V> configured the way every keyed
// container of the object model is: CRC-32 of the upper-cased key, duplicates
// rejected, absence answered with none. It also remembers the greatest key
// added so far, so that unnamed entries can be filed under automatic keys.
//
//   TInterfaceCollection<IWidget>  holds one reference per entry
//   TStringCollection              holds a copy of a text per entry
//   TObjectCollection<T>           owns one plain object per entry
//
//   TInterfaceCollection<INamedObject> items;
//   items.Add("button_ok", button);      // true
//   items.Add("BUTTON_OK", other);       // false: the first of a name stays
//   items.GetByKey(Variant("button_ok")); // by name; Variant(0) by position
//
// Deleting by a name that is not present raises EElHashListError
// ("Hash not found."); deleting by a position out of range does nothing.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "persistence/el_hash_list.h"
#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

// The next automatic key after `greatest`: its last character replaced by the
// next character code, or "!" appended when that character is "Z" (or the
// last code there is); "!" when there is no key yet.
std::string NextAutomaticKey(std::string_view greatest);
// Case-insensitive (ASCII) ordering of keys, used to track the greatest key.
bool KeyLessNoCase(std::string_view a, std::string_view b);

template <class V>
class TBaseCollection {
 public:
  int Count() const { return list_.Count(); }
  int Capacity() const { return list_.Capacity(); }
  int IndexOf(std::string_view key) const { return list_.IndexOf(key); }
  bool Contains(std::string_view key) const { return list_.Contains(key); }
  std::string_view KeyAt(int position) const { return list_.KeyAt(position); }

  // Files the value under the key; false (nothing added) when the key is taken.
  bool Add(std::string_view key, V value) { return Insert(Count(), key, std::move(value)); }
  // Position 0 .. Count(); a position outside raises EElHashListError.
  bool Insert(int position, std::string_view key, V value) {
    if (list_.Contains(key)) return false;
    list_.Insert(position, key, std::move(value));
    RememberKey(key);
    return true;
  }
  // Files the value under a fresh automatic key and answers that key.
  std::string AddAutomatic(V value) {
    std::string key = NextAutomaticKey(greatest_key_);
    // The successor of the greatest key may still collide without regard to
    // letter case ("`" is followed by "a", equal to an earlier "A").
    while (list_.Contains(key)) key = NextAutomaticKey(key);
    list_.Add(key, std::move(value));
    RememberKey(key);
    return key;
  }

  V* Get(std::string_view key) { return list_.Find(key); }
  const V* Get(std::string_view key) const { return list_.Find(key); }
  V* GetAt(int position) { return list_.At(position); }
  const V* GetAt(int position) const { return list_.At(position); }
  // A key variant selects by position when it holds an integer and by name
  // when it holds a text; any other kind selects nothing.
  V* GetByKey(const Variant& key) {
    if (key.IsInt()) return GetAt(key.ToInt());
    if (key.IsText()) return Get(std::string_view(key.ToText()));
    return nullptr;
  }

  void Delete(std::string_view key) { list_.Delete(key); }
  void DeleteAt(int position) {
    if (position >= 0 && position < Count()) list_.DeleteAt(position);
  }
  void DeleteByKey(const Variant& key) {
    if (key.IsInt()) DeleteAt(key.ToInt());
    else if (key.IsText()) Delete(std::string_view(key.ToText()));
  }
  // Removes every entry, the last first.
  void Clear() { list_.Clear(); }

  void Move(int from, int to) { list_.Move(from, to); }
  void MoveTo(int from, std::string_view key) { list_.MoveTo(from, key); }

  template <class F>
  void ForEach(F&& visit) const {
    for (int i = 0; i < Count(); ++i) visit(*GetAt(i));
  }

 private:
  void RememberKey(std::string_view key) {
    if (!has_key_ || KeyLessNoCase(greatest_key_, key)) greatest_key_ = std::string(key);
    has_key_ = true;
  }

  TElHashList<V> list_;
  std::string greatest_key_;
  bool has_key_ = false;
};

// Every entry holds one reference; removing the entry releases it.
template <class I = IObject>
using TInterfaceCollection = TBaseCollection<Ref<I>>;
using TStringCollection = TBaseCollection<std::string>;
template <class T>
using TObjectCollection = TBaseCollection<std::unique_ptr<T>>;

}  // namespace corvellane
