#include "cli/AnalyseCommand.h"

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/RuleBaseLoader.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/RulesInfo.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "show duplicate, inconsistent and redundant rules";

constexpr std::string_view kHelp =
    R"(Usage: zorv analyse FILE.rb

Analyses the rules of a rule base as the rules grid of the workbench does and prints one line per
rule, the fields separated by tabs:
  NUMBER  CELL...  GROUP  INCONSISTENCY  REDUNDANT-SUC  REDUNDANT-ANT
NUMBER counts the rules from 1 in the order of the file, with "#" in front for a disabled rule;
the cells are the rule's expressions, inputs first, then outputs. The four analysis fields are
empty when the rule takes no part in that analysis:
  Group          "same as 3., 7.": the rule's duplicates (the first rule of a group shows them)
  Inconsistency  "with 2., 5.": rules with the same antecedents and another conclusion
  Redundant suc  "with 4": an inconsistent rule whose conclusion is wider than that of rule 4
  Redundant ant  "wrt 1, 6": rules with the same conclusion whose antecedents cover this rule's
A field lists at most ten rules and counts the others: "same as 2., 3., ..., 11., … and 19,989 more".
A first line names the columns: "rule", the variable names and the four analysis titles.

Options:
  -h, --help  shows this text

Exit status:
  0  analysed
  1  the rule base file is wrong
  2  the command line cannot be understood, or the file cannot be opened

Example:
  zorv analyse examples/heater.rb
)";

}  // namespace

AnalyseCommand::AnalyseCommand() : Command("analyse", kSummary, kHelp) {}


int AnalyseCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> files = scanOperands(args);
    if (files.size() != 1) throw CliError::usage("analyse takes one rule base file");
    const auto unit = RuleBaseLoader::load(files.front(), err);
    out << report(*unit);
    return kSuccess;
}

std::string AnalyseCommand::report(const CRuleBase& unit) {
    std::string text = "rule";
    for (int k = 0; k < unit.AntecedentCount(); ++k) text += '\t' + unit.VariableName(k);
    for (int k = 0; k < unit.SuccedentCount(); ++k) text += '\t' + unit.VariableName(~k);
    for (const auto column : {RulesInfoColumn::group, RulesInfoColumn::inconsistency, RulesInfoColumn::redundantSuc,
                              RulesInfoColumn::redundantAnt}) {
        text += '\t';
        text += RulesInfo::title(column);
    }
    text += '\n';
    const std::vector<RuleInfo> infos = RulesInfo::compute(unit);
    const std::vector<RuleRow> rules = unit.Rules();
    for (std::size_t r = 0; r < rules.size(); ++r) {
        if (!rules[r].enabled) text += '#';
        text += std::to_string(r + 1);
        for (const std::string& cell : rules[r].texts) text += '\t' + cell;
        for (const std::string& info : infos[r].texts) text += '\t' + info;
        text += '\n';
    }
    return text;
}

}  // namespace zorv::cli
