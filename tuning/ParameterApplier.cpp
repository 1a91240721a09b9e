#include "tuning/ParameterApplier.h"

#include <algorithm>
#include <cmath>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"
#include "tuning/LingParamCheck.h"

namespace zorv {

namespace {

using Kind = TuningParameter::Kind;

bool Ascending(std::span<const double> values) { return std::is_sorted(values.begin(), values.end()); }

// Whether a shape's parameters are in the order it needs within <low, high>: ascending points, or for a
// gaussian positive widths around an ascending kernel.
bool ValidShape(std::string_view type, std::span<const double> p, double low, double high) {
    if (!std::all_of(p.begin(), p.end(), [](double v) { return std::isfinite(v); })) return false;
    const bool gaussian = type == "gaussian";
    const auto points = gaussian ? p.subspan(1, 2) : p;
    if (gaussian && !(p[0] > 0.0 && p[3] > 0.0)) return false;
    return Ascending(points) && points.front() >= low && points.back() <= high;
}

}  // namespace

ParameterApplier::ParameterApplier(const CRuleBase& base, ParameterSpace space)
    : base_(std::make_unique<CRuleBase>(base)), space_(std::move(space)) {
    const auto& parameters = space_.Parameters();
    for (int i = 0; i < space_.Size(); ++i) {
        const int variable = parameters[static_cast<std::size_t>(i)].variable;
        auto group = std::find_if(groups_.begin(), groups_.end(), [variable](const Group& g) { return g.variable == variable; });
        if (group == groups_.end()) group = groups_.insert(groups_.end(), Group{variable, {}});
        group->parameters.push_back(i);
    }
}

ParameterApplier::~ParameterApplier() = default;

AppliedParameters ParameterApplier::Apply(std::span<const double> values) const {
    AppliedParameters applied{std::make_unique<CRuleBase>(*base_), {}};
    for (const Group& group : groups_) {
        applied.problem = ApplyGroup(*applied.unit, group, values);
        if (!applied.problem.empty()) break;
    }
    if (applied.problem.empty()) {
        try {
            applied.unit->Compile();
        } catch (const ESyntax& error) {
            applied.problem = std::string("a rule no longer compiles: ") + error.what();
        }
    }
    if (!applied.problem.empty()) applied.unit.reset();
    return applied;
}

bool ParameterApplier::Has(const Group& group, TuningParameter::Kind kind) const {
    return std::any_of(group.parameters.begin(), group.parameters.end(),
                       [&](int i) { return space_.Parameters()[static_cast<std::size_t>(i)].kind == kind; });
}

std::string ParameterApplier::ApplyGroup(CRuleBase& unit, const Group& group, std::span<const double> values) const {
    std::string problem = SetUserTerms(unit, group, values);
    if (problem.empty()) problem = SetLingParams(unit, group, values);
    if (problem.empty()) problem = SetContext(unit, group, values);
    return problem.empty() ? problem : unit.VariableName(group.variable) + ": " + problem;
}

std::string ParameterApplier::SetUserTerms(CRuleBase& unit, const Group& group, std::span<const double> values) const {
    auto* vocabulary = dynamic_cast<CBasicSettings*>(&unit.Settings(group.variable));
    if (vocabulary == nullptr || !Has(group, Kind::userTerm)) return {};
    CBasicSettings& settings = *vocabulary;
    struct Shape {
        std::string shortName, longName, type;
        std::vector<double> params;
    };
    std::vector<Shape> shapes;
    for (int t = 0; t < settings.userTermCount(); ++t) {
        const auto& term = settings.terms()[static_cast<std::size_t>(settings.standardTermCount() + t)];
        const auto* set = dynamic_cast<const CFuzzyParamSet*>(term.element.get());
        if (set == nullptr) return {};  // such a vocabulary has no user-term parameters
        shapes.push_back({term.shortName, term.longName, std::string(set->typeName()), set->params()});
    }
    for (const int i : group.parameters) {
        const TuningParameter& p = space_.Parameters()[static_cast<std::size_t>(i)];
        if (p.kind != Kind::userTerm) continue;
        shapes[static_cast<std::size_t>(p.term)].params[static_cast<std::size_t>(p.position)] = values[static_cast<std::size_t>(i)];
    }
    for (const Shape& shape : shapes) {
        if (!ValidShape(shape.type, shape.params, settings.low(), settings.high())) {
            return "the parameters of " + shape.shortName + " are out of order or out of the context";
        }
    }
    settings.clearUserTerms();
    for (Shape& shape : shapes) {
        settings.addUserTerm(std::move(shape.shortName), std::move(shape.longName),
                             createParamSet(shape.type, shape.params.data(), settings.low(), settings.high()));
    }
    return {};
}

std::string ParameterApplier::SetLingParams(CRuleBase& unit, const Group& group, std::span<const double> values) const {
    auto* settings = dynamic_cast<CLinguisticSettings*>(&unit.Settings(group.variable));
    if (settings == nullptr || !Has(group, Kind::lingParam)) return {};
    std::array<double, 4> params = settings->lingParams();
    for (const int i : group.parameters) {
        const TuningParameter& p = space_.Parameters()[static_cast<std::size_t>(i)];
        if (p.kind == Kind::lingParam) params[static_cast<std::size_t>(p.position)] = values[static_cast<std::size_t>(i)];
    }
    if (!CLinguisticSettings::acceptsLingParams(params)) return "the lingparams are not strictly ascending within [0, 1]";
    if (!LingParamCheck::Valid(params)) return "the lingparams fold the shape of a word over or out of [0, 1]";
    settings->setLingParams(params);
    return {};
}

std::string ParameterApplier::SetContext(CRuleBase& unit, const Group& group, std::span<const double> values) const {
    CSettings& settings = unit.Settings(group.variable);
    double low = settings.low();
    double high = settings.high();
    bool moved = false;
    for (const int i : group.parameters) {
        const TuningParameter& p = space_.Parameters()[static_cast<std::size_t>(i)];
        const double value = values[static_cast<std::size_t>(i)];
        if (p.kind == Kind::contextLow) low = value;
        if (p.kind == Kind::contextHigh) high = value;
        if (p.kind == Kind::symmetricBound) low = -value, high = value;
        moved = moved || p.kind == Kind::contextLow || p.kind == Kind::contextHigh || p.kind == Kind::symmetricBound;
    }
    if (!moved) return {};
    if (const auto problem = ContextBounds::Problem(low, high)) return *problem + " " + NumberText::interval(low, high);
    settings.setContext(low, high);
    return {};
}

}  // namespace zorv
