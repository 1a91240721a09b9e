#include "app/qt/tuning/TuningDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "app/core/tuning/TuningSummary.h"
#include "app/core/workbench/Prompter.h"
#include "app/qt/tuning/BestErrorChart.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

constexpr int kMinBudget = 10;
constexpr int kMaxBudget = 1'000'000;
constexpr int kMaxHoldOutPercent = 90;
constexpr ErrorMeasure::Kind kObjectives[] = {ErrorMeasure::Kind::rmse, ErrorMeasure::Kind::mae,
                                              ErrorMeasure::Kind::max};

QSpinBox* SpinBox(int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

}  // namespace

TuningDialog::TuningDialog(const CRuleBase& unit, const DataTable& table, Prompter& prompter, QWidget* parent)
    : QDialog(parent), unit_(unit), table_(table), prompter_(prompter) {
    setWindowTitle(tr("Tune"));
    buildChoices();
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(buildRun());
    layout->addWidget(buildResult(), 1);
    connect(&task_, &BackgroundTask::progressed, this, &TuningDialog::progressed);
    updateButtons();
}

// The worker is stopped before the trace and the table it reads go.
TuningDialog::~TuningDialog() { task_.stop(); }

void TuningDialog::buildChoices() {
    contexts_ = new QCheckBox(tr("&Contexts"), this);
    contexts_->setChecked(true);
    lingParams_ = new QCheckBox(tr("&Lingparams (the shapes of the words)"), this);
    userTerms_ = new QCheckBox(tr("&User terms"), this);
    variables_ = new QListWidget(this);
    variables_->setMaximumHeight(variables_->fontMetrics().height() * 6);
    for (int k = 0; k < unit_.AntecedentCount() + unit_.SuccedentCount(); ++k) {
        const int v = k < unit_.AntecedentCount() ? k : ~(k - unit_.AntecedentCount());
        auto* item = new QListWidgetItem(QString::fromStdString(unit_.VariableName(v)), variables_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* moving = new QGroupBox(tr("What may move"), this);
    auto* parts = new QVBoxLayout(moving);
    for (QWidget* w : std::initializer_list<QWidget*>{contexts_, lingParams_, userTerms_}) parts->addWidget(w);
    parts->addWidget(new QLabel(tr("Variables that may move:"), moving));
    parts->addWidget(variables_);

    objective_ = new QComboBox(this);
    objective_->addItems({tr("Root mean square error (RMSE)"), tr("Mean absolute error (MAE)"), tr("Largest error")});
    budget_ = SpinBox(kMinBudget, kMaxBudget, SearchLimits::kDefaultEvaluations, this);
    budget_->setSingleStep(100);
    holdOut_ = SpinBox(0, kMaxHoldOutPercent, 0, this);
    holdOut_->setSuffix(tr(" %"));
    seed_ = SpinBox(0, std::numeric_limits<int>::max(), 1, this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Objective:"), objective_);
    form->addRow(tr("&Budget (evaluations):"), budget_);
    form->addRow(tr("&Hold-out rows:"), holdOut_);
    form->addRow(tr("&Seed:"), seed_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(moving);
    layout->addLayout(form);
}

QWidget* TuningDialog::buildRun() {
    auto* run = new QWidget(this);
    start_ = new QPushButton(tr("&Start"), run);
    cancel_ = new QPushButton(tr("Cancel"), run);
    progress_ = new QProgressBar(run);
    chart_ = new BestErrorChart(run);
    connect(start_, &QPushButton::clicked, this, &TuningDialog::start);
    connect(cancel_, &QPushButton::clicked, this, &TuningDialog::cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(progress_, 1);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(run);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(chart_, 1);
    return run;
}

QWidget* TuningDialog::buildResult() {
    auto* result = new QWidget(this);
    errors_ = new QLabel(result);
    errors_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    changes_ = new QTableWidget(0, 3, result);
    changes_->setHorizontalHeaderLabels({tr("Parameter"), tr("Before"), tr("After")});
    changes_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    changes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    changes_->setSelectionMode(QAbstractItemView::NoSelection);
    changes_->setFocusPolicy(Qt::NoFocus);
    changes_->verticalHeader()->hide();
    apply_ = new QPushButton(tr("&Apply"), result);
    close_ = new QPushButton(tr("Close"), result);
    connect(apply_, &QPushButton::clicked, this, &TuningDialog::apply);
    connect(close_, &QPushButton::clicked, this, &TuningDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(result);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(errors_);
    layout->addWidget(changes_, 1);
    layout->addLayout(buttons);
    return result;
}

TuningOptions TuningDialog::options() const {
    TuningOptions options;
    options.scope = {contexts_->isChecked(), lingParams_->isChecked(), userTerms_->isChecked()};
    for (int i = 0; i < variables_->count(); ++i) {
        const QListWidgetItem* item = variables_->item(i);
        if (item->checkState() != Qt::Checked) options.fixed.insert(item->text().toStdString());
    }
    options.measure = ErrorMeasure(kObjectives[objective_->currentIndex()]);
    options.limits.evaluations = budget_->value();
    options.limits.seed = static_cast<std::uint64_t>(seed_->value());
    options.holdOut = holdOut_->value() / 100.0;
    return options;
}

void TuningDialog::start() {
    if (running()) return;
    const TuningOptions chosen = options();
    if (chosen.scope.Empty()) {
        prompter_.show(PromptMessage::plain(tr("Choose what may move.").toStdString()));
        return;
    }
    auto job = std::make_shared<DataTableTuning>(unit_, table_, chosen);
    auto run = std::make_shared<DataTableTuningRun>();
    trace_.Clear();
    tuned_.reset();
    closeWhenStopped_ = false;
    errors_->clear();
    changes_->setRowCount(0);
    progress_->setRange(0, chosen.limits.evaluations);
    progress_->setValue(0);
    chart_->setTrace({}, 0, chosen.limits.evaluations);
    task_.start([this, job, run](const JobControl& control) { *run = job->Run(control, trace_); },
                [this, run](const BackgroundTask::Ending& ending) { ended(ending, *run); });
    updateButtons();
}

void TuningDialog::cancel() { task_.cancel(); }

void TuningDialog::stop() {
    task_.stop();
    tuned_.reset();
    QDialog::reject();
}

void TuningDialog::progressed(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
    chart_->setTrace(trace_.Points(), done, total);
}

// A stopped run still gives the best rule base found so far; a window closed meanwhile takes none.
void TuningDialog::ended(const BackgroundTask::Ending& ending, const DataTableTuningRun& run) {
    if (ending.failure) {
        prompter_.show({*ending.failure, "Error", PromptIcon::error});
    } else if (!run.result) {
        prompter_.show(PromptMessage::plain(run.refusal));
    } else if (!closeWhenStopped_) {
        showResult(*run.result);
        tuned_ = std::make_unique<CRuleBase>(*run.result->tuned);
    }
    updateButtons();
    if (closeWhenStopped_) QDialog::reject();
}

void TuningDialog::showResult(const TuningResult& result) {
    QStringList lines;
    for (const std::string& line : TuningSummary::Errors(result)) lines << QString::fromStdString(line);
    lines << QString::fromStdString(TuningSummary::Ending(result));
    errors_->setText(lines.join(QLatin1Char('\n')));
    const auto changes = TuningSummary::Changes(result);
    changes_->setRowCount(static_cast<int>(changes.size()));
    for (int row = 0; row < changes_->rowCount(); ++row) {
        const TuningSummary::Change& change = changes[static_cast<std::size_t>(row)];
        int column = 0;
        for (const std::string* text : {&change.name, &change.before, &change.after}) {
            changes_->setItem(row, column++, new QTableWidgetItem(QString::fromStdString(*text)));
        }
    }
    progress_->setValue(progress_->maximum());
    chart_->setTrace(trace_.Points(), result.search.evaluations, progress_->maximum());
}

void TuningDialog::apply() {
    if (running() || !tuned_) return;
    emit applyRequested();
    accept();
}

std::unique_ptr<CRuleBase> TuningDialog::takeTuned() { return std::move(tuned_); }

void TuningDialog::reject() {
    if (!running()) {
        QDialog::reject();
        return;
    }
    closeWhenStopped_ = true;
    cancel();
}

void TuningDialog::updateButtons() {
    const bool idle = !running();
    for (QWidget* w : std::initializer_list<QWidget*>{contexts_, lingParams_, userTerms_, variables_, objective_,
                                                      budget_, holdOut_, seed_, start_}) {
        w->setEnabled(idle);
    }
    cancel_->setEnabled(!idle);
    apply_->setEnabled(idle && tuned_ != nullptr && changes_->rowCount() > 0);
}

}  // namespace zorv
