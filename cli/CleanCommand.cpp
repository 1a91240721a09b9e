#include "cli/CleanCommand.h"

#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/RuleBaseLoader.h"
#include "cli/TerminalProgress.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/DeleteDuplicit.h"
#include "rulebase/analysis/DeleteRedundant.h"
#include "rulebase/analysis/MergeInconsistent.h"
#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "delete duplicate or redundant rules, or merge inconsistent ones";

constexpr std::string_view kHelp =
    R"(Usage: zorv clean FILE.rb --delete-duplicit [-o OUT.rb]
       zorv clean FILE.rb --delete-redundant [-o OUT.rb]
       zorv clean FILE.rb --merge-inconsistent [-o OUT.rb]

Runs one of the rule commands of the workbench's rules grid on a rule base and prints how the rules
changed. The result is written only to the file named by -o (give FILE.rb itself to change it in
place); without -o nothing is written and the report tells what the command would do.

Operations (exactly one):
  --delete-duplicit     removes every rule whose cells all equal those of an earlier rule (an
                        enabled copy enables the rule kept); rules with an empty cell go too
  --delete-redundant    removes every rule that another rule with the same conclusion and wider
                        antecedents covers
  --merge-inconsistent  replaces every group of rules with equal antecedents and different
                        conclusions by one rule concluding "about" the average of their values

Report (one line):
  Delete Duplicit: 3 of 15 rules removed, 12 remain.
  Delete Redundant: 0 of 12 rules removed, 12 remain.
  Merge Inconsistent: 2 groups of 5 inconsistent rules merged; 15 rules before, 12 after.
without -o "removed" reads "would be removed", "merged" "would be merged", and so on.

Options:
  -o, --output OUT.rb  write the resulting rule base (through a temporary file, so that a failure
                       leaves OUT.rb as it was)
  -h, --help           shows this text

Exit status:
  0  done (also when nothing changed)
  1  the rule base file is wrong, or a rule of the result does not compile
  2  the command line cannot be understood, or a file cannot be opened or written

Examples:
  zorv clean examples/heater.rb --delete-duplicit
  zorv clean learned.rb --merge-inconsistent -o merged.rb
)";

std::string deletionReport(std::string_view title, int before, int after, bool written) {
    return std::string(title) + ": " + std::to_string(before - after) + " of " + std::to_string(before) + " rules " +
           (written ? "removed, " : "would be removed, ") + std::to_string(after) +
           (written ? " remain." : " would remain.");
}

std::string mergeReport(const RuleGroups& groups, int before, int after, bool written) {
    std::size_t members = 0;
    for (const RuleGroup& group : groups) members += group.size();
    return "Merge Inconsistent: " + std::to_string(groups.size()) +
           (groups.size() == 1 ? " group of " : " groups of ") + std::to_string(members) + " inconsistent rules " +
           (written ? "merged; " : "would be merged; ") + std::to_string(before) + " rules before, " +
           std::to_string(after) + " after.";
}

}  // namespace

CleanCommand::CleanCommand() : Command("clean", kSummary, kHelp) {}

void CleanCommand::setOperation(Arguments& arguments, Operation operation) {
    if (arguments.operation && *arguments.operation != operation) {
        throw CliError::usage("give only one of --delete-duplicit, --delete-redundant and --merge-inconsistent");
    }
    arguments.operation = operation;
}

CleanCommand::Arguments CleanCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const std::vector<std::string> files =
        scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
            if (arg == "-o" || arg == "--output") {
                parsed.output = cursor.value(arg);
            } else if (arg == "--delete-duplicit") {
                setOperation(parsed, Operation::deleteDuplicit);
            } else if (arg == "--delete-redundant") {
                setOperation(parsed, Operation::deleteRedundant);
            } else if (arg == "--merge-inconsistent") {
                setOperation(parsed, Operation::mergeInconsistent);
            } else {
                return false;
            }
            return true;
        });
    if (files.size() != 1) throw CliError::usage("clean takes one rule base file");
    if (!parsed.operation) {
        throw CliError::usage("give one of --delete-duplicit, --delete-redundant and --merge-inconsistent");
    }
    parsed.file = files.front();
    return parsed;
}

int CleanCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    const auto unit = RuleBaseLoader::load(arguments.file, err);
    std::string report;
    try {
        report = apply(*arguments.operation, *unit, arguments.output.has_value(), err);
    } catch (const ESyntax& error) {
        throw CliError::badValue("a rule of the result does not compile: " + error.message());
    }
    if (arguments.output) unit->SaveToFile(*arguments.output);
    out << report << '\n';
    return kSuccess;
}

std::string CleanCommand::apply(Operation operation, CRuleBase& unit, bool written, std::ostream& err) {
    const int before = unit.RuleCount();
    switch (operation) {
        case Operation::deleteDuplicit:
            deleteDuplicit(unit);
            return deletionReport("Delete Duplicit", before, unit.RuleCount(), written);
        case Operation::deleteRedundant: {
            TerminalProgress progress(err, "Delete Redundant");
            deleteRedundant(unit, progress.callback());
            progress.clear();
            return deletionReport("Delete Redundant", before, unit.RuleCount(), written);
        }
        case Operation::mergeInconsistent: {
            const RuleGroups groups = RuleAnalysis::of(unit).groupRules(RuleRelation::inconsistent);
            mergeInconsistent(unit);
            return mergeReport(groups, before, unit.RuleCount(), written);
        }
    }
    return {};
}

}  // namespace zorv::cli
