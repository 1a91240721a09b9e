#include "interchange/AntecedentForms.h"

#include <set>

namespace zorv {

namespace {

using Conjunction = AntecedentForms::Conjunction;

bool DisjunctsInto(const ForeignExpression& e, std::size_t limit, std::vector<Conjunction>& out) {
    switch (e.kind) {
        case ForeignExpression::Kind::Proposition:
            out.assign(1, Conjunction{e.proposition});
            return true;
        case ForeignExpression::Kind::Or:
            out.clear();
            for (const ForeignExpression& operand : e.operands) {
                std::vector<Conjunction> part;
                if (!DisjunctsInto(operand, limit, part) || out.size() + part.size() > limit) return false;
                out.insert(out.end(), part.begin(), part.end());
            }
            return true;
        case ForeignExpression::Kind::And:
            out.assign(1, Conjunction{});
            for (const ForeignExpression& operand : e.operands) {
                std::vector<Conjunction> part;
                if (!DisjunctsInto(operand, limit, part) || out.size() * part.size() > limit) return false;
                std::vector<Conjunction> product;
                for (const Conjunction& left : out) {
                    for (const Conjunction& right : part) {
                        product.push_back(left);
                        product.back().insert(product.back().end(), right.begin(), right.end());
                    }
                }
                out = std::move(product);
            }
            return true;
    }
    return false;
}

void InputsOf(const ForeignExpression& e, std::set<int>& inputs) {
    if (e.kind == ForeignExpression::Kind::Proposition) {
        if (!e.proposition.any) inputs.insert(e.proposition.variable);
        return;
    }
    for (const ForeignExpression& operand : e.operands) InputsOf(operand, inputs);
}

// Adds e to the part of its single input (joined by "and" with what is there); false when e speaks of several.
bool AddPart(const ForeignExpression& e, std::vector<std::optional<ForeignExpression>>& parts) {
    std::set<int> inputs;
    InputsOf(e, inputs);
    if (inputs.empty()) return true;  // "any": no condition
    if (inputs.size() > 1) {
        if (e.kind != ForeignExpression::Kind::And) return false;
        for (const ForeignExpression& operand : e.operands)
            if (!AddPart(operand, parts)) return false;
        return true;
    }
    auto& part = parts[static_cast<std::size_t>(*inputs.begin())];
    if (!part) {
        part = e;
    } else {
        ForeignExpression joined;
        joined.kind = ForeignExpression::Kind::And;
        joined.operands = {*part, e};
        part = joined;
    }
    return true;
}

}  // namespace

AntecedentForms::Truth AntecedentForms::Fold(ForeignExpression& e) {
    if (e.kind == ForeignExpression::Kind::Proposition) {
        if (!e.proposition.any) return Truth::Depends;
        return e.proposition.negated ? Truth::Never : Truth::Always;  // hedges keep 0 and 1
    }
    const bool conjunction = e.kind == ForeignExpression::Kind::And;
    const Truth deciding = conjunction ? Truth::Never : Truth::Always;
    std::vector<ForeignExpression> kept;
    for (ForeignExpression& operand : e.operands) {
        const Truth truth = Fold(operand);
        if (truth == deciding) return deciding;
        if (truth == Truth::Depends) kept.push_back(std::move(operand));
    }
    if (kept.empty()) return conjunction ? Truth::Always : Truth::Never;
    if (kept.size() == 1) {
        ForeignExpression only = std::move(kept.front());
        e = std::move(only);
    } else {
        e.operands = std::move(kept);
    }
    return Truth::Depends;
}

std::optional<std::vector<Conjunction>> AntecedentForms::Disjuncts(const ForeignExpression& antecedent,
                                                                   std::size_t limit) {
    std::vector<Conjunction> out;
    if (!DisjunctsInto(antecedent, limit, out)) return std::nullopt;
    return out;
}

std::optional<std::vector<std::optional<ForeignExpression>>> AntecedentForms::PerInput(
    const ForeignExpression& antecedent, std::size_t inputs) {
    std::vector<std::optional<ForeignExpression>> parts(inputs);
    if (!AddPart(antecedent, parts)) return std::nullopt;
    return parts;
}

bool AntecedentForms::UsesAnd(const ForeignExpression& e) {
    if (e.kind == ForeignExpression::Kind::Proposition) return false;
    if (e.kind == ForeignExpression::Kind::And && e.operands.size() > 1) return true;
    for (const ForeignExpression& operand : e.operands)
        if (UsesAnd(operand)) return true;
    return false;
}

bool AntecedentForms::UsesOr(const ForeignExpression& e) {
    if (e.kind == ForeignExpression::Kind::Proposition) return false;
    if (e.kind == ForeignExpression::Kind::Or && e.operands.size() > 1) return true;
    for (const ForeignExpression& operand : e.operands)
        if (UsesOr(operand)) return true;
    return false;
}

}  // namespace zorv
