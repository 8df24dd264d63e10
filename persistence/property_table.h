// property_table.h: every property of a class, named once.
//
// A property object (object.h) is loaded from a storage node, saved into one,
// read by name and written by name. A class describes its properties in one
// table, a row per property: the key, how to get and set the value, its
// default and when it is saved. The row drives all four ways in, so they
// cannot drift apart, and adding a property is one line.
//
//   // image_widget.h
//   static const TPropertyTable& Properties();
//   const TPropertyTable& GetPropertyTable() const override { return Properties(); }
//
//   // image_widget.cpp
//   const TPropertyTable& TImageWidget::Properties() {
//     using W = TImageWidget;
//     static const TPropertyTable table = TPropertyTableOf<W>(TResourceWidget::Properties())
//         .Int("resourceleft", &W::GetSourceLeft, &W::SetSourceLeft, 0)
//         .Color("fillcolor", &W::GetFillColor, &W::SetFillColor, 0)
//         .Enum("drawmode", kDrawModeNames, &W::GetDrawMode, &W::SetDrawMode, TDrawMode::CopyRect);
//     return table;
//   }
//
// Getters and setters are member functions, fields (a member pointer serves
// as both) or lambdas taking the object. The value forms in data are those
// of value_access.h:
//
//   Bool   "yes"/"no"              by name: a boolean
//   Int    decimal                 by name: an integer
//   Float  "." decimal separator   by name: a floating value
//   Text   as it is                by name: a text
//   Color  "$AARRGGBB"             by name: the "$AARRGGBB" text; integers and texts are written
//   Enum   a name of the list      by name: the index
//   Object (not in data)           by name: the object (Variant::ToObject)
//
// Saving: a row is written when its value differs from the default, unless
// the row says otherwise (a predicate on the object; Always(), Never()). An
// unforced write still brings a stale stored value back (value_access.h).
// Writing by name converts the variant; a value that does not convert leaves
// the property as it is.
//
// Modifiers apply to the row added last: ReadOnly() (no write by name),
// WriteOnly() (no read by name), DataOnly() (only loaded and saved),
// NameOnly() (only by name). A row with the save rule Never() is loaded but
// not written back. LoadsWith(f) loads the row through f instead of its
// setter, for a value that data treats otherwise than a write by name does
// (a key lower-cased when loaded, a flag that needs another value):
//
//   .Text("actiontype", &W::action_type_)
//   .LoadsWith([](W& w, const Variant& v) { w.action_type_ = ToLowerAscii(v.ToText()); })
//
// A default may be another property's value, a function of the object, for
// Bool and Int rows; that property's row must come first, since rows load in
// order:
//
//   .Int("secondperiod", &W::second_period_, &W::second_period_, [](W& w) { return w.first_period_; })
//
// Order: rows load and save parent first, each table in its own order; a
// lookup by name tries the class's own rows before its parent's, and a row
// whose key a subclass redefines neither loads nor saves.
#pragma once

#include <concepts>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "persistence/number_text.h"
#include "persistence/value_access.h"
#include "persistence/variant.h"

namespace corvellane {

class TPropertyObject;
struct IHierStorage;

// One property, type-erased. An empty slot keeps the property out of that
// way in: no get, not readable by name; no set, not writable; and so on.
struct TPropertyRow {
  std::string key;
  std::function<Variant(TPropertyObject&)> get;
  // False when the value was not taken after all (the name then goes on to
  // whatever handles unknown names).
  std::function<bool(TPropertyObject&, const Variant&)> set;
  std::function<void(TPropertyObject&, IHierStorage*)> load;
  std::function<void(TPropertyObject&, IHierStorage*)> save;
};

class TPropertyTable {
 public:
  TPropertyTable() = default;
  TPropertyTable(const TPropertyTable* parent, std::vector<TPropertyRow> rows)
      : parent_(parent), rows_(std::move(rows)) {}

  void Load(TPropertyObject& object, IHierStorage* node) const;
  void Save(TPropertyObject& object, IHierStorage* node) const;
  // The nearest row of that key: the class's own before its parent's.
  const TPropertyRow* Find(std::string_view key) const;
  // None when no row of that key can be read.
  std::optional<Variant> Read(TPropertyObject& object, std::string_view key) const;
  // False when no row of that key took the value.
  bool Write(TPropertyObject& object, std::string_view key, const Variant& value) const;

