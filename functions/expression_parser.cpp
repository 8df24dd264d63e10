#include "functions/expression_parser.h"

#include <limits>

#include "functions/expression_compiler.h"

namespace corvellane::expr {

namespace {

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\f\v";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

void TExpressionParser::DefineVariable(std::string_view name, float* address) {
  float* old = words_.DefineVariable(name, address);
  if (!old) return;
  for (TProgram& program : programs_) program.Rebind(old, address);
}

void TExpressionParser::SetDecimalSeparator(char separator) {
  if (separator == settings_.argument_separator) settings_.argument_separator = separator == ',' ? ';' : ',';
  settings_.decimal_separator = separator;
}

void TExpressionParser::SetArgumentSeparator(char separator) {
  if (separator == settings_.decimal_separator) settings_.decimal_separator = separator == ',' ? '.' : ',';
  settings_.argument_separator = separator;
}

int TExpressionParser::AddExpression(std::string_view text) {
  std::string lower = LowerCase(Trim(text));
  TProgram program = Compile(lower, words_, settings_);
  if (program.Empty()) return -1;
  programs_.push_back(std::move(program));
  return ExpressionCount() - 1;
}

bool TExpressionParser::AddExpressions(std::string_view text) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.starts_with("//")) continue;
    if (AddExpression(line) < 0) {
      Clear();
      return false;
    }
  }
  return true;
}

float TExpressionParser::EvaluateAt(int index) {
  if (index < 0 || index >= ExpressionCount()) return std::numeric_limits<float>::quiet_NaN();
  return programs_[static_cast<size_t>(index)].Evaluate();
}

float TExpressionParser::EvaluateAll() {
  float value = 0.0f;
  for (TProgram& program : programs_) value = program.Evaluate();
  return value;
}

void TExpressionParser::Clear() { programs_.clear(); }

std::string TExpressionParser::CurrentExpression() const {
  return programs_.empty() ? std::string() : programs_.back().Text();
}

}  // namespace corvellane::expr
