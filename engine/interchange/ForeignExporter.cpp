#include "interchange/ForeignExporter.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "interchange/CompiledUnitView.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignNames.h"
#include "interchange/LinearText.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

// The points of a sampled set: the grid points from one before the first non-zero sample to one after the
// last (all of them when the set touches the ends); two zero points for an empty set.
std::vector<double> PointsOf(std::span<const double> mu, const CompiledUnitView::Grid& grid) {
    int first = 0;
    const int n = static_cast<int>(mu.size());
    while (first < n && mu[static_cast<std::size_t>(first)] == 0.0) ++first;
    if (first == n) return {grid.low, 0.0, grid.high, 0.0};
    int last = n - 1;
    while (mu[static_cast<std::size_t>(last)] == 0.0) --last;
    std::vector<double> points;
    for (int j = std::max(first - 1, 0); j <= std::min(last + 1, n - 1); ++j) {
        points.push_back(grid.x(j));
        points.push_back(mu[static_cast<std::size_t>(j)]);
    }
    return points;
}

bool IsFree(const std::string& text) { return text == "undef" || text == "ignor"; }

// One variable's terms: the user terms first, then one per other distinct cell; each rule cell is a term,
// possibly negated, or free.
class VariableTerms {
public:
    struct Use {
        int term = -1;  // -1: free
        bool negated = false;
    };

    VariableTerms(const CompiledUnitView& view, int signedIndex, ForeignVariable& variable)
        : view_(view), index_(signedIndex), variable_(variable), grid_(signedIndex >= 0 ? view.inputGrid(signedIndex) : view.outputGrid()) {
        for (const CompiledUnitView::UserTerm& term : view.userTerms(signedIndex)) {
            std::vector<double> samples = view.samplesOf(signedIndex, term.name);
            if (samples.empty()) continue;
            ForeignTerm t{Unused(ForeignNames::Exported(term.name, "term")), "Discrete", PointsOf(samples, grid_), 0,
                          term.type, term.params};
            userTerms_[term.name] = Add(std::move(t), std::move(samples));
        }
    }

    Use Of(int cellId, const std::string& text, std::span<const double> samples) {
        if (const auto it = byCell_.find(cellId); it != byCell_.end()) return it->second;
        const Use use = Classify(text, samples);
        byCell_[cellId] = use;
        return use;
    }

private:
    int Add(ForeignTerm term, std::vector<double> samples) {
        variable_.terms.push_back(std::move(term));
        samples_.push_back(std::move(samples));
        return static_cast<int>(variable_.terms.size()) - 1;
    }

    bool Same(int term, std::span<const double> samples, bool negated) const {
        const std::vector<double>& own = samples_[static_cast<std::size_t>(term)];
        if (own.size() != samples.size()) return false;
        for (std::size_t j = 0; j < own.size(); ++j)
            if ((negated ? 1.0 - own[j] : own[j]) != samples[j]) return false;
        return true;
    }

    Use Classify(const std::string& text, std::span<const double> samples) {
        const bool allOnes = std::all_of(samples.begin(), samples.end(), [](double v) { return v == 1.0; });
        if (IsFree(text) && allOnes && index_ >= 0) return {-1, false};
        if (const auto it = userTerms_.find(text); it != userTerms_.end() && Same(it->second, samples, false))
            return {it->second, false};
        // The peer tools apply hedges in conclusions differently (to the activated term, if at all): a negated
        // conclusion is written as a term of its own.
        for (const char* negation : {"not ", "no "}) {
            if (index_ < 0) break;
            const std::string prefix = negation;
            if (text.rfind(prefix, 0) != 0) continue;
            const auto it = userTerms_.find(text.substr(prefix.size()));
            if (it != userTerms_.end() && Same(it->second, samples, true)) return {it->second, true};
        }
        const std::vector<double> copy(samples.begin(), samples.end());
        return {Add({Unused(ForeignNames::Exported(text, "cell")), "Discrete", PointsOf(samples, grid_), 0, {}, {}}, copy),
                false};
    }

    // base, or base with the smallest number from 2 that no term of the variable has yet.
    std::string Unused(const std::string& base) const {
        std::string name = base;
        for (int k = 2; variable_.findTerm(name) >= 0; ++k) name = base + std::to_string(k);
        return name;
    }

