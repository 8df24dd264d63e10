// el_hash_list.h: the ordered hash-keyed array under every keyed container.
//
// A TElHashList<V> is an array of (key hash, value) entries in insertion order.
// Keys are reduced to a 32-bit hash, the standard CRC-32 (zlib / PNG) of the
// key's bytes, ASCII letters first mapped to upper case when the list is case
// insensitive. Two keys are the same key exactly when their hashes are equal.
// The key text is kept beside the hash for diagnostics only.
//
//   TElHashList<int> list;
//   list.Add("Alpha", 1);
//   list.Find("ALPHA");   // -> pointer to 1
//   list.Add("alpha", 2); // throws EElHashListError("Duplicate entry.")
//
// Lookups scan linearly (lists hold tens of entries). The capacity grows by 4
// while below 9, by 16 up to 64 and by a quarter above; after a deletion that
// leaves the list less than half full it halves. Removing or clearing moves a
// value out of the list before it is destroyed (clearing from the last entry
// to the first), so a value's destructor may safely touch the list again.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvellane {

class EElHashListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Standard CRC-32 of the bytes; with `upper_case` ASCII letters count as their
// upper-case form.
uint32_t HashKey(std::string_view key, bool upper_case = true);

namespace el_hash_list_detail {
inline constexpr int kMaxCapacity = 134217727;
// The capacity after growing a full list of this capacity.
int GrownCapacity(int capacity);
[[noreturn]] void Fail(const char* message);
}  // namespace el_hash_list_detail

struct ElHashListSettings {
  bool case_insensitive = true;
  // Adding a key already present raises "Duplicate entry."; when false the
  // new entry is added anyway and lookups find the first one.
  bool reject_duplicates = true;
  // Find on a missing key raises "Hash is absent." instead of answering none.
  bool raise_when_absent = false;
};

template <class V>
class TElHashList {
 public:
  using OnDelete = std::function<void(V&)>;

  TElHashList() = default;
  explicit TElHashList(ElHashListSettings settings) : settings_(settings) {}

  int Count() const { return static_cast<int>(entries_.size()); }
  int Capacity() const { return capacity_; }
  void SetOnDelete(OnDelete on_delete) { on_delete_ = std::move(on_delete); }

  // Raises "Invalid ElHashList capacity." below the count or above 134217727.
  void SetCapacity(int capacity) {
    if (capacity < Count() || capacity > el_hash_list_detail::kMaxCapacity)
      el_hash_list_detail::Fail("Invalid ElHashList capacity.");
    if (capacity < capacity_) {
      std::vector<Entry> smaller;
      smaller.reserve(capacity);
      for (Entry& e : entries_) smaller.push_back(std::move(e));
      entries_ = std::move(smaller);
    } else {
      entries_.reserve(capacity);
    }
    capacity_ = capacity;
  }

  void Add(std::string_view key, V value) { Insert(Count(), key, std::move(value)); }

  // Position 0 .. Count(); raises "Invalid position for HashList." outside it
  // and "Duplicate entry." for a key already present.
  void Insert(int position, std::string_view key, V value) {
    if (position < 0 || position > Count()) el_hash_list_detail::Fail("Invalid position for HashList.");
    uint32_t hash = Hash(key);
    if (settings_.reject_duplicates && IndexOfHash(hash) >= 0) el_hash_list_detail::Fail("Duplicate entry.");
    if (Count() == capacity_) SetCapacity(el_hash_list_detail::GrownCapacity(capacity_));
    entries_.insert(entries_.begin() + position, Entry{hash, std::string(key), std::move(value)});
  }

  int IndexOf(std::string_view key) const { return IndexOfHash(Hash(key)); }
  bool Contains(std::string_view key) const { return IndexOf(key) >= 0; }

  // The value filed under the key, or none.
  V* Find(std::string_view key) {
    int i = IndexOf(key);
    if (i < 0) {
      if (settings_.raise_when_absent) el_hash_list_detail::Fail("Hash is absent.");
      return nullptr;
    }
    return &entries_[i].value;
  }
  const V* Find(std::string_view key) const { return const_cast<TElHashList*>(this)->Find(key); }

  // The value at a 0-based position, or none when out of range.
  V* At(int position) { return InRange(position) ? &entries_[position].value : nullptr; }
  const V* At(int position) const { return InRange(position) ? &entries_[position].value : nullptr; }
  // The key text an entry was added under (empty when out of range).
  std::string_view KeyAt(int position) const {
    return InRange(position) ? std::string_view(entries_[position].key) : std::string_view();
  }

  // Raises "Hash not found." when the key is absent.
  void Delete(std::string_view key) {
    int i = IndexOf(key);
    if (i < 0) el_hash_list_detail::Fail("Hash not found.");
    DeleteAt(i);
  }

  // Raises "Invalid position for HashList." when out of range.
  void DeleteAt(int position) {
    if (!InRange(position)) el_hash_list_detail::Fail("Invalid position for HashList.");
    V removed = std::move(entries_[position].value);
    entries_.erase(entries_.begin() + position);
    if (Count() < capacity_ / 2) SetCapacity(capacity_ / 2);
    if (on_delete_) on_delete_(removed);
  }

  void Clear() {
    std::vector<Entry> old = std::exchange(entries_, {});
    capacity_ = 0;
    while (!old.empty()) {
      V removed = std::move(old.back().value);
      old.pop_back();
      if (on_delete_) on_delete_(removed);
    }
  }

  // Takes the entry at `from` out and puts it back so that it ends up at
  // position `to` (both 0 .. Count()-1).
  void Move(int from, int to) {
    if (!InRange(from) || !InRange(to)) el_hash_list_detail::Fail("Invalid position for HashList.");
    Entry moved = std::move(entries_[from]);
    entries_.erase(entries_.begin() + from);
    entries_.insert(entries_.begin() + to, std::move(moved));
  }
  // Moves the entry at `from` to the position the named entry holds now.
  void MoveTo(int from, std::string_view key) {
    int to = IndexOf(key);
    if (to < 0) el_hash_list_detail::Fail("Hash not found.");
    Move(from, to);
  }

 private:
  struct Entry {
    uint32_t hash;
    std::string key;
    V value;
  };

  uint32_t Hash(std::string_view key) const { return HashKey(key, settings_.case_insensitive); }
  bool InRange(int position) const { return position >= 0 && position < Count(); }
  int IndexOfHash(uint32_t hash) const {
    for (int i = 0; i < Count(); ++i)
      if (entries_[i].hash == hash) return i;
    return -1;
  }

  ElHashListSettings settings_;
  std::vector<Entry> entries_;
  int capacity_ = 0;
  OnDelete on_delete_;
};

}  // namespace corvellane
