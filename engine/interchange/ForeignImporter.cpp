#include "interchange/ForeignImporter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignNames.h"
#include "interchange/ForeignShape.h"
#include "interchange/ImportedVariable.h"
#include "interchange/LinearText.h"
#include "interchange/MethodImport.h"
#include "interchange/RuleImport.h"
#include "interchange/ShapeApproximation.h"
#include "interchange/TextLines.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr std::size_t kMaxVariables = 1000;  // as many as a rule base file holds
constexpr std::size_t kMaxTerms = 1000;      // per variable

class ImportRun {
public:
    ImportRun(const ForeignSystem& system, const std::string& file, ImportOptions options)
        : system_(system), file_(file), issues_(file, options.approximate) {
        for (auto* list : {&system_.inputs, &system_.outputs})
            for (ForeignVariable& v : *list)
                if (!v.ranged) chooseRange(v);
    }

    ImportOutcome run() {
        checkShape();
        issues_.problems().throwIfAny();
        checkOutputs();
        const MethodImport::Methods methods = MethodImport::Choose(system_, type_, issues_);
        nameVariables();
        for (std::size_t k = 0; k < system_.inputs.size(); ++k)
            inputs_.push_back(ImportedVariable::Of(system_.inputs[k], inputNames_[k], issues_));
        std::vector<std::string> consequents = consequentTexts();
        const std::vector<RuleRow> rows = RuleImport(system_, inputs_, std::move(consequents), issues_).Rows();
        if (rows.empty()) issues_.Refuse(0, "no rule remains to import");
        checkLocks();
        noteDefault();
        issues_.problems().throwIfAny();
        return {build(rows, methods), issues_.notes()};
    }

private:
    bool sugeno() const { return type_ == ForeignSystem::Type::Sugeno; }

    // A variable whose file gives no range (FCL may leave it to the terms' points): the span of its terms.
    void chooseRange(ForeignVariable& v) {
        const std::string problem = "no range is given for \"" + v.name + "\"";
        double low = std::numeric_limits<double>::infinity();
        double high = -low;
        for (const ForeignTerm& t : v.terms) {
            if (const auto span = ForeignShape::Span(t)) {
                low = std::min(low, span->first);
                high = std::max(high, span->second);
            }
        }
        std::string span("<");
        span.append(NumberText::file(low)).append(", ").append(NumberText::file(high)).append(">, the span of its terms");
        if (!(low < high) || !std::isfinite(high - low)) {
            issues_.Refuse(v.line, problem);
        } else if (issues_.Replace(v.line, problem, span)) {
            v.low = low;
            v.high = high;
        }
    }

    void checkShape() {
        if (system_.inputs.empty()) issues_.Refuse(0, "no input variable");
        if (system_.outputs.empty()) issues_.Refuse(0, "no output variable");
        if (system_.rules.empty()) issues_.Refuse(0, "no rule");
        for (const auto* list : {&system_.inputs, &system_.outputs})
            for (const ForeignVariable& v : *list)
                if (!(v.low < v.high) || !std::isfinite(v.high - v.low))
                    issues_.Refuse(v.line, "the range of \"" + v.name + "\" is not an interval from a lower to a higher bound");
        if (system_.inputs.size() + system_.outputs.size() > kMaxVariables)
            issues_.Refuse(0, "more than " + std::to_string(kMaxVariables) + " variables");
        for (const auto* list : {&system_.inputs, &system_.outputs})
            for (const ForeignVariable& v : *list)
                if (v.terms.size() > kMaxTerms)
                    issues_.Refuse(v.line, "\"" + v.name + "\" has more than " + std::to_string(kMaxTerms) + " terms");
    }

    // Another type or several outputs do not stop the examination: the rest is checked as Mamdani, against the
    // first output.
    void checkOutputs() {
        type_ = system_.type;
        if (type_ == ForeignSystem::Type::Other) {
            issues_.Replace(system_.typeLine, "type \"" + system_.typeName + "\" has no counterpart", "Mamdani");
            type_ = ForeignSystem::Type::Mamdani;
        }
        if (system_.outputs.size() > 1)
            issues_.Replace(system_.outputs[1].line,
                            std::to_string(system_.outputs.size()) + " outputs: only the first output is evaluated",
                            "the first output \"" + system_.outputs[0].name + "\" alone");
    }

    void nameVariables() {
        std::vector<std::string> names;
        for (const ForeignVariable& v : system_.inputs) names.push_back(v.name);
        names.push_back(system_.outputs[0].name);
        std::vector<ForeignNames::Renaming> renamed;
        names = ForeignNames::VariableNames(names, renamed);
        for (const auto& r : renamed) issues_.Note(0, "variable \"" + r.from + "\" is named \"" + r.to + "\"");
        outputName_ = names.back();
        names.pop_back();
        inputNames_ = names;
    }

    // The output cell of each term of the first output.
    std::vector<std::string> consequentTexts() {
        const ForeignVariable& out = system_.outputs[0];
        if (!sugeno()) {
            output_ = ImportedVariable::Of(out, outputName_, issues_);
            return output_.termNames;
        }
        std::vector<std::string> texts;
        for (const ForeignTerm& t : out.terms) texts.push_back(sugenoText(out, t));
        return texts;
    }

