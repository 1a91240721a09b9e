#include "zorv/Vocabulary.h"

#include <cmath>
#include <cstdio>

#include "api/SyntaxErrors.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "rulebase/CRuleBaseWriter.h"
#include "rulebase/CVariableBlockReader.h"
#include "rulebase/RuleSignMirror.h"
#include "rulebase/SettingsCopy.h"
#include "rulebase/learning/ValueDescriber.h"
#include "text/NumberText.h"
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

std::vector<std::string> Vocabulary::standardTerms() const {
    if (dynamic_cast<const CLinguisticSettings*>(settings_.get()) != nullptr) {
        if (symmetric()) return {"-bi", "-me", "-sm", "ze", "+sm", "+me", "+bi"};
        return {"sm", "me", "bi"};
    }
    std::vector<std::string> names;
    if (const auto* fuzzy = dynamic_cast<const CBasicSettings*>(settings_.get())) {
        for (int i = 0; i < fuzzy->standardTermCount(); ++i) {
            names.push_back(fuzzy->terms()[static_cast<std::size_t>(i)].shortName);
        }
    }
    return names;
}

std::string Vocabulary::perceive(double value, HedgeMode mode, bool userTerms) const {
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(settings_.get());
    if (linguistic == nullptr) throw Error("perception needs a linguistic vocabulary, not " + kind_);
    if (!std::isfinite(value)) throw Error("the value to perceive is not a finite number");
    if (userTerms) return ValueDescriber::perceived(*linguistic, value, perceptionMode(mode)).value_or("");
    CLingTerm term;
    linguistic->perceive(value, term, perceptionMode(mode));
    return term.abbreviated();
}

std::string Vocabulary::invertSign(std::string_view text) const {
    return RuleSignMirror::mirror(*settings_, text, inputs_).value_or(std::string(text));
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

// The first line holds the inputs and the discretization; the rest is the body of a rule base's variable
// block, so that the rule base file's own reader and writer carry the vocabulary exactly.
std::string Vocabulary::state() const {
    const CFuzzyVariable variable("v", CopySettings(*settings_), discretization_);
    return "inputs=" + NumberText::integer(inputs_) + " discretization=" + NumberText::integer(discretization_) +
           "\n" + CRuleBaseWriter::VariableBody(variable);
}

Vocabulary Vocabulary::fromState(std::string_view state) {
    int inputs = 0;
    int discretization = 0;
    const std::size_t lineEnd = state.find('\n');
    const std::string first(state.substr(0, lineEnd));
    if (lineEnd == std::string_view::npos ||
        std::sscanf(first.c_str(), "inputs=%d discretization=%d", &inputs, &discretization) != 2 || inputs < 0 ||
        discretization < 1) {
        throw SyntaxError("not a vocabulary's state", first, 0);
    }
    const bool linear = state.find(" settings=linc") != std::string_view::npos;
    CVariableBlockReader::Context context;
    context.type = linear ? DescriptionType::takagi_sugeno : DescriptionType::linguistic;
    context.antecedent = !linear;
    context.findVariable = [](std::string_view) -> const CFuzzyVariable* { return nullptr; };
    const std::string_view body = state.substr(lineEnd + 1);
    try {
        const CFuzzyVariable variable = CVariableBlockReader(body, 0, body.size()).Read(context);
        return Vocabulary(variable.SharedSettings(), discretization, inputs);
    } catch (const ESyntax& error) {
        throw SyntaxErrors::ofRuleBase(error, body);
    }
}

}  // namespace zorv
