#include "cli/ExprOptionsParser.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <span>

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

const std::vector<std::string> kVocabularies = {"linguistic", "triang", "basic", "linc"};
const std::vector<std::string> kUserTermTypes = {"triang", "trapezoid", "quadratic", "gaussian"};

bool contains(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A user term is used like an atomic word, so its name must be one.
bool isWord(const std::string& name) {
    return !name.empty() && isLetter(name.front()) &&
           std::all_of(name.begin(), name.end(), [](char c) { return isLetter(c) || isDigit(c) || c == '_'; });
}

std::string termError(const UserTermOption& term, const std::string& message) {
    return "--user-term " + term.name + ": " + message;
}

// The context a user term's points must lie in.
struct Context {
    double low;
    double high;
};

// Points of a shape lie in the context and do not decrease; first is the number of the first point
// among the term's parameters.
void checkPoints(const UserTermOption& term, std::span<const double> points, std::size_t first, Context context) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double p = points[i];
        const std::string which = "parameter " + std::to_string(first + i) + " (" + NumberText::shortest(p) + ")";
        if (p < context.low || p > context.high) {
            throw CliError::badValue(termError(term, which + " is out of the context"));
        }
        if (i > 0 && p < points[i - 1]) {
            throw CliError::badValue(termError(term, which + " is less than the previous one"));
        }
    }
}

// Gaussian: left width, kernel [m1, m2] in the context, right width; widths positive.
void checkGaussian(const UserTermOption& term, Context context) {
    const auto& p = term.params;
    if (p[0] <= 0.0 || p[3] <= 0.0) {
        throw CliError::badValue(termError(term, "the widths (parameters 1 and 4) must be greater than zero"));
    }
    checkPoints(term, std::span<const double>(p).subspan(1, 2), 2, context);
}

void checkUserTerms(const ExprOptions& options) {
    const Context context{options.low, options.high};
    std::set<std::string> names;
    for (const auto& term : options.userTerms) {
        if (!isWord(term.name)) {
            throw CliError::badValue(termError(term, "a name is a word of letters, digits and '_' starting with a letter"));
        }
        if (!names.insert(term.name).second) {
            throw CliError::badValue(termError(term, "the name is given twice"));
        }
        if (term.type == "gaussian") {
            checkGaussian(term, context);
        } else {
            checkPoints(term, term.params, 1, context);
        }
    }
}

void checkLingParams(const std::array<double, 4>& p) {
    if (!CLinguisticSettings::acceptsLingParams(p)) {
        throw CliError::badValue("--lingparams: the four values must be strictly ascending within [0, 1]");
    }
}

}  // namespace

ExprOptions ExprOptionsParser::parse(const std::vector<std::string>& args) const {
    ExprOptions options;
    const std::vector<std::string> texts =
        scanArguments(args, [this, &options](const std::string& option, ArgumentCursor& cursor) {
            readOption(option, cursor, options);
            return true;
        });
    if (texts.empty()) {
        throw CliError::usage("missing expression text");
    }
    if (texts.size() > 1) {
        throw CliError::usage("more than one expression text ('" + texts[0] + "', '" + texts[1] +
                              "'); quote a text that has blanks");
    }
    options.text = texts.front();
    check(options);
    return options;
}

void ExprOptionsParser::readOption(const std::string& option, ArgumentCursor& cursor, ExprOptions& options) const {
    if (option == "--vocabulary") {
        options.vocabulary = cursor.value(option);
        if (!contains(kVocabularies, options.vocabulary)) {
            throw CliError::usage(option + ": unknown vocabulary '" + options.vocabulary +
                                  "' (linguistic, triang, basic or linc)");
        }
    } else if (option == "--context") {
        options.low = cursor.real(option);
        options.high = cursor.real(option);
    } else if (option == "--lingparams") {
        std::array<double, 4> params{};
        for (double& p : params) {
            p = cursor.real(option);
        }
        options.lingParams = params;
    } else if (option == "--discretization") {
        options.discretization = cursor.integer(option);
    } else if (option == "--inputs") {
        options.inputs = cursor.integer(option);
    } else if (option == "--user-term") {
        readUserTerm(cursor, options);
    } else {
        throw CliError::usage("unknown option '" + option + "' (put -- before a text that begins with '-')");
    }
}

// --user-term NAME TYPE P1 ... Pk, k being the parameter count of the shape.
void ExprOptionsParser::readUserTerm(ArgumentCursor& cursor, ExprOptions& options) const {
    const std::string option = "--user-term";
    UserTermOption term;
    term.name = cursor.value(option);
    term.type = cursor.value(option + " " + term.name);
    if (!contains(kUserTermTypes, term.type)) {
        throw CliError::usage(option + " " + term.name + ": unknown type '" + term.type +
                              "' (triang, trapezoid, quadratic or gaussian)");
    }
    const int count = paramCountOf(term.type);
    const std::string prefix = option + " " + term.name + " " + term.type;
    for (int i = 0; i < count; ++i) {
        if (cursor.done()) {
            throw CliError::usage(prefix + ": needs " + std::to_string(count) + " parameters");
        }
        term.params.push_back(cursor.real(prefix));
    }
    options.userTerms.push_back(std::move(term));
}

void ExprOptionsParser::check(const ExprOptions& options) const {
    checkApplicable(options);
    checkValues(options);
}

// Options that have no meaning for the chosen vocabulary are refused rather than ignored.
void ExprOptionsParser::checkApplicable(const ExprOptions& options) const {
    const bool linear = options.vocabulary == "linc";
    if (options.lingParams && options.vocabulary != "linguistic") {
        throw CliError::usage("--lingparams applies to the linguistic vocabulary only");
    }
    if (linear && !options.userTerms.empty()) {
        throw CliError::usage("--user-term does not apply to the linc vocabulary");
    }
    if (linear && options.discretization) {
        throw CliError::usage("--discretization does not apply to the linc vocabulary");
    }
    if (!linear && options.inputs) {
        throw CliError::usage("--inputs applies to the linc vocabulary only");
    }
}

void ExprOptionsParser::checkValues(const ExprOptions& options) const {
    switch (ContextBounds::Check(options.low, options.high)) {
        case ContextBounds::Fault::none: break;
        case ContextBounds::Fault::tooWide: throw CliError::badValue("--context: the context is too wide");
        default: throw CliError::badValue("--context: LOW must be less than HIGH");
    }
    if (options.lingParams) {
        checkLingParams(*options.lingParams);
    }
    if (options.discretization && (*options.discretization < 2 || *options.discretization > kMaxDiscretization)) {
        throw CliError::badValue("--discretization: the number of points must lie in [2, " +
                                 std::to_string(kMaxDiscretization) + "]");
    }
    if (options.inputs && (*options.inputs < 0 || *options.inputs > kMaxInputs)) {
        throw CliError::badValue("--inputs: the number of input variables must lie in [0, " +
                                 std::to_string(kMaxInputs) + "]");
    }
    checkUserTerms(options);
}

}  // namespace zorv::cli