    std::string sugenoText(const ForeignVariable& out, const ForeignTerm& t) {
        const std::size_t nIn = system_.inputs.size();
        if (t.shape == "Constant" && t.params.size() == 1) return NumberText::file(t.params[0]);
        if (t.shape == "Linear") {
            if (t.params.size() == nIn + 1) return LinearText::Format(t.params);
            issues_.Refuse(t.line, "linear term \"" + t.name + "\" has " + std::to_string(t.params.size()) +
                                       std::string(" coefficients; ") + std::to_string(nIn + 1) + " expected");
            return "0";
        }
        const auto centroid = ShapeApproximation::Centroid(t, out.low, out.high);
        const std::string problem = "term \"" + t.name + "\" (" + t.shape + ") of a weighted-average output is neither constant nor linear";
        if (!centroid) {
            issues_.Refuse(t.line, problem);
            return "0";
        }
        issues_.Replace(t.line, problem, std::string("its centroid ") + NumberText::file(*centroid));
        return NumberText::file(*centroid);
    }

    // Locks of the output that this system has no counterpart for.
    void checkLocks() {
        const ForeignVariable& out = system_.outputs[0];
        if (out.lockPrevious.on)
            issues_.Replace(out.lockPrevious.line, "\"" + out.name + "\" keeps its previous value when no rule fires",
                            "the middle of its range");
        if (out.lockRange.on && sugeno() && MayLeaveRange(out))
            issues_.Replace(out.lockRange.line, "\"" + out.name + "\" is clamped to its range", "the value unclamped");
    }

    // Whether a weighted average of the output's terms may fall outside its range (a centroid never does).
    static bool MayLeaveRange(const ForeignVariable& out) {
        for (const ForeignTerm& t : out.terms) {
            if (t.shape == "Linear") return true;
            if (t.shape == "Constant" && !t.params.empty() && (t.params[0] < out.low || t.params[0] > out.high)) return true;
        }
        return false;
    }

    void noteDefault() {
        const ForeignVariable& out = system_.outputs[0];
        if (out.defaultValue && *out.defaultValue == (out.low + out.high) * 0.5) return;
        issues_.Note(out.line, "when no rule fires, \"" + outputName_ + "\" is the middle of its range, " +
                                   NumberText::file((out.low + out.high) * 0.5) +
                                   (out.defaultValue ? std::string(" (the file's default ") + NumberText::file(*out.defaultValue) + " is not kept)"
                                                     : std::string(" (the file's default is not a number)")));
    }

    // Linguistic settings, or "triang" where "not" on a symmetric context would keep half of it only.
    static std::shared_ptr<CBasicSettings> SettingsFor(const ImportedVariable& v, bool negated) {
        if (negated && v.low == -v.high) return std::make_shared<CTriangSettings>(v.low, v.high);
        return std::make_shared<CLinguisticSettings>(v.low, v.high);
    }

    // Whether some rule concludes a linear form rather than a constant.
    static bool UsesLinear(const std::vector<RuleRow>& rows) {
        for (const RuleRow& row : rows)
            if (!TextLines::Number(row.texts.back())) return true;
        return false;
    }

    static bool Negates(const std::vector<RuleRow>& rows, std::size_t column) {
        for (const RuleRow& row : rows)
            if (row.texts[column].find("not ") != std::string::npos) return true;
        return false;
    }

    CFuzzyVariable variableOf(const ImportedVariable& v, bool negated) const {
        const auto settings = SettingsFor(v, negated);
        for (std::size_t i = 0; i < v.termNames.size(); ++i) {
            if (v.free[i]) continue;
            const UserShape& s = *v.shapes[i];
            settings->addUserTerm(v.termNames[i], "", createParamSet(s.type, s.params.data(), v.low, v.high));
        }
        return CFuzzyVariable(v.name, settings, v.discretization);
    }

    std::unique_ptr<CRuleBase> build(const std::vector<RuleRow>& rows, const MethodImport::Methods& methods) {
        const DescriptionType type = !sugeno()        ? DescriptionType::linguistic
                                     : UsesLinear(rows) ? DescriptionType::takagi_sugeno
                                                        : DescriptionType::singleton;
        auto unit = std::make_unique<CRuleBase>(type);
        for (std::size_t k = 0; k < inputs_.size(); ++k)
            unit->AddAntecedent(variableOf(inputs_[k], Negates(rows, k)), CRuleBase::kNoVariable);
        if (sugeno()) {
            const ForeignVariable& out = system_.outputs[0];
            unit->AddSuccedent(CFuzzyVariable(outputName_, std::make_shared<CLinCSettings>(out.low, out.high),
                                              inputs_.back().discretization),
                               CRuleBase::kNoVariable);
        } else {
            unit->AddSuccedent(variableOf(output_, Negates(rows, inputs_.size())), CRuleBase::kNoVariable);
        }
        unit->SetInferenceMethod(*methods.inference);
        unit->SetDefuzzificationMethod(*methods.defuzzification);
        unit->SetDescription(description());
        try {
            unit->SetRules(rows);
        } catch (const ESyntax& error) {
            throw EInterchange(file_ + ": a rule cannot be read back: " + error.message());
        }
        return unit;
    }

    std::string description() const {
        std::string text = "Imported from " + file_;
        if (!system_.name.empty()) text += " (" + system_.name + ")";
        text += ".";
        if (!system_.description.empty()) text += "\n" + system_.description;
        return text;
    }

    ForeignSystem system_;  // a copy: ranges may be chosen
    const std::string& file_;
    ImportIssues issues_;
    ForeignSystem::Type type_ = ForeignSystem::Type::Mamdani;
    std::vector<std::string> inputNames_;
    std::string outputName_;
    std::vector<ImportedVariable> inputs_;
    ImportedVariable output_;
};

}  // namespace

ImportOutcome ForeignImporter::Import(const ForeignSystem& system, const std::string& file, ImportOptions options) {
    return ImportRun(system, file, options).run();
}

}  // namespace zorv
