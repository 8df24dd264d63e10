#include "tests/story_screens/trace_reader.h"

#include <cstdlib>
#include <fstream>

namespace corvellane::testing {

namespace {

class TJsonParser {
 public:
  explicit TJsonParser(std::string_view text) : text_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    Space();
    if (ok_ && at_ != text_.size()) Fail("text after the value");
    if (!ok_) {
      value = JsonValue();
      value.error = error_;
    }
    return value;
  }

 private:
  JsonValue Value() {
    Space();
    JsonValue value;
    if (!ok_ || at_ >= text_.size()) return Fail("a value is missing"), value;
    const char ch = text_[at_];
    if (ch == '{') return Object();
    if (ch == '[') return List();
    if (ch == '"') {
      value.kind = JsonValue::Kind::Text;
      value.text = Text();
    } else if (Word("true") || Word("false")) {
      value.kind = JsonValue::Kind::Bool;
      value.flag = ch == 't';
    } else if (!Word("null")) {
      value.kind = JsonValue::Kind::Number;
      char* end = nullptr;
      const std::string rest(text_.substr(at_, 40));
      value.number = std::strtod(rest.c_str(), &end);
      if (end == rest.c_str()) Fail("not a number");
      at_ += static_cast<size_t>(end - rest.c_str());
    }
    return value;
  }

  JsonValue Object() {
    JsonValue value;
    value.kind = JsonValue::Kind::Object;
    ++at_;
    for (bool first = true; ok_ && !Take('}'); first = false) {
      if (!first && !Take(',')) return Fail("',' expected"), value;
      Space();
      std::string key = Text();
      if (!Take(':')) return Fail("':' expected"), value;
      value.members[key] = Value();
    }
    return value;
  }

  JsonValue List() {
    JsonValue value;
    value.kind = JsonValue::Kind::List;
    ++at_;
    for (bool first = true; ok_ && !Take(']'); first = false) {
      if (!first && !Take(',')) return Fail("',' expected"), value;
      value.items.push_back(Value());
    }
    return value;
  }

  // A string literal; \uXXXX below 0x80 only, which is all the trace writes escaped.
  std::string Text() {
    std::string out;
    if (!Take('"')) return Fail("'\"' expected"), out;
    while (ok_ && at_ < text_.size() && text_[at_] != '"') {
      char ch = text_[at_++];
      if (ch == '\\' && at_ < text_.size()) {
        ch = text_[at_++];
        if (ch == 'n') ch = '\n';
        if (ch == 'u') {
          ch = static_cast<char>(std::strtol(std::string(text_.substr(at_, 4)).c_str(), nullptr, 16));
          at_ += 4;
        }
      }
      out += ch;
    }
    if (!Take('"')) Fail("unterminated text");
    return out;
  }

  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool Take(char ch) {
    Space();
    if (at_ >= text_.size() || text_[at_] != ch) return false;
    ++at_;
    return true;
  }

  void Space() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r')) ++at_;
  }

  void Fail(std::string_view what) {
    if (!ok_) return;
    ok_ = false;
    error_ = std::string(what) + " at " + std::to_string(at_);
  }

  std::string_view text_;
  size_t at_ = 0;
  bool ok_ = true;
  std::string error_;
};

const JsonValue& NullValue() {
  static const JsonValue null;
  return null;
}

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
  auto found = members.find(key);
  return found == members.end() ? NullValue() : found->second;
}

JsonValue ParseJson(std::string_view text) { return TJsonParser(text).Document(); }

std::vector<JsonValue> ReadTrace(const std::string& path) {
  std::vector<JsonValue> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);)
    if (!line.empty()) lines.push_back(ParseJson(line));
  return lines;
}

std::vector<JsonValue> Events(const std::vector<JsonValue>& lines, std::string_view event) {
  std::vector<JsonValue> found;
  for (const JsonValue& line : lines)
    if (line["event"].text == event) found.push_back(line);
  return found;
}

}  // namespace corvellane::testing
