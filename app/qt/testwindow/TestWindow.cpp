#include "app/qt/testwindow/TestWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <variant>

#include "app/core/evaluation/BatchRun.h"
#include "app/core/evaluation/EvaluationBudget.h"
#include "app/core/evaluation/EvaluatorSources.h"
#include "app/core/testwindow/ProjectionCurve.h"
#include "app/core/testwindow/ProjectionGeometry.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/files/RuleBaseSaver.h"
#include "app/core/data/TypicalExpression.h"
#include "app/qt/evaluation/BackgroundEvaluation.h"
#include "app/qt/testwindow/BackgroundFilterBuild.h"
#include "app/qt/testwindow/BackgroundTestEvaluation.h"
#include "app/qt/testwindow/FuzzySetInputPanel.h"
#include "app/qt/testwindow/FuzzySetOutputBox.h"
#include "app/qt/testwindow/FuzzySetOutputPanel.h"
#include "app/qt/surface/ImageExport.h"
#include "app/qt/testwindow/PanelFields.h"
#include "app/qt/testwindow/ProjectionPlot.h"
#include "app/qt/surface/SurfaceWindow.h"
#include "app/qt/workbench/WindowPlacement.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FTInferenceFilter.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

void fillList(QComboBox& list, const std::vector<std::string>& names, int current) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& name : names) {
        list.addItem(text(name));
        list.setItemData(list.count() - 1, text(name), Qt::ToolTipRole);
    }
    list.setCurrentIndex(current);
    list.setToolTip(list.currentText());
}

QScrollArea* scrolling(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setWidget(content);
    area->setWidgetResizable(true);
    return area;
}

// A part of a splitter: the caption above the widget.
QWidget* captioned(const QString& caption, QWidget* widget, QWidget* parent) {
    auto* part = new QWidget(parent);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption, part));
    layout->addWidget(widget, 1);
    return part;
}

// A method list that may be narrower than its longest name: each name shows whole in its tool tip, and the
// chosen one in the list's own.
QComboBox* methodList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(18);
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QComboBox::setToolTip);
    return list;
}

// How wide a list must be to show its longest item whole.
int fullWidth(const QComboBox& list) {
    int text = 0;
    for (int i = 0; i < list.count(); ++i) text = std::max(text, list.fontMetrics().horizontalAdvance(list.itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(&list);
    return list.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, list.fontMetrics().height()), &list).width();
}

}  // namespace

TestWindow::TestWindow(CRuleBase& unit, const QString& fileName, Services services, QWidget* parent)
    : QWidget(parent),
      unit_(unit),
      services_(services),
      caption_(fileName + QStringLiteral(" - Test")),
      session_(unit),
      projectionRun_(new BackgroundEvaluation(this)),
      filterBuild_(new BackgroundFilterBuild(this)),
      outcomeRun_(new BackgroundTestEvaluation(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption_);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildLeftColumn());
    splitter->addWidget(buildRightColumn());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    fillLists();
    connectControls();
    showStoredText();
    for (int k = 0; k < session_.Inputs().Count(); ++k) showInput(k, true);
    evaluate();
}

// At first as large as shows two inputs and the output without scrolling and the method lists' longest names
// whole; the main window makes it smaller where its area is smaller.
QSize TestWindow::sizeHint() const {
    QSize hint = QWidget::sizeHint();
    const int lists = std::max(fullWidth(*inference_), fullWidth(*defuzzification_));
    hint.rwidth() += std::max(0, lists - inference_->sizeHint().width());
    return hint;
}

// Stops the work in progress; nothing of it is shown any more.
TestWindow::~TestWindow() {
    projectionRun_->disconnect(this);
    filterBuild_->disconnect(this);
    outcomeRun_->disconnect(this);
}

// --- building ----------------------------------------------------------------------------------------------

