#include "zorv/Vocabulary.h"

#include <cmath>

#include "api/SyntaxErrors.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "zorv/Error.h"

namespace zorv {

namespace {

constexpr int kMaxDiscretization = 1'000'000;

void checkContext(double low, double high, int discretization) {
    if (const auto problem = ContextBounds::Problem(low, high)) throw Error(*problem);
    if (discretization < 1 || discretization > kMaxDiscretization) {
        throw Error("the discretization must lie between 1 and " + std::to_string(kMaxDiscretization));
    }
}

// The hedges CLinguisticSettings::perceive admits in each of its modes.
int perceptionMode(HedgeMode mode) {
    switch (mode) {
        case HedgeMode::none:
            return 0;
        case HedgeMode::common:
            return 1;
        case HedgeMode::allButRather:
            return 3;
        default:
            return 2;
    }
}

}  // namespace

Vocabulary::Vocabulary(std::shared_ptr<const CSettings> settings, int discretization, int inputs)
    : settings_(std::move(settings)), kind_(settings_->typeName()), discretization_(discretization), inputs_(inputs) {}

Vocabulary Vocabulary::linguistic(double low, double high, const std::array<double, 4>& shape, int discretization) {
    checkContext(low, high, discretization);
    auto settings = std::make_shared<CLinguisticSettings>(low, high);
    if (!settings->setLingParams(shape)) throw Error("the shape parameters are refused");
    return Vocabulary(std::move(settings), discretization, 0);
}

Vocabulary Vocabulary::triangular(double low, double high, int discretization) {
    checkContext(low, high, discretization);
    return Vocabulary(std::make_shared<CTriangSettings>(low, high), discretization, 0);
}

double Vocabulary::low() const { return settings_->low(); }
double Vocabulary::high() const { return settings_->high(); }
bool Vocabulary::symmetric() const { return settings_->symmetric(); }

std::vector<std::string> Vocabulary::userTerms() const {
    std::vector<std::string> names;
    if (const auto* fuzzy = dynamic_cast<const CBasicSettings*>(settings_.get())) {
        for (int i = fuzzy->standardTermCount(); i < static_cast<int>(fuzzy->terms().size()); ++i) {
            names.push_back(fuzzy->terms()[static_cast<std::size_t>(i)].shortName);
        }
    }
    return names;
}

Expression Vocabulary::expression(std::string_view text) const {
    return Expression(settings_, std::string(text), discretization_, inputs_);
}

std::string Vocabulary::perceive(double value, HedgeMode mode) const {
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(settings_.get());
    if (linguistic == nullptr) throw Error("perception needs a linguistic vocabulary, not " + kind_);
    if (!std::isfinite(value)) throw Error("the value to perceive is not a finite number");
    CLingTerm term;
    linguistic->perceive(value, term, perceptionMode(mode));
    return term.abbreviated();
}

std::string Vocabulary::applyWord(std::string_view expression, std::string_view word) const {
    const auto* fuzzy = dynamic_cast<const CBasicSettings*>(settings_.get());
    if (fuzzy == nullptr) throw Error("a " + kind_ + " vocabulary has no words to apply");
    return zorv::applyWord(*fuzzy, expression, word);
}

std::partial_ordering Vocabulary::compareExpressions(std::string_view a, std::string_view b) const {
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(settings_.get());
    if (linguistic == nullptr) throw Error("sorting expressions needs a linguistic vocabulary, not " + kind_);
    // Identical texts are equivalent, though the text comparison the engine falls back on calls them
    // unordered (one ends first).
    if (a == b && !linguistic->checkSyntax(a)) return std::partial_ordering::equivalent;
    // 1: a sorts before b; 0: it does not (b may sort before a, or neither); -1: no order.
    switch (linguistic->compareExpressions(a, b)) {
        case 1:
            return std::partial_ordering::less;
        case 0:
            return linguistic->compareExpressions(b, a) == 1 ? std::partial_ordering::greater
                                                             : std::partial_ordering::equivalent;
        default:
            return std::partial_ordering::unordered;
    }
}

std::string Vocabulary::normalize(std::string_view text) const {
    const auto* fuzzy = dynamic_cast<const CBasicSettings*>(settings_.get());
    if (fuzzy == nullptr) throw Error("a " + kind_ + " vocabulary has no words to normalise");
    try {
        return fuzzy->normalize(text);
    } catch (const ESyntax& error) {
        throw SyntaxErrors::ofExpression(error, text);
    }
}

}  // namespace zorv