    const CompiledUnitView& view_;
    int index_;
    ForeignVariable& variable_;
    CompiledUnitView::Grid grid_;
    std::map<std::string, int> userTerms_;
    std::map<int, Use> byCell_;
    std::vector<std::vector<double>> samples_;
};

std::string Refusal(const std::string& method, InterchangeFormat format) {
    return "the method \"" + method + "\" cannot be expressed in " + std::string(InterchangeFormats::Name(format)) +
           " (exported are Fuzzy Approximation (DNF) with Minimum, Product or Lukasiewicz together with Simple "
           "Center Of Gravity (COG), and the Takagi-Sugeno inference)";
}

class Exporter {
public:
    Exporter(const CRuleBase& unit, InterchangeFormat format) : view_(unit), format_(format) {}

    ForeignSystem run() {
        if (view_.unit().SuccedentCount() == 0) throw EInterchange("the rule base has no output variable");
        if (view_.inputCount() == 0) throw EInterchange("the rule base has no input variable");
        // The file would claim the other outputs too, but nothing here evaluates them.
        if (view_.unit().SuccedentCount() > 1)
            throw EInterchange("the rule base has " + std::to_string(view_.unit().SuccedentCount()) +
                               " output variables: only rule bases with one output are exported to " +
                               std::string(InterchangeFormats::Name(format_)) + ", since only the first is evaluated");
        chooseMethods();
        names();
        system_.name = ForeignNames::Identifier(std::filesystem::path(view_.unit().Name()).stem().string(), "rulebase");
        for (int k = 0; k < view_.inputCount(); ++k) addVariable(system_.inputs, view_.inputGrid(k), inputNames_[k]);
        addVariable(system_.outputs, view_.outputGrid(), outputName_);
        ForeignVariable& out = system_.outputs[0];
        out.aggregation = aggregation_;
        out.defuzzifier = defuzzifier_;
        out.defaultValue = (out.low + out.high) * 0.5;
        std::vector<VariableTerms> terms;
        for (int k = 0; k < view_.inputCount(); ++k) terms.emplace_back(view_, k, system_.inputs[static_cast<std::size_t>(k)]);
        if (!sugeno()) terms.emplace_back(view_, ~0, out);
        for (int r = 0; r < view_.ruleCount(); ++r)
            if (view_.enabled(r)) addRule(r, terms);
        return std::move(system_);
    }

private:
    bool sugeno() const { return view_.type() != DescriptionType::linguistic; }

    void chooseMethods() {
        system_.conjunction = {"Minimum", 0, {}};
        system_.disjunction = {"Maximum", 0, {}};
        if (sugeno()) {
            system_.type = ForeignSystem::Type::Sugeno;
            defuzzifier_ = {"WeightedAverage", 0, "TakagiSugeno"};
            return;
        }
        // Exported only where the file's operators compute exactly what the methods do.
        const ForeignCounterpart implication = view_.unit().InferenceMethod().foreign;
        const ForeignCounterpart defuzzifier = view_.unit().DefuzzificationMethod().foreign;
        if (!implication.exact)
            throw EInterchange(Refusal(std::string(view_.unit().InferenceMethod().displayName), format_));
        if (!defuzzifier.exact || defuzzifier.name != "Centroid")
            throw EInterchange(Refusal(std::string(view_.unit().DefuzzificationMethod().displayName), format_));
        system_.implication = {std::string(implication.name), 0, {}};
        aggregation_ = {"Maximum", 0, {}};
        defuzzifier_ = {"Centroid", 0, std::to_string(std::max(view_.outputGrid().points - 1, 1))};
    }

    void names() {
        std::vector<std::string> all;
        for (int k = 0; k < view_.inputCount(); ++k) all.push_back(ForeignNames::Exported(view_.inputName(k), "input"));
        all.push_back(ForeignNames::Exported(view_.outputName(), "output"));
        for (std::size_t i = 0; i < all.size(); ++i) {
            const std::string base = all[i];
            for (int k = 2; std::count(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(i), all[i]) > 0; ++k)
                all[i] = base + std::to_string(k);
        }
        outputName_ = all.back();
        all.pop_back();
        inputNames_ = all;
    }

