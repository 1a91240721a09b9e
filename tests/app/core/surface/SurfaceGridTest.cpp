// The surface and projection points, their computation in chunks on any number of threads, and the
// surface window's variable choice.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/evaluation/BatchRunner.h"
#include "app/core/evaluation/CompiledEvaluatorSource.h"
#include "app/core/testwindow/ProjectionCurve.h"
#include "app/core/surface/SurfaceChoice.h"
#include "app/core/surface/SurfaceGrid.h"
#include "app/core/evaluation/UnitEvaluatorSource.h"
#include "inference/DefuzzificationMethodTable.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv {
namespace {

std::string Example(const char* name) { return std::string(ZORV_SOURCE_DIR) + "/examples/" + name; }

// Three inputs on different contexts; the output follows the sum of the inputs.
std::unique_ptr<CRuleBase> ThreeInputs() {
    test::RuleBaseTextBuilder b;
    b.input({"a", 0, 10}).input({"b", -5, 5}).input({"c", 0, 1}).output({"y", 0, 3});
    b.rule({"sm", "sm", "sm", "sm"}).rule({"bi", "bi", "bi", "bi"}).rule({"me", "me", "sm", "me"});
    return b.load();
}

// Hands every thread a rule base of its own, read from the same file, and at most four at once.
class FileSource final : public EvaluatorSource {
public:
    explicit FileSource(std::string path) : path_(std::move(path)) {}
    int Concurrency() const override { return 4; }
    std::unique_ptr<PointEvaluator> NewEvaluator() const override {
        struct Own final : PointEvaluator {
            std::unique_ptr<CRuleBase> unit;
            double Evaluate(std::span<const double> inputs) override { return unit->Evaluate(inputs.data()); }
        };
        auto evaluator = std::make_unique<Own>();
        evaluator->unit = CRuleBase::Load(path_);
        return evaluator;
    }

private:
    std::string path_;
};

// Fails at one point.
class FailingAt final : public PointEvaluator {
public:
    explicit FailingAt(double x) : x_(x) {}
    double Evaluate(std::span<const double> inputs) override {
        if (inputs[0] == x_) throw std::runtime_error("refused at " + std::to_string(x_));
        return inputs[0];
    }

private:
    double x_;
};

std::vector<double> Computed(CRuleBase& unit, PointBatch batch, UnitResponse response = UnitResponse::Plain) {
    BatchRun run(std::move(batch), 7);
    BatchRunner::Run(run, UnitEvaluatorSource(unit, response));
    EXPECT_TRUE(run.Complete());
    return run.Batch().Outputs();
}

TEST(SurfaceGrid, PointsRunOverBothContextsWithTheOtherInputsKept) {
    const auto unit = ThreeInputs();
    const SurfaceGrid grid(*unit, 2, 0, 10, {1.5, -2.0, 0.25});
    const PointBatch points = grid.Points();
    ASSERT_EQ(points.Size(), 100u);
    for (const auto& [index, expected] : std::vector<std::pair<std::size_t, std::vector<double>>>{
             {0, {0.0, -2.0, 0.0}}, {1, {0.0, -2.0, 1.0 / 9}}, {10, {10.0 / 9, -2.0, 0.0}}, {99, {10.0, -2.0, 1.0}}}) {
        const auto p = points.Point(index);
        for (std::size_t k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(p[k], expected[k]) << index << " " << k;
    }
    EXPECT_THROW(SurfaceGrid(*unit, 1, 1, 10, {0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(SurfaceGrid(*unit, 0, 3, 10, {0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(SurfaceGrid(*unit, 0, 1, 1, {0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(SurfaceGrid(*unit, 0, 1, 10, {0, 0}), std::invalid_argument);
}

TEST(SurfaceGrid, NetHoldsTheResponseScaledToTheAxesBox) {
    for (const char* file : {"heater.rb", "fan.rb"}) {  // fan.rb is singleton: its crisp inference result
        const auto unit = CRuleBase::Load(Example(file));
        const double low = unit->ContextLow(-1), high = unit->ContextHigh(-1);
        const SurfaceGrid grid(*unit, 1, 0, 12, {unit->ContextLow(0), unit->ContextLow(1)});
        PointBatch batch = grid.Points();
        const std::vector<double> outputs = Computed(*unit, grid.Points());
        for (std::size_t i = 0; i < outputs.size(); ++i) batch.SetOutput(i, outputs[i]);
        const Net3d net = grid.Net(batch);
        ASSERT_EQ(net.Rows(), 12);
        std::vector<double> at(batch.Point(37).begin(), batch.Point(37).end());
        EXPECT_EQ(outputs[37], unit->Evaluate(at.data())) << file;
        const Vector3d p = net.At(3, 1);  // point 37: row 3 (variable 2 = input 0), column 1 (input 1)
        EXPECT_DOUBLE_EQ(p.x, SurfaceGrid::Scaled(at[1], unit->ContextLow(1), unit->ContextHigh(1)));
        EXPECT_DOUBLE_EQ(p.y, SurfaceGrid::Scaled(at[0], unit->ContextLow(0), unit->ContextHigh(0)));
        EXPECT_DOUBLE_EQ(p.z, SurfaceGrid::Scaled(outputs[37], low, high));
        EXPECT_EQ(net.At(11, 11).x, 1.0);
        EXPECT_EQ(net.At(0, 0).y, -1.0);
    }
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value, low, high, expected;
    };
    for (const Case& k : {Case{5, 0, 10, 0}, Case{7.5, 5, 10, 0}, Case{12, 0, 10, 1}, Case{-inf, 0, 10, -1},
                          Case{inf, 0, 10, 1}, Case{std::nan(""), 0, 10, 0}, Case{3, 3, 3, 0}}) {
        EXPECT_EQ(SurfaceGrid::Scaled(k.value, k.low, k.high), k.expected) << k.value;
    }
}

TEST(ProjectionCurve, HasStepsPlusOnePointsEndingOnTheHighBound) {
    const auto unit = ThreeInputs();
    for (const auto& [steps, count] : std::vector<std::pair<int, std::size_t>>{{-3, 2}, {0, 2}, {1, 2}, {25, 26}, {7, 8}}) {
        const ProjectionCurve curve(*unit, 1, steps, {1, 0, 0.5});
        const PointBatch points = curve.Points();
        ASSERT_EQ(points.Size(), count) << steps;
        EXPECT_EQ(points.Point(0)[1], -5.0);
        EXPECT_EQ(points.Point(count - 1)[1], 5.0);
        EXPECT_EQ(points.Point(count - 1)[0], 1.0);
    }
    EXPECT_THROW(ProjectionCurve(*unit, 0, ProjectionCurve::kMaxSteps + 1, {1, 0, 0}), std::invalid_argument);
}

TEST(ProjectionCurve, GoesThroughTheFilterWhenItIsSwitchedOn) {
    const auto unit = CRuleBase::Load(Example("heater.rb"));
    const ProjectionCurve curve(*unit, 0, 5, {20, 0});
    EXPECT_EQ(ProjectionCurve::Response(*unit), UnitResponse::Plain);
    unit->SetUseFuzzyFilter(true);
    ASSERT_EQ(ProjectionCurve::Response(*unit), UnitResponse::Filtered);
    const std::vector<double> filtered = Computed(*unit, curve.Points(), ProjectionCurve::Response(*unit));
    const double at[] = {curve.Axis().Value(2), 0};
    EXPECT_EQ(filtered[2], unit->EvaluateFiltered(at));
    EXPECT_NE(filtered[2], unit->Evaluate(at));
}

TEST(BatchRun, ThreadsGiveTheForegroundResult) {
    const auto unit = CRuleBase::Load(Example("heater.rb"));
    const SurfaceGrid grid(*unit, 0, 1, 30, {20, 0});
    const std::vector<double> serial = Computed(*unit, grid.Points());

    BatchRun threaded(grid.Points(), 3);
    int reports = 0;
    BatchRunner::Run(threaded, FileSource(Example("heater.rb")), [&](int done, int total) {
        EXPECT_LE(done, total);
        ++reports;
    });
    ASSERT_TRUE(threaded.Complete());
    EXPECT_GT(reports, 0);
    EXPECT_EQ(threaded.Batch().Outputs(), serial);
}

TEST(BatchRun, StopsAtTheFirstFailureOrWhenCancelled) {
    BatchRun failing(PointBatch(1, {0, 1, 2, 3, 4, 5}), 2);
    FailingAt evaluator(3);
    failing.Work(evaluator);
    EXPECT_TRUE(failing.Ended());
    EXPECT_FALSE(failing.Complete());
    EXPECT_EQ(failing.Done(), 3u);
    EXPECT_EQ(failing.Failure().value_or(""), "refused at 3.000000");

    BatchRun sliced(PointBatch(1, {0, 1, 2, 3, 4, 5}), 2);
    FailingAt never(-1);
    sliced.WorkFor(never, BatchRun::Clock::duration::zero());
    EXPECT_EQ(sliced.Done(), 2u);  // one chunk per slice at the least
    sliced.Cancel();
    sliced.Work(never);
    EXPECT_EQ(sliced.Done(), 2u);
    EXPECT_TRUE(sliced.Ended());
    EXPECT_FALSE(sliced.Complete());
    EXPECT_FALSE(sliced.Failure());
}

// A smooth evaluation may take seconds: cancelling the run stops the one in progress, and the run ends as
// cancelled, not failed.
TEST(BatchRun, CancellingStopsASmoothEvaluationInProgress) {
    struct CancellingFirst final : PointEvaluator {
        BatchRun* run = nullptr;
        std::unique_ptr<PointEvaluator> inner;
        double Evaluate(std::span<const double> inputs) override {
            run->Cancel();
            return inner->Evaluate(inputs);
        }
        void StopWhen(std::stop_token stop) override { inner->StopWhen(std::move(stop)); }
    };
    auto unit = ThreeInputs();
    unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
    BatchRun run(ProjectionCurve(*unit, 0, 4, {5, 0, 0.5}).Points());
    CancellingFirst evaluator;
    evaluator.run = &run;
    evaluator.inner = CompiledEvaluatorSource(unit->Compiled(), nullptr, 1).NewEvaluator();
    run.Work(evaluator);
    EXPECT_EQ(run.Done(), 0u);
    EXPECT_TRUE(run.Ended());
    EXPECT_FALSE(run.Failure());
}

TEST(SurfaceChoice, ChoosingTheOtherListsVariableMovesThatListByOne) {
    struct Case {
        bool first;  // which list changes
        int index, expectedFirst, expectedSecond;
    };
    SurfaceChoice choice(4);  // starts at 0 and 1
    for (const Case& k : {Case{true, 1, 1, 0}, Case{false, 1, 0, 1}, Case{false, 3, 0, 3}, Case{true, 3, 3, 2},
                          Case{true, 2, 2, 1}, Case{false, 2, 1, 2}}) {
        k.first ? choice.SetFirst(k.index) : choice.SetSecond(k.index);
        EXPECT_EQ(choice.First(), k.expectedFirst);
        EXPECT_EQ(choice.Second(), k.expectedSecond);
    }
    EXPECT_THROW(choice.SetSteps(71), std::out_of_range);
    EXPECT_THROW(choice.SetFirst(4), std::out_of_range);
    EXPECT_THROW(SurfaceChoice(1), std::out_of_range);
}

}  // namespace
}  // namespace zorv
