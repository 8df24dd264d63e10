#include "functions/expression_compiler.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "functions/expression_error.h"

namespace corvellane::expr {

namespace {

using TTokens = std::span<const TToken>;

struct TNode {
  const TExprWord* word = nullptr;  // none for a leaf
  float* operand = nullptr;         // a leaf's storage
  bool is_variable = false;
  std::vector<TNode> args;
  int depth = 1;

  static TNode Leaf(float* operand, bool is_variable = false) {
    TNode node;
    node.operand = operand;
    node.is_variable = is_variable;
    return node;
  }
  static TNode Of(const TExprWord* word) {
    TNode node;
    node.word = word;
    return node;
  }

  bool IsLeaf() const { return word == nullptr; }
  bool Varying() const {
    if (IsLeaf()) return is_variable;
    return word->IsVarying() || std::any_of(args.begin(), args.end(), [](const TNode& a) { return a.Varying(); });
  }
};

[[noreturn]] void TooFewArguments() { Fail("Syntax error: function or operand has too few arguments"); }

class TTreeBuilder {
 public:
  TTreeBuilder(TProgram& program, std::string_view text) : program_(program), text_(text) {}

  TNode Build(TTokens t, int depth) {
    if (depth > kMaxDepth) Fail("Expression nested too deeply");
    t = StripBrackets(t);
    if (t.empty()) SyntaxError();
    if (t.size() == 1) return Leaf(t[0]);
    size_t i = FirstOperation(t);
    if (i == t.size()) SyntaxError();
    size_t pos = 0;
    TNode node = t[i].IsOperator() ? OperatorAt(t, i, depth, pos) : CallAt(t, i, depth, pos);
    while (pos < t.size()) node = Chain(std::move(node), t, pos, depth);
    return node;
  }

 private:
  [[noreturn]] void SyntaxError() const { Fail("Syntax error in expression " + std::string(text_)); }

  static size_t Matching(TTokens t, size_t open) {
    int depth = 0;
    for (size_t i = open; i < t.size(); ++i) {
      depth += t[i].type == TTokenType::LeftBracket;
      depth -= t[i].type == TTokenType::RightBracket;
      if (depth == 0) return i;
    }
    return t.size();
  }

  static TTokens StripBrackets(TTokens t) {
    while (t.size() >= 2 && t.front().type == TTokenType::LeftBracket && Matching(t, 0) == t.size() - 1)
      t = t.subspan(1, t.size() - 2);
    return t;
  }

  static bool IsOperation(const TToken& t) { return t.IsOperator() || (t.word && t.word->IsFunction() && t.word->arg_count > 0); }

  // The first operator or function with arguments at depth 0.
  static size_t FirstOperation(TTokens t, size_t from = 0) {
    int depth = 0;
    for (size_t i = from; i < t.size(); ++i) {
      depth += t[i].type == TTokenType::LeftBracket;
      depth -= t[i].type == TTokenType::RightBracket;
      if (depth == 0 && IsOperation(t[i])) return i;
    }
    return t.size();
  }

  // An operator standing where an operand is due ("-@", "not" after "+")
  // opens an operand; it ends nothing.
  static bool IsPrefix(TTokens t, size_t i) {
    const TToken& before = t[i - 1];
    return before.IsBinaryOperator() || before.type == TTokenType::LeftBracket || before.type == TTokenType::Comma;
  }

  // The end of an operator's right argument: the next operator at depth 0
  // that binds no tighter. The argument's own first token always belongs
  // to it ("1 + not 0").
  static size_t ArgumentEnd(TTokens t, size_t start, int priority) {
    int depth = 0;
    for (size_t i = start; i < t.size(); ++i) {
      depth += t[i].type == TTokenType::LeftBracket;
      depth -= t[i].type == TTokenType::RightBracket;
      if (depth == 0 && i > start && t[i].IsOperator() && !IsPrefix(t, i) && t[i].word->priority >= priority) return i;
    }
    return t.size();
  }

  TNode Leaf(const TToken& t) {
    if (t.type == TTokenType::Number) return TNode::Leaf(program_.NewConstant(static_cast<float>(t.number)));
    if (t.word && t.word->IsOperand())
      return TNode::Leaf(t.word->storage, t.word->IsVariable());
    if (t.word && t.word->IsFunction() && !t.word->is_operator && t.word->arg_count == 0) return TNode::Of(t.word);
    if (t.word && (t.word->IsFunction())) TooFewArguments();
    SyntaxError();
  }

  TNode WithDepth(TNode node) {
    for (const TNode& a : node.args) node.depth = std::max(node.depth, a.depth + 1);
    if (node.depth > kMaxDepth) Fail("Expression nested too deeply");
    return node;
  }

  // Appends the right argument starting at `start`; answers where it ends.
  size_t RightArgument(TNode& node, TTokens t, size_t start, int depth) {
    if (start >= t.size()) TooFewArguments();
    size_t end = ArgumentEnd(t, start, node.word->priority);
    node.args.push_back(Build(t.subspan(start, end - start), depth + 1));
    return end;
  }

  TNode OperatorAt(TTokens t, size_t i, int depth, size_t& pos) {
    TNode node = TNode::Of(t[i].word);
    if (i > 0) node.args.push_back(Build(t.first(i), depth + 1));
    pos = i + 1;
    if (static_cast<int>(node.args.size()) < node.word->arg_count) pos = RightArgument(node, t, pos, depth);
    return Checked(std::move(node));
  }

