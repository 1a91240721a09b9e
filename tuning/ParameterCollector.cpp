#include "tuning/ParameterCollector.h"

#include <algorithm>
#include <array>
#include <span>

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"
#include "tuning/LingParamCheck.h"
#include "tuning/RuleNumbers.h"

namespace zorv {

namespace {

using Kind = TuningParameter::Kind;

TuningParameter Make(Kind kind, int variable, std::string name, double value, double lower, double upper) {
    TuningParameter p;
    p.kind = kind;
    p.variable = variable;
    p.name = std::move(name);
    p.initial = value;
    p.lower = lower;
    p.upper = upper;
    return p;
}

// Every signed index, inputs first: the order the file lists the variables in.
std::vector<int> AllVariables(const CRuleBase& unit) {
    std::vector<int> all;
    for (int k = 0; k < unit.AntecedentCount(); ++k) all.push_back(k);
    for (int k = 0; k < unit.SuccedentCount(); ++k) all.push_back(~k);
    return all;
}

// Keeps the interval of a "triang" bound on its side of 0: its standard words change with the sign.
void KeepSign(double value, double margin, TuningParameter& p) {
    if (value < 0.0) p.upper = std::min(p.upper, -margin);
    if (value > 0.0) p.lower = std::max(p.lower, margin);
    if (value == 0.0) p.lower = p.upper = 0.0;
}

}  // namespace

std::vector<int> ParameterCollector::Owners(const std::set<std::string>& fixed) const {
    std::vector<const CSettings*> seen;
    std::vector<const CSettings*> frozen;
    std::vector<int> owners;
    for (const int v : AllVariables(unit_)) {
        const CSettings* settings = &unit_.Settings(v);
        if (fixed.contains(unit_.VariableName(v))) frozen.push_back(settings);
        if (std::find(seen.begin(), seen.end(), settings) != seen.end()) continue;
        seen.push_back(settings);
        owners.push_back(v);
    }
    std::erase_if(owners, [&](int v) {
        return std::find(frozen.begin(), frozen.end(), &unit_.Settings(v)) != frozen.end();
    });
    return owners;
}

std::vector<TuningParameter> ParameterCollector::Collect(const TuningScope& scope,
                                                         const std::set<std::string>& fixed) const {
    std::vector<TuningParameter> out;
    for (const int v : Owners(fixed)) {
        if (unit_.Settings(v).isLinear()) continue;
        if (scope.contexts) AddContext(v, out);
        if (scope.lingParams) AddLingParams(v, out);
        if (scope.userTerms) AddUserTerms(v, out);
    }
    return out;
}

void ParameterCollector::AddContext(int variable, std::vector<TuningParameter>& out) const {
    const CSettings& settings = unit_.Settings(variable);
    const std::string& name = unit_.VariableName(variable);
    const double low = settings.low();
    const double high = settings.high();
    const double reach = share_ * (high - low);
    const auto numbers = RuleNumbers::Range(unit_, variable);
    if (settings.symmetric()) {
        const double inside = numbers ? std::max(-numbers->first, numbers->second) : 0.0;
        out.push_back(Make(Kind::symmetricBound, variable, name + ".high", high, std::max(high - reach, inside),
                           high + reach));
        return;
    }
    TuningParameter lower = Make(Kind::contextLow, variable, name + ".low", low, low - reach,
                                 numbers ? std::min(low + reach, numbers->first) : low + reach);
    TuningParameter upper = Make(Kind::contextHigh, variable, name + ".high", high,
                                 numbers ? std::max(high - reach, numbers->second) : high - reach, high + reach);
    if (settings.typeName() == "triang") {
        const double margin = 1e-9 * (high - low);
        KeepSign(low, margin, lower);
        KeepSign(high, margin, upper);
    }
    out.push_back(std::move(lower));
    out.push_back(std::move(upper));
}

void ParameterCollector::AddLingParams(int variable, std::vector<TuningParameter>& out) const {
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&unit_.Settings(variable));
    if (linguistic == nullptr) return;
    const std::array<double, 4>& p = linguistic->lingParams();
    const std::string prefix = unit_.VariableName(variable) + ".lingparam";
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double before = i == 0 ? 0.0 : p[at - 1];
        const double after = i == 3 ? 1.0 : p[at + 1];
        TuningParameter param = Make(Kind::lingParam, variable, prefix + std::to_string(i + 1), p[at],
                                     p[at] - share_ * (p[at] - before), p[at] + share_ * (after - p[at]));
        param.position = i;
        if (LingParamCheck::Valid(p)) LingParamCheck::Narrow(p, i, param.lower, param.upper);
        out.push_back(std::move(param));
    }
}

void ParameterCollector::AddUserTerms(int variable, std::vector<TuningParameter>& out) const {
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&unit_.Settings(variable));
    if (vocabulary == nullptr) return;
    const auto userTerms = std::span(vocabulary->terms()).subspan(static_cast<std::size_t>(vocabulary->standardTermCount()));
    // Moving a term means building the vocabulary's user terms anew, which only shapes given by parameters allow.
    const auto byParameters = [](const CBasicSettings::Term& term) {
        return dynamic_cast<const CFuzzyParamSet*>(term.element.get()) != nullptr;
    };
    if (!std::all_of(userTerms.begin(), userTerms.end(), byParameters)) return;
    for (int t = 0; t < vocabulary->userTermCount(); ++t) {
        const auto& term = userTerms[static_cast<std::size_t>(t)];
        const auto* shape = static_cast<const CFuzzyParamSet*>(term.element.get());
        AddShape(variable, t, unit_.VariableName(variable) + "." + term.shortName, shape->params(),
                 shape->typeName() == "gaussian", out);
    }
}

// The parameters of a gaussian are a width, the kernel's two ends and a width; the other shapes are points
// in ascending order.
void ParameterCollector::AddShape(int variable, int term, const std::string& name, const std::vector<double>& params,
                                  bool gaussian, std::vector<TuningParameter>& out) const {
    const CSettings& settings = unit_.Settings(variable);
    const auto count = static_cast<int>(params.size());
    const int first = gaussian ? 1 : 0;
    const int last = gaussian ? count - 2 : count - 1;
    for (int i = 0; i < count; ++i) {
        const double value = params[static_cast<std::size_t>(i)];
        double lower = value * (1.0 - share_);
        double upper = value * (1.0 + share_);
        if (i >= first && i <= last) {
            const double before = i == first ? settings.low() : params[static_cast<std::size_t>(i - 1)];
            const double after = i == last ? settings.high() : params[static_cast<std::size_t>(i + 1)];
            lower = value - share_ * std::max(0.0, value - before);
            upper = value + share_ * std::max(0.0, after - value);
        }
        TuningParameter p = Make(Kind::userTerm, variable, name + "." + std::to_string(i + 1), value, lower, upper);
        p.term = term;
        p.position = i;
        out.push_back(std::move(p));
    }
}

}  // namespace zorv
