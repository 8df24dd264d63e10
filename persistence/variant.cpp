#include "persistence/variant.h"

#include "persistence/number_text.h"

namespace corvellane {

std::string Variant::ToText() const {
  switch (kind()) {
    case Kind::Empty:
    case Kind::Null:
    case Kind::Object: return {};
    case Kind::Bool: return std::get<bool>(value_) ? "True" : "False";
    case Kind::Int: return FormatInt(std::get<int32_t>(value_));
    case Kind::Float: return FormatFloat(std::get<double>(value_));
    case Kind::Text: return std::get<std::string>(value_);
  }
  return {};
}

int32_t Variant::ToInt(int32_t fallback) const {
  switch (kind()) {
    case Kind::Bool: return std::get<bool>(value_) ? 1 : 0;
    case Kind::Int: return std::get<int32_t>(value_);
    case Kind::Float: {
      double d = std::get<double>(value_);
      if (!(d > -2147483649.0 && d < 2147483648.0)) return fallback;
      return static_cast<int32_t>(d);
    }
    case Kind::Text: return ParseInt(std::get<std::string>(value_)).value_or(fallback);
    default: return fallback;
  }
}

double Variant::ToFloat(double fallback) const {
  switch (kind()) {
    case Kind::Bool: return std::get<bool>(value_) ? 1 : 0;
    case Kind::Int: return std::get<int32_t>(value_);
    case Kind::Float: return std::get<double>(value_);
    case Kind::Text: return ParseFloat(std::get<std::string>(value_)).value_or(fallback);
    default: return fallback;
  }
}

bool Variant::ToBool(bool fallback) const {
  switch (kind()) {
    case Kind::Bool: return std::get<bool>(value_);
    case Kind::Int: return std::get<int32_t>(value_) != 0;
    case Kind::Float: return std::get<double>(value_) != 0;
    case Kind::Text: {
      const std::string& s = std::get<std::string>(value_);
      if (s == "yes" || s == "True" || s == "true" || s == "1") return true;
      if (s == "no" || s == "False" || s == "false" || s == "0") return false;
      return fallback;
    }
    default: return fallback;
  }
}

bool SameValue(const Variant& a, const Variant& b) {
  if (a.kind() == b.kind()) return a == b;
  if (a.IsObject() || b.IsObject()) return false;
  return a.ToText() == b.ToText();
}

}  // namespace corvellane
