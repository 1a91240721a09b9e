#include "cli/LearnCommand.h"

#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/CommandFiles.h"
#include "cli/DataFileRows.h"
#include "cli/RuleBaseLoader.h"
#include "cli/TerminalProgress.h"
#include "rulebase/CRuleBase.h"
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
place); without -o only the .rules file is written. Nothing is written when the .rules file or OUT.rb
would replace the data file, or the .rules file the rule base file (a data file named DATA.rules).

Options:
  -o, --output OUT.rb  write the learned rule base
  -h, --help           shows this text

Exit status:
  0  learned
  1  the rule base file is wrong, learning is refused ("Linguistic settings has not user
     terms.", "x does not contain user defined terms.", a rule base unfit for pentatomy), or
     the data file held a line too long to read (the rows before it are learned)
  2  the command line cannot be understood, an output would replace an input, or a file cannot
     be opened or written (the other files are written all the same)

Examples:
  zorv learn examples/heater.rb examples/heater.txt --pentatomy -o learned.rb
  zorv learn grid.rb samples.txt --approx
)";

constexpr std::size_t kDroppedShown = 20;

}  // namespace

LearnCommand::LearnCommand() : Command("learn", kSummary, kHelp) {}

void LearnCommand::setMode(Arguments& arguments, LearningMode mode) {
    if (arguments.mode && *arguments.mode != mode) throw CliError::usage("give only one of --approx and --pentatomy");
    arguments.mode = mode;
}

LearnCommand::Arguments LearnCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const std::vector<std::string> files =
        scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
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
    if (files.size() != 2) throw CliError::usage("learn takes a rule base file and a data file");
    if (!parsed.mode) throw CliError::usage("give one of --approx and --pentatomy");
    parsed.ruleBase = files[0];
    parsed.data = files[1];
    return parsed;
}

int LearnCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    const auto unit = RuleBaseLoader::load(arguments.ruleBase, err);
    refuseOverwritingInputs(arguments);
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
    if (outcome.rulesFileProblem) {
        err << "error: " << *outcome.rulesFileProblem << '\n';
        status = kUsage;
    }
    if (arguments.output) unit->SaveToFile(*arguments.output);
    out << outcome.message() << '\n';
    return status;
}

// The .rules file takes the data file's name, so a data file named *.rules, or a rule base named like the
// data file, would be replaced by it; -o may name the input rule base (to learn in place) but no other input.
void LearnCommand::refuseOverwritingInputs(const Arguments& arguments) {
    const std::string rules = RulesFile::pathFor(arguments.data, arguments.ruleBase).string();
    refuseInputAsOutput(rules, {arguments.ruleBase, arguments.data},
                        "the learned rules go to " + rules + ", which is an input of the command; nothing was written");
    if (!arguments.output) return;
    refuseInputAsOutput(*arguments.output, {arguments.data},
                        "-o " + *arguments.output + " names the data file; nothing was written");
    refuseInputAsOutput(*arguments.output, {rules},
                        "-o " + *arguments.output + " names the .rules file learning writes; nothing was written");
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
