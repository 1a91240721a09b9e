#include "cli/TuneArguments.h"

#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/JobsOption.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

constexpr std::int64_t kMostEvaluations = 100'000'000;

TuningScope ReadScope(const std::string& option, const std::string& text) {
    std::string problem;
    const auto scope = TuningScope::Parse(text, problem);
    if (!scope) throw CliError::usage(option + ": " + problem);
    return *scope;
}

// "NAME,NAME,...": variable names hold no comma.
void ReadFixed(const std::string& text, std::set<std::string>& fixed) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = text.find(',', from);
        fixed.insert(text.substr(from, comma == std::string::npos ? comma : comma - from));
        if (comma == std::string::npos) return;
        from = comma + 1;
    }
}

// "SHARE" for every parameter, or "NAME=LOW:HIGH" for one.
void ReadBounds(const std::string& option, const std::string& text, TuningOptions& options) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string::npos) {
        const auto share = NumberText::parseReal(text);
        if (!share || !(*share > 0.0 && *share < TuningOptions::kMaxShare)) {
            throw CliError::usage(option + ": '" + text + "' is neither a share between 0 and 0.5 nor NAME=LOW:HIGH");
        }
        options.share = *share;
        return;
    }
    const std::string interval = text.substr(equals + 1);
    const std::size_t colon = interval.find(':', 1);
    const auto lower = NumberText::parseReal(interval.substr(0, colon));
    const auto upper = colon == std::string::npos ? std::nullopt : NumberText::parseReal(interval.substr(colon + 1));
    if (!lower || !upper || *lower > *upper) {
        throw CliError::usage(option + ": '" + interval + "' is not an interval LOW:HIGH");
    }
    options.bounds.push_back({text.substr(0, equals), *lower, *upper});
}

double ReadShare(ArgumentCursor& cursor, const std::string& option) {
    const double share = cursor.real(option);
    if (share < 0.0 || share >= 1.0) throw CliError::usage(option + ": the share must lie in [0, 1)");
    return share;
}

int ReadBudget(ArgumentCursor& cursor, const std::string& option) {
    const std::int64_t budget = cursor.integer(option);
    if (budget < 1 || budget > kMostEvaluations) {
        throw CliError::usage(option + ": the budget must lie between 1 and " + std::to_string(kMostEvaluations));
    }
    return static_cast<int>(budget);
}

double ReadSeconds(ArgumentCursor& cursor, const std::string& option) {
    const double seconds = cursor.real(option);
    if (!(seconds > 0.0)) throw CliError::usage(option + ": the time must be more than 0 seconds");
    return seconds;
}

std::uint64_t ReadSeed(ArgumentCursor& cursor, const std::string& option) {
    const std::int64_t seed = cursor.integer(option);
    if (seed < 0) throw CliError::usage(option + ": the seed must not be negative");
    return static_cast<std::uint64_t>(seed);
}

bool ReadOption(const std::string& arg, ArgumentCursor& cursor, TuneArguments& a) {
    TuningOptions& o = a.options;
    if (arg == "-o" || arg == "--output") {
        a.output = cursor.value(arg);
    } else if (arg == "--tune") {
        o.scope = ReadScope(arg, cursor.value(arg));
    } else if (arg == "--fix") {
        ReadFixed(cursor.value(arg), o.fixed);
    } else if (arg == "--bounds") {
        ReadBounds(arg, cursor.value(arg), o);
    } else if (arg == "--objective") {
        const std::string& name = cursor.value(arg);
        const auto measure = ErrorMeasure::Named(name);
        if (!measure) throw CliError::usage(arg + ": '" + name + "' is none of rmse, mae, max");
        o.measure = *measure;
    } else if (arg == "--budget") {
        o.limits.evaluations = ReadBudget(cursor, arg);
    } else if (arg == "--time") {
        o.limits.seconds = ReadSeconds(cursor, arg);
    } else if (arg == "--seed") {
        o.limits.seed = ReadSeed(cursor, arg);
    } else if (arg == "--validate") {
        o.holdOut = ReadShare(cursor, arg);
    } else if (arg == "--save-on-interrupt") {
        a.saveOnInterrupt = true;
    } else if (arg == "-j" || arg == "--jobs") {
        o.jobs = readJobs(cursor, arg);
    } else {
        return false;
    }
    return true;
}

}  // namespace

TuneArguments TuneArguments::Parse(const std::vector<std::string>& args) {
    TuneArguments parsed;
    const std::vector<std::string> files = scanArguments(
        args, [&parsed](const std::string& arg, ArgumentCursor& cursor) { return ReadOption(arg, cursor, parsed); });
    if (files.size() != 2) throw CliError::usage("tune takes a rule base file and a data file");
    if (parsed.saveOnInterrupt && !parsed.output) throw CliError::usage("--save-on-interrupt needs -o OUT.rb");
    parsed.ruleBase = files[0];
    parsed.data = files[1];
    return parsed;
}

}  // namespace zorv::cli