// Inputs, outputs and the stored text, with splitters between them.
QWidget* TestWindow::buildLeftColumn() {
    auto* column = new QSplitter(Qt::Vertical, this);
    column->setChildrenCollapsible(false);
    auto* inputs = new QWidget(column);
    auto* inputRows = new QVBoxLayout(inputs);
    for (int k = 0; k < unit_.AntecedentCount(); ++k) {
        auto* panel = new FuzzySetInputPanel(text(unit_.VariableName(k)), unit_.ContextLow(k), unit_.ContextHigh(k),
                                             inputs);
        inputPanels_.push_back(panel);
        inputRows->addWidget(panel);
        connect(panel, &FuzzySetInputPanel::positionChosen, this, [this, k](double p) { moveInput(k, p); });
        connect(panel, &FuzzySetInputPanel::valueTyped, this, [this, k](const QString& t) { typeInput(k, t); });
    }
    inputRows->addStretch(1);
    column->addWidget(captioned(tr("Input variables:"), scrolling(inputs, column), column));

    auto* outputs = new QWidget(column);
    auto* outputRows = new QVBoxLayout(outputs);
    if (unit_.SuccedentCount() > 0) {
        outputPanel_ = new FuzzySetOutputPanel(text(unit_.VariableName(-1)), unit_.ContextLow(-1),
                                               unit_.ContextHigh(-1), outputs);
        outputRows->addWidget(outputPanel_, 1);
    }
    outputStatus_ = new QLabel(outputs);
    outputStatus_->setWordWrap(true);
    outputStatus_->setStyleSheet(QStringLiteral("color: red;"));
    outputRows->addWidget(outputStatus_);
    column->addWidget(captioned(tr("Output variables:"), scrolling(outputs, column), column));

    stored_ = new QPlainTextEdit(column);
    stored_->setReadOnly(true);
    stored_->setLineWrapMode(QPlainTextEdit::NoWrap);
    stored_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    column->addWidget(stored_);
    column->setStretchFactor(0, 2);
    column->setStretchFactor(1, 0);
    column->setStretchFactor(2, 1);
    return column;
}

// The methods and the fired rules above the projection, with a splitter between.
QWidget* TestWindow::buildRightColumn() {
    auto* column = new QSplitter(Qt::Vertical, this);
    column->setChildrenCollapsible(false);
    auto* top = new QWidget(column);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildMethods());
    fired_ = new QPlainTextEdit(top);
    fired_->setReadOnly(true);
    fired_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(captioned(tr("Fired rules:"), fired_, top), 1);
    column->addWidget(top);
    column->addWidget(buildProjection());
    column->setStretchFactor(0, 1);
    column->setStretchFactor(1, 2);
    return column;
}

QWidget* TestWindow::buildMethods() {
    auto* box = new QWidget(this);
    auto* form = new QGridLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    inference_ = methodList(box);
    defuzzificationCaption_ = new QLabel(tr("Type of defuzzification:"), box);
    defuzzification_ = methodList(box);
    filter_ = new QCheckBox(tr("Fuzzy Transform Filter"), box);
    form->addWidget(new QLabel(tr("Type of inference:"), box), 0, 0);
    form->addWidget(inference_, 0, 1);
    form->addWidget(defuzzificationCaption_, 1, 0);
    form->addWidget(defuzzification_, 1, 1);
    form->addWidget(filter_, 2, 1);
    form->setColumnStretch(1, 1);
    return box;
}

QWidget* TestWindow::buildProjection() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    projectionVariable_ = new QComboBox(box);
    projectionEnabled_ = new QCheckBox(tr("Enabled"), box);
    projectionEnabled_->setChecked(true);
    steps_ = new QLineEdit(box);
    steps_->setMaximumWidth(80);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Projection:"), box));
    controls->addWidget(projectionVariable_, 1);
    controls->addWidget(projectionEnabled_);
    controls->addWidget(new QLabel(tr("Steps:"), box));
    controls->addWidget(steps_);
    layout->addLayout(controls);

    plot_ = new ProjectionPlot(box);
    layout->addWidget(plot_, 1);

    progress_ = new QProgressBar(box);
    cancel_ = new QPushButton(tr("Cancel"), box);
    projectionStatus_ = new QLabel(box);
    projectionStatus_->setWordWrap(true);
    projectionStatus_->setStyleSheet(QStringLiteral("color: red;"));
    export_ = new QPushButton(tr("Export image..."), box);
    surface_ = new QPushButton(tr("&Surface"), box);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress_, 1);
    buttons->addWidget(cancel_);
    buttons->addWidget(projectionStatus_, 1);
    buttons->addWidget(export_);
    buttons->addWidget(surface_);
    layout->addLayout(buttons);
    setProjectionBusy(false);
    return box;
}

