#include "app/qt/data/EditorDataTab.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/core/data/DataTableFTransform.h"
#include "app/core/data/DataTableLearning.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "app/qt/data/DataTableModel.h"
#include "app/qt/editor/EditorProgress.h"
#include "app/qt/data/FTransformSettingsChooser.h"
#include "app/qt/files/FileNameProvider.h"
#include "app/qt/tuning/TuningDialog.h"
#include "app/qt/workbench/ShownText.h"
#include "app/qt/workbench/WorkbenchIcons.h"
#include "ftransform/partition/EFTransformSettings.h"
#include "ftransform/transform/TFTVectorWriter.h"
#include "ftransform/transform/TFTransform.h"
#include "io/EWrite.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

EditorDataTab::EditorDataTab(CRuleBase& unit, EditorProgress& progress, WorkbenchServices services, QWidget* parent)
    : QWidget(parent),
      unit_(unit),
      progress_(progress),
      services_(services),
      table_(RuleBaseDataSource::LayoutOf(unit)) {
    buildTab();
    connect(&task_, &BackgroundTask::progressed, &progress_, &EditorProgress::advance);
    connect(&progress_, &EditorProgress::cancelRequested, &task_, &BackgroundTask::cancel);
    updateCommands();
}

// The view lets go of the model before the table it shows goes.
EditorDataTab::~EditorDataTab() {
    task_.stop();
    view_->setModel(nullptr);
}

void EditorDataTab::buildTab() {
    model_ = new DataTableModel(table_, this);
    view_ = new QTableView(this);
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setDefaultSectionSize(view_->fontMetrics().horizontalAdvance(QStringLiteral("<-0000.00, 0000.00>")));

    import_ = new QPushButton(WorkbenchIcons::named("document-import"), tr("Import file..."), this);
    compute_ = new QPushButton(tr("Compute"), this);
    save_ = new QPushButton(WorkbenchIcons::named("document-save"), tr("Save File..."), this);
    learn_ = new QToolButton(this);
    learn_->setText(tr("Learn"));
    learn_->setPopupMode(QToolButton::InstantPopup);
    learn_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buildLearnMenu();
    inverse_ = new QPushButton(tr("inv F-Transform"), this);
    lingApprox_ = new QCheckBox(tr("Linguistic Approximation"), this);
    addRow_ = new QPushButton(WorkbenchIcons::named("list-add"), tr("Add R&ow"), this);
    deleteRow_ = new QPushButton(WorkbenchIcons::named("list-remove"), tr("&Delete Row"), this);
    maxError_ = new QLabel(this);
    maxError_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dataFile_ = new QLabel(this);
    dataFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(import_, &QPushButton::clicked, this, &EditorDataTab::importFile);
    connect(compute_, &QPushButton::clicked, this, &EditorDataTab::compute);
    connect(save_, &QPushButton::clicked, this, &EditorDataTab::saveFile);
    connect(inverse_, &QPushButton::clicked, this, &EditorDataTab::inverseFTransform);
    connect(lingApprox_, &QCheckBox::toggled, this, &EditorDataTab::setLingApprox);
    connect(addRow_, &QPushButton::clicked, this, &EditorDataTab::addRow);
    connect(deleteRow_, &QPushButton::clicked, this, &EditorDataTab::deleteRow);

    auto* commands = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{import_, compute_, save_, learn_, inverse_, lingApprox_}) {
        commands->addWidget(widget);
    }
    commands->addStretch();
    auto* rows = new QHBoxLayout;
    rows->addWidget(addRow_);
    rows->addWidget(deleteRow_);
    rows->addStretch();
    rows->addWidget(new QLabel(tr("Max. Error:"), this));
    rows->addWidget(maxError_);
    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(tr("Data filename:"), this));
    file->addWidget(dataFile_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(view_, 1);
    layout->addLayout(rows);
    layout->addLayout(file);
}

void EditorDataTab::buildLearnMenu() {
    auto* menu = new QMenu(learn_);
    linguisticItem_ = menu->addAction(tr("&Linguistic learning"));
    pentatomyItem_ = menu->addAction(tr("Linguistic learning (&pentatomy)"));
    approxItem_ = menu->addAction(tr("&Approx learning"));
    menu->addSeparator();
    fTransformItem_ = menu->addAction(tr("F-&Transform"));
    menu->addSeparator();
    tuneItem_ = menu->addAction(tr("T&une..."));
    linguisticItem_->setEnabled(false);  // there is no such learning; the item only names it
    connect(pentatomyItem_, &QAction::triggered, this, [this] { learn(LearningMode::pentatomy); });
    connect(approxItem_, &QAction::triggered, this, [this] { learn(LearningMode::approx); });
    connect(fTransformItem_, &QAction::triggered, this, &EditorDataTab::fTransform);
    connect(tuneItem_, &QAction::triggered, this, &EditorDataTab::tune);
    learn_->setMenu(menu);
}

