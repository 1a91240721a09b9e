#pragma once

// Runs one input through the rule base reader or the data-file import and checks what must hold for
// any bytes: the reader ends with a rule base or an ESyntax, a rule base that loads evaluates, is
// analysed, saves (every file that loads can be saved) and reads back; an import ends with rows and a
// count, and the table computes and saves. Any other exception escapes; a broken invariant throws
// DataHarnessViolation.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/data/DataFileImporter.h"
#include "app/core/data/DataOutputWriter.h"
#include "app/core/data/DataTable.h"
#include "app/core/testwindow/FiredRulesText.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "fuzzy/expression/ESyntax.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "io/EWrite.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/RulesInfo.h"
#include "text/NumberText.h"

namespace zorv::fuzz {

class DataHarnessViolation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class DataReaderHarness {
public:
    enum Reader : int {
        kRuleBase,        // CRuleBase::LoadFromText, then evaluate, save and read back
        kDataFile,        // import into a two-input table, compute with a plain evaluator, save, import again
        kDataWithRules,   // import and compute with a real rule base
        kReaderCount
    };

    DataReaderHarness() : unit_(CRuleBase::LoadFromText(kRuleBaseText, "harness")) {}

    // The first byte picks the reader, the rest is the input.
    void run(std::span<const std::uint8_t> data) const {
        if (data.empty()) {
            return;
        }
        const std::string_view text(reinterpret_cast<const char*>(data.data()) + 1, data.size() - 1);
        runReader(static_cast<Reader>(data[0] % kReaderCount), text);
    }

    void runReader(Reader reader, std::string_view text) const {
        switch (reader) {
            case kRuleBase: return ruleBase(text);
            case kDataFile: return dataFile(text);
            case kDataWithRules: return dataWithRules(text);
            case kReaderCount: return;
        }
    }

private:
    // Two inputs, one output; every method reachable from a file is exercised by the fuzzed files.
    static constexpr const char* kRuleBaseText = R"(TypeOfDescription=linguistic
InfMethod=Logical_Deduction
DefuzzMethod=SimpDefuzzLingExpression
NumberOfAntecedentVariables=2
NumberOfSuccedentVariables=1
NumberOfRules=4
AntVariable1
 name=x
 settings=linguistic
 context=<-1,1>
 discretization=41
End_AntVariable1
AntVariable2
 name=y
 settings=linguistic
 context=<0,10>
 discretization=41
End_AntVariable2
SucVariable1
 name=z
 settings=linguistic
 context=<-5,5>
 discretization=41
End_SucVariable1
RULES
 "-bi" "sm" | "-ve bi"
 "ze" "me" | "ze"
 "+sm or +bi" "bi" | "+ml bi"
#"ro ze" "ml sm" | "-sm"
END_RULES
)";

    class LinearEvaluator : public DataTableEvaluator {
    public:
        double Evaluate(const double* inputs) override { return inputs[0] - 2 * inputs[1]; }
        std::string TypicalExpression(double value) const override { return value < 0 ? "-big" : "big"; }
    };

    static std::vector<double> middles(const CRuleBase& unit) {
        std::vector<double> inputs;
        for (int k = 0; k < unit.AntecedentCount(); ++k) {
            inputs.push_back((unit.ContextLow(k) + unit.ContextHigh(k)) / 2);
        }
        return inputs;
    }

    static void ruleBase(std::string_view text) {
        std::unique_ptr<CRuleBase> unit;
        std::ostringstream diagnostics;
        try {
            unit = CRuleBase::LoadFromText(text, "fuzz", diagnostics);
        } catch (const ESyntax&) {
            return;
        }
        for (int k = 0; k < unit->AntecedentCount(); ++k) {
            if (!(unit->ContextLow(k) < unit->ContextHigh(k))) {
                throw DataHarnessViolation("a loaded input variable has an empty context");
            }
        }
        if (unit->SuccedentCount() > 0) {
            evaluate(*unit);
        }
        if (RulesInfo::compute(*unit).size() != static_cast<std::size_t>(unit->RuleCount())) {
            throw DataHarnessViolation("the analysis has not one row per rule");
        }
        saveAndReload(*unit);
    }

    static void evaluate(CRuleBase& unit) {
        const std::vector<double> inputs = middles(unit);
        Workspace workspace;
        try {
            const double value = unit.Evaluate(inputs, workspace);
            if (unit.descriptionType() == DescriptionType::linguistic && !std::isnan(value) &&
                (value < unit.ContextLow(-1) - 1e-9 || value > unit.ContextHigh(-1) + 1e-9) &&
                unit.InferenceMethod().kind != InferenceKind::TakagiSugeno && !unit.DefuzzificationMethod().smooth) {
                throw DataHarnessViolation("a linguistic result lies outside the output context");
            }
        } catch (const ERefused&) {
            return;
        }
        FiredRulesText::Of(unit, workspace.Fired(), workspace.FiredCount());
    }

    static void saveAndReload(const CRuleBase& unit) {
        std::ostringstream saved;
        try {
            unit.Save(saved);
        } catch (const EWrite& refused) {
            throw DataHarnessViolation(std::string("a rule base that loads cannot be saved: ") + refused.what());
        }
        std::unique_ptr<CRuleBase> again;
        try {
            again = CRuleBase::LoadFromText(saved.str(), "again");
        } catch (const ESyntax&) {
            return;  // six significant digits may merge close bounds; the reader refuses that cleanly
        }
        if (again->AntecedentCount() != unit.AntecedentCount() || again->SuccedentCount() != unit.SuccedentCount() ||
            again->RuleCount() != unit.RuleCount()) {
            throw DataHarnessViolation("a saved rule base reads back with other variables or rules");
        }
    }

    static void checkImport(const DataTable& table, const DataImportResult& result) {
        if (result.status == DataImportResult::Status::kCannotOpen || result.rows < 0 ||
            table.Grid().DataRowCount() != std::max(result.rows, 1) ||
            (result.status == DataImportResult::Status::kPartial) == result.reason.empty()) {
            throw DataHarnessViolation("an import left a table that does not match its count");
        }
    }

    static void dataFile(std::string_view text) {
        DataTable table(DataTableLayout({{"x", -1, 1}, {"y", 0, 10}}, {{"z", -5, 5}}, true));
        std::istringstream in{std::string(text)};
        const DataImportResult result = table.Import(in);
        checkImport(table, result);
        LinearEvaluator evaluator;
        const DataComputeResult computed = table.Compute(evaluator);
        for (int i = 0; i < computed.RowsComputed(); ++i) {
            if (!NumberText::parseDecimal(table.Grid().Cell(DataGrid::kHeaderRows + i, 4))) {
                throw DataHarnessViolation("a computed cell does not read back");
            }
        }
        std::ostringstream saved;
        DataOutputWriter::Write(table.Grid(), saved);
        DataTable again(table.Layout());
        std::istringstream savedIn(saved.str());
        checkImport(again, again.Import(savedIn));
    }

    void dataWithRules(std::string_view text) const {
        DataTable table(RuleBaseDataSource::LayoutOf(*unit_, true));
        std::istringstream in{std::string(text)};
        checkImport(table, table.Import(in));
        RuleBaseDataSource source(*unit_);
        table.Compute(source);
    }

    std::unique_ptr<CRuleBase> unit_;
};

}  // namespace zorv::fuzz
