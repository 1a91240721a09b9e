#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "inference/compiled/ChunkRunner.h"

namespace zorv {
class CRuleBase;
class FTInferenceFilter;
}

namespace zorv::cli {

// Evaluates a rule base on every line of an input stream and writes one output per line.
//
// A line holds one value per input variable, separated by blanks or tabs, with "." or "," as the decimal
// mark; it ends with a line feed, a carriage return, or a pair of the two in either order, as in every text
// file the program reads. Values outside a context are clamped to it.
// Numbers are read by NumberText::parseDecimal and written in the shortest form that reads back to the
// same double. A byte-order mark before the first line is skipped. The first bad line (wrong count, not a
// number, too long) stops the run; the outputs of the lines before it are written. A failing output
// stream stops the run too (the caller sees the stream's state).
//
// The input is read in blocks of whole lines; the lines of a block are parsed, evaluated and printed on
// up to `jobs` threads (ChunkRunner: contiguous pieces, each with a workspace of its own, against one
// compiled form) and written in input order, so the output does not depend on the number of jobs and
// the memory used does not depend on the number of lines.
class BatchEvaluator {
public:
    static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

    struct Outcome {
        long long rows = 0;
        long long clamped = 0;  // input values moved into their context
        std::string error;      // empty when every line was evaluated
    };

    // filtered: evaluate through the unit's F-transform filter (built first when it is not current; ERefused
    // when it cannot be). jobs: the most threads to use, 0 for every core.
    explicit BatchEvaluator(CRuleBase& unit, bool filtered = false, int jobs = 0);
    ~BatchEvaluator();

    Outcome run(std::istream& in, std::ostream& out);

private:
    struct Piece;

    // Finds the complete lines at the start of text (the last one may end with the text when it is the end
    // of the input) into lineStarts_, and returns the length they take, line breaks included.
    std::size_t splitLines(std::string_view text, bool atEnd);
    std::size_t splitAtLineFeeds(std::string_view text, bool atEnd);
    // Evaluates the lines splitLines found in text.
    void evaluateBlock(std::string_view text);
    void evaluatePiece(std::string_view text, const ChunkRunner::Piece& range, Workspace& ws, Piece& piece) const;
    bool parseLine(std::string_view line, std::vector<double>& inputs, Piece& piece) const;
    // Writes the pieces' outputs in order, up to the first bad line; false when there was one or the
    // output failed.
    bool writeBlock(std::ostream& out, Outcome& outcome);
    std::string lineError(long long line, const std::string& message) const;

    std::shared_ptr<const FTInferenceFilter> filter_;
    ChunkRunner runner_;
    std::vector<double> low_;
    std::vector<double> high_;
    std::vector<std::size_t> lineStarts_;  // of the block being evaluated, and its end
    std::vector<Piece> pieces_;
};

}  // namespace zorv::cli
