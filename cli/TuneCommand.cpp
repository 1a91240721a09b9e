#include "cli/TuneCommand.h"

#include <cmath>

#include "cli/CliError.h"
#include "cli/CommandFiles.h"
#include "cli/InterruptWatch.h"
#include "cli/RuleBaseLoader.h"
#include "cli/TerminalProgress.h"
#include "cli/TuneArguments.h"
#include "cli/TuningDataFile.h"
#include "cli/TuningReportText.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"
#include "tuning/ETuningRefused.h"
#include "tuning/Tuner.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "fit contexts, lingparams or user terms to a data file";

constexpr std::string_view kHelp =
    R"help(Usage: zorv tune FILE.rb DATA.txt [-o OUT.rb] [options]

Moves continuous parameters of the rule base so that its output fits the rows of the data file,
keeping its rules, their texts, the methods and the variables as they are, and reports the error
before and after. DATA.txt is read as "zorv compute" reads it: header lines first, then per line
the input values in the order of the rule base and the expected value of the first output, "." or
"," as the decimal mark. Inputs outside a context are clamped to it, as Compute does.

What may move (--tune, default contexts):
  contexts     the bounds of each variable's context; a symmetric context <-h, h> stays symmetric
               (one parameter, NAME.high); the user terms follow their context
  lingparams   the four shape parameters of a linguistic vocabulary (NAME.lingparam1 .. 4), kept
               strictly ascending
  userterms    the parameters of each user term (NAME.TERM.1, NAME.TERM.2, ...), kept in the
               order their shape needs
Each vocabulary moves once, at the first variable that holds it; linear vocabularies do not move.

Default bounds (--bounds SHARE sets the share, default 0.25, below 0.5): a context bound moves
within SHARE x the context's width; a lingparam or a user-term parameter at most SHARE x the
distance to its neighbour on each side (the context's bounds beyond the first and last, 0 and 1
for lingparams); a gaussian width within SHARE x itself. Bounds that would change a "triang"
vocabulary's words keep a bound on its side of 0.

The search runs a global method (controlled random search) with 60 % of the budget, then refines
the best point locally (Subplex) while that improves. Every evaluation computes all training rows
on the compiled rule base, on every core. The same seed, data and budget give the same result;
a --time limit that cuts the search short depends on the machine. The tuned values are rounded to
six significant digits, and the tuned rule base is never worse on the training rows than the one
given.

Options:
  -o, --output OUT.rb       write the tuned rule base (FILE.rb itself tunes in place)
  --tune PARTS              what may move: contexts, lingparams, userterms, comma-separated
  --fix NAME[,NAME...]      keep these variables' vocabularies as they are (repeatable)
  --bounds SHARE            the share of the default bounds (see above)
  --bounds NAME=LOW:HIGH    the interval of one parameter (repeatable); see the report for names
  --objective rmse|mae|max  root mean square, mean absolute or largest error (default rmse)
  --budget N                evaluations of the objective (default 1500)
  --time SECONDS            stop the search after this much time
  --seed N                  the random numbers' seed (default 1)
  --validate SHARE          hold out this share of the rows, chosen by the seed, and report their
                            error beside the training error, so that over-fitting shows
  --save-on-interrupt       on Ctrl+C, write the best rule base found so far to OUT.rb
  -j, --jobs N              evaluate the rows on N threads (default: every core)
  -h, --help                shows this text

Output, one line each: the training error before and after ("training rmse: 12.5 -> 0.81 (1600
rows)"), the hold-out error likewise, every parameter that moved ("indoor.low: 14 -> 10.0213"),
the evaluations used, the time and why the search ended (budget used, time limit reached,
converged, stopped). A progress bar with the best error so far is drawn on a terminal.

Ctrl+C stops the search and prints the report of the best rule base found so far. Without
--save-on-interrupt nothing is written; with it the best rule base so far is written to OUT.rb.
Either way zorv then ends as an interrupted program (status 130 in the shell). A second Ctrl+C
ends it at once, writing nothing.

Exit status:
  0  tuned (and written with -o)
  1  the rule base or the data file is wrong (a row that is not all numbers, an unreadable line,
     no rows), or the tuning cannot start (no output variable, unknown names, nothing to move)
  2  the command line cannot be understood, -o names the data file, or a file cannot be opened
     or written

Examples:
  zorv tune heater.rb heater-log.txt -o heater-tuned.rb
  zorv tune heater.rb log.txt --tune contexts,lingparams --fix power --validate 0.2 -o tuned.rb
  zorv tune fan.rb fan-log.txt --tune userterms --bounds temperature.warm.2=50:70 --budget 3000
)help";

std::string ProgressDetail(const std::string& measure, double best) {
    return std::isfinite(best) ? measure + " " + NumberText::general(best) : std::string();
}

}  // namespace

TuneCommand::TuneCommand(std::function<bool()> interrupted)
    : Command("tune", kSummary, kHelp), interrupted_(std::move(interrupted)) {}

int TuneCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const TuneArguments arguments = TuneArguments::Parse(args);
    Refuse(arguments);
    const auto unit = RuleBaseLoader::load(arguments.ruleBase, err);
    const TuningResult result = Tune(arguments, *unit, err);
    out << TuningReportText::Of(result, arguments.options.limits.evaluations);
    out.flush();
    return Finish(arguments, result, err);
}

void TuneCommand::Refuse(const TuneArguments& arguments) {
    if (!arguments.output) return;
    refuseInputAsOutput(*arguments.output, {arguments.data},
                        "-o " + *arguments.output + " names the data file; nothing was written");
}

TuningResult TuneCommand::Tune(const TuneArguments& arguments, const CRuleBase& unit, std::ostream& err) const {
    const TuningRows rows = TuningDataFile::Read(arguments.data, unit.AntecedentCount());
    try {
        const Tuner tuner(unit, rows, arguments.options);
        const InterruptWatch watch;
        const auto stop = interrupted_ ? interrupted_ : [] { return InterruptWatch::Requested(); };
        TerminalProgress progress(err, "Tuning");
        const std::string measure(arguments.options.measure.Name());
        return tuner.Run([&](const SearchProgress& p) {
            progress.update(p.evaluations, p.budget, ProgressDetail(measure, p.best));
        }, stop);
    } catch (const ETuningRefused& refused) {
        throw CliError::badValue(refused.what());
    }
}

int TuneCommand::Finish(const TuneArguments& arguments, const TuningResult& result, std::ostream& err) {
    const bool interrupted = result.search.end == SearchOutcome::End::stopped;
    if (arguments.output && (!interrupted || arguments.saveOnInterrupt)) {
        result.tuned->SaveToFile(*arguments.output);
    }
    if (!interrupted) return kSuccess;
    err << (arguments.saveOnInterrupt ? "note: interrupted; the best rule base so far was written to " + *arguments.output
                                      : std::string("note: interrupted; nothing was written"))
        << '\n';
    return kInterrupted;
}

}  // namespace zorv::cli
