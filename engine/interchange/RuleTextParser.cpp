#include "interchange/RuleTextParser.h"

#include "interchange/TextLines.h"

namespace zorv {

int FindForeignName(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    int found = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!TextLines::SameIgnoringCase(names[i], name)) continue;
        if (found >= 0) return -1;
        found = static_cast<int>(i);
    }
    return found;
}

namespace {

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string word;
    const auto flush = [&] {
        if (!word.empty()) tokens.push_back(word);
        word.clear();
    };
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == ';') {
            flush();
        } else if (c == '(' || c == ')' || c == ',') {
            flush();
            tokens.emplace_back(1, c);
        } else {
            word += c;
        }
    }
    flush();
    return tokens;
}

std::vector<std::string> NamesOf(const std::vector<ForeignVariable>& variables) {
    std::vector<std::string> names;
    for (const ForeignVariable& v : variables) names.push_back(v.name);
    return names;
}

std::vector<std::string> TermNamesOf(const ForeignVariable& variable) {
    std::vector<std::string> names;
    for (const ForeignTerm& t : variable.terms) names.push_back(t.name);
    return names;
}

constexpr std::size_t kMaxDepth = 200;  // parentheses nesting

// Negates an expression in place: a proposition flips its negation; and / or swap (De Morgan).
void Negate(ForeignExpression& e) {
    switch (e.kind) {
        case ForeignExpression::Kind::Proposition:
            e.proposition.negated = !e.proposition.negated;
            return;
        case ForeignExpression::Kind::And:
            e.kind = ForeignExpression::Kind::Or;
            break;
        case ForeignExpression::Kind::Or:
            e.kind = ForeignExpression::Kind::And;
            break;
    }
    for (ForeignExpression& operand : e.operands) Negate(operand);
}

}  // namespace

class RuleTextParser::Run {
public:
    Run(const RuleTextParser& parser, std::string_view text, int line, ProblemList& problems)
        : parser_(parser), tokens_(Tokens(text)), line_(line), problems_(problems) {}

    std::optional<ForeignRule> rule() {
        ForeignRule rule;
        rule.line = line_;
        if (!takeKeyword("if")) return fail("a rule begins with \"if\"");
        if (!atKeyword("then")) {
            auto antecedent = expression(0);
            if (!antecedent) return std::nullopt;
            rule.antecedent = std::move(*antecedent);
        }
        if (!takeKeyword("then")) return fail("\"then\" expected after the antecedent");
        for (;;) {
            auto consequent = proposition(parser_.outputs_, "output");
            if (!consequent) return std::nullopt;
            rule.consequents.push_back(*consequent);
            if (!takeKeyword("and") && !takeToken(",")) break;
        }
        if (takeKeyword("with")) {
            const std::optional<double> weight = pos_ < tokens_.size() ? TextLines::Number(tokens_[pos_]) : std::nullopt;
            if (!weight) return fail("a number expected after \"with\"");
            ++pos_;
            rule.weight = *weight;
        }
        if (pos_ < tokens_.size()) return fail("unexpected \"" + tokens_[pos_] + "\" at the end of the rule");
        return rule;
    }

private:
    std::nullopt_t fail(const std::string& message) {
        if (!failed_) problems_.add(line_, message);
        failed_ = true;
        return std::nullopt;
    }

    bool atKeyword(std::string_view keyword) const {
        return pos_ < tokens_.size() && TextLines::SameIgnoringCase(tokens_[pos_], keyword);
    }
    bool takeKeyword(std::string_view keyword) {
        if (!atKeyword(keyword)) return false;
        ++pos_;
        return true;
    }
    bool takeToken(std::string_view token) {
        if (pos_ >= tokens_.size() || tokens_[pos_] != token) return false;
        ++pos_;
        return true;
    }

    std::optional<ForeignExpression> expression(std::size_t depth) {
        return chain(depth, "or", ForeignExpression::Kind::Or, [this](std::size_t d) { return conjunction(d); });
    }
    std::optional<ForeignExpression> conjunction(std::size_t depth) {
        return chain(depth, "and", ForeignExpression::Kind::And, [this](std::size_t d) { return primary(d); });
    }

