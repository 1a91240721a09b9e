#include "rulebase/analysis/ConsequentValue.h"

#include <algorithm>
#include <cmath>

#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CFuzValue.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr double kCutLevel = 0.8;
constexpr double kDecimals = 1e6;

// The number that makes up the rest of text after position start (blanks around it allowed).
std::optional<double> numberIn(std::string_view text, std::size_t start) {
    return NumberText::parseField(text.substr(std::min(start, text.size())));
}

std::optional<double> aboutNumber(std::string_view text) {
    const std::size_t about = text.find("about");
    return about == std::string_view::npos ? std::nullopt : numberIn(text, about + 5);
}

// The (atom, hedge) pairs that have a set in the linguistic vocabulary.
bool hasStandardSet(const CLingTerm& term) {
    const int hedge = term.hedge;
    switch (term.atom) {
    case CLingTerm::kSmall:
    case CLingTerm::kBig: return hedge >= CLingTerm::kNoHedge && hedge <= CLingTerm::kVeryRoughly;
    case CLingTerm::kMedium: return hedge == CLingTerm::kNoHedge || (hedge >= CLingTerm::kMoreOrLess &&
                                                                     hedge <= CLingTerm::kVeryRoughly);
    case CLingTerm::kZero: return hedge == CLingTerm::kNoHedge || hedge == CLingTerm::kRoughly;
    default: return false;
    }
}

}  // namespace

std::optional<double> ConsequentValue::of(const CRuleBase& unit, int variable, int rule, const AnalysisCell& cell) {
    if (unit.Settings(variable).isLinear()) {
        return numberIn(cell.text, 0);
    }
    if (!cell.parsed()) {
        return std::nullopt;
    }
    const CLingTerm& term = *cell.term;
    switch (term.atom) {
    case CLingTerm::kUndef:
    case CLingTerm::kOther:
    case CLingTerm::kNoAtom: return std::nullopt;
    case CLingTerm::kFuzzyNumber: return aboutNumber(cell.text);
    default: break;
    }
    if (const std::optional<double> typical = standardTerm(unit, variable, term)) {
        return typical;
    }
    return compiledSet(unit, variable, rule);
}

std::optional<double> ConsequentValue::standardTerm(const CRuleBase& unit, int variable, const CLingTerm& term) {
    const auto* vocabulary = dynamic_cast<const CLinguisticSettings*>(&unit.Settings(variable));
    if (vocabulary == nullptr || !hasStandardSet(term)) {
        return std::nullopt;
    }
    double u = vocabulary->typicalValue(term);
    if (term.sign < 0) {
        u = -u;
    }
    const double low = vocabulary->low();
    const double high = vocabulary->high();
    return vocabulary->symmetric() ? high * u : low + (high - low) * u;
}

std::optional<double> ConsequentValue::compiledSet(const CRuleBase& unit, int variable, int rule) {
    const auto* cell = dynamic_cast<const CFuzValue*>(&unit.Cell(variable, rule));
    if (cell == nullptr || cell->SampleCount() == 0) {
        return std::nullopt;
    }
    const double* samples = cell->Samples();
    const int count = cell->SampleCount();
    const double height = *std::max_element(samples, samples + count);
    if (!(height > 0.0)) {
        return std::nullopt;
    }
    const double level = std::min(kCutLevel, height);
    int first = 0;
    while (samples[first] < level) {
        ++first;
    }
    int last = count - 1;
    while (samples[last] < level) {
        --last;
    }
    const double low = unit.ContextLow(variable);
    const double high = unit.ContextHigh(variable);
    const double step = count > 1 ? (high - low) / (count - 1) : 0.0;
    return low + 0.5 * (first + last) * step;
}

std::string ConsequentValue::printWithin(double value, double low, double high) {
    std::string text = NumberText::fixed(value, 6);
    const double printed = numberIn(text, 0).value_or(value);
    if (printed > high) {
        text = NumberText::fixed(std::floor(high * kDecimals) / kDecimals, 6);
    } else if (printed < low) {
        text = NumberText::fixed(std::ceil(low * kDecimals) / kDecimals, 6);
    }
    return text;
}

}  // namespace zorv
