// Every example rule base loads with the real reader, and its data file imports and computes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/data/DataTable.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

std::vector<std::filesystem::path> ExampleRuleBases() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(ZORV_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() == ".rb") {
            files.push_back(entry.path());
        }
    }
    return files;
}

TEST(ExamplesTest, EveryExampleLoadsImportsItsDataAndComputesEveryRow) {
    const auto files = ExampleRuleBases();
    ASSERT_GE(files.size(), 3u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::ostringstream warnings;
        const auto unit = CRuleBase::Load(file.string(), warnings);
        EXPECT_TRUE(warnings.str().empty()) << warnings.str();
        ASSERT_GE(unit->SuccedentCount(), 1);

        DataTable table(RuleBaseDataSource::LayoutOf(*unit, true));
        std::filesystem::path data = file;
        const DataImportResult imported = table.Import(data.replace_extension(".txt"));
        ASSERT_EQ(imported.status, DataImportResult::Status::kComplete) << imported.Message();
        EXPECT_GE(imported.rows, 5);

        RuleBaseDataSource source(*unit);
        const DataComputeResult result = table.Compute(source);
        EXPECT_EQ(result.RowsComputed(), imported.rows) << result.stopReason;
        ASSERT_TRUE(result.maxError) << result.maxErrorProblem;
        // The expected values are observations close to what the rule base answers.
        const double width = unit->ContextHigh(-1) - unit->ContextLow(-1);
        EXPECT_LT(*result.maxError, 0.1 * width);
    }
}

TEST(ExamplesTest, ExamplesSurviveASaveAndReload) {
    for (const auto& file : ExampleRuleBases()) {
        SCOPED_TRACE(file.filename().string());
        const auto unit = CRuleBase::Load(file.string());
        std::ostringstream saved;
        unit->Save(saved);
        const auto again = CRuleBase::LoadFromText(saved.str(), "saved");
        ASSERT_EQ(again->RuleCount(), unit->RuleCount());
        std::vector<double> inputs;
        for (int k = 0; k < unit->AntecedentCount(); ++k) {
            inputs.push_back(0.3 * unit->ContextLow(k) + 0.7 * unit->ContextHigh(k));
        }
        EXPECT_EQ(again->Evaluate(inputs.data()), unit->Evaluate(inputs.data()));
    }
}

}  // namespace
}  // namespace zorv