    template <class Operand>
    std::optional<ForeignExpression> chain(std::size_t depth, std::string_view keyword, ForeignExpression::Kind kind,
                                           Operand operand) {
        auto first = operand(depth);
        if (!first) return std::nullopt;
        if (!atKeyword(keyword)) return first;
        ForeignExpression joined;
        joined.kind = kind;
        joined.operands.push_back(std::move(*first));
        while (takeKeyword(keyword)) {
            auto next = operand(depth);
            if (!next) return std::nullopt;
            joined.operands.push_back(std::move(*next));
        }
        return joined;
    }

    std::optional<ForeignExpression> primary(std::size_t depth) {
        if (depth > kMaxDepth) return fail("parentheses nested too deeply");
        if (atKeyword("not") && pos_ + 1 < tokens_.size() && tokens_[pos_ + 1] == "(") {
            ++pos_;
            auto inner = primary(depth + 1);
            if (inner) Negate(*inner);
            return inner;
        }
        if (takeToken("(")) {
            auto inner = expression(depth + 1);
            if (!inner) return std::nullopt;
            if (!takeToken(")")) return fail("\")\" expected");
            return inner;
        }
        auto p = proposition(parser_.inputs_, "input");
        if (!p) return std::nullopt;
        ForeignExpression e;
        e.proposition = *p;
        return e;
    }

    static bool EndsProposition(const std::string& token) {
        return token == ")" || token == "," || TextLines::SameIgnoringCase(token, "and") ||
               TextLines::SameIgnoringCase(token, "or") || TextLines::SameIgnoringCase(token, "then") ||
               TextLines::SameIgnoringCase(token, "with");
    }

    std::optional<ForeignProposition> proposition(const std::vector<ForeignVariable>& variables,
                                                  const std::string& noun) {
        if (pos_ >= tokens_.size()) return fail("an " + noun + " variable expected at the end of the rule");
        const std::string& name = tokens_[pos_++];
        ForeignProposition p;
        p.variable = FindForeignName(NamesOf(variables), name);
        if (p.variable < 0 && &variables == &parser_.inputs_ && FindForeignName(NamesOf(parser_.outputs_), name) >= 0)
            return fail("\"" + name + "\" is an output: rules that read outputs (chained systems) have no counterpart");
        if (p.variable < 0) return fail("unknown " + noun + " variable \"" + name + "\"");
        if (!takeKeyword("is")) return fail("\"is\" expected after \"" + name + "\"");
        std::vector<std::string> words;
        while (pos_ < tokens_.size() && !EndsProposition(tokens_[pos_])) words.push_back(tokens_[pos_++]);
        if (words.empty()) return fail("a term expected after \"" + name + " is\"");
        const ForeignVariable& variable = variables[static_cast<std::size_t>(p.variable)];
        const std::vector<std::string> terms = TermNamesOf(variable);
        p.term = FindForeignName(terms, words.back());
        if (p.term < 0 && TextLines::SameIgnoringCase(words.back(), "any")) {
            p.any = true;
            words.pop_back();
        } else if (p.term < 0) {
            return fail("unknown term \"" + words.back() + "\" of variable \"" + variable.name + "\"");
        } else {
            words.pop_back();
        }
        for (const std::string& hedge : words) {
            if (TextLines::SameIgnoringCase(hedge, "not")) {
                p.negated = !p.negated;
            } else {
                p.hedges.push_back(hedge);
            }
        }
        return p;
    }

    const RuleTextParser& parser_;
    std::vector<std::string> tokens_;
    std::size_t pos_ = 0;
    int line_;
    ProblemList& problems_;
    bool failed_ = false;
};

std::optional<ForeignRule> RuleTextParser::parse(std::string_view text, int line, ProblemList& problems) const {
    return Run(*this, text, line, problems).rule();
}

}  // namespace zorv
