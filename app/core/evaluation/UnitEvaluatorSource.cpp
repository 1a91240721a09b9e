#include "app/core/evaluation/UnitEvaluatorSource.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

class UnitPointEvaluator final : public PointEvaluator {
public:
    UnitPointEvaluator(CRuleBase& unit, UnitResponse response)
        : unit_(unit), response_(response), inputs_(unit.InputBuffer()), fired_(unit.Fired()),
          firedCount_(unit.FiredCount()) {}

    ~UnitPointEvaluator() override {
        unit_.InputBuffer() = std::move(inputs_);
        unit_.Fired() = std::move(fired_);
        unit_.SetFiredCount(firedCount_);
    }
    UnitPointEvaluator(const UnitPointEvaluator&) = delete;
    UnitPointEvaluator& operator=(const UnitPointEvaluator&) = delete;

    double Evaluate(std::span<const double> inputs) override {
        if (inputs.size() != static_cast<std::size_t>(unit_.AntecedentCount())) {
            throw std::invalid_argument("The rule base's input variables changed during the computation.");
        }
        return response_ == UnitResponse::Filtered ? unit_.EvaluateFiltered(inputs.data())
                                                   : unit_.Evaluate(inputs.data());
    }

private:
    CRuleBase& unit_;
    UnitResponse response_;
    std::vector<double> inputs_;
    std::vector<std::uint8_t> fired_;
    int firedCount_;
};

}  // namespace

std::unique_ptr<PointEvaluator> UnitEvaluatorSource::NewEvaluator() const {
    return std::make_unique<UnitPointEvaluator>(unit_, response_);
}

}  // namespace zorv