void TestWindow::fillLists() {
    const UnitMethodChoices& methods = session_.Methods();
    fillList(*inference_, methods.inferenceNames(), methods.inferenceIndex(unit_));
    fillList(*defuzzification_, methods.defuzzificationNames(), methods.defuzzificationIndex(unit_));
    defuzzification_->setVisible(methods.defuzzificationShown());
    defuzzificationCaption_->setVisible(methods.defuzzificationShown());
    {
        const QSignalBlocker blocker(filter_);
        filter_->setChecked(session_.FilterOn());
    }
    filter_->setEnabled(session_.FilterAvailable());
    {
        const QSignalBlocker blocker(projectionVariable_);
        for (int k = 0; k < unit_.AntecedentCount(); ++k) projectionVariable_->addItem(text(unit_.VariableName(k)));
        projectionVariable_->setCurrentIndex(session_.ProjectionVariable());
    }
    steps_->setText(QString::number(session_.Steps()));
    surface_->setEnabled(unit_.AntecedentCount() > 1);
}

void TestWindow::connectControls() {
    connect(inference_, &QComboBox::activated, this, &TestWindow::chooseInference);
    connect(defuzzification_, &QComboBox::activated, this, &TestWindow::chooseDefuzzification);
    connect(filter_, &QCheckBox::toggled, this, &TestWindow::toggleFilter);
    connect(steps_, &QLineEdit::editingFinished, this, &TestWindow::takeSteps);
    connect(projectionVariable_, &QComboBox::currentIndexChanged, this, &TestWindow::chooseProjectionVariable);
    connect(projectionEnabled_, &QCheckBox::toggled, this, &TestWindow::enableProjection);
    connect(plot_, &ProjectionPlot::picked, this, &TestWindow::pick);
    connect(export_, &QPushButton::clicked, this, &TestWindow::exportProjection);
    connect(surface_, &QPushButton::clicked, this, &TestWindow::openSurface);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        stopProjection();
        projectionStatus_->setText(tr("Cancelled."));
    });
    connect(projectionRun_, &BackgroundEvaluation::progressed, this, &TestWindow::showProgress);
    connect(projectionRun_, &BackgroundEvaluation::finished, this, [this](const PointBatch& computed) {
        if (pendingProjection_) showProjection(*pendingProjection_, computed);
    });
    connect(projectionRun_, &BackgroundEvaluation::failed, this, &TestWindow::projectionStopped);
    // Cancelled by the button, or because the curve drawn is what is wanted again.
    connect(projectionRun_, &BackgroundEvaluation::cancelled, this, [this] { projectionStopped({}); });
    connect(filterBuild_, &BackgroundFilterBuild::progressed, this, &TestWindow::showProgress);
    connect(filterBuild_, &BackgroundFilterBuild::finished, this, &TestWindow::filterBuilt);
    connect(filterBuild_, &BackgroundFilterBuild::failed, this, &TestWindow::projectionStopped);
    connect(filterBuild_, &BackgroundFilterBuild::cancelled, this, [this] { projectionStopped({}); });
    connect(outcomeRun_, &BackgroundTestEvaluation::evaluated, this,
            [this](const TestOutcome& outcome) { showOutcome(outcome, false); });
}

QWidget& TestWindow::frame() {
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) return *window;
    return *this;
}

// The window goes with its editor, whose rule base goes right after: nothing in progress may report back,
// and its surface windows close with it. A window closed along with its editor may be asked again by the
// main window before it is gone; its placement is that of the first close.
void TestWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) WindowPlacement::save(frame(), caption_, services_.settings);
    closed_ = true;
    stopProjection();
    outcomeRun_->drop();
    for (const QPointer<SurfaceWindow>& surface : surfaces_) {
        if (surface) surface->close();
    }
    event->accept();
}

// --- user actions ------------------------------------------------------------------------------------------

void TestWindow::moveInput(int input, double position) {
    session_.Inputs().SetPosition(input, position);
    session_.ClearHighlight();
    showInput(input, true);
    evaluate();
}

// Text that is no number of the context is passed over without a word; the slider stays.
void TestWindow::typeInput(int input, const QString& typed) {
    if (!session_.Inputs().SetTyped(input, typed.toStdString())) return;
    session_.ClearHighlight();
    showInput(input, false);
    evaluate();
}

void TestWindow::pick(double x) {
    if (unit_.AntecedentCount() == 0) return;
    session_.Pick(plot_->geometry(plot_->size()).PickStep(x, session_.Steps()));
    showInput(session_.ProjectionVariable(), true);
    evaluate();
}

void TestWindow::chooseInference(int index) {
    session_.ChooseInference(index);
    methodsChanged();
}

void TestWindow::chooseDefuzzification(int index) {
    session_.ChooseDefuzzification(index);
    const bool available = session_.FilterAvailable();
    if (!available) {
        const QSignalBlocker blocker(filter_);
        filter_->setChecked(false);
    }
    filter_->setEnabled(available);
    methodsChanged();
}

