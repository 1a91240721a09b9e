#include "cli/BatchEvaluator.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FTInferenceFilter.h"
#include "io/TextInput.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"
#include "text/TextExcerpt.h"

namespace zorv::cli {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
// Below this many lines per thread another thread does not pay for itself.
constexpr std::size_t kMinLinesPerJob = 2048;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// A number filling [begin, end).
bool readNumber(const char* begin, const char* end, double& value) {
    const auto number = NumberText::parseDecimal(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    if (!number) {
        return false;
    }
    value = *number;
    return true;
}

std::string tooLong() { return "longer than " + std::to_string(BatchEvaluator::kMaxLineBytes) + " bytes"; }

}  // namespace

// What one thread made of its lines of a block: their outputs, and the first bad line that ended it.
struct BatchEvaluator::Piece {
    std::string output;
    std::size_t lines = 0;      // lines evaluated (before the bad one)
    long long clamped = 0;
    bool failed = false;
    std::string error;          // why line `lines` (0-based, in the piece) is bad
};

BatchEvaluator::BatchEvaluator(CRuleBase& unit, bool filtered, int jobs) : runner_(unit.Compiled(), jobs) {
    if (filtered) {
        if (!unit.FilterIsCurrent()) unit.RebuildFilter();
        filter_ = unit.Filter();
    }
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        low_.push_back(unit.ContextLow(k));
        high_.push_back(unit.ContextHigh(k));
    }
}

BatchEvaluator::~BatchEvaluator() = default;

BatchEvaluator::Outcome BatchEvaluator::run(std::istream& in, std::ostream& out) {
    Outcome outcome;
    // Left uninitialised: only what is read is used, and zeroing two megabytes would cost more than a small
    // input's whole run.
    const std::unique_ptr<char[]> storage(new char[kBlockBytes + kMaxLineBytes + 1]);
    char* const buffer = storage.get();
    std::size_t have = 0;
    bool first = true;
    for (;;) {
        in.read(buffer + have, static_cast<std::streamsize>(kBlockBytes));
        const auto got = static_cast<std::size_t>(in.gcount());
        have += got;
        const bool atEnd = got == 0;
        // A byte-order mark before the first line is no part of it.
        if (first && std::string_view(buffer, have).starts_with(TextInput::kByteOrderMark)) {
            have -= TextInput::kByteOrderMark.size();
            std::memmove(buffer, buffer + TextInput::kByteOrderMark.size(), have);
        }
        first = false;
        const std::size_t usable = splitLines(std::string_view(buffer, have), atEnd);
        if (lineStarts_.size() > 1) {
            evaluateBlock(std::string_view(buffer, usable));
            if (!writeBlock(out, outcome)) return outcome;
        }
        if (atEnd) break;
        have -= usable;
        if (have > kMaxLineBytes) {
            outcome.error = lineError(outcome.rows + 1, tooLong());
            break;
        }
        std::memmove(buffer, buffer + usable, have);
    }
    out.flush();
    if (in.bad() && outcome.error.empty()) {
        outcome.error = "read error after line " + std::to_string(outcome.rows);
    }
    return outcome;
}

// A line break is a line feed, a carriage return or a pair of the two in either order; a break at the very
// end of the text read so far may be the first half of a pair, so its line waits for more input.
std::size_t BatchEvaluator::splitLines(std::string_view text, bool atEnd) {
    lineStarts_.clear();
    if (text.find('\r') == std::string_view::npos) return splitAtLineFeeds(text, atEnd);
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (!isLineBreak(c)) {
            ++at;
            continue;
        }
        if (at + 1 == text.size() && !atEnd) break;
        const bool pair = at + 1 < text.size() && isLineBreak(text[at + 1]) && text[at + 1] != c;
        lineStarts_.push_back(start);
        at += pair ? 2 : 1;
        start = at;
    }
    if (atEnd && start < text.size()) {
        lineStarts_.push_back(start);
        start = text.size();
    }
    lineStarts_.push_back(start);
    return start;
}

