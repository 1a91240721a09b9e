#include "cli/EvalCommand.h"

#include <fstream>
#include <sstream>

#include "app/core/testwindow/FiredRulesText.h"
#include "cli/BatchEvaluator.h"
#include "cli/CliError.h"
#include "cli/CommandFiles.h"
#include "cli/InputChoice.h"
#include "cli/MethodOption.h"
#include "cli/RuleBaseLoader.h"
#include "cli/SampleTable.h"
#include "cli/TerminalProgress.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/EvaluationRefusal.h"
#include "inference/compiled/Workspace.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "evaluate a rule base on crisp inputs, one row or a batch";

constexpr std::string_view kHelp =
    R"(Usage: zorv eval FILE.rb X1 ... Xn [--infer NAME] [--defuzz NAME] [--filter] [--fired] [--conclusion]
       zorv eval FILE.rb --batch INPUTS [--jobs N] [--infer NAME] [--defuzz NAME] [--filter]

Evaluates the rule base on crisp inputs, one value per input variable in the order of the file,
and prints the crisp value of the first output variable: inference, then defuzzification for a
linguistic rule base; the Takagi-Sugeno inference alone for a singleton one.

Input values are decimal numbers with "." or "," as the decimal mark. A value outside its
variable's context is clamped to the context, with a note on standard error.

Options:
  --infer NAME       use this inference method instead of the file's; NAME is the file key or the
                     short name, e.g. Logical_Deduction (LLogInfPreCrisp),
                     Fuzzy_Approximation-logical (LLogInfCrisp),
                     Fuzzy_Approximation-functional (LZadInfCrispMin),
                     Fuzzy_Approximation-func_prod (LZadInfCrispProd),
                     Fuzzy_Approximation-func_luk (LZadInfCrispLuk),
                     "Takagi-Sugeno Inference" (LLinCInfCrisp, singleton rule bases only)
  --defuzz NAME      use this defuzzification method instead of the file's: SimpleCenterOfGravity
                     (SimpleCOG), ModifiedCenterOfGravity (ModCOG), SimpDefuzzLingExpression,
                     SimpDefuzzLingExpression_COG, DefuzzLingExpression (DefuzZorv),
                     MeanOfMaxima (MOM), "Smooth Deffuz Ling Expr" (SmoothDeffuzLingExpr)
  --filter           evaluate through the F-transform filter: the rule base's response is sampled
                     at 201 points per input over the input contexts and fitted with an
                     F-transform of 20 triangular nodes per input, whose inverse is the value.
                     Fitting costs 201^n evaluations, spread over every core (a progress bar
                     shows on a terminal), and is refused above 50,000,000 inferences, e.g. for 4
                     inputs or for 2 inputs with the smooth defuzzification, or when so many rules
                     and output points would make it run for minutes. --fired and --conclusion
                     still show the plain inference at the inputs
  --fired            after the value, the fired rules as the test window lists them:
                       Number of fired rules: N
                       Rule K: INPUT1 & INPUT2 --> OUTPUT
  --conclusion       after that, the output fuzzy set of the inference, one line "y<TAB>mu" per
                     sample (linguistic rule bases; a singleton one has no output set)
  --batch INPUTS     evaluate every line of the file INPUTS ("-": the standard input); a line holds
                     the n input values separated by blanks or tabs. Prints one value per line and
                     nothing else; notes go to standard error. The first bad line stops the run.
  -j, --jobs N       evaluate the batch on N threads (default: every core); the output is the same
                     for any N
  -h, --help         shows this text

Numbers are printed in the shortest form that reads back to the same value.

Exit status:
  0  evaluated
  1  the rule base file is wrong ("FILE:LINE:COLUMN: Syntax error: MESSAGE" and the first line
     of the text where reading failed), a batch line is wrong, the method does not apply to the
     rule base, or the rule base refused the evaluation
  2  the command line cannot be understood (unknown option or method, a missing value, a
     wrong number of input values, an input that is not a finite number), or a file cannot
     be opened

Examples:
  zorv eval examples/heater.rb 16.5 -3
  zorv eval examples/braking.rb -12 4 --fired
  zorv eval examples/heater.rb 18 0 --defuzz MOM --conclusion
  zorv eval examples/fan.rb --batch rows.txt
  zorv eval examples/fan.rb --batch rows.txt --jobs 1
  zorv eval examples/heater.rb 16.5 -3 --filter
)";

}  // namespace

EvalCommand::EvalCommand(std::istream& in) : Command("eval", kSummary, kHelp), in_(in) {}

int EvalCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const EvalArguments arguments = EvalArguments::parse(args);
    const auto unit = RuleBaseLoader::load(arguments.file, err);
    if (unit->SuccedentCount() == 0) {
        throw CliError::badValue(arguments.file + ": the rule base has no output variable");
    }
    applyMethods(arguments, *unit, err);
    if (const auto& refusal = unit->Compiled()->refusal()) {
        throw CliError::badValue(arguments.file + ": " + *refusal);
    }
    if (arguments.filter) {
        prepareFilter(arguments, *unit, err);
    }
    return arguments.batch ? runBatch(arguments, *unit, out, err) : runSingle(arguments, *unit, out, err);
}

void EvalCommand::applyMethods(const EvalArguments& arguments, CRuleBase& unit, std::ostream& err) const {
    if (arguments.infer) {
        const InferenceMethodEntry& method = MethodOption::inference(*arguments.infer);
        if (const auto refusal = EvaluationRefusal::Of(unit.descriptionType(), method)) {
            throw CliError::badValue(*refusal);
        }
        unit.SetInferenceMethod(method);
    }
    if (arguments.defuzz) {
        unit.SetDefuzzificationMethod(MethodOption::defuzzification(*arguments.defuzz));
        if (unit.descriptionType() != DescriptionType::linguistic) {
            err << "note: a " << DescriptionTypeName(unit.descriptionType())
                << " rule base is not defuzzified; --defuzz has no effect\n";
        }
    }
}

void EvalCommand::prepareFilter(const EvalArguments&, CRuleBase& unit, std::ostream& err) const {
    if (unit.FilterIsCurrent()) {
        return;
    }
    TerminalProgress progress(err, "F-transform filter");
    unit.RebuildFilter(progress.callback());
}

std::vector<double> EvalCommand::readInputs(const EvalArguments& arguments, const CRuleBase& unit,
                                            std::ostream& err) const {
    const auto expected = static_cast<std::size_t>(unit.AntecedentCount());
    if (arguments.inputs.size() != expected) {
        throw CliError::usage("the rule base has " + std::to_string(expected) + " input variable(s), " +
                              std::to_string(arguments.inputs.size()) + " value(s) given");
    }
    return InputChoice::read(unit, arguments.inputs, InputChoice::Range::interval, err);
}

// The whole report is composed first, so that a failure prints nothing on the standard output.
int EvalCommand::runSingle(const EvalArguments& arguments, CRuleBase& unit, std::ostream& out,
                           std::ostream& err) const {
    const std::vector<double> inputs = readInputs(arguments, unit, err);
    std::ostringstream report;
    Workspace workspace;
    const double value = arguments.filter ? unit.EvaluateFiltered(inputs.data()) : unit.Evaluate(inputs, workspace);
    report << NumberText::shortest(value) << '\n';
    if (arguments.filter) {
        unit.Evaluate(inputs, workspace);  // the fired rules of the plain inference at the inputs
    }
    const bool linguistic = unit.descriptionType() == DescriptionType::linguistic;
    // The fired rules and the output set are those of the plain inference, as the test window shows
    // them (a smooth defuzzification re-runs the inference around the inputs).
    const bool showsSet = linguistic && (arguments.fired || arguments.conclusion);
    const std::string samples = showsSet ? conclusionText(unit, inputs, workspace) : std::string();
    if (arguments.fired) {
        report << FiredRulesText::Of(unit, workspace.Fired(), workspace.FiredCount());
    }
    if (arguments.conclusion && !linguistic) {
        err << "note: a " << DescriptionTypeName(unit.descriptionType())
            << " rule base concludes a number and has no output set\n";
    }
    if (arguments.conclusion) {
        report << samples;
    }
    out << report.str();
    return kSuccess;
}

std::string EvalCommand::conclusionText(const CRuleBase& unit, const std::vector<double>& inputs,
                                        Workspace& workspace) const {
    const double low = unit.ContextLow(-1);
    const double high = unit.ContextHigh(-1);
    CFuzzyDiscreteSet conclusion(1, {0.0}, low, high);
    InferConclusion(unit.InferenceMethod(), *unit.Compiled(), workspace, inputs.data(), conclusion);
    std::ostringstream text;
    SampleTable::write(text, low, high, conclusion.values());
    return text.str();
}

int EvalCommand::runBatch(const EvalArguments& arguments, CRuleBase& unit, std::ostream& out,
                          std::ostream& err) const {
    std::ifstream file;
    if (*arguments.batch != "-") {
        requireReadableFile(*arguments.batch);
        file.open(*arguments.batch, std::ios::binary);
    }
    std::istream& in = *arguments.batch == "-" ? in_ : file;
    const BatchEvaluator::Outcome outcome = BatchEvaluator(unit, arguments.filter, arguments.jobs).run(in, out);
    out.flush();
    if (outcome.clamped > 0) {
        err << "note: " << outcome.clamped << " input value(s) outside their context were clamped\n";
    }
    if (!outcome.error.empty()) {
        err << "error: " << *arguments.batch << ": " << outcome.error << '\n';
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace zorv::cli