  TNode CallAt(TTokens t, size_t i, int depth, size_t& pos) {
    if (i != 0 || i + 1 >= t.size() || t[i + 1].type != TTokenType::LeftBracket) SyntaxError();
    size_t close = Matching(t, i + 1);
    TNode node = TNode::Of(t[i].word);
    size_t start = i + 2;
    int inner = 0;  // bracket depth inside the call's brackets
    for (size_t k = start; k <= close; ++k) {
      if (k < close) inner += (t[k].type == TTokenType::LeftBracket) - (t[k].type == TTokenType::RightBracket);
      bool split = k == close || (inner == 0 && t[k].type == TTokenType::Comma);
      if (!split) continue;
      if (k == start || node.args.size() >= static_cast<size_t>(kMaxArguments)) TooFewArguments();
      node.args.push_back(Build(t.subspan(start, k - start), depth + 1));
      start = k + 1;
    }
    pos = close + 1;
    return Checked(std::move(node));
  }

  // The node built so far becomes the first argument of the operator at pos.
  TNode Chain(TNode left, TTokens t, size_t& pos, int depth) {
    if (!t[pos].IsOperator()) SyntaxError();
    TNode node = TNode::Of(t[pos].word);
    node.args.push_back(std::move(left));
    ++pos;
    if (node.word->arg_count > 1) pos = RightArgument(node, t, pos, depth);
    return Checked(std::move(node));
  }

  TNode Checked(TNode node) {
    if (static_cast<int>(node.args.size()) != node.word->arg_count) TooFewArguments();
    // Text functions are answered while tokenising; one given numbers has
    // nothing to run.
    if (!node.word->routine) Fail(node.word->name + " takes two texts");
    // Assignments and increments write their first operand: only a
    // variable has storage of its own to write ("pi := 3" would change pi
    // for every later expression).
    bool writes = node.word->name == ":=" || node.word->name == "++" || node.word->name == "--";
    if (writes && !(node.args[0].IsLeaf() && node.args[0].is_variable))
      Fail("Syntax error: " + node.word->name + " needs a variable on its left");
    return WithDepth(std::move(node));
  }

  TProgram& program_;
  std::string_view text_;
};

// The exponent of a power whose exponent is a constant; 0 otherwise.
float ConstantExponent(const TNode& node) {
  if (node.args.size() != 2 || !node.args[1].IsLeaf() || node.args[1].Varying()) return 0.0f;
  return *node.args[1].operand;
}

TStep StepFor(const TNode& node, std::span<float* const> args) {
  TStep step{.routine = node.word->routine,
             .op = OpcodeFor(*node.word, ConstantExponent(node)),
             .arg_count = static_cast<int>(args.size()),
             .word = node.word};
  std::copy(args.begin(), args.end(), step.args.begin());
  return step;
}

// Evaluates constant sub-trees now. Arguments are copied, so an operator
// that writes its operand cannot change a constant's storage.
void Fold(TNode& node, TProgram& program) {
  if (node.IsLeaf()) return;
  for (TNode& a : node.args) Fold(a, program);
  if (node.Varying()) return;
  float values[kMaxArguments];
  float* addresses[kMaxArguments];
  for (size_t i = 0; i < node.args.size(); ++i) {
    values[i] = *node.args[i].operand;
    addresses[i] = &values[i];
  }
  TStep step = StepFor(node, std::span(addresses, node.args.size()));
  RunStep(step);
  node = TNode::Leaf(program.NewConstant(step.result));
}

size_t CountSteps(const TNode& node) {
  size_t n = node.IsLeaf() ? 0 : 1;
  for (const TNode& a : node.args) n += CountSteps(a);
  return n;
}

// Post-order; answers the address that holds the node's value.
float* Lay(const TNode& node, std::vector<TStep>& steps) {
  if (node.IsLeaf()) return node.operand;
  float* args[kMaxArguments];
  for (size_t i = 0; i < node.args.size(); ++i) args[i] = Lay(node.args[i], steps);
  steps.push_back(StepFor(node, std::span(args, node.args.size())));
  return &steps.back().result;
}

TExprWord MakeCopy() {
  TExprWord word;
  word.name = "copy";
  word.arg_count = 1;
  word.routine = [](float* const* a) -> double { return *a[0]; };
  return word;
}
const TExprWord kCopy = MakeCopy();

}  // namespace

TProgram Compile(std::string_view text, TWordTable& words, const TSettings& settings) {
  TProgram program;
  std::vector<TToken> tokens = Tokenise(text, words, settings);
  if (tokens.empty()) return program;
  TNode root = TTreeBuilder(program, text).Build(tokens, 0);
  Fold(root, program);
  // A lone operand still needs a step to hold the expression's value.
  if (root.IsLeaf()) {
    TNode copy = TNode::Of(&kCopy);
    copy.args.push_back(std::move(root));
    root = std::move(copy);
  }
  std::vector<TStep>& steps = program.Steps();
  steps.reserve(CountSteps(root));  // steps point at earlier steps' results
  Lay(root, steps);
  program.SetText(std::string(text));
  return program;
}

}  // namespace corvellane::expr
