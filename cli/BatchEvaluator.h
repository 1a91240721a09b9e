#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// Evaluates a rule base on every line of an input stream and writes one output per line.
//
// A line holds one value per input variable, separated by blanks or tabs (a carriage return counts
// as a blank), with "." or "," as the decimal mark. Values outside a context are clamped to it.
// Numbers are read by NumberText::parseDecimal and written in the shortest form that reads back to
// the same double, into a buffer written out in large blocks: nothing is allocated per line.
// The first bad line (wrong count, not a number, too long) stops the run; the outputs of the lines
// before it are written. A failing output stream stops the run too (the caller sees the stream's state).
class BatchEvaluator {
public:
    static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

    struct Outcome {
        long long rows = 0;
        long long clamped = 0;  // input values moved into their context
        std::string error;      // empty when every line was evaluated
    };

    // filtered: evaluate through the unit's F-transform filter (built first when the unit has none).
    explicit BatchEvaluator(CRuleBase& unit, bool filtered = false);

    Outcome run(std::istream& in, std::ostream& out);

private:
    // Evaluates one line and appends its output; false (with outcome.error) for a bad line.
    bool evaluateLine(std::string_view line, Outcome& outcome);
    bool parseLine(std::string_view line, Outcome& outcome);
    void appendOutput(double value);
    // Writes the buffered outputs; false when the stream failed.
    bool flush(std::ostream& out);
    std::string lineError(long long line, const std::string& message) const;

    CRuleBase& unit_;
    bool filtered_;
    std::vector<double> low_;
    std::vector<double> high_;
    std::vector<double> inputs_;
    std::vector<char> output_;
    std::size_t outputSize_ = 0;
};

}  // namespace zorv::cli
