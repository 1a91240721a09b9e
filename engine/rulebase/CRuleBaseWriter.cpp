#include "rulebase/CRuleBaseWriter.h"

#include <ostream>

#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"
#include "io/EWriteRefused.h"
#include "rulebase/CAliasPlan.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseLimits.h"
#include "rulebase/CRuleBaseSaveCheck.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

void Line(std::string& out, std::string_view text) {
    out += text;
    out += '\n';
}

std::string Number(double value) { return NumberText::file(value); }

}  // namespace

std::string CRuleBaseWriter::Text() const {
    CRuleBaseSaveCheck(unit_).Run();
    const CAliasPlan plan(unit_);
    std::string out;
    WriteHeader(out);
    std::optional<int> previousGrid;
    const auto writeKind = [&](bool antecedent) {
        const int count = antecedent ? unit_.AntecedentCount() : unit_.SuccedentCount();
        for (int k = 0; k < count; ++k) {
            const int index = antecedent ? k : ~k;
            WriteVariable(out, index, plan, previousGrid.value_or(CRuleBaseLimits::kDefaultDiscretization));
            previousGrid = unit_.Discretization(index);
        }
    };
    writeKind(true);
    writeKind(false);
    WriteRules(out);
    if (out.size() > CRuleBaseLimits::kMaxFileSize) {
        throw EWriteRefused("cannot save: the rule base is too large to be read again");
    }
    return out;
}

void CRuleBaseWriter::Write(std::ostream& out) const {
    const std::string text = Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) throw EWrite("cannot write the rule base: the output failed");
}

void CRuleBaseWriter::WriteFile(const std::string& path) const { AtomicFileWriter::write(path, Text()); }

void CRuleBaseWriter::WriteHeader(std::string& out) const {
    if (!unit_.Description().empty()) {
        out += "!COMMENT!\n" + unit_.Description() + "\n!END_COMMENT!\n\n";
    }
    Line(out, "TypeOfDescription=" + std::string(DescriptionTypeName(unit_.descriptionType())));
    Line(out, "InfMethod=" + std::string(unit_.InferenceMethod().fileKey));
    Line(out, "DefuzzMethod=" + std::string(unit_.DefuzzificationMethod().fileKey));
    Line(out, unit_.UseFuzzyFilter() ? "UseFuzzyFilter=true\n" : "UseFuzzyFilter=false\n");
    Line(out, "NumberOfAntecedentVariables=" + std::to_string(unit_.AntecedentCount()));
    Line(out, "NumberOfSuccedentVariables=" + std::to_string(unit_.SuccedentCount()));
    Line(out, "NumberOfRules=" + std::to_string(unit_.RuleCount()) + "\n");
}

// An alias names the variable whose settings it shares; it carries a discretization line only when its grid
// differs from that variable's, which the reader gives it otherwise.
void CRuleBaseWriter::WriteVariable(std::string& out, int signedIndex, const CAliasPlan& plan,
                                    int previousGrid) const {
    const bool antecedent = signedIndex >= 0;
    const std::string number = std::to_string((antecedent ? signedIndex : ~signedIndex) + 1);
    const CFuzzyVariable& variable = unit_.Variable(signedIndex);
    Line(out, (antecedent ? "AntVariable" : "SucVariable") + number);
    Line(out, " name=" + variable.Name());
    const int target = plan.Target(signedIndex);
    if (target != CRuleBase::kNoVariable) {
        Line(out, " settings=alias(" + unit_.VariableName(target) + ")");
        if (variable.Discretization() != unit_.Discretization(target)) {
            Line(out, " discretization=" + std::to_string(variable.Discretization()));
        }
    } else {
        WriteSettings(out, variable, previousGrid);
        WriteUserTerms(out, variable);
    }
    Line(out, (antecedent ? "End_AntVariable" : "End_SucVariable") + number + "\n");
}

// Linguistic settings always carry their discretization; the other kinds only when it differs from the grid of
// the variable before them, which the reader gives them otherwise.
std::string CRuleBaseWriter::VariableBody(const CFuzzyVariable& variable) {
    std::string out;
    Line(out, " name=" + variable.Name());
    WriteSettings(out, variable, -1);
    WriteUserTerms(out, variable);
    return out;
}

void CRuleBaseWriter::WriteSettings(std::string& out, const CFuzzyVariable& variable, int previousGrid) {
    const CSettings& settings = variable.Settings();
    Line(out, " settings=" + std::string(settings.typeName()));
    Line(out, " context=<" + Number(settings.low()) + "," + Number(settings.high()) + ">");
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&settings);
    if (linguistic != nullptr || variable.Discretization() != previousGrid) {
        Line(out, " discretization=" + std::to_string(variable.Discretization()));
    }
    if (linguistic != nullptr) {
        const auto& p = linguistic->lingParams();
        Line(out, " lingparams=" + Number(p[0]) + " " + Number(p[1]) + " " + Number(p[2]) + " " + Number(p[3]));
    }
}

void CRuleBaseWriter::WriteUserTerms(std::string& out, const CFuzzyVariable& variable) {
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&variable.Settings());
    if (vocabulary == nullptr) return;
    const auto& terms = vocabulary->terms();
    for (std::size_t i = static_cast<std::size_t>(vocabulary->standardTermCount()); i < terms.size(); ++i) {
        const auto& term = terms[i];
        const auto& set = dynamic_cast<const CFuzzyParamSet&>(*term.element);
        Line(out, " UserTerm");
        std::string names = "  name=" + term.shortName;
        if (!term.longName.empty()) names.append(", ").append(term.longName);
        Line(out, names);
        Line(out, "  type=" + std::string(set.typeName()));
        std::string parameters = "  parameters=";
        for (const double p : set.params()) parameters.append(" ").append(Number(p));
        Line(out, parameters);
        Line(out, " End_UserTerm");
    }
}

void CRuleBaseWriter::WriteRules(std::string& out) const {
    Line(out, "RULES");
    for (int r = 0; r < unit_.RuleCount(); ++r) {
        if (!unit_.Comment(r).empty()) Line(out, unit_.Comment(r));
        std::string line = unit_.Enabled(r) ? "" : "#";
        for (int k = 0; k < unit_.AntecedentCount(); ++k) line += " \"" + unit_.AntecedentText(k, r) + "\"";
        line += " |";
        for (int k = 0; k < unit_.SuccedentCount(); ++k) line += " \"" + unit_.SuccedentText(k, r) + "\"";
        Line(out, line);
    }
    if (!unit_.TrailingComment().empty()) Line(out, unit_.TrailingComment());
    Line(out, "END_RULES");
}

}  // namespace zorv