void TestWindow::toggleFilter(bool on) {
    if (const auto refusal = session_.SetFilter(on)) {
        services_.prompter.show({*refusal, "Warning", PromptIcon::warning});
    }
    Q_EMIT ruleBaseChanged();
    showStoredText();
    updateProjection();
}

// Taken on Enter or on leaving the field, when the text was changed.
void TestWindow::takeSteps() {
    if (!steps_->isModified()) return;
    steps_->setModified(false);
    if (const auto refused = session_.SetSteps(steps_->text().toStdString())) {
        services_.prompter.show(*refused);
        steps_->setFocus();
        return;
    }
    steps_->setText(QString::number(session_.Steps()));
    evaluate();
}

void TestWindow::chooseProjectionVariable(int index) {
    session_.SetProjectionVariable(index);
    updateProjection();
}

void TestWindow::enableProjection(bool enabled) {
    session_.SetProjectionEnabled(enabled);
    projectionVariable_->setEnabled(enabled);
    updateProjection();
}

void TestWindow::activated() {
    showStoredText();
    evaluate();
}

void TestWindow::openSurface() {
    if (unit_.AntecedentCount() < 2) return;
    auto* surface = new SurfaceWindow(unit_, session_.Inputs().Values(), caption_,
                                      {services_.prompter, services_.imageNames}, this);
    surfaces_.emplace_back(surface);
    surface->show();
}

void TestWindow::exportProjection() {
    ImageExport(services_.imageNames, services_.prompter).run(plot_->size(), [this](QPainter& painter) {
        plot_->paintPicture(painter, plot_->size());
    });
}

// --- showing -----------------------------------------------------------------------------------------------

void TestWindow::showInput(int input, bool rewriteValue) {
    const TestInputs& inputs = session_.Inputs();
    const double value = inputs.Value(input);
    const QString typical = text(TypicalExpression::Of(unit_.Settings(input), value));
    inputPanels_.at(static_cast<std::size_t>(input))->showInput(inputs.Position(input), value, typical, rewriteValue);
}

// A method chosen here is the rule base's: the editor shows it, and the text shows it as stored. A filter
// that is switched on is rebuilt for the new method when the projection next needs it.
void TestWindow::methodsChanged() {
    Q_EMIT ruleBaseChanged();
    showStoredText();
    evaluate();
}

// A few milliseconds of work run at once. Beyond that the value comes from the background, while the output
// set and the fired rules, which the inference alone gives, follow at once when that is cheap.
void TestWindow::evaluate() {
    const std::shared_ptr<const CompiledRuleBase> compiled = unit_.Compiled();
    if (EvaluationBudget::Foreground(compiled->evaluationCost())) {
        outcomeRun_->drop();
        showOutcome(session_.Evaluate(), false);
    } else {
        if (EvaluationBudget::Foreground(EvaluationBudget::InferenceCost(*compiled))) {
            showOutcome(session_.Infer(), true);
        } else if (outputPanel_ != nullptr) {
            outputPanel_->box()->setValuePending(true);
        }
        outcomeRun_->request(compiled, session_.Inputs().Values());
    }
    updateProjection();
    const std::vector<double> values = session_.Inputs().Values();
    for (const QPointer<SurfaceWindow>& surface : surfaces_) {
        if (surface) surface->setInputValues(values);
    }
}

void TestWindow::showOutcome(const TestOutcome& outcome, bool valuePending) {
    fired_->setPlainText(text(session_.FiredText(outcome)));
    outputStatus_->setText(text(outcome.refusal));
    if (outputPanel_ != nullptr) {
        FuzzySetOutputBox* box = outputPanel_->box();
        if (valuePending && outcome.refusal.empty()) {
            box->setOutput(outcome.conclusion, box->value());
            box->setValuePending(true);
        } else {
            PanelFields* fields = outputPanel_->fields();
            fields->value()->setText(outcome.value ? text(NumberText::twoDecimals(*outcome.value)) : QString());
            const bool linguistic = unit_.descriptionType() == DescriptionType::linguistic;
            fields->typical()->setText(linguistic && outcome.value
                                           ? text(TypicalExpression::Of(unit_.Settings(-1), *outcome.value))
                                           : QString());
            box->setOutput(outcome.conclusion, outcome.value);
            box->setValuePending(false);
        }
    }
    if (!valuePending) Q_EMIT outcomeShown();
}