// Without carriage returns every break is a line feed alone (unless the text ends with it: a carriage return
// may follow in the next read), and a line feed is found fast.
std::size_t BatchEvaluator::splitAtLineFeeds(std::string_view text, bool atEnd) {
    std::size_t start = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', start)) {
        if (at + 1 == text.size() && !atEnd) break;  // a carriage return may follow in the next read
        lineStarts_.push_back(start);
        start = at + 1;
    }
    if (atEnd && start < text.size()) {
        lineStarts_.push_back(start);
        start = text.size();
    }
    lineStarts_.push_back(start);
    return start;
}

void BatchEvaluator::evaluateBlock(std::string_view text) {
    const std::size_t lines = lineStarts_.size() - 1;
    pieces_.resize(static_cast<std::size_t>(runner_.jobs()));
    // Every piece starts empty: a block too short for every thread leaves some pieces out of the run, and
    // they must not write the outputs of an earlier block again.
    for (Piece& piece : pieces_) {
        piece.output.clear();
        piece = Piece{std::move(piece.output), 0, 0, false, {}};
    }
    runner_.run(
        lines,
        [&](const ChunkRunner::Piece& range, Workspace& ws) {
            evaluatePiece(text, range, ws, pieces_[static_cast<std::size_t>(range.index)]);
        },
        kMinLinesPerJob);
}

void BatchEvaluator::evaluatePiece(std::string_view text, const ChunkRunner::Piece& range, Workspace& ws,
                                   Piece& piece) const {
    piece.output.clear();
    std::vector<double> inputs(low_.size());
    char number[NumberText::kMaxShortest];
    const CompiledRuleBase& compiled = runner_.compiled();
    for (std::size_t i = range.begin; i < range.end; ++i) {
        std::string_view line = text.substr(lineStarts_[i], lineStarts_[i + 1] - lineStarts_[i]);
        while (!line.empty() && isLineBreak(line.back())) line.remove_suffix(1);
        if (line.size() > kMaxLineBytes) {
            piece.failed = true;
            piece.error = tooLong();
        } else if (parseLine(line, inputs, piece)) {
            try {
                const double value = filter_ ? filter_->Evaluate(inputs) : compiled.evaluate(inputs, ws);
                char* const end = NumberText::writeShortest(number, number + NumberText::kMaxShortest - 1, value);
                *end = '\n';
                piece.output.append(number, static_cast<std::size_t>(end + 1 - number));
            } catch (const std::exception& refused) {
                piece.failed = true;
                piece.error = refused.what();
            }
        }
        if (piece.failed) return;
        ++piece.lines;
    }
}

bool BatchEvaluator::parseLine(std::string_view line, std::vector<double>& inputs, Piece& piece) const {
    const char* p = line.data();
    const char* const end = p + line.size();
    std::size_t count = 0;
    for (;;) {
        while (p != end && isBlank(*p)) {
            ++p;
        }
        if (p == end) {
            break;
        }
        const char* const token = p;
        while (p != end && !isBlank(*p)) {
            ++p;
        }
        double value = 0.0;
        if (count < inputs.size()) {
            if (!readNumber(token, p, value)) {
                piece.failed = true;
                piece.error.assign(1, '\'');
                piece.error += TextExcerpt::of(std::string_view(token, static_cast<std::size_t>(p - token)));
                piece.error += "' is not a finite number";
                return false;
            }
            const double clamped = std::clamp(value, low_[count], high_[count]);
            piece.clamped += clamped != value ? 1 : 0;
            inputs[count] = clamped;
        }
        ++count;
    }
    if (count != inputs.size()) {
        piece.failed = true;
        piece.error = "expected " + std::to_string(inputs.size()) + " input values, found " + std::to_string(count);
        return false;
    }
    return true;
}

bool BatchEvaluator::writeBlock(std::ostream& out, Outcome& outcome) {
    for (const Piece& piece : pieces_) {
        out.write(piece.output.data(), static_cast<std::streamsize>(piece.output.size()));
        outcome.rows += static_cast<long long>(piece.lines);
        outcome.clamped += piece.clamped;
        if (piece.failed) {
            outcome.error = lineError(outcome.rows + 1, piece.error);
            out.flush();
            return false;
        }
    }
    // A failed output (a full disk) stops the run: evaluating on would be lost work.
    return static_cast<bool>(out.flush());
}

std::string BatchEvaluator::lineError(long long line, const std::string& message) const {
    return "line " + std::to_string(line) + ": " + message;
}

}  // namespace zorv::cli
