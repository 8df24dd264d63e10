#include "functions/expression_tokens.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "functions/expression_error.h"
#include "persistence/number_text.h"

namespace corvellane::expr {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }
bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

class TScanner {
 public:
  TScanner(std::string_view text, TWordTable& words, const TSettings& settings)
      : text_(text), words_(words), settings_(settings) {}

  std::vector<TToken> Run() {
    while (Skip(), pos_ < text_.size()) {
      if (tokens_.size() >= kMaxTokens) Fail("Expression too long");
      tokens_.push_back(Next());
    }
    return std::move(tokens_);
  }

 private:
  void Skip() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  char At(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  TToken Next() {
    char c = text_[pos_];
    if (IsDigit(c) || (c == settings_.decimal_separator && IsDigit(At(pos_ + 1)))) return Number();
    if (c == '$') return Hex();
    if (c == '\'') return Literal();
    if (IsNameStart(c)) return Name();
    return Symbol();
  }

  size_t Digits(size_t i) const {
    while (IsDigit(At(i))) ++i;
    return i;
  }

  // digits [separator digits] [e [sign] digits]
  TToken Number() {
    size_t end = Digits(pos_);
    if (At(end) == settings_.decimal_separator) end = Digits(end + 1);
    if (At(end) == 'e') {
      size_t exponent = end + 1;
      if (At(exponent) == '+' || At(exponent) == '-') ++exponent;
      if (IsDigit(At(exponent))) end = Digits(exponent);
    }
    std::string written(text_.substr(pos_, end - pos_));
    std::replace(written.begin(), written.end(), settings_.decimal_separator, '.');
    pos_ = end;
    std::optional<double> value = ParseFloat(written);
    if (!value) Fail(written + " is not a valid number");
    return {.type = TTokenType::Number, .text = written, .number = *value};
  }

  TToken Hex() {
    size_t end = pos_ + 1;
    while (std::isxdigit(static_cast<unsigned char>(At(end)))) ++end;
    std::string written(text_.substr(pos_, end - pos_));
    pos_ = end;
    std::optional<int32_t> value = ParseInt(written);
    if (!value) Fail(written + " is not a valid number");
    // Read as unsigned: "$FFFFFFFF" is 4294967295, not -1.
    return {.type = TTokenType::Number, .text = written, .number = static_cast<double>(static_cast<uint32_t>(*value))};
  }

  TToken Literal() {
    size_t close = text_.find('\'', pos_ + 1);
    size_t end = close == std::string_view::npos ? text_.size() : close;
    TToken token{.type = TTokenType::Text, .text = std::string(text_.substr(pos_ + 1, end - pos_ - 1))};
    pos_ = close == std::string_view::npos ? end : close + 1;
    return token;
  }

  TToken Name() {
    size_t end = pos_;
    while (IsNameChar(At(end))) ++end;
    return Word(end);
  }

  TToken Symbol() {
    char c = text_[pos_], d = At(pos_ + 1);
    bool pair = ((c == '<' || c == '>' || c == '=') && (d == '<' || d == '=' || d == '>')) ||
                (c == ':' && d == '=') || (c == '!' && d == '=') || (c == '&' && d == '&') ||
                (c == '|' && d == '|') || (c == '+' && d == '+') || (c == '-' && d == '-');
    if (c == '(' || c == ')' || c == settings_.argument_separator) {
      ++pos_;
      TTokenType type = c == '(' ? TTokenType::LeftBracket : c == ')' ? TTokenType::RightBracket : TTokenType::Comma;
      return {.type = type, .text = std::string(1, c)};
    }
    return Word(pos_ + (pair ? 2 : 1));
  }

  // A name or symbol; not a word yet, it becomes a generated variable.
  TToken Word(size_t end) {
    std::string written(text_.substr(pos_, end - pos_));
    pos_ = end;
    TExprWord* word = words_.Find(written);
    if (!word) word = &words_.Generate(written);
    return {.type = TTokenType::Word, .text = written, .word = word};
  }

  std::string_view text_;
  TWordTable& words_;
  const TSettings& settings_;
  size_t pos_ = 0;
  std::vector<TToken> tokens_;
};

bool IsLeft(const TToken* t) { return t && t->type == TTokenType::LeftBracket; }
bool IsRight(const TToken* t) { return t && t->type == TTokenType::RightBracket; }

// First, or after "(", the argument separator or a two-argument operator.
bool PrefixPosition(const std::vector<TToken>& tokens, size_t i) {
  if (i == 0) return true;
  const TToken& before = tokens[i - 1];
  return before.type == TTokenType::LeftBracket || before.type == TTokenType::Comma || before.IsBinaryOperator();
}

bool IsSign(const TToken& t) { return t.word && (t.text == "-" || t.text == "+"); }
bool IsNot(const TToken& t) { return t.word && t.text == "not"; }

// A run of signs becomes one "-@" or "+@"; a run of "not"s one or none.
void CollapsePrefixes(std::vector<TToken>& tokens, TWordTable& words) {
  std::vector<TToken> out;
  for (size_t i = 0; i < tokens.size();) {
    bool prefix = PrefixPosition(tokens, i);
    if (prefix && (IsSign(tokens[i]) || IsNot(tokens[i]))) {
      bool sign = IsSign(tokens[i]);
      int count = 0, minus = 0;
      for (; i < tokens.size() && (sign ? IsSign(tokens[i]) : IsNot(tokens[i])); ++i, ++count)
        minus += tokens[i].text == "-";
      const char* name = sign ? (minus % 2 ? "-@" : "+@") : (count % 2 ? "not" : nullptr);
      if (name) out.push_back({.type = TTokenType::Word, .text = name, .word = words.Find(name)});
      continue;
    }
    out.push_back(std::move(tokens[i++]));
  }
  tokens = std::move(out);
}

void CheckNeighbours(const TToken& t, const TToken* next) {
  if (t.IsOperand() && next && next->IsOperand()) Fail(t.text + " two space limited variables/constants");
  if (t.word && t.word->kind == TWordKind::TGeneratedVariable && IsLeft(next)) Fail(t.text + " is an unknown function");
  if (t.type == TTokenType::LeftBracket && (!next || IsRight(next))) Fail("Empty brackets ()");
  if (t.type == TTokenType::RightBracket && IsLeft(next)) Fail("Missing operand between )(");
  if (t.type == TTokenType::RightBracket && next && next->IsOperand())
    Fail("Missing operand between ) and constant/variable");
  if (t.IsOperand() && IsLeft(next)) Fail("Missing operand between constant/variable and (");
}

void CheckBrackets(const std::vector<TToken>& tokens) {
  int opened = 0, closed = 0;
  for (const TToken& t : tokens) {
    opened += t.type == TTokenType::LeftBracket;
    closed += t.type == TTokenType::RightBracket;
  }
  if (opened != closed) throw EExpressionError("Unequal brackets");
}

void MarkIntegerPowers(std::vector<TToken>& tokens, TWordTable& words, char decimal_separator) {
  for (size_t i = 0; i + 1 < tokens.size(); ++i) {
    const TToken& next = tokens[i + 1];
    bool whole = next.type == TTokenType::Number && next.text.find('.') == std::string::npos &&
                 next.text.find(decimal_separator) == std::string::npos;
    if (tokens[i].text == "^" && tokens[i].word && whole) tokens[i].word = words.Find("^@");
  }
}

double CompareTexts(const std::string& op, const std::string& a, const std::string& b) {
  if (op == "=") return a == b;
  if (op == "<>") return a != b;
  if (op == "<") return a < b;
  if (op == ">") return a > b;
  if (op == "<=") return a <= b;
  if (op == ">=") return a >= b;
  if (op == "in") {
    for (size_t start = 0;;) {
      size_t comma = b.find(',', start);
      if (b.substr(start, comma - start) == a) return 1;
      if (comma == std::string::npos) return 0;
      start = comma + 1;
    }
  }
  throw EExpressionError(op + " is not a valid string operand");
}

TToken NumberToken(double value) { return {.type = TTokenType::Number, .text = "(text)", .number = value}; }

bool IsText(const std::vector<TToken>& t, size_t i) { return i < t.size() && t[i].type == TTokenType::Text; }

// "pos(a, b)": the 1-based place of a in b, 0 when absent.
bool CollapseStringCall(std::vector<TToken>& t, size_t i) {
  if (i < 2 || !IsLeft(&t[i - 1]) || !t[i - 2].word || t[i - 2].word->kind != TWordKind::TSimpleStringFunction)
    return false;
  bool two = i + 3 < t.size() && t[i + 1].type == TTokenType::Comma && IsText(t, i + 2) && IsRight(&t[i + 3]);
  if (!two) Fail(t[i - 2].text + " takes two texts");
  size_t found = t[i + 2].text.find(t[i].text);
  double position = found == std::string::npos ? 0 : static_cast<double>(found + 1);
  t.erase(t.begin() + static_cast<std::ptrdiff_t>(i - 2), t.begin() + static_cast<std::ptrdiff_t>(i + 4));
  t.insert(t.begin() + static_cast<std::ptrdiff_t>(i - 2), NumberToken(position));
  return true;
}

// Texts are answered here; none may reach the tree builder.
void CollapseTexts(std::vector<TToken>& t) {
  for (size_t i = t.size(); i-- > 0;) {
    if (t[i].type != TTokenType::Text || CollapseStringCall(t, i)) continue;
    // The right-hand text of a pair is taken with the left-hand one.
    bool right_hand = i >= 2 && IsText(t, i - 2) && (t[i - 1].IsOperator() || t[i - 1].type == TTokenType::Comma);
    if (right_hand) continue;
    if (IsText(t, i + 2) && t[i + 1].IsOperator()) {
      double value = CompareTexts(t[i + 1].text, t[i].text, t[i + 2].text);
      t.erase(t.begin() + static_cast<std::ptrdiff_t>(i + 1), t.begin() + static_cast<std::ptrdiff_t>(i + 3));
      t[i] = NumberToken(value);
      continue;
    }
    Fail("Syntax error: text '" + t[i].text + "' used as a number");
  }
}

}  // namespace

std::vector<TToken> Tokenise(std::string_view text, TWordTable& words, const TSettings& settings) {
  if (text.size() > kMaxExpressionLength) Fail("Expression too long");
  std::vector<TToken> tokens = TScanner(text, words, settings).Run();
  CheckBrackets(tokens);
  CollapsePrefixes(tokens, words);
  for (size_t i = 0; i < tokens.size(); ++i) CheckNeighbours(tokens[i], i + 1 < tokens.size() ? &tokens[i + 1] : nullptr);
  MarkIntegerPowers(tokens, words, settings.decimal_separator);
  CollapseTexts(tokens);
  return tokens;
}

}  // namespace corvellane::expr
