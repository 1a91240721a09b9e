#include "cli/BatchEvaluator.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "io/TextInput.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A number filling [begin, end).
bool readNumber(const char* begin, const char* end, double& value) {
    const auto number = NumberText::parseDecimal(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    if (!number) {
        return false;
    }
    value = *number;
    return true;
}

std::string shown(std::string_view token) {
    constexpr std::size_t kShown = 40;
    return token.size() > kShown ? std::string(token.substr(0, kShown)) + "..." : std::string(token);
}

}  // namespace

BatchEvaluator::BatchEvaluator(CRuleBase& unit, bool filtered)
    : unit_(unit),
      filtered_(filtered),
      inputs_(static_cast<std::size_t>(unit.AntecedentCount())),
      output_(kChunkBytes + NumberText::kMaxShortest) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        low_.push_back(unit.ContextLow(k));
        high_.push_back(unit.ContextHigh(k));
    }
}

BatchEvaluator::Outcome BatchEvaluator::run(std::istream& in, std::ostream& out) {
    Outcome outcome;
    std::vector<char> buffer(kChunkBytes + kMaxLineBytes + 1);
    std::size_t have = 0;
    bool first = true;
    for (;;) {
        in.read(buffer.data() + have, static_cast<std::streamsize>(kChunkBytes));
        const auto got = static_cast<std::size_t>(in.gcount());
        have += got;
        const bool atEnd = got == 0;
        // A byte-order mark before the first line is no part of it.
        std::size_t start =
            first && std::string_view(buffer.data(), have).starts_with(TextInput::kByteOrderMark) ? 3 : 0;
        first = false;
        for (;;) {
            const void* found = std::memchr(buffer.data() + start, '\n', have - start);
            const std::size_t stop = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data())
                                           : (atEnd && start < have ? have : std::string_view::npos);
            if (stop == std::string_view::npos) {
                break;
            }
            if (!evaluateLine(std::string_view(buffer.data() + start, stop - start), outcome)) {
                flush(out);
                return outcome;
            }
            start = std::min(stop + 1, have);
            if (outputSize_ >= kChunkBytes && !flush(out)) {
                return outcome;  // the output failed (a full disk): evaluating on would be lost work
            }
        }
        if (atEnd) {
            break;
        }
        have -= start;
        if (have > kMaxLineBytes) {
            outcome.error = lineError(outcome.rows + 1, "longer than " + std::to_string(kMaxLineBytes) + " bytes");
            break;
        }
        std::memmove(buffer.data(), buffer.data() + start, have);
    }
    flush(out);
    if (in.bad() && outcome.error.empty()) {
        outcome.error = "read error after line " + std::to_string(outcome.rows);
    }
    return outcome;
}

bool BatchEvaluator::evaluateLine(std::string_view line, Outcome& outcome) {
    if (line.size() > kMaxLineBytes) {
        outcome.error = lineError(outcome.rows + 1, "longer than " + std::to_string(kMaxLineBytes) + " bytes");
        return false;
    }
    if (!parseLine(line, outcome)) {
        return false;
    }
    try {
        appendOutput(filtered_ ? unit_.EvaluateFiltered(inputs_.data()) : unit_.Evaluate(inputs_.data()));
    } catch (const std::exception& refused) {
        outcome.error = lineError(outcome.rows + 1, refused.what());
        return false;
    }
    ++outcome.rows;
    return true;
}

bool BatchEvaluator::parseLine(std::string_view line, Outcome& outcome) {
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
        if (count < inputs_.size()) {
            if (!readNumber(token, p, value)) {
                std::string message(1, '\'');
                message += shown(std::string_view(token, static_cast<std::size_t>(p - token)));
                message += "' is not a finite number";
                outcome.error = lineError(outcome.rows + 1, message);
                return false;
            }
            const double clamped = std::clamp(value, low_[count], high_[count]);
            outcome.clamped += clamped != value ? 1 : 0;
            inputs_[count] = clamped;
        }
        ++count;
    }
    if (count != inputs_.size()) {
        outcome.error = lineError(outcome.rows + 1, "expected " + std::to_string(inputs_.size()) + " input values, found " +
                                                        std::to_string(count));
        return false;
    }
    return true;
}

void BatchEvaluator::appendOutput(double value) {
    char* const at = output_.data() + outputSize_;
    char* const end = NumberText::writeShortest(at, at + NumberText::kMaxShortest - 1, value);
    *end = '\n';
    outputSize_ = static_cast<std::size_t>(end + 1 - output_.data());
}

bool BatchEvaluator::flush(std::ostream& out) {
    out.write(output_.data(), static_cast<std::streamsize>(outputSize_));
    outputSize_ = 0;
    return static_cast<bool>(out.flush());
}

std::string BatchEvaluator::lineError(long long line, const std::string& message) const {
    return "line " + std::to_string(line) + ": " + message;
}

}  // namespace zorv::cli
