// variant.h: the value type of properties, parameters and stored values.
//
// A Variant is empty, null, a boolean, an integer, a floating value, a text
// (UTF-8) or an object (a counted reference: a widget, a surface...).
// Conversions between text and the other kinds are the usual ones, always
// locale independent (number_text.h); an object converts to nothing else.
//
//   Variant image = widget->GetProperty("image");           // an object
//   Ref<ISurface> surface = image.ToObject<ISurface>();      // none if it is not one
//   other->SetProperty("surface", image);
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "persistence/ref.h"

namespace corvellane {

class Variant {
 public:
  enum class Kind { Empty, Null, Bool, Int, Float, Text, Object };
  struct NullTag {
    friend bool operator==(NullTag, NullTag) { return true; }
  };

  Variant() = default;
  Variant(bool b) : value_(b) {}
  Variant(int32_t i) : value_(i) {}
  Variant(int64_t i) : value_(static_cast<int32_t>(i)) {}
  Variant(uint32_t i) : value_(static_cast<int32_t>(i)) {}
  Variant(double d) : value_(d) {}
  Variant(std::string s) : value_(std::move(s)) {}
  Variant(std::string_view s) : value_(std::string(s)) {}
  Variant(const char* s) : value_(std::string(s)) {}
  // An object reference; none gives a null variant.
  template <class T>
  Variant(const Ref<T>& object) {
    if (object) value_ = Ref<IObject>(object);
    else value_ = NullTag{};
  }

  static Variant Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
  }

  Kind kind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return kind() == Kind::Empty; }
  bool IsNull() const { return kind() == Kind::Null; }
  bool IsEmptyOrNull() const { return IsEmpty() || IsNull(); }
  bool IsText() const { return kind() == Kind::Text; }
  bool IsInt() const { return kind() == Kind::Int; }
  bool IsObject() const { return kind() == Kind::Object; }
  // The object seen through the interface; none for other kinds and for
  // objects that do not implement it.
  template <class T>
  Ref<T> ToObject() const {
    const Ref<IObject>* object = std::get_if<Ref<IObject>>(&value_);
    return object ? QueryInterface<T>(*object) : nullptr;
  }

  // Text form: "" for empty, null and objects, "True"/"False" for booleans,
  // decimal integers, floating values with "." (shortest general form).
  std::string ToText() const;
  // Numeric forms: texts are parsed; booleans are 1 / 0; empty, null,
  // objects and unparsable texts give the fallback.
  int32_t ToInt(int32_t fallback = 0) const;
  double ToFloat(double fallback = 0) const;
  bool ToBool(bool fallback = false) const;

  // Same kind and same value (texts compared exactly, objects by identity).
  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

 private:
  std::variant<std::monostate, NullTag, bool, int32_t, double, std::string, Ref<IObject>> value_;
};

// Compares two variants the way stored values are compared: by their text
// forms, so the integer 5 equals the text "5".
bool SameValue(const Variant& a, const Variant& b);

}  // namespace corvellane
