#include "app/core/evaluation/CompiledEvaluatorSource.h"

#include <algorithm>
#include <stdexcept>

#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"
#include "inference/filter/FTInferenceFilter.h"

namespace zorv {

namespace {

class CompiledPointEvaluator final : public PointEvaluator {
public:
    CompiledPointEvaluator(std::shared_ptr<const CompiledRuleBase> compiled,
                           std::shared_ptr<const FTInferenceFilter> filter)
        : compiled_(std::move(compiled)), filter_(std::move(filter)), workspace_(*compiled_) {}

    double Evaluate(std::span<const double> inputs) override {
        if (inputs.size() != static_cast<std::size_t>(compiled_->antecedentCount())) {
            throw std::invalid_argument("The rule base's input variables changed during the computation.");
        }
        return filter_ ? filter_->Evaluate(inputs) : compiled_->evaluate(inputs, workspace_);
    }
    void StopWhen(std::stop_token stop) override { workspace_.stop = std::move(stop); }

private:
    std::shared_ptr<const CompiledRuleBase> compiled_;
    std::shared_ptr<const FTInferenceFilter> filter_;
    Workspace workspace_;
};

}  // namespace

CompiledEvaluatorSource::CompiledEvaluatorSource(std::shared_ptr<const CompiledRuleBase> compiled,
                                                 std::shared_ptr<const FTInferenceFilter> filter, int concurrency)
    : compiled_(std::move(compiled)), filter_(std::move(filter)), concurrency_(std::max(1, concurrency)) {}

std::unique_ptr<PointEvaluator> CompiledEvaluatorSource::NewEvaluator() const {
    return std::make_unique<CompiledPointEvaluator>(compiled_, filter_);
}

}  // namespace zorv