void EditorDataTab::setRuleBaseFile(const QString& path) { ruleBaseFile_ = path; }

QString EditorDataTab::ruleBaseFolder() const { return QFileInfo(ruleBaseFile_).absolutePath(); }

void EditorDataTab::setLearningAllowed(bool allowed) {
    learningAllowed_ = allowed;
    updateCommands();
}

bool EditorDataTab::running() const { return task_.running() || tuning_; }

TuningDialog* EditorDataTab::tuningDialog() const { return tuning_; }

void EditorDataTab::stopWork() {
    task_.stop();
    if (tuning_) tuning_->stop();
}

// --- the state while work runs ---------------------------------------------------------------------------

void EditorDataTab::run(int steps, BackgroundTask::Work work, std::function<void(const BackgroundTask::Ending&)> then) {
    lock(true);
    progress_.start(steps);
    const bool started = task_.start(std::move(work), [this, then = std::move(then)](const BackgroundTask::Ending& ending) {
        progress_.finish();
        lock(false);
        if (ending.failure) showError(*ending.failure, "Error", PromptIcon::error);
        then(ending);
    });
    if (!started) {  // another command still runs; the tab is locked while it does, so this is not expected
        progress_.finish();
        lock(false);
    }
}

void EditorDataTab::lock(bool locked) {
    locked_ = locked;
    model_->setLocked(locked);
    if (locked) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
    updateCommands();
    if (!locked && headersStale_ && isVisible()) rebuildHeaders();
}

void EditorDataTab::updateCommands() {
    const bool idle = !locked_;
    for (QWidget* widget : std::initializer_list<QWidget*>{import_, compute_, save_, learn_, lingApprox_, addRow_, deleteRow_}) {
        widget->setEnabled(idle);
    }
    inverse_->setEnabled(idle && transform_ != nullptr);
    pentatomyItem_->setEnabled(learningAllowed_ && unit_.descriptionType() == DescriptionType::linguistic);
    approxItem_->setEnabled(learningAllowed_);
    tuneItem_->setEnabled(learningAllowed_);
}

void EditorDataTab::showError(const std::string& text, const char* caption, PromptIcon icon) {
    services_.prompter.show({text, caption, icon});
}

// --- headers ---------------------------------------------------------------------------------------------

void EditorDataTab::showing() {
    if (locked_) {
        headersStale_ = true;
        return;
    }
    rebuildHeaders();
}

// The columns follow the variables; the view starts afresh only when their number changed. A transform made
// for another number of inputs cannot reconstruct the rows any more.
void EditorDataTab::rebuildHeaders() {
    headersStale_ = false;
    if (transform_ && transform_->dimensions() != unit_.AntecedentCount()) {
        transform_.reset();
        updateCommands();
    }
    DataTableLayout layout = RuleBaseDataSource::LayoutOf(unit_, table_.Layout().LingApprox());
    if (layout.ColumnCount() == table_.Grid().ColumnCount()) {
        table_.SetLayout(std::move(layout));
        model_->refreshHeaders();
    } else {
        model_->reshape([&] { table_.SetLayout(std::move(layout)); });
    }
}

void EditorDataTab::setLingApprox(bool on) {
    if (locked_) return;
    model_->reshape([&] { table_.SetLingApprox(on); });
}

// --- rows ------------------------------------------------------------------------------------------------

void EditorDataTab::addRow() {
    if (!locked_) model_->appendRow();
}

void EditorDataTab::deleteRow() {
    if (!locked_) model_->removeRow(view_->currentIndex().row());
}

// --- import, compute, save -------------------------------------------------------------------------------

void EditorDataTab::importFile() {
    if (locked_) return;
    const auto path = services_.files.openDataFileName(ruleBaseFolder());
    if (!path || !QFileInfo::exists(*path)) return;
    auto data = std::make_shared<DataTable::ImportedData>();
    run(0, [this, data, file = std::filesystem::path(path->toStdString())](const JobControl& control) {
            *data = table_.ReadDataFile(file, control);
        },
        [this, data](const BackgroundTask::Ending& ending) {
            if (ending.failure || data->result.status == DataImportResult::Status::kCancelled) return;
            if (!data->result.Imported()) {
                showError(data->result.Message(), "IO Error");
                return;
            }
            if (data->result.NoDataRows()) {
                showError(pathText(data->path).toStdString() + " holds no data rows; the table is left as it was.",
                          "Warning");
                return;
            }
            const std::string message = data->result.Message();
            model_->reshape([&] { table_.InstallImport(std::move(*data)); });
            dataFile_->setText(pathText(table_.DataFileName()));
            services_.prompter.show(PromptMessage::plain(message));
        });
}

