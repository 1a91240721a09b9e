#include "rulebase/CRuleBaseSaveCheck.h"

#include <algorithm>
#include <cmath>

#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseLimits.h"
#include "rulebase/CTextScan.h"
#include "io/EWriteRefused.h"

namespace zorv {

namespace {

// The name with control characters shown as "?" so that the message stays on one line.
std::string Printable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (CTextScan::IsControl(c)) c = '?';
    }
    return shown;
}

[[noreturn]] void Refuse(const std::string& message) { throw EWriteRefused(message); }

}  // namespace

void CRuleBaseSaveCheck::Run() const {
    const int variables = unit_.AntecedentCount() + unit_.SuccedentCount();
    if (variables > CRuleBaseLimits::kMaxVariables) {
        Refuse("cannot save more than " + std::to_string(CRuleBaseLimits::kMaxVariables) + " variables");
    }
    CheckDescription();
    for (int i = 0; i < unit_.AntecedentCount(); ++i) CheckVariable(i);
    for (int k = 0; k < unit_.SuccedentCount(); ++k) CheckVariable(~k);
    CheckRules();
    CheckCells();
}

std::optional<std::string> CRuleBaseSaveCheck::NameProblem(std::string_view name) {
    if (name.empty()) return "it is empty";
    if (name.front() == ' ' || name.back() == ' ') return "it begins or ends with a blank";
    for (const char c : name) {
        if (c == ',') return "it holds a comma";
        if (CTextScan::IsControl(c)) return "it holds a control character";
    }
    return std::nullopt;
}

// The description sits between "!COMMENT!" and the first "!END_COMMENT!"; a carriage return at either end
// would join the line break written next to it into one.
void CRuleBaseSaveCheck::CheckDescription() const {
    const std::string& description = unit_.Description();
    if (description.find("!END_COMMENT!") != std::string::npos) {
        Refuse("cannot save a description that holds \"!END_COMMENT!\"");
    }
    if (!description.empty() && (description.front() == '\r' || description.back() == '\r')) {
        Refuse("cannot save a description that begins or ends with a carriage return");
    }
}

void CRuleBaseSaveCheck::CheckVariable(int signedIndex) const {
    const CFuzzyVariable& variable = unit_.Variable(signedIndex);
    const std::string shown = "variable \"" + Printable(variable.Name()) + "\"";
    if (const auto problem = NameProblem(variable.Name())) Refuse("cannot save the name of " + shown + ": " + *problem);
    const CSettings& settings = variable.Settings();
    const std::string_view type = settings.typeName();
    if (type != "linguistic" && type != "triang" && type != "linc") {
        Refuse("cannot save " + shown + ": settings of type " + std::string(type) + " have no file form");
    }
    const bool linear = type == "linc";
    const bool antecedent = signedIndex >= 0;
    if (linear && antecedent) Refuse("cannot save " + shown + ": linear settings on an input variable");
    if (unit_.descriptionType() == DescriptionType::linguistic ? linear : (!antecedent && !linear)) {
        Refuse("cannot save " + shown + ": its settings do not fit the unit's type of description");
    }
    if (const auto problem = ContextBounds::Problem(settings.low(), settings.high())) {
        Refuse("cannot save " + shown + ": " + *problem);
    }
    if (variable.Discretization() > CRuleBaseLimits::kMaxDiscretization) {
        Refuse("cannot save " + shown + ": discretization exceeds " +
               std::to_string(CRuleBaseLimits::kMaxDiscretization));
    }
    if (const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&settings)) {
        for (const double p : linguistic->lingParams()) {
            if (!std::isfinite(p)) Refuse("cannot save " + shown + ": its lingparams are not finite");
        }
    }
    if (const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&settings)) CheckUserTerms(*vocabulary, shown);
}

void CRuleBaseSaveCheck::CheckUserTerms(const CBasicSettings& settings, const std::string& variable) const {
    const auto& terms = settings.terms();
    for (std::size_t i = static_cast<std::size_t>(settings.standardTermCount()); i < terms.size(); ++i) {
        const auto& term = terms[i];
        const std::string shown = "user term \"" + Printable(term.shortName) + "\" of " + variable;
        if (const auto problem = NameProblem(term.shortName)) Refuse("cannot save the name of " + shown + ": " + *problem);
        if (!term.longName.empty()) {
            if (const auto problem = NameProblem(term.longName)) {
                Refuse("cannot save the long name of " + shown + ": " + *problem);
            }
        }
        const auto* set = dynamic_cast<const CFuzzyParamSet*>(term.element.get());
        if (set == nullptr || paramCountOf(set->typeName()) < 0) {
            Refuse("cannot save " + shown + ": its set is not a triang, trapezoid, quadratic or gaussian shape");
        }
        for (const double p : set->params()) {
            if (!std::isfinite(p)) Refuse("cannot save " + shown + ": its parameters are not finite");
        }
    }
}

// Comment lines are read back as such only when each begins with ";" and holds no carriage return.
bool CRuleBaseSaveCheck::CommentFits(std::string_view comment) {
    if (comment.empty()) return true;
    for (std::size_t begin = 0; begin <= comment.size();) {
        const std::size_t end = std::min(comment.find('\n', begin), comment.size());
        const std::string_view line = comment.substr(begin, end - begin);
        if (!line.starts_with(';') || line.find('\r') != std::string_view::npos) return false;
        begin = end + 1;
    }
    return true;
}

// Expressions are stored between double quotes, one rule per line, and are never empty.
void CRuleBaseSaveCheck::CheckRules() const {
    if (!CommentFits(unit_.TrailingComment())) Refuse("cannot save the comment after the last rule");
    for (int r = 0; r < unit_.RuleCount(); ++r) {
        if (!CommentFits(unit_.Comment(r))) Refuse("cannot save the comment of rule " + std::to_string(r + 1));
        for (int i = -unit_.SuccedentCount(); i < unit_.AntecedentCount(); ++i) {
            const std::string& text = unit_.Text(i, r);
            const std::string where = "expression of variable \"" + Printable(unit_.VariableName(i)) +
                                      "\" in rule " + std::to_string(r + 1);
            if (text.empty()) Refuse("cannot save the empty " + where);
            if (text.find_first_of("\"\r\n") != std::string::npos) {
                Refuse("cannot save the " + where + ": it holds a double quote or a line break");
            }
        }
    }
}

// Every distinct expression must compile in its variable's settings, within the reader's bounds.
void CRuleBaseSaveCheck::CheckCells() const {
    std::uint64_t work = 0;
    for (int i = 0; i < unit_.PoolSize(); ++i) {
        const CValue* cell = unit_.PoolCell(i);
        if (cell == nullptr) continue;
        work += CRuleBaseLimits::CompileWork(unit_, *cell);
        if (const auto error = cell->Check(unit_)) {
            Refuse("cannot save the expression \"" + Printable(cell->Text()) + "\" of variable \"" +
                   Printable(unit_.VariableName(cell->OwnerIndex())) + "\": " + error->message());
        }
    }
    if (work > CRuleBaseLimits::kMaxCompileWork) Refuse("cannot save: the rule base is too large to be read again");
}

}  // namespace zorv