void TestWindow::showStoredText() {
    const auto stored = RuleBaseSaver::text(unit_);
    if (const auto* bytes = std::get_if<std::string>(&stored)) {
        stored_->setPlainText(QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())));
    } else {
        stored_->setPlainText(text(std::get<PromptMessage>(stored).text));
    }
}

// --- projection --------------------------------------------------------------------------------------------

void TestWindow::updateProjection() {
    const std::optional<ProjectionRequest> request = session_.Projection();
    plot_->setShown(request.has_value());
    plot_->setHighlight(session_.HighlightedStep());
    if (!request) {
        stopProjection();
        return;
    }
    if (request == pendingProjection_) return;
    if (request == shownProjection_) {
        // Back to what is drawn: work for other inputs is of no use any more.
        stopProjection();
        plot_->setStale(false);
        return;
    }
    if (request->response == UnitResponse::Filtered && !unit_.FilterIsCurrent()) {
        buildFilterFor(*request);
    } else {
        computeProjection(*request);
    }
}

void TestWindow::stopProjection() {
    projectionRun_->cancel();
    filterBuild_->cancel();
    pendingProjection_.reset();
}

// The filtered curve needs a filter made from the rule base as it is now; a build for it that is already
// under way goes on while the inputs move.
void TestWindow::buildFilterFor(const ProjectionRequest& request) {
    if (const auto refusal = unit_.FilterRefusal()) {
        stopProjection();
        projectionStopped(text(*refusal));
        return;
    }
    projectionRun_->cancel();
    if (!filterBuild_->running() || filterBuild_->source() != unit_.Compiled()) filterBuild_->start(unit_.Compiled());
    pendingProjection_ = request;
    projectionStatus_->clear();
    setProjectionBusy(true, tr("Filter %p%"));
    plot_->setStale(true);
}

void TestWindow::filterBuilt(const std::shared_ptr<const FTInferenceFilter>& filter) {
    pendingProjection_.reset();
    setProjectionBusy(false);
    if (filter->Source() == unit_.Compiled()) unit_.SetFilter(filter);
    updateProjection();
}

void TestWindow::computeProjection(const ProjectionRequest& request) {
    std::optional<ProjectionCurve> curve;
    try {
        curve.emplace(unit_, request.variable, request.steps, request.at);
    } catch (const std::invalid_argument&) {
        projectionStopped(tr("The rule base no longer has the inputs this window was opened for."));
        return;
    }
    filterBuild_->cancel();
    std::shared_ptr<const EvaluatorSource> source = EvaluatorSources::For(unit_, request.response);
    PointBatch points = curve->Points();
    if (EvaluationBudget::Foreground(EvaluationBudget::PointCost(unit_, request.response), points.Size())) {
        pendingProjection_.reset();
        projectionRun_->cancel();
        // A few milliseconds on this thread alone: starting helper threads would cost more than they save.
        BatchRun run(std::move(points));
        run.Work(*source->NewEvaluator());
        if (const auto failure = run.Failure()) {
            projectionStopped(text(*failure));
        } else {
            showProjection(request, run.Batch());
        }
        return;
    }
    pendingProjection_ = request;
    projectionStatus_->clear();
    setProjectionBusy(true);
    plot_->setStale(true);
    projectionRun_->start(std::move(points), std::move(source));
}

void TestWindow::showProjection(const ProjectionRequest& request, const PointBatch& computed) {
    const GridAxis axis{unit_.ContextLow(request.variable), unit_.ContextHigh(request.variable), request.steps + 1};
    std::vector<double> xs;
    xs.reserve(computed.Size());
    for (int i = 0; i < axis.count; ++i) xs.push_back(axis.Value(i));
    plot_->setFrame(axis.low, axis.high, unit_.ContextLow(-1), unit_.ContextHigh(-1));
    plot_->setCurve(std::move(xs), computed.Outputs());
    shownProjection_ = request;
    pendingProjection_.reset();
    projectionStatus_->clear();
    setProjectionBusy(false);
    Q_EMIT projectionShown();
}

void TestWindow::projectionStopped(const QString& message) {
    pendingProjection_.reset();
    setProjectionBusy(false);
    projectionStatus_->setText(message);
}

void TestWindow::showProgress(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
}

void TestWindow::setProjectionBusy(bool busy, const QString& format) {
    progress_->setVisible(busy);
    cancel_->setVisible(busy);
    if (!busy) return;
    progress_->setFormat(format);
    progress_->setValue(0);
}

}  // namespace zorv
