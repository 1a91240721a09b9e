#include "interchange/RuleImport.h"

#include "interchange/AntecedentForms.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr const char* kFree = "undef";  // an input the rule sets no condition on

std::string HedgeList(const std::vector<std::string>& hedges) {
    std::string text;
    for (const std::string& h : hedges) text += (text.empty() ? "" : " ") + h;
    return text;
}

}  // namespace

std::string RuleImport::Literal(const ForeignProposition& p, int line) const {
    const ImportedVariable& v = inputs_[static_cast<std::size_t>(p.variable)];
    if (!p.hedges.empty())
        issues_.Replace(line, "hedge \"" + HedgeList(p.hedges) + "\" on input \"" + v.name + "\" has no counterpart",
                        "the term without it");
    const std::string& term = v.termNames[static_cast<std::size_t>(p.term)];
    return p.negated ? "not " + term : term;
}

// The cell of one input's part of an antecedent; nested compound parts are parenthesised, since cells are
// evaluated from left to right.
std::string RuleImport::PartText(const ForeignExpression& e, int line, bool nested) const {
    if (e.kind == ForeignExpression::Kind::Proposition) return Literal(e.proposition, line);
    const char* connective = e.kind == ForeignExpression::Kind::And ? " and " : " or ";
    std::string text;
    for (const ForeignExpression& operand : e.operands) {
        if (operand.kind == ForeignExpression::Kind::Proposition && operand.proposition.any) continue;
        if (!text.empty()) text += connective;
        text += PartText(operand, line, true);
    }
    if (text.empty()) return kFree;
    return nested && e.operands.size() > 1 ? "(" + text + ")" : text;
}

std::optional<std::string> RuleImport::ConsequentText(const ForeignRule& rule) const {
    std::optional<ForeignProposition> first;
    for (const ForeignProposition& c : rule.consequents) {
        if (c.variable != 0) continue;  // further outputs were dropped (or refused) already
        if (first) {
            issues_.Refuse(rule.line, "the rule concludes twice about \"" + system_.outputs[0].name + "\"");
            return std::nullopt;
        }
        first = c;
    }
    if (!first) {
        issues_.Note(rule.line, "the rule concludes nothing about \"" + system_.outputs[0].name + "\" and is left out");
        return std::nullopt;
    }
    if (first->any) {
        issues_.Refuse(rule.line, "\"any\" as a conclusion has no counterpart");
        return std::nullopt;
    }
    if (!first->hedges.empty() &&
        !issues_.Replace(rule.line, "hedge \"" + HedgeList(first->hedges) + "\" in the conclusion has no counterpart",
                         "the term without it"))
        return std::nullopt;
    std::string text = consequents_[static_cast<std::size_t>(first->term)];
    if (first->negated) {
        if (sugeno()) {
            issues_.Refuse(rule.line, "\"not\" before a constant or linear conclusion has no meaning");
            return std::nullopt;
        }
        // Some tools take the complement of the term, others that of the rule's degree (the term is then
        // activated by 1 - degree): the meaning depends on the tool that wrote the file.
        if (!issues_.Replace(rule.line,
                             "the negated conclusion \"not " + text + "\" is read by some tools as the complement of "
                             "the term, by others as the complement of the rule's degree",
                             "the complement of the term"))
            return std::nullopt;
        text = "not " + text;
    }
    return text;
}

void RuleImport::AddRows(const ForeignRule& rule, const std::string& consequent, std::vector<RuleRow>& rows) const {
    const std::size_t nIn = inputs_.size();
    const auto row = [&](std::vector<std::string> cells) {
        cells.push_back(consequent);
        rows.push_back({true, std::move(cells)});
    };
    if (!rule.antecedent) {
        row(std::vector<std::string>(nIn, kFree));
        return;
    }
    if (sugeno() || !AntecedentForms::UsesOr(*rule.antecedent)) {
        if (const auto parts = AntecedentForms::PerInput(*rule.antecedent, nIn)) {
            std::vector<std::string> cells;
            for (const auto& part : *parts) cells.push_back(part ? PartText(*part, rule.line, false) : kFree);
            row(std::move(cells));
            return;
        }
        if (!issues_.Replace(rule.line, "\"or\" between different inputs cannot be kept in one rule of a weighted average",
                             "one rule per disjunct"))
            return;
    }
    const auto disjuncts = AntecedentForms::Disjuncts(*rule.antecedent, kMaxRules);
    if (!disjuncts || rows.size() + disjuncts->size() > kMaxRules) {
        issues_.Refuse(rule.line, std::string("the antecedent expands to more than ") + std::to_string(kMaxRules) + " rules");
        return;
    }
    for (const AntecedentForms::Conjunction& conjunction : *disjuncts) {
        std::vector<std::string> cells(nIn);
        for (const ForeignProposition& p : conjunction) {
            if (p.any) continue;
            std::string& cell = cells[static_cast<std::size_t>(p.variable)];
            cell += (cell.empty() ? "" : " and ") + Literal(p, rule.line);
        }
        for (std::string& cell : cells)
            if (cell.empty()) cell = kFree;
        row(std::move(cells));
    }
}

std::vector<RuleRow> RuleImport::Rows() const {
    std::vector<RuleRow> rows;
    for (const ForeignRule& rule : system_.rules) {
        // Weight 0 activates nothing, under every implication and in every weighted average: leaving the rule
        // out is exact.
        if (rule.weight == 0.0) {
            issues_.Note(rule.line, "the rule has weight 0, contributes nothing and is left out");
            continue;
        }
        // A refused weight still lets the rest of the rule be examined, so that every problem is reported.
        if (rule.weight != 1.0)
            issues_.Replace(rule.line, std::string("rule weight ") + NumberText::file(rule.weight) + " has no counterpart",
                            "weight 1");
        const std::size_t problems = issues_.problems().messages().size();
        const auto consequent = ConsequentText(rule);
        ForeignRule folded = rule;
        if (folded.antecedent) {
            const AntecedentForms::Truth truth = AntecedentForms::Fold(*folded.antecedent);
            if (truth == AntecedentForms::Truth::Never) {
                if (consequent) issues_.Note(rule.line, "the rule never fires (\"not any\" never holds) and is left out");
                continue;
            }
            if (truth == AntecedentForms::Truth::Always) folded.antecedent.reset();
        }
        if (consequent) {
            AddRows(folded, *consequent, rows);
        } else if (issues_.problems().messages().size() > problems) {
            // A refused conclusion must not hide the problems of the condition.
            std::vector<RuleRow> unused;
            AddRows(folded, {}, unused);
        }
    }
    return rows;
}

}  // namespace zorv