 private:
  // Whether this row is the one a lookup of its key finds from `leaf`.
  bool IsNearest(const TPropertyTable& leaf, const TPropertyRow& row) const;
  void LoadFrom(const TPropertyTable& leaf, TPropertyObject& object, IHierStorage* node) const;
  void SaveFrom(const TPropertyTable& leaf, TPropertyObject& object, IHierStorage* node) const;

  const TPropertyTable* parent_ = nullptr;
  std::vector<TPropertyRow> rows_;
};

// Builds the table of class C, row by row (see the top of the file).
template <class C>
class TPropertyTableOf {
 public:
  // When a row is saved: by default when its value is not the default.
  struct SaveRule {
    enum class Kind { WhenNotDefault, Always, Never, When };
    Kind kind = Kind::WhenNotDefault;
    std::function<bool(C&)> when;
  };

  explicit TPropertyTableOf(const TPropertyTable& parent) : parent_(&parent) {}

  static SaveRule Always() { return {SaveRule::Kind::Always, {}}; }
  // Loaded but never written back.
  static SaveRule Never() { return {SaveRule::Kind::Never, {}}; }
  // Written when the object says so ("fixedwidth" only with "usefixedwidth").
  static SaveRule When(std::function<bool(C&)> when) { return {SaveRule::Kind::When, std::move(when)}; }

  // Exactly a bool: a lambda default would otherwise convert to one too.
  template <class Get, class Set>
  TPropertyTableOf& Bool(std::string_view key, Get get, Set set, std::same_as<bool> auto fallback,
                         SaveRule save = {}) {
    return Bool(key, get, set, Fixed<bool>(fallback), save);
  }
  template <class Get, class Set>
  TPropertyTableOf& Bool(std::string_view key, Get get, Set set, std::function<bool(C&)> fallback,
                         SaveRule save = {}) {
    return Typed<bool>(key, get, set, std::move(fallback), save, ReadBool, WriteBool,
                       [](const Variant& v, bool current) { return v.ToBool(current); });
  }
  template <class Get, class Set>
  TPropertyTableOf& Int(std::string_view key, Get get, Set set, int32_t fallback, SaveRule save = {}) {
    return Int(key, get, set, Fixed(fallback), save);
  }
  template <class Get, class Set>
  TPropertyTableOf& Int(std::string_view key, Get get, Set set, std::function<int32_t(C&)> fallback,
                        SaveRule save = {}) {
    return Typed<int32_t>(key, get, set, std::move(fallback), save, ReadInt, WriteInt,
                          [](const Variant& v, int32_t current) { return v.ToInt(current); });
  }
  template <class Get, class Set>
  TPropertyTableOf& Float(std::string_view key, Get get, Set set, double fallback, SaveRule save = {}) {
    return Typed<double>(key, get, set, Fixed(fallback), save, ReadFloat, WriteFloat,
                         [](const Variant& v, double current) { return v.ToFloat(current); });
  }
  template <class Get, class Set>
  TPropertyTableOf& Text(std::string_view key, Get get, Set set, std::string_view fallback = {},
                         SaveRule save = {}) {
    auto read = [](IHierStorage* n, std::string_view k, const std::string& f) { return ReadText(n, k, f); };
    auto write = [](IHierStorage* n, std::string_view k, const std::string& v, bool force) {
      WriteText(n, k, v, force);
    };
    return Typed<std::string>(key, get, set, Fixed(std::string(fallback)), save, read, write,
                              [](const Variant& v, const std::string&) { return v.ToText(); });
  }
  template <class Get, class Set>
  TPropertyTableOf& Color(std::string_view key, Get get, Set set, uint32_t fallback, SaveRule save = {}) {
    Typed<uint32_t>(key, get, set, Fixed(fallback), save, ReadHexInt, WriteHexInt,
                    [](const Variant& v, uint32_t current) {
                      return static_cast<uint32_t>(v.ToInt(static_cast<int32_t>(current)));
                    });
    rows_.back().get = [get](TPropertyObject& o) { return Variant(FormatHex32(Value<uint32_t>(get, Self(o)))); };
    return *this;
  }
  // A field serves as getter and setter alike.
  template <class F>
    requires std::is_member_object_pointer_v<F>
  TPropertyTableOf& Bool(std::string_view key, F field, bool fallback, SaveRule save = {}) {
    return Bool(key, field, field, fallback, save);
  }
  template <class F>
    requires std::is_member_object_pointer_v<F>
  TPropertyTableOf& Int(std::string_view key, F field, int32_t fallback, SaveRule save = {}) {
    return Int(key, field, field, fallback, save);
  }
  template <class F>
    requires std::is_member_object_pointer_v<F>
  TPropertyTableOf& Float(std::string_view key, F field, double fallback, SaveRule save = {}) {
    return Float(key, field, field, fallback, save);
  }
  template <class F>
    requires std::is_member_object_pointer_v<F>
  TPropertyTableOf& Text(std::string_view key, F field, std::string_view fallback = {}, SaveRule save = {}) {
    return Text(key, field, field, fallback, save);
  }
  template <class F>
    requires std::is_member_object_pointer_v<F>
  TPropertyTableOf& Color(std::string_view key, F field, uint32_t fallback, SaveRule save = {}) {
    return Color(key, field, field, fallback, save);
  }