void EditorDataTab::compute() {
    if (locked_) return;
    if (unit_.SuccedentCount() == 0) {
        showError("The rule base has no output variable.", "Error", PromptIcon::error);
        return;
    }
    if (const auto& refusal = unit_.Compiled()->refusal()) {
        showError(*refusal, "Error", PromptIcon::error);
        return;
    }
    auto source = std::make_shared<RuleBaseDataSource>(unit_);
    auto computation = std::make_shared<DataComputation>();
    run(table_.Grid().DataRowCount(),
        [this, source, computation](const JobControl& control) { *computation = table_.ComputeRows(*source, control); },
        [this, computation](const BackgroundTask::Ending& ending) {
            if (ending.failure) return;
            const DataComputeResult result = table_.InstallComputation(std::move(*computation));
            model_->refreshColumn(table_.Layout().OutputColumn(0));
            if (table_.Layout().LingApprox()) model_->refreshColumn(table_.Layout().LingApproxColumn());
            // A row that ended the computation is named; the rows below it have no result, so there is no
            // largest error to show. A cancelled run says nothing.
            showMaxError();
            if (result.maxError) return;
            if (const std::string stop = DataTableComputer::StopMessage(result); !stop.empty()) {
                showError(stop, "Error", PromptIcon::error);
            } else if (!result.stoppedAtRow && !result.maxErrorProblem.empty()) {
                showError(result.maxErrorProblem, "Error", PromptIcon::error);
            }
        });
}

void EditorDataTab::showMaxError() { maxError_->setText(QString::fromStdString(table_.MaxErrorText())); }

void EditorDataTab::saveFile() {
    if (locked_) return;
    std::filesystem::path initial = table_.DefaultOutputPath();
    if (initial.empty() && !ruleBaseFile_.isEmpty()) initial = std::filesystem::path(ruleBaseFile_.toStdString()).replace_extension(".out");
    const auto path = services_.files.saveOutputFileName(pathText(initial));
    if (!path) return;
    auto failure = std::make_shared<std::optional<std::string>>();
    run(table_.Grid().RowCount(),
        [this, failure, file = std::filesystem::path(path->toStdString())](const JobControl& control) {
            *failure = table_.SaveOutput(file, control);
        },
        [this, failure](const BackgroundTask::Ending& ending) {
            if (!ending.failure && !ending.stopRequested && *failure) showError(**failure, "Write Error");
        });
}

// --- learning --------------------------------------------------------------------------------------------

void EditorDataTab::learn(LearningMode mode) {
    if (locked_ || !learningAllowed_) return;
    if (mode == LearningMode::pentatomy && unit_.descriptionType() != DescriptionType::linguistic) return;
    auto learning = std::make_shared<DataTableLearning>(unit_, table_, mode, ruleBaseFile_.toStdString());
    if (const auto refusal = learning->Refusal()) {
        services_.prompter.show(PromptMessage::plain(*refusal));
        return;
    }
    auto outcome = std::make_shared<LearningOutcome>();
    emit learningStarted();
    run(table_.Grid().DataRowCount(),
        [learning, outcome](const JobControl& control) { *outcome = learning->Run(control); },
        [this, learning, outcome, mode](const BackgroundTask::Ending& ending) {
            emit learningEnded();
            if (ending.failure || outcome->cancelled) return;
            if (const auto question = DataTableLearning::Question(*outcome)) {
                if (services_.prompter.ask(*question, PromptButtons::yesNo) != PromptAnswer::yes) return;
            }
            unit_ = std::move(*learning->TakeLearned());
            learnedRules_ = learning->TakeLearnedRules();
            emit rulesLearned(mode == LearningMode::pentatomy);
            services_.prompter.show(PromptMessage::plain(DataTableLearning::Report(*outcome)));
        });
}

// --- tuning ----------------------------------------------------------------------------------------------

// The dialog reads the table and a copy of the rule base: both stay as they are while it is open.
void EditorDataTab::tune() {
    if (locked_ || !learningAllowed_ || tuning_) return;
    tuning_ = new TuningDialog(unit_, table_, services_.prompter, this);
    tuning_->setAttribute(Qt::WA_DeleteOnClose);
    connect(tuning_, &TuningDialog::applyRequested, this, &EditorDataTab::applyTuning);
    connect(tuning_, &QDialog::finished, this, &EditorDataTab::tuningClosed);
    lock(true);
    unsetCursor();  // nothing runs until the dialog starts, and it shows its own progress
    emit learningStarted();
    tuning_->show();
}

