#include "interchange/CompiledUnitView.h"

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CFuzValue.h"
#include "rulebase/CLinCValue.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

double CompiledUnitView::Grid::x(int j) const { return CFuzzyDiscreteSet::gridCoordinate(low, high, points, j); }

DescriptionType CompiledUnitView::type() const { return unit_.descriptionType(); }
int CompiledUnitView::inputCount() const { return unit_.AntecedentCount(); }
int CompiledUnitView::ruleCount() const { return unit_.RuleCount(); }
bool CompiledUnitView::enabled(int rule) const { return unit_.Enabled(rule); }
std::uint16_t CompiledUnitView::specificity(int rule) const { return unit_.Specificity(rule); }

CompiledUnitView::Grid CompiledUnitView::gridOf(int signedIndex) const {
    return {unit_.ContextLow(signedIndex), unit_.ContextHigh(signedIndex), unit_.Discretization(signedIndex),
            unit_.Settings(signedIndex).symmetric()};
}

CompiledUnitView::Grid CompiledUnitView::inputGrid(int k) const { return gridOf(k); }
CompiledUnitView::Grid CompiledUnitView::outputGrid() const { return gridOf(~0); }
const std::string& CompiledUnitView::inputName(int k) const { return unit_.VariableName(k); }
const std::string& CompiledUnitView::outputName() const { return unit_.VariableName(~0); }

int CompiledUnitView::inputCellId(int k, int rule) const {
    return unit_.CellIndex(k)[static_cast<std::size_t>(rule)];
}
int CompiledUnitView::outputCellId(int rule) const { return unit_.CellIndex(~0)[static_cast<std::size_t>(rule)]; }
const std::string& CompiledUnitView::inputText(int k, int rule) const { return unit_.Text(k, rule); }
const std::string& CompiledUnitView::outputText(int rule) const { return unit_.Text(~0, rule); }

std::span<const double> CompiledUnitView::samplesOfCell(const CValue& cell) const {
    const auto* fuzzy = dynamic_cast<const CFuzValue*>(&cell);
    if (fuzzy == nullptr) return {};
    return {fuzzy->Samples(), static_cast<std::size_t>(fuzzy->SampleCount())};
}

std::span<const double> CompiledUnitView::inputSamples(int k, int rule) const { return samplesOfCell(unit_.Cell(k, rule)); }
std::span<const double> CompiledUnitView::outputSamples(int rule) const { return samplesOfCell(unit_.Cell(~0, rule)); }

std::vector<double> CompiledUnitView::outputCoefficients(int rule) const {
    const auto* linear = dynamic_cast<const CLinCValue*>(&unit_.Cell(~0, rule));
    return linear != nullptr ? linear->Coefficients() : std::vector<double>{};
}

std::vector<double> CompiledUnitView::samplesOf(int signedIndex, const std::string& text) const {
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&unit_.Settings(signedIndex));
    if (vocabulary == nullptr) return {};
    try {
        CFuzzyDiscreteSet set = vocabulary->evaluate(text, unit_.Discretization(signedIndex));
        set.densify();
        return set.values();
    } catch (const std::exception&) {
        return {};
    }
}

std::vector<CompiledUnitView::UserTerm> CompiledUnitView::userTerms(int signedIndex) const {
    std::vector<UserTerm> out;
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&unit_.Settings(signedIndex));
    if (vocabulary == nullptr) return out;
    const auto& terms = vocabulary->terms();
    for (std::size_t i = static_cast<std::size_t>(vocabulary->standardTermCount()); i < terms.size(); ++i) {
        const auto* set = dynamic_cast<const CFuzzyParamSet*>(terms[i].element.get());
        if (set == nullptr) continue;
        out.push_back({terms[i].shortName, std::string(set->typeName()), set->params()});
    }
    return out;
}

double CompiledUnitView::perceptionUpper() const { return unit_.PerceptionUpper(); }
double CompiledUnitView::perceptionLower() const { return unit_.PerceptionLower(); }
int CompiledUnitView::steps() const { return unit_.Steps(); }

}  // namespace zorv
