#include "rulebase/RuleSignMirror.h"

#include <algorithm>
#include <vector>

#include "rulebase/RuleCellCheck.h"
#include "fuzzy/expression/CFELexer.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {
namespace {

using Type = CFEToken::Type;

// A change at one character: erase it, make it "-" or "+", or insert "-" before it.
struct SignEdit {
    enum class Kind { erase, minus, plus, insertMinus };
    std::size_t at;
    Kind kind;
};

bool isSign(const CFEToken& token) { return token.type == Type::kPlus || token.type == Type::kMinus; }

bool isAtom(const CFEToken& token) {
    return token.type == Type::kSmall || token.type == Type::kMedium || token.type == Type::kBig ||
           token.type == Type::kZero;
}

// The operands of a compound expression: its tokens between the connectives, parentheses left out.
std::vector<std::vector<CFEToken>> operandsOf(const CBasicSettings* words, std::string_view text) {
    std::vector<std::vector<CFEToken>> operands(1);
    CFELexer lexer(text, words);
    for (CFEToken token = lexer.next(); token.type != Type::kEnd; token = lexer.next()) {
        if (token.type == Type::kAnd || token.type == Type::kOr) {
            operands.emplace_back();
        } else if (token.type != Type::kLeftParen && token.type != Type::kRightParen) {
            operands.back().push_back(token);
        }
    }
    return operands;
}

// An operand's sign stands first, or right before its atom (after a hedge).
SignEdit editOf(const std::vector<CFEToken>& operand, std::string_view text) {
    const CFEToken* sign = isSign(operand.front()) ? &operand.front() : nullptr;
    const auto atom = std::find_if(operand.begin(), operand.end(), isAtom);
    if (sign == nullptr && atom != operand.begin() && atom != operand.end() && isSign(*(atom - 1))) sign = &*(atom - 1);
    if (sign == nullptr) return {static_cast<std::size_t>(operand.front().start), SignEdit::Kind::insertMinus};
    const auto at = static_cast<std::size_t>(sign->start);
    return {at, text[at] == '-' ? SignEdit::Kind::erase : SignEdit::Kind::minus};
}

std::string applyEdits(std::string text, std::vector<SignEdit> edits) {
    std::sort(edits.begin(), edits.end(), [](const SignEdit& a, const SignEdit& b) { return a.at > b.at; });
    for (const SignEdit& edit : edits) {
        switch (edit.kind) {
            case SignEdit::Kind::erase: text.erase(edit.at, 1); break;
            case SignEdit::Kind::minus: text[edit.at] = '-'; break;
            case SignEdit::Kind::plus: text[edit.at] = '+'; break;
            case SignEdit::Kind::insertMinus: text.insert(edit.at, 1, '-'); break;
        }
    }
    return text;
}

// A "+" or "-" that starts a summand: not the sign of an exponent or of a factor after "*".
bool startsSummand(std::string_view text, std::size_t i) {
    if (text[i] != '+' && text[i] != '-') return false;
    if (i == 0) return true;
    if (text[i - 1] == 'e' || text[i - 1] == 'E') return false;
    const std::size_t before = text.find_last_not_of(" \t", i - 1);
    return before == std::string_view::npos || text[before] != '*';
}

}  // namespace

bool RuleSignMirror::applies(const CSettings& vocabulary) { return vocabulary.low() * vocabulary.high() < 0.0; }

std::optional<std::string> RuleSignMirror::mirror(const CSettings& vocabulary, std::string_view text, int inputCount) {
    if (!applies(vocabulary) || text.empty()) return std::nullopt;
    std::string mirrored = vocabulary.isLinear() != 0 ? mirrorLinearForm(text) : mirrorExpression(vocabulary, text);
    // An empty cell passes the check, but it is no expression: "-" alone stays as it is.
    if (mirrored.empty() || !RuleCellCheck::of(vocabulary, mirrored, inputCount).ok) return std::nullopt;
    return mirrored;
}

std::string RuleSignMirror::mirrorSingle(std::string_view text) {
    if (text.starts_with('-')) return std::string(text.substr(1));
    std::string mirrored(1, '-');
    mirrored.append(text.starts_with('+') ? text.substr(1) : text);
    return mirrored;
}

std::string RuleSignMirror::mirrorExpression(const CSettings& vocabulary, std::string_view text) {
    const auto operands = operandsOf(dynamic_cast<const CBasicSettings*>(&vocabulary), text);
    const bool compound = operands.size() > 1 && std::none_of(operands.begin(), operands.end(),
                                                              [](const auto& operand) { return operand.empty(); });
    if (!compound) return mirrorSingle(text);
    std::vector<SignEdit> edits;
    for (const auto& operand : operands) edits.push_back(editOf(operand, text));
    return applyEdits(std::string(text), std::move(edits));
}

std::string RuleSignMirror::mirrorLinearForm(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return mirrorSingle(text);
    std::vector<SignEdit> edits;
    for (std::size_t i = first + 1; i < text.size(); ++i) {
        if (startsSummand(text, i)) edits.push_back({i, text[i] == '-' ? SignEdit::Kind::plus : SignEdit::Kind::minus});
    }
    if (edits.empty()) return mirrorSingle(text);
    if (startsSummand(text, first)) {
        edits.push_back({first, text[first] == '-' ? SignEdit::Kind::erase : SignEdit::Kind::minus});
    } else {
        edits.push_back({first, SignEdit::Kind::insertMinus});
    }
    return applyEdits(std::string(text), std::move(edits));
}

}  // namespace zorv
