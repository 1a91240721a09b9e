#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "app/qt/data/FTransformSettingsChooser.h"
#include "app/qt/files/FileNameProvider.h"
#include "app/qt/files/NewRuleBaseChooser.h"
#include "app/qt/workbench/SettingsStore.h"
#include "app/qt/variables/VariableEditing.h"
#include "app/qt/workbench/WorkbenchServices.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CFuzzyVariable.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/RecordingPrompter.h"

namespace zorv::test {

// Answers the file dialogs from queues (cancel when empty) and remembers where they would have started.
class ScriptedFileNames final : public FileNameProvider {
public:
    std::optional<QString> openRuleBaseName(const QString& initialPath) override {
        openStarts.push_back(initialPath);
        return next(openAnswers);
    }
    std::optional<QString> saveRuleBaseName(const QString& initialPath) override {
        saveStarts.push_back(initialPath);
        return next(saveAnswers);
    }
    std::optional<QString> exportImageName(const QString&) override { return next(imageAnswers); }
    std::optional<QString> openDataFileName(const QString& initialDirectory) override {
        dataStarts.push_back(initialDirectory);
        return next(dataAnswers);
    }
    std::optional<QString> saveOutputFileName(const QString& initialPath) override {
        saveStarts.push_back(initialPath);
        return next(saveAnswers);
    }
    std::optional<QString> saveFTVectorName(const QString& initialPath) override {
        saveStarts.push_back(initialPath);
        return next(saveAnswers);
    }
    std::optional<QString> importFileName() override { return next(importAnswers); }
    std::optional<ExportTarget> exportTarget(const QString&) override {
        std::optional<ExportTarget> answer;
        if (!exportAnswers.empty()) {
            answer = exportAnswers.front();
            exportAnswers.pop_front();
        }
        return answer;
    }

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> importAnswers;
    std::deque<ExportTarget> exportAnswers;
    std::deque<std::optional<QString>> imageAnswers;
    std::deque<std::optional<QString>> saveAnswers;  // rule bases, output and FT-Vector files
    std::deque<std::optional<QString>> dataAnswers;
    std::vector<QString> openStarts;
    std::vector<QString> saveStarts;
    std::vector<QString> dataStarts;

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& answers) {
        std::optional<QString> answer;
        if (!answers.empty()) {
            answer.swap(answers.front());
            answers.pop_front();
        }
        return answer;
    }
};

class FixedNewRuleBase final : public NewRuleBaseChooser {
public:
    std::optional<DescriptionType> chooseType() override { return type; }
    std::optional<DescriptionType> type = DescriptionType::linguistic;
};

// Stands in for the variable dialog: records the calls; "Add" appends a copy of the input variable it is
// told to copy from, "Edit" renames the variable and rewrites the rules when asked to.
class FakeVariableEditing final : public VariableEditing {
public:
    bool addVariable(QWidget*, CRuleBase& unit, bool input, int copyFrom) override {
        adds.push_back(copyFrom);
        if (!accept) return false;
        const CFuzzyVariable& source = unit.Variable(copyFrom);
        auto settings = std::make_shared<CLinguisticSettings>(source.Settings().low(), source.Settings().high());
        unit.AddAntecedent(CFuzzyVariable("Copy_" + source.Name(), settings, source.Discretization()),
                           input ? copyFrom : ~copyFrom);
        return true;
    }
    bool editVariable(QWidget*, CRuleBase& unit, int signedIndex) override {
        edits.push_back(signedIndex);
        if (!accept) return false;
        if (!newName.empty()) unit.Variable(signedIndex).SetName(newName);
        if (alsoRewrite) unit.SetRules(*alsoRewrite);
        return true;
    }

    bool accept = true;
    std::string newName;
    // Rules the dialog leaves behind, as a context change answered "recompute" does.
    std::optional<std::vector<RuleRow>> alsoRewrite;
    std::vector<int> adds;
    std::vector<int> edits;
};

// Stands in for the F-transform settings dialog: answers with `choice` (none: Cancel) and records the
// records it was opened on; `nodes`, when set, goes into every record as the dialog's field would.
class FakeFTransformSettings final : public FTransformSettingsChooser {
public:
    std::optional<Choice> choose(QWidget*, std::vector<PartitionSettings>& records,
                                 std::span<const FTransformContext> contexts, const QStringList&) override {
        if (records.size() != contexts.size()) {
            records.clear();
            for (const auto& context : contexts) records.push_back(PartitionSettings::forContext(context.low, context.high));
        }
        if (nodes) {
            for (auto& record : records) record.nodes = *nodes;
        }
        opened.push_back(records);
        return choice;
    }

    std::optional<Choice> choice = Choice{};
    std::optional<int> nodes;
    std::vector<std::vector<PartitionSettings>> opened;
};

// Every fake together, with a settings store in a temporary INI file.
struct TestWorkbench {
    TestWorkbench() : settings(SettingsStore::iniFile(dir.filePath(QStringLiteral("settings.ini")))) {}

    WorkbenchServices services() { return {prompter, files, newRuleBase, variables, settings, ftransform}; }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    RecordingPrompter prompter;
    ScriptedFileNames files;
    FixedNewRuleBase newRuleBase;
    FakeVariableEditing variables;
    SettingsStore settings;
    FakeFTransformSettings ftransform;
};

}  // namespace zorv::test
