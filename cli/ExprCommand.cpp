#include "cli/ExprCommand.h"

#include <sstream>

#include "cli/CliError.h"
#include "cli/ExprOptionsParser.h"
#include "cli/SampleTable.h"
#include "cli/VocabularyBuilder.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLingTerm.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "show the meaning of one expression: canonical text, form, membership";

constexpr std::string_view kHelp =
    R"HELP(Usage: zorv expr [options] [--] TEXT

Reads one cell text in a vocabulary and shows what it means.

Options:
  --vocabulary NAME        linguistic (default), triang, basic or linc
  --context LOW HIGH       the context <LOW, HIGH> of the variable (default 0 1);
                           a symmetric context -H H allows signed terms such as -sm
  --lingparams A B C D     shape parameters of the linguistic vocabulary, strictly
                           ascending within [0, 1] (default 0.05 0.304 0.4 0.94)
  --discretization N       number of grid points, 2 .. 1000000 (default 301)
  --user-term NAME TYPE P1 ... Pk
                           adds a user term; TYPE is triang (3 parameters),
                           trapezoid (4), quadratic (6) or gaussian (4: left width,
                           kernel start, kernel end, right width); the points lie in
                           the context and do not decrease, widths are positive;
                           may be repeated (not with linc)
  --inputs N               linc only: the number of input variables (default 1)
  --                       ends the options: a TEXT beginning with "-" follows
  -h, --help               shows this text

Output of a fuzzy vocabulary (one item a line):
  text: <the canonical text of the expression>
  form: <abbreviated form, e.g. "ve sm", "-ro bi", "undef">, or "compound",
        "number" (about x) or "user term"
  specificity: <rank; smaller is more specific, -1 when it has none>
  then N lines "x<TAB>mu": x = LOW + j (HIGH - LOW)/(N - 1), j = 0 .. N-1 (the
  last x is HIGH), and the membership degree mu of x. Only these lines hold a
  tab.
Output of linc:
  coefficients: c0 c1 ... cn
  one line with the constant term c0 and the factors of x1 .. xn.
Numbers are written in the shortest form that reads back to the same value.

Exit status:
  0  the expression was read
  1  the expression is wrong ("error: MESSAGE", with "at position P" when the
     error points into the text), or a value is unacceptable: LOW >= HIGH,
     lingparams not ascending, N out of range, user-term parameters out of
     order or outside the context, a user-term name given twice
  2  the command line cannot be understood: unknown option, missing or
     non-numeric value (nan and inf included), unknown vocabulary or term
     type, an option that does not apply to the vocabulary, no TEXT or more
     than one

Examples:
  zorv expr "very small or (medium and not big)"
  zorv expr --context -1 1 -- "-ex sm"
  zorv expr --user-term warm triang 15 20 25 --context 0 40 "warm or big"
  zorv expr --vocabulary linc --inputs 2 "2.5 + x1 - 0.3*x2"
)HELP";


}  // namespace

ExprCommand::ExprCommand() : Command("expr", kSummary, kHelp) {}

int ExprCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& /*err*/) {
    const ExprOptions options = ExprOptionsParser().parse(args);
    return options.vocabulary == "linc" ? runLinear(options, out) : runFuzzy(options, out);
}

// The whole report is composed first, so that a failure prints nothing on the standard output.
int ExprCommand::runFuzzy(const ExprOptions& options, std::ostream& out) const {
    const auto vocabulary = VocabularyBuilder().build(options);
    if (const auto error = vocabulary->checkSyntax(options.text)) {
        throw *error;
    }
    const int n = options.gridSize();
    const CFuzzyDiscreteSet set = vocabulary->evaluate(options.text, n);
    CLingTerm descriptor;
    describeExpression(*vocabulary, options.text, descriptor);

    std::ostringstream report;
    report << "text: " << printExpression(*vocabulary, options.text) << '\n'
           << "form: " << descriptor.form() << '\n'
           << "specificity: " << descriptor.specificity() << '\n';
    const auto& mu = set.values();
    if (mu.size() != static_cast<std::size_t>(n)) {
        throw CliError::badValue("the vocabulary gave " + std::to_string(mu.size()) + " points instead of " +
                                 std::to_string(n));
    }
    SampleTable::write(report, options.low, options.high, mu);
    out << report.str();
    return kSuccess;
}

int ExprCommand::runLinear(const ExprOptions& options, std::ostream& out) const {
    const CLinCSettings vocabulary(options.low, options.high);
    const auto coefficients = vocabulary.parseLinear(options.text, options.inputCount());
    std::ostringstream report;
    report << "coefficients:";
    for (const double c : coefficients) {
        report << ' ' << NumberText::shortest(c);
    }
    report << '\n';
    out << report.str();
    return kSuccess;
}

}  // namespace zorv::cli
