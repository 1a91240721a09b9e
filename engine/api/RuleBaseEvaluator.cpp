#include "api/RuleBaseEvaluator.h"

#include <string>

#include "inference/ERefused.h"
#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "rulebase/CRuleBase.h"
#include "zorv/Error.h"

namespace zorv {

namespace {
// Below this many rows per thread another thread does not pay for its start.
constexpr std::size_t kMinRowsPerThread = 2048;
}  // namespace

RuleBaseEvaluator::RuleBaseEvaluator(CRuleBase& unit) : unit_(unit), inputs_(unit), row_(inputs_.size()) {}

// A type and method that do not go together (a linguistic unit holding the Takagi-Sugeno row, say) are
// refused by the compiled form itself, in the same words as everywhere else.
std::shared_ptr<const CompiledRuleBase> RuleBaseEvaluator::evaluable() const {
    if (unit_.SuccedentCount() == 0) throw Error("the rule base has no output variable");
    std::shared_ptr<const CompiledRuleBase> compiled = unit_.Compiled();
    if (compiled->refusal()) throw Error(*compiled->refusal());
    return compiled;
}

// The smooth defuzzification refuses neighbourhoods that would take too many inferences.
double RuleBaseEvaluator::run(const CompiledRuleBase& compiled, std::span<const double> row, Workspace& ws) const {
    try {
        return compiled.evaluate(row, ws);
    } catch (const ERefused& refused) {
        throw Error(refused.what());
    }
}

double RuleBaseEvaluator::evaluate(std::span<const double> inputs) const {
    const std::lock_guard lock(mutex_);
    const auto compiled = evaluable();
    inputs_.prepare(inputs, row_);
    return run(*compiled, row_, workspace_);
}

// The fired rules and the conclusion are those of the plain inference at the inputs (a smooth
// defuzzification re-runs the inference around them), as the workbench's test window shows them.
Evaluation RuleBaseEvaluator::explain(std::span<const double> inputs) const {
    const std::lock_guard lock(mutex_);
    const auto compiled = evaluable();
    inputs_.prepare(inputs, row_);
    Evaluation result;
    result.value = run(*compiled, row_, workspace_);
    if (compiled->descriptionType() == DescriptionType::linguistic) {
        result.conclusion = workspace_.Conclusion().values();
    }
    const std::span<const std::uint8_t> fired = workspace_.Fired();
    for (std::size_t r = 0; r < fired.size(); ++r) {
        if (fired[r] != 0) result.firedRules.push_back(r);
    }
    return result;
}

void RuleBaseEvaluator::evaluateRows(std::span<const double> rows, std::span<double> out, int jobs) const {
    const std::size_t n = inputCount();
    if (rows.size() != out.size() * n) {
        throw ShapeError(std::to_string(rows.size()) + " input value(s) do not make " + std::to_string(out.size()) +
                    " row(s) of " + std::to_string(n));
    }
    std::shared_ptr<const CompiledRuleBase> compiled;
    {
        const std::lock_guard lock(mutex_);
        compiled = evaluable();
    }
    ChunkRunner runner(compiled, jobs);
    runner.run(
        out.size(),
        [&](const ChunkRunner::Piece& piece, Workspace& ws) {
            std::vector<double> row(n);
            for (std::size_t i = piece.begin; i < piece.end; ++i) {
                try {
                    inputs_.prepare(rows.subspan(i * n, n), row);
                    out[i] = run(*compiled, row, ws);
                } catch (const Error& error) {
                    throw Error("row " + std::to_string(i) + ": " + error.what());
                }
            }
        },
        kMinRowsPerThread);
}

}  // namespace zorv
