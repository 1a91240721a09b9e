// One compiled rule base evaluated from several threads at once, each with its own workspace, must answer
// exactly as one thread does: every inference method, the defuzzifiers and the smooth defuzzification.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "tests/support/TestUnits.h"

namespace zorv::test {

namespace {

struct Answers {
    std::vector<double> values;
    std::vector<std::uint8_t> fired;  // the fired flags after every evaluation, one row per input
};

Answers EvaluateAll(const CompiledRuleBase& compiled, const std::vector<double>& inputs) {
    Workspace ws(compiled);
    Answers answers;
    const std::size_t n = static_cast<std::size_t>(compiled.antecedentCount());
    for (std::size_t i = 0; i + n <= inputs.size(); i += n) {
        answers.values.push_back(compiled.evaluate(std::span(inputs).subspan(i, n), ws));
        answers.fired.insert(answers.fired.end(), ws.Fired().begin(), ws.Fired().end());
    }
    return answers;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

std::unique_ptr<CRuleBase> TwoInputUnit() {
    const char* words[] = {"ve sm", "me", "bi"};
    std::vector<RuleRow> rules;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) rules.push_back(Rule({words[i], words[j], words[(i + j) / 2]}, i + j != 3));
    return MakeUnit(DescriptionType::linguistic, {{0.0, 1.0, 61}, {-2.0, 2.0, 41}}, {0.0, 10.0, 81}, rules);
}

std::vector<double> Inputs(int count) {
    std::vector<double> x;
    for (int i = 0; i < count; ++i) {
        x.push_back(-0.1 + 1.2 * i / count);        // a little outside the context at both ends
        x.push_back(2.0 - 4.0 * ((i * 7) % count) / count);
    }
    return x;
}

}  // namespace

TEST(ConcurrentEvaluation, ThreadsSharingACompiledRuleBaseAnswerAsOneThreadDoes) {
    auto unit = TwoInputUnit();
    unit->SetSteps(10);
    const std::vector<double> inputs = Inputs(150);
    for (std::size_t row = 0; row < InferenceMethodTable().size(); ++row) {
        if (InferenceMethodTable()[row].kind == InferenceKind::TakagiSugeno) continue;
        unit->SetInferenceMethod(InferenceMethodTable()[row]);
        for (const auto& defuzzification : DefuzzificationMethodTable()) {
            unit->SetDefuzzificationMethod(defuzzification);
            const auto compiled = unit->Compiled();
            const Answers serial = EvaluateAll(*compiled, inputs);
            std::vector<Answers> parallel(4);
            {
                std::vector<std::jthread> threads;
                for (Answers& answers : parallel)
                    threads.emplace_back([&] { answers = EvaluateAll(*compiled, inputs); });
            }
            for (const Answers& answers : parallel) {
                ASSERT_TRUE(SameBits(answers.values, serial.values))
                    << InferenceMethodTable()[row].shortName << " + " << defuzzification.shortName;
                ASSERT_EQ(answers.fired, serial.fired);
            }
        }
    }
}

TEST(ConcurrentEvaluation, ACompiledRuleBaseOutlivesItsDocument) {
    auto unit = MakeUnit(DescriptionType::singleton, {{0.0, 1.0, 101, Vocabulary::Triang}},
                         {0.0, 10.0, 101, Vocabulary::Linear}, {Rule({"sm", "2"}), Rule({"bi", "8"})});
    const auto compiled = unit->Compiled();
    const std::vector<double> inputs = {0.0, 0.25, 0.5, 0.9};
    std::vector<double> before;
    for (const double x : inputs) before.push_back(unit->Evaluate(&x));
    unit->SetRules(std::vector<RuleRow>{Rule({"sm", "5"})});
    EXPECT_NE(unit->Compiled(), compiled);
    unit.reset();
    Workspace ws(*compiled);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        EXPECT_EQ(compiled->evaluate(std::span(&inputs[i], 1), ws), before[i]);
}

}  // namespace zorv::test
