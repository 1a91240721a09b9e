#include "cli/LearnCommand.h"

#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/DataFileRows.h"
#include "cli/InputNumber.h"
#include "cli/RuleBaseLoader.h"
#include "cli/TerminalProgress.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/EWrite.h"
#include "rulebase/learning/LearningTextRows.h"
#include "rulebase/learning/RuleLearning.h"
#include "rulebase/learning/RulesFile.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "learn rules from a data file (approx or pentatomy)";

constexpr std::string_view kHelp =
    R"(Usage: zorv learn FILE.rb DATA.txt --approx [-o OUT.rb]
       zorv learn FILE.rb DATA.txt --pentatomy [-o OUT.rb]

Learns one rule from every row of the data file, as the Learn commands of the workbench's data
table do, and appends the learned rules to the rules of the rule base:
  --approx     describes every value by the best-fitting user-defined term of its variable; every
               input variable needs user terms
  --pentatomy  first gives every variable the fixed user terms LoMe and UpMe (PosLoMe, NegLoMe,
               PosUpMe and NegUpMe on a symmetric context), replacing its user terms, then
               describes every value by the evaluative expression that fits it best, these terms
               included (linguistic rule bases with linguistic vocabularies only)

DATA.txt holds one row per line: the values of the input variables in the order of the rule base,
then those of the output variables, separated by blanks or tabs, "." or "," as the decimal mark.
Lines before the first line that begins with a number are headers; further values are ignored.
Values outside their variable's context are clamped to it. A row that cannot be read, or a value
that cannot be described, gives no rule. Equal rules are kept as separate rules.

The list of rules (the rule base's rules that have no empty cell, then the learned ones) is
written to DATA.rules (the data file's name with the extension ".rules"): one line per rule, each
expression followed by a tab, then the rule's count (1). Prints "N rules were added." with N the
number of rules learned. A rule whose cells do not compile with the vocabularies after learning
(a rule naming a user term that pentatomy replaced, say) is left out of the rule base, with a note
on standard error; the .rules file still lists it.

The learned rule base is written only to the file named by -o (give FILE.rb itself to change it in
place); without -o only the .rules file is written.

Options:
  -o, --output OUT.rb  write the learned rule base
  -h, --help           shows this text

Exit status:
  0  learned
  1  the rule base file is wrong, learning is refused ("Linguistic settings has not user
     terms.", "x does not contain user defined terms.", a rule base unfit for pentatomy), or
     the data file held a line too long to read (the rows before it are learned)
  2  the command line cannot be understood, or a file cannot be opened or written (the other
     files are written all the same)

Examples:
  zorv learn examples/heater.rb examples/heater.txt --pentatomy -o learned.rb
  zorv learn grid.rb samples.txt --approx
)";

int reportError(std::ostream& err, const CliError& error) {
    err << "error: " << error.what() << '\n';
    if (error.code() == kUsage) err << "Try 'zorv learn --help'.\n";
    return error.code();
}

constexpr std::size_t kDroppedShown = 20;

}  // namespace

std::string_view LearnCommand::summary() const { return kSummary; }
std::string_view LearnCommand::help() const { return kHelp; }

void LearnCommand::setMode(Arguments& arguments, LearningMode mode) {
    if (arguments.mode && *arguments.mode != mode) throw CliError::usage("give only one of --approx and --pentatomy");
    arguments.mode = mode;
}

LearnCommand::Arguments LearnCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const ScannedArguments scanned = scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
        if (arg == "-o" || arg == "--output") {
            parsed.output = cursor.value(arg);
        } else if (arg == "--approx") {
            setMode(parsed, LearningMode::approx);
        } else if (arg == "--pentatomy") {
            setMode(parsed, LearningMode::pentatomy);
        } else {
            return false;
        }
        return true;
    });
    parsed.help = scanned.help;
    if (parsed.help) return parsed;
    const std::vector<std::string>& files = scanned.operands;
    if (files.size() != 2) throw CliError::usage("learn takes a rule base file and a data file");
    if (!parsed.mode) throw CliError::usage("give one of --approx and --pentatomy");
    parsed.ruleBase = files[0];
    parsed.data = files[1];
    return parsed;
}

int LearnCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Arguments arguments = parse(args);
        if (arguments.help) {
            out << kHelp;
            return kSuccess;
        }
        const auto unit = RuleBaseLoader::load(arguments.ruleBase, err);
        const RuleLearning learning(*unit, *arguments.mode);
        if (auto refusal = learning.refusal()) throw CliError::badValue(*refusal);
        DataFileRows data = DataFileRows::read(arguments.data, unit->AntecedentCount() + unit->SuccedentCount());
        int status = kSuccess;
        if (!data.import.reason.empty()) {
            err << "error: " << arguments.data << ": " << data.import.reason << "; the rows before it were learned\n";
            status = kBadInput;
        }
        const LearningOutcome outcome = learn(arguments, learning, LearningTextRows(std::move(data.rows)), *unit, err);
        reportDropped(outcome, err);
        if (!outcome.rulesFileWritten) {
            err << "error: cannot write " << outcome.rulesFile.string() << '\n';
            status = kUsage;
        }
        if (arguments.output) unit->SaveToFile(*arguments.output);
        out << outcome.message() << '\n';
        return status;
    } catch (const RuleBaseSyntaxError& error) {
        err << error.what() << '\n';
        return error.code();
    } catch (const CliError& error) {
        return reportError(err, error);
    } catch (const EWrite& error) {
        return reportError(err, CliError::usage(error.what()));
    }
}

LearningOutcome LearnCommand::learn(const Arguments& arguments, const RuleLearning& learning,
                                    const LearningRows& rows, const CRuleBase& unit, std::ostream& err) {
    const std::vector<RuleRow> grid = unit.Rules();
    TerminalProgress progress(err, "Learning");
    return learning.run(grid, rows, RulesFile::pathFor(arguments.data, arguments.ruleBase), progress.callback());
}

void LearnCommand::reportDropped(const LearningOutcome& outcome, std::ostream& err) {
    for (std::size_t i = 0; i < outcome.dropped.size() && i < kDroppedShown; ++i) {
        err << "note: " << outcome.dropped[i] << '\n';
    }
    if (outcome.dropped.size() > kDroppedShown) {
        err << "note: " << outcome.dropped.size() - kDroppedShown << " more rules were left out\n";
    }
}

}  // namespace zorv::cli