    void addVariable(std::vector<ForeignVariable>& list, const CompiledUnitView::Grid& grid, const std::string& name) {
        ForeignVariable v;
        v.name = name;
        v.low = grid.low;
        v.high = grid.high;
        // Inputs are clamped to their contexts before evaluation, which matters to linear conclusions.
        v.lockRange.on = &list == &system_.inputs;
        list.push_back(std::move(v));
    }

    // The output term of a Takagi-Sugeno rule: one Constant (singleton) or Linear term per distinct cell.
    int sugenoTerm(int r) {
        const int cell = view_.outputCellId(r);
        if (const auto it = sugenoTerms_.find(cell); it != sugenoTerms_.end()) return it->second;
        const std::vector<double> c = view_.outputCoefficients(r);
        ForeignVariable& out = system_.outputs[0];
        ForeignTerm term;
        term.name = ForeignNames::Exported(view_.outputText(r), "out");
        const std::string base = term.name;
        for (int k = 2; out.findTerm(term.name) >= 0; ++k) term.name = base + std::to_string(k);
        if (view_.type() == DescriptionType::singleton) {
            term.shape = "Constant";
            term.params = {c.empty() ? 0.0 : c[0]};
        } else {
            term.shape = "Linear";
            std::vector<double> full(static_cast<std::size_t>(view_.inputCount()) + 1, 0.0);
            std::copy_n(c.begin(), std::min(c.size(), full.size()), full.begin());
            term.params = LinearText::InterchangeOrder(full);
        }
        out.terms.push_back(term);
        return sugenoTerms_[cell] = static_cast<int>(out.terms.size()) - 1;
    }

    // FIS rules name at least one input: an unconditional rule names this term of the first input, 1 everywhere
    // (stated as "undef", which the importer reads back as the free condition).
    int anyTerm() {
        ForeignVariable& first = system_.inputs[0];
        if (anyTerm_ < 0) {
            first.terms.push_back({"any", "Discrete", {first.low, 1.0, first.high, 1.0}, 0, "undef", {}});
            anyTerm_ = static_cast<int>(first.terms.size()) - 1;
        }
        return anyTerm_;
    }

    void addRule(int r, std::vector<VariableTerms>& terms) {
        ForeignRule rule;
        ForeignExpression conjunction;
        conjunction.kind = ForeignExpression::Kind::And;
        for (int k = 0; k < view_.inputCount(); ++k) {
            const auto use = terms[static_cast<std::size_t>(k)].Of(view_.inputCellId(k, r), view_.inputText(k, r),
                                                                    view_.inputSamples(k, r));
            if (use.term < 0) continue;
            ForeignExpression e;
            e.proposition = {k, use.term, use.negated, {}, false};
            conjunction.operands.push_back(e);
        }
        if (conjunction.operands.empty() && format_ == InterchangeFormat::Fis) {
            ForeignExpression e;
            e.proposition = {0, anyTerm(), false, {}, false};
            conjunction.operands.push_back(e);
        }
        if (conjunction.operands.size() == 1) rule.antecedent = conjunction.operands[0];
        if (conjunction.operands.size() > 1) rule.antecedent = conjunction;
        if (sugeno()) {
            rule.consequents.push_back({0, sugenoTerm(r), false, {}, false});
        } else {
            const auto use = terms.back().Of(view_.outputCellId(r), view_.outputText(r), view_.outputSamples(r));
            rule.consequents.push_back({0, use.term, use.negated, {}, false});
        }
        system_.rules.push_back(std::move(rule));
    }

    CompiledUnitView view_;
    InterchangeFormat format_;
    ForeignSystem system_;
    ForeignOperator aggregation_;
    ForeignOperator defuzzifier_;
    std::vector<std::string> inputNames_;
    std::string outputName_;
    std::map<int, int> sugenoTerms_;
    int anyTerm_ = -1;
};

}  // namespace

ForeignSystem ForeignExporter::Export(const CRuleBase& unit, InterchangeFormat format) {
    return Exporter(unit, format).run();
}

}  // namespace zorv
