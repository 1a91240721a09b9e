#include "zorv/Expression.h"

#include "api/SyntaxErrors.h"
#include "fuzzy/expression/EBinaryExpr.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "zorv/Error.h"
#include "zorv/Vocabulary.h"

namespace zorv {

namespace {

// More points than this are refused rather than allocated.
constexpr int kMaxPoints = 1'000'000;

const EBinaryExpr* binary(const ELingExpr& node) {
    return node.kind() == ELingExpr::kBinary ? static_cast<const EBinaryExpr*>(&node) : nullptr;
}

// Operands of one level are combined from left to right, so the connective applied last is the last one
// outside parentheses: down the right side of the tree while the nodes are not parenthesised.
std::optional<Connective> lastConnective(const ELingExpr& root) {
    std::optional<Connective> last;
    for (const EBinaryExpr* node = binary(root); node != nullptr; node = binary(node->right())) {
        last = node->connective() == EBinaryExpr::kAnd ? Connective::conjunction : Connective::disjunction;
        if (node->right().parenthesised) break;
    }
    return last;
}

}  // namespace

Expression::Expression(std::shared_ptr<const CSettings> settings, std::string text, int discretization, int inputs)
    : settings_(std::move(settings)), text_(std::move(text)), discretization_(discretization), inputs_(inputs),
      linear_(settings_->isLinear() != 0) {
    try {
        if (linear_) {
            coefficients_ = static_cast<const CLinCSettings&>(*settings_).parseLinear(text_, inputs);
            canonical_ = text_;
            form_ = "linear";
            return;
        }
        if (const auto error = settings_->checkSyntax(text_)) throw *error;
        static_cast<const CBasicSettings&>(*settings_).evaluate(text_, 2);  // errors only the evaluator finds
        canonical_ = printExpression(*settings_, text_);
        connective_ = lastConnective(*parseExpression(*settings_, text_));
    } catch (const ESyntax& error) {
        throw SyntaxErrors::ofExpression(error, text_);
    }
    CLingTerm descriptor;
    describeExpression(*settings_, text_, descriptor);
    form_ = descriptor.form();
    if (const int rank = descriptor.specificity(); rank >= 0) specificity_ = rank;
}

double Expression::low() const { return settings_->low(); }
double Expression::high() const { return settings_->high(); }

std::vector<double> Expression::samples() const { return samples(discretization_); }

std::vector<double> Expression::samples(int points) const {
    if (linear_) throw Error("a linear expression has no fuzzy set");
    if (points < 1 || points > kMaxPoints) {
        throw Error("points must lie between 1 and " + std::to_string(kMaxPoints));
    }
    try {
        return static_cast<const CBasicSettings&>(*settings_).evaluate(text_, points).values();
    } catch (const ESyntax& error) {
        throw SyntaxErrors::ofExpression(error, text_);
    }
}

Vocabulary Expression::vocabulary() const { return Vocabulary(settings_, discretization_, inputs_); }

std::vector<double> Expression::coefficients() const {
    if (!linear_) throw Error("a fuzzy expression has no coefficients");
    return coefficients_;
}

}  // namespace zorv