void EditorDataTab::applyTuning() {
    const std::unique_ptr<CRuleBase> tuned = tuning_->takeTuned();
    if (!tuned) return;
    const CRuleBase before(unit_);
    unit_ = *tuned;
    headersStale_ = true;  // the contexts show in the header rows
    emit vocabulariesTuned(before);
}

void EditorDataTab::tuningClosed() {
    lock(false);
    emit learningEnded();
}

// --- the F-transform -------------------------------------------------------------------------------------

std::shared_ptr<DataTableFTransform> EditorDataTab::fTransformJob() {
    try {
        return std::make_shared<DataTableFTransform>(unit_, table_);
    } catch (const EFTransformSettings& unusable) {
        showError(unusable.what(), "Wrong input");
        return nullptr;
    }
}

void EditorDataTab::fTransform() {
    if (locked_) return;
    const std::vector<FTransformContext> contexts = DataTableFTransform::InputContexts(unit_);
    QStringList names;
    for (int k = 0; k < unit_.AntecedentCount(); ++k) names << QString::fromStdString(unit_.VariableName(k));
    const std::shared_ptr<DataTableFTransform> job = fTransformJob();
    if (!job) return;
    const auto choice = services_.ftransform.choose(this, partitions_, contexts, names);
    if (!choice) return;
    auto outcome = std::make_shared<FTransformOutcome>();
    run(table_.Grid().DataRowCount(),
        [job, outcome, partitions = partitions_, maxError = choice->maxError](const JobControl& control) {
            *outcome = job->Fit(partitions, maxError, control);
        },
        [this, job, outcome, toFile = choice->outputToFile](const BackgroundTask::Ending& ending) {
            if (ending.failure || outcome->status == FTransformStatus::Cancelled) return;
            if (refuseNothingRead(outcome->reconstruction)) return;
            transform_ = std::move(outcome->transform);
            partitions_ = outcome->partitions;
            updateCommands();
            job->Install(table_, outcome->reconstruction);
            showReconstruction();
            if (const std::string_view message = statusMessage(outcome->status); !message.empty()) {
                services_.prompter.show(
                    PromptMessage::captioned(std::string(message), std::string(statusCaption(outcome->status))));
            }
            if (toFile) writeFTVector();
        });
}

void EditorDataTab::inverseFTransform() {
    if (locked_ || !transform_) return;
    const std::shared_ptr<DataTableFTransform> job = fTransformJob();
    if (!job) return;
    auto reconstruction = std::make_shared<FTransformReconstruction>();
    run(table_.Grid().DataRowCount(),
        [job, reconstruction, transform = transform_](const JobControl& control) {
            *reconstruction = job->Inverse(*transform, control);
        },
        [this, job, reconstruction](const BackgroundTask::Ending& ending) {
            if (ending.failure || reconstruction->cancelled || refuseNothingRead(*reconstruction)) return;
            job->Install(table_, *reconstruction);
            showReconstruction();
        });
}

// A transform of no row is kept nowhere: the table, the last transform and the settings stay as they were.
bool EditorDataTab::refuseNothingRead(const FTransformReconstruction& reconstruction) {
    const auto problem = DataTableFTransform::NothingRead(reconstruction);
    if (problem) showError(*problem, "Error", PromptIcon::error);
    return problem.has_value();
}

void EditorDataTab::showReconstruction() {
    model_->refreshColumn(table_.Layout().OutputColumn(0));
    if (table_.Layout().LingApprox()) model_->refreshColumn(table_.Layout().LingApproxColumn());
    showMaxError();
}

// The components go where the user says, beside the data file by default; an existing file is replaced
// only when the user agrees, and a file that cannot be written is reported.
void EditorDataTab::writeFTVector() {
    const std::filesystem::path data = table_.DataFileName();
    const std::filesystem::path initial = !data.empty() ? TFTVectorWriter::defaultPathFor(data)
                                                        : std::filesystem::path(ruleBaseFile_.toStdString()).replace_extension(".ftv");
    const auto path = services_.files.saveFTVectorName(pathText(initial));
    if (!path || !transform_) return;
    auto failure = std::make_shared<std::optional<std::string>>();
    run(0,
        [transform = transform_, failure, file = std::filesystem::path(path->toStdString())](const JobControl&) {
            try {
                TFTVectorWriter::writeFile(*transform, file);
            } catch (const EWrite& error) {
                *failure = error.what();
            }
        },
        [this, failure](const BackgroundTask::Ending& ending) {
            if (!ending.failure && *failure) showError(**failure, "Write Error");
        });
}

}  // namespace zorv
