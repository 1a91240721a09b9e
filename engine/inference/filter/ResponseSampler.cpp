#include "inference/filter/ResponseSampler.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <optional>
#include <thread>

#include "inference/filter/FilterSampleGrid.h"
#include "inference/filter/UnitReplica.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

constexpr std::int64_t kBlock = 512;  // points between two progress updates

struct Share {
    std::int64_t begin = 0;
    std::int64_t end = 0;
};

// Evaluates the points [begin, end) of the grid on one unit, counting them into done by blocks.
class ShareEvaluator {
public:
    ShareEvaluator(CRuleBase& unit, const FilterSampleGrid& grid, std::vector<double>& responses)
        : unit_(unit), grid_(grid), responses_(responses), point_(static_cast<std::size_t>(grid.dimensions())) {}

    double at(std::int64_t index) {
        grid_.point(index, point_);
        return unit_.Evaluate(point_.data());
    }

    template <class AfterBlock>
    void run(Share share, AfterBlock&& afterBlock) {
        for (std::int64_t from = share.begin; from < share.end; from += kBlock) {
            const std::int64_t to = std::min(share.end, from + kBlock);
            for (std::int64_t i = from; i < to; ++i) responses_[static_cast<std::size_t>(i)] = at(i);
            afterBlock(to - from);
        }
    }

private:
    CRuleBase& unit_;
    const FilterSampleGrid& grid_;
    std::vector<double>& responses_;
    std::vector<double> point_;
};

// Bitwise equality, so that NaN answers compare equal to themselves.
bool sameAnswer(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// One helper thread: makes its copy of the unit and evaluates its share on it.
struct Helper {
    Share share;
    double expectedFirst = 0.0;  // the unit's own answer at the share's first point
    bool succeeded = false;
    std::jthread thread;

    void start(const UnitReplica& replica, const FilterSampleGrid& grid, std::vector<double>& responses,
               std::atomic<std::int64_t>& done) {
        thread = std::jthread([this, &replica, &grid, &responses, &done] {
            try {
                const auto copy = replica.make();
                if (!copy) return;
                ShareEvaluator(*copy, grid, responses).run(share, [&done](std::int64_t n) { done += n; });
                succeeded = sameAnswer(responses[static_cast<std::size_t>(share.begin)], expectedFirst);
            } catch (...) {
                succeeded = false;
            }
        });
    }
};

}  // namespace

ResponseSampler::ResponseSampler(int threads)
    : threads_(threads > 0 ? threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {}

int ResponseSampler::threadsFor(std::int64_t points) const {
    const std::int64_t useful = std::max<std::int64_t>(1, points / kMinPointsPerThread);
    return static_cast<int>(std::min<std::int64_t>(threads_, useful));
}

std::vector<double> ResponseSampler::sample(CRuleBase& unit, const FilterSampleGrid& grid,
                                            const Progress& progress) const {
    const double count = grid.pointCount();
    const auto points = count > static_cast<double>(INT_MAX) ? std::int64_t{INT_MAX} : static_cast<std::int64_t>(count);
    std::vector<double> responses(static_cast<std::size_t>(points), 0.0);
    if (points == 0) return responses;
    ProgressReporter reporter(progress, static_cast<int>(points));
    ShareEvaluator own(unit, grid, responses);

    const int threads = threadsFor(points);
    std::optional<UnitReplica> replica = threads > 1 ? UnitReplica::capture(unit) : std::nullopt;
    const int helperCount = replica ? threads - 1 : 0;
    std::atomic<std::int64_t> done{0};
    // Declared last: should the unit throw, the helpers are joined before what they use goes away.
    std::vector<Helper> helpers(static_cast<std::size_t>(helperCount));
    for (int t = 0; t < helperCount; ++t) {
        Helper& helper = helpers[static_cast<std::size_t>(t)];
        helper.share = {points * t / threads, points * (t + 1) / threads};
        helper.expectedFirst = own.at(helper.share.begin);
        helper.start(*replica, grid, responses, done);
    }

    // The calling thread takes the last share; helpers that failed leave theirs to it afterwards.
    own.run({points * helperCount / threads, points},
            [&](std::int64_t n) { reporter.advance(static_cast<int>(done += n)); });
    for (Helper& helper : helpers) helper.thread.join();
    // A share is redone on the unit when its copy failed or answered differently; progress stays as counted.
    for (const Helper& helper : helpers) {
        if (!helper.succeeded) own.run(helper.share, [](std::int64_t) {});
    }
    if (helperCount > 0) responses.back() = own.at(points - 1);
    reporter.advance(static_cast<int>(points));
    return responses;
}

}  // namespace zorv