  // An enumeration stored as one name of a "/"-separated list ("/copyrect/fillcolor").
  template <class E, class Get, class Set>
  TPropertyTableOf& Enum(std::string_view key, std::string_view names, Get get, Set set, E fallback,
                         SaveRule save = {}) {
    const int count = NameCount(names);
    auto read = [names](IHierStorage* n, std::string_view k, int f) { return ReadEnum(n, k, names, f); };
    auto write = [names](IHierStorage* n, std::string_view k, int v, bool force) { WriteEnum(n, k, names, v, force); };
    auto convert = [count](const Variant& v, int current) {
      const int index = v.ToInt(-1);
      return index >= 0 && index < count ? index : current;
    };
    auto get_index = [get](C& c) { return static_cast<int>(Value<E>(get, c)); };
    auto set_index = [set](C& c, int index) { Assign<E>(set, c, static_cast<E>(index)); };
    return Typed<int>(key, get_index, set_index, Fixed(static_cast<int>(fallback)), save, read, write, convert);
  }
  // An object value, by name only: a widget, a surface. Writing a null or
  // empty value clears it; a value that is no such object is ignored.
  template <class T, class Get, class Set>
  TPropertyTableOf& Object(std::string_view key, Get get, Set set) {
    TPropertyRow row;
    last_read_ = nullptr;
    row.key = std::string(key);
    row.get = [get](TPropertyObject& o) { return Variant(Value<Ref<T>>(get, Self(o))); };
    row.set = [set](TPropertyObject& o, const Variant& v) {
      if (v.IsEmptyOrNull() || v.ToObject<T>()) Assign<Ref<T>>(set, Self(o), v.ToObject<T>());
      return true;
    };
    rows_.push_back(std::move(row));
    return *this;
  }
  // A value computed from the object, read by name only ("mouse_x").
  template <class Get>
  TPropertyTableOf& Computed(std::string_view key, Get get) {
    TPropertyRow row;
    last_read_ = nullptr;
    row.key = std::string(key);
    row.get = [get](TPropertyObject& o) { return Variant(std::invoke(get, Self(o))); };
    rows_.push_back(std::move(row));
    return *this;
  }
  // A row written by hand, for properties no form above fits; each function
  // takes the object as C&, and any of them may be empty.
  TPropertyTableOf& Custom(std::string_view key, std::function<Variant(C&)> get,
                           std::function<bool(C&, const Variant&)> set, std::function<void(C&, IHierStorage*)> load,
                           std::function<void(C&, IHierStorage*)> save) {
    TPropertyRow row;
    last_read_ = nullptr;
    row.key = std::string(key);
    if (get) row.get = [get](TPropertyObject& o) { return get(Self(o)); };
    if (set) row.set = [set](TPropertyObject& o, const Variant& v) { return set(Self(o), v); };
    if (load) row.load = [load](TPropertyObject& o, IHierStorage* n) { load(Self(o), n); };
    if (save) row.save = [save](TPropertyObject& o, IHierStorage* n) { save(Self(o), n); };
    rows_.push_back(std::move(row));
    return *this;
  }

