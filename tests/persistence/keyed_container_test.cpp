#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "persistence/el_hash_list.h"
#include "persistence/keyed_collections.h"
#include "persistence/ref.h"

namespace corvellane {
namespace {

TEST(KeyHash, IsStandardCrc32OfUpperCasedBytes) {
  // The CRC-32 check value of "123456789" (zlib, PNG).
  EXPECT_EQ(HashKey("123456789"), 0xCBF43926u);
  EXPECT_EQ(HashKey("Name"), HashKey("NAME"));
  EXPECT_EQ(HashKey("name"), HashKey("NAME", false));
  EXPECT_NE(HashKey("name", false), HashKey("NAME", false));
  // Only ASCII letters change: bytes above 127 are hashed unchanged.
  EXPECT_NE(HashKey("\xe4"), HashKey("\xc4"));
}

TEST(ElHashList, KeysAreComparedWithoutLetterCase) {
  TElHashList<int> list;
  list.Add("Alpha", 1);
  list.Add("beta", 2);
  ASSERT_NE(list.Find("ALPHA"), nullptr);
  EXPECT_EQ(*list.Find("ALPHA"), 1);
  EXPECT_EQ(list.IndexOf("BETA"), 1);
  EXPECT_EQ(list.Find("gamma"), nullptr);
  EXPECT_EQ(list.KeyAt(0), "Alpha");
}

TEST(ElHashList, ErrorsCarryTheirMessages) {
  TElHashList<int> list;
  list.Add("a", 1);
  auto message_of = [](auto&& action) {
    try {
      action();
    } catch (const EElHashListError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message_of([&] { list.Add("A", 2); }), "Duplicate entry.");
  EXPECT_EQ(message_of([&] { list.Insert(2, "b", 2); }), "Invalid position for HashList.");
  EXPECT_EQ(message_of([&] { list.Insert(-1, "b", 2); }), "Invalid position for HashList.");
  EXPECT_EQ(message_of([&] { list.Delete("zzz"); }), "Hash not found.");
  EXPECT_EQ(message_of([&] { list.SetCapacity(0); }), "Invalid ElHashList capacity.");
  EXPECT_EQ(message_of([&] { list.SetCapacity(134217728); }), "Invalid ElHashList capacity.");
  EXPECT_EQ(message_of([&] { list.DeleteAt(1); }), "Invalid position for HashList.");
  EXPECT_EQ(list.Count(), 1);

  TElHashList<int> strict(ElHashListSettings{.raise_when_absent = true});
  EXPECT_EQ(message_of([&] { strict.Find("x"); }), "Hash is absent.");
}

TEST(ElHashList, CapacityGrowsInTheFixedSteps) {
  TElHashList<int> list;
  std::vector<int> capacities;
  for (int i = 0; i < 65; ++i) {
    list.Add("key" + std::to_string(i), i);
    if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76}));
  // Above 64 the list grows by a quarter.
  for (int i = 65; i < 77; ++i) list.Add("key" + std::to_string(i), i);
  EXPECT_EQ(list.Capacity(), 95);
}

TEST(ElHashList, CapacityHalvesWhenLessThanHalfFull) {
  TElHashList<int> list;
  for (int i = 0; i < 12; ++i) list.Add(std::to_string(i), i);
  ASSERT_EQ(list.Capacity(), 12);
  for (int i = 0; i < 6; ++i) list.Delete(std::to_string(i));
  EXPECT_EQ(list.Capacity(), 12);  // 6 of 12: not below half
  list.Delete("6");
  EXPECT_EQ(list.Capacity(), 6);
  EXPECT_EQ(*list.At(0), 7);
}

TEST(ElHashList, InsertDeleteAndMoveKeepOrder) {
  TElHashList<std::string> list;
  for (const char* k : {"a", "b", "c", "d"}) list.Add(k, k);
  list.Insert(0, "z", "z");
  list.Insert(5, "y", "y");
  list.DeleteAt(2);  // "b"
  list.Move(0, 4);   // "z" to the end
  list.MoveTo(3, "a");
  std::string order;
  for (int i = 0; i < list.Count(); ++i) order += *list.At(i);
  EXPECT_EQ(order, "yacdz");
  EXPECT_EQ(list.At(5), nullptr);
  EXPECT_EQ(list.At(-1), nullptr);
}

TEST(ElHashList, OnDeleteSeesEveryRemovedValueAndClearGoesBackwards) {
  TElHashList<int> list;
  std::vector<int> removed;
  list.SetOnDelete([&](int& v) { removed.push_back(v); });
  for (int i = 1; i <= 4; ++i) list.Add(std::to_string(i), i);
  list.Delete("2");
  list.Clear();
  EXPECT_EQ(removed, (std::vector<int>{2, 4, 3, 1}));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(ElHashList, DuplicatesCanBeAcceptedWhenConfigured) {
  TElHashList<int> list(ElHashListSettings{.reject_duplicates = false});
  list.Add("a", 1);
  list.Add("A", 2);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(*list.Find("a"), 1);
}

// ---- automatic keys ----

TEST(AutomaticKey, FollowsTheGreatestKey) {
  struct Case {
    const char* greatest;
    const char* next;
  };
  for (const Case& c : {Case{"", "!"}, Case{"!", "\""}, Case{"abc", "abd"}, Case{"Z", "Z!"}, Case{"AZ", "AZ!"},
                        Case{"z", "{"}}) {
    EXPECT_EQ(NextAutomaticKey(c.greatest), c.next) << c.greatest;
  }
}

TEST(AutomaticKey, ContinuesAfterTheGreatestNamedKey) {
  TStringCollection strings;
  EXPECT_EQ(strings.AddAutomatic("first"), "!");
  strings.Add("mike", "named");
  strings.Add("Alpha", "smaller");
  EXPECT_EQ(strings.AddAutomatic("next"), "mikf");
  EXPECT_EQ(*strings.Get("MIKF"), "next");
}

TEST(AutomaticKey, SkipsKeysThatCollideWithoutLetterCase) {
  TStringCollection strings;
  strings.Add("A", "upper");
  strings.Add("`", "greatest");  // "`" sorts after "A"; its successor is "a"
  std::string key = strings.AddAutomatic("auto");
  EXPECT_NE(key, "a");
  EXPECT_EQ(strings.Count(), 3);
  EXPECT_EQ(*strings.Get(key), "auto");
}

// ---- keyed collections ----

struct Probe : IObject {
  explicit Probe(std::vector<std::string>* log, std::string name) : log(log), name(std::move(name)) {}
  void AddRef() override { ++count; }
  void Release() override {
    if (--count == 0) {
      log->push_back(name);
      delete this;
    }
  }
  std::vector<std::string>* log;
  std::string name;
  int count = 0;
};

TEST(InterfaceCollection, HoldsOneReferenceAndReleasesLastFirst) {
  std::vector<std::string> released;
  {
    TInterfaceCollection<Probe> items;
    for (const char* name : {"a", "b", "c"}) items.Add(name, MakeRef<Probe>(&released, name));
    EXPECT_EQ((*items.Get("a"))->count, 1);
    EXPECT_FALSE(items.Add("B", MakeRef<Probe>(&released, "dropped")));
    EXPECT_EQ(released, (std::vector<std::string>{"dropped"}));
    items.DeleteByKey(Variant("b"));
    items.Clear();
  }
  EXPECT_EQ(released, (std::vector<std::string>{"dropped", "b", "c", "a"}));
}

TEST(InterfaceCollection, KeyVariantSelectsByPositionOrName) {
  std::vector<std::string> released;
  TInterfaceCollection<Probe> items;
  items.Add("first", MakeRef<Probe>(&released, "first"));
  items.Add("second", MakeRef<Probe>(&released, "second"));
  EXPECT_EQ((*items.GetByKey(Variant(1)))->name, "second");
  EXPECT_EQ((*items.GetByKey(Variant("FIRST")))->name, "first");
  EXPECT_EQ(items.GetByKey(Variant(2)), nullptr);
  EXPECT_EQ(items.GetByKey(Variant(true)), nullptr);
  EXPECT_EQ(items.GetByKey(Variant(1.0)), nullptr);
  items.DeleteByKey(Variant(7));  // out of range: nothing
  items.DeleteByKey(Variant(false));
  EXPECT_EQ(items.Count(), 2);
  EXPECT_THROW(items.DeleteByKey(Variant("third")), EElHashListError);
}

TEST(ObjectCollection, OwnsItsObjects) {
  TObjectCollection<std::string> owned;
  owned.Add("x", std::make_unique<std::string>("value"));
  EXPECT_EQ(**owned.Get("X"), "value");
  owned.Delete("x");
  EXPECT_EQ(owned.Count(), 0);
}

}  // namespace
}  // namespace corvellane