  TPropertyTableOf& ReadOnly() {
    rows_.back().set = nullptr;
    return *this;
  }
  TPropertyTableOf& WriteOnly() {
    rows_.back().get = nullptr;
    return *this;
  }
  // Only for the typed rows (Bool to Enum): the value is read from data as
  // the row reads it, with its default, and handed to `load` as a variant.
  TPropertyTableOf& LoadsWith(std::function<void(C&, const Variant&)> load) {
    rows_.back().load = [read = last_read_, load](TPropertyObject& o, IHierStorage* n) {
      C& c = Self(o);
      load(c, read(c, n));
    };
    return *this;
  }
  TPropertyTableOf& DataOnly() {
    rows_.back().get = nullptr;
    rows_.back().set = nullptr;
    return *this;
  }
  TPropertyTableOf& NameOnly() {
    rows_.back().load = nullptr;
    rows_.back().save = nullptr;
    return *this;
  }

  operator TPropertyTable() const { return TPropertyTable(parent_, rows_); }

 private:
  static C& Self(TPropertyObject& object) { return static_cast<C&>(object); }

  template <class T>
  static std::function<T(C&)> Fixed(T fallback) {
    return [fallback](C&) { return fallback; };
  }

  // The getter's value: a member function, a field or a callable on C&.
  template <class T, class Get>
  static T Value(const Get& get, C& c) {
    return static_cast<T>(std::invoke(get, c));
  }
  // The setter: a member function, a field (assigned) or a callable on C&.
  template <class T, class Set>
  static void Assign(const Set& set, C& c, T value) {
    if constexpr (std::is_member_object_pointer_v<Set>)
      c.*set = std::move(value);
    else
      std::invoke(set, c, std::move(value));
  }

  static int NameCount(std::string_view names) {
    int count = 0;
    bool in_name = false;
    for (char ch : names) {
      if (ch == '/') {
        in_name = false;
      } else if (!in_name) {
        in_name = true;
        ++count;
      }
    }
    return count;
  }

  template <class T, class Get, class Set, class Read, class Write, class Convert>
  TPropertyTableOf& Typed(std::string_view key, Get get, Set set, std::function<T(C&)> fallback, SaveRule save,
                          Read read, Write write, Convert convert) {
    TPropertyRow row;
    row.key = std::string(key);
    row.get = [get](TPropertyObject& o) { return Variant(Value<T>(get, Self(o))); };
    row.set = [get, set, convert](TPropertyObject& o, const Variant& v) {
      C& c = Self(o);
      Assign<T>(set, c, convert(v, Value<T>(get, c)));
      return true;
    };
    last_read_ = [read, fallback, k = row.key](C& c, IHierStorage* n) { return Variant(read(n, k, fallback(c))); };
    row.load = [set, read, fallback, k = row.key](TPropertyObject& o, IHierStorage* n) {
      C& c = Self(o);
      Assign<T>(set, c, read(n, k, fallback(c)));
    };
    if (save.kind != SaveRule::Kind::Never) {
      row.save = [get, write, fallback, save, k = row.key](TPropertyObject& o, IHierStorage* n) {
        C& c = Self(o);
        const T value = Value<T>(get, c);
        write(n, k, value, Forced(save, c, value == fallback(c)));
      };
    }
    rows_.push_back(std::move(row));
    return *this;
  }

  static bool Forced(const SaveRule& save, C& c, bool is_default) {
    switch (save.kind) {
      case SaveRule::Kind::Always: return true;
      case SaveRule::Kind::When: return save.when(c);
      default: return !is_default;
    }
  }

  const TPropertyTable* parent_;
  std::vector<TPropertyRow> rows_;
  // How the typed row added last reads its value from data (LoadsWith).
  std::function<Variant(C&, IHierStorage*)> last_read_;
};

}  // namespace corvellane
