#include "app/qt/surface/SurfaceWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>
#include <stdexcept>

#include "app/core/evaluation/EvaluatorSources.h"
#include "app/qt/evaluation/BackgroundEvaluation.h"
#include "app/qt/surface/ImageExport.h"
#include "app/qt/surface/SurfaceView.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

QLabel* colouredLabel(const QString& text, const char* colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
    return label;
}

}  // namespace

SurfaceWindow::SurfaceWindow(CRuleBase& unit, std::vector<double> inputs, const QString& ownerCaption,
                             Services services, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      unit_(unit),
      inputs_(std::move(inputs)),
      services_(services),
      choice_(unit.AntecedentCount()),
      evaluation_(new BackgroundEvaluation(this)),
      view_(new SurfaceView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Surface of ") + ownerCaption);
    reading_ = new QLabel(this);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* picture = new QVBoxLayout;
    picture->addWidget(view_, 1);
    picture->addWidget(reading_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addLayout(picture, 1);
    connect(view_, &SurfaceView::pointed, this, &SurfaceWindow::showReading);
    connect(view_, &SurfaceView::left, reading_, &QLabel::clear);
    resize(720, 520);
    fillLists();
    connect(evaluation_, &BackgroundEvaluation::progressed, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    });
    connect(evaluation_, &BackgroundEvaluation::finished, this, &SurfaceWindow::showNet);
    connect(evaluation_, &BackgroundEvaluation::failed, this, &SurfaceWindow::showStopped);
    connect(evaluation_, &BackgroundEvaluation::cancelled, this, [this] { showStopped(tr("Cancelled.")); });
    recompute();
}

SurfaceWindow::~SurfaceWindow() = default;

QWidget* SurfaceWindow::buildControls() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    first_ = new QComboBox(panel);
    second_ = new QComboBox(panel);
    steps_ = new QComboBox(panel);
    recompute_ = new QPushButton(tr("&Recompute"), panel);
    export_ = new QPushButton(tr("Export image..."), panel);
    heightColours_ = new QCheckBox(tr("Colour by height"), panel);
    progress_ = new QProgressBar(panel);
    cancel_ = new QPushButton(tr("Cancel"), panel);
    status_ = new QLabel(panel);
    status_->setWordWrap(true);
    status_->setStyleSheet(QStringLiteral("color: red;"));
    column->addWidget(colouredLabel(tr("Variable 1:"), "blue", panel));
    column->addWidget(first_);
    column->addWidget(colouredLabel(tr("Variable 2:"), "green", panel));
    column->addWidget(second_);
    column->addWidget(new QLabel(tr("Steps:"), panel));
    column->addWidget(steps_);
    column->addWidget(recompute_);
    column->addWidget(heightColours_);
    column->addWidget(export_);
    column->addStretch(1);
    column->addWidget(progress_);
    column->addWidget(cancel_);
    column->addWidget(status_);
    setBusy(false);
    connect(first_, &QComboBox::activated, this, &SurfaceWindow::chooseFirst);
    connect(second_, &QComboBox::activated, this, &SurfaceWindow::chooseSecond);
    connect(steps_, &QComboBox::activated, this, &SurfaceWindow::chooseSteps);
    connect(recompute_, &QPushButton::clicked, this, &SurfaceWindow::recompute);
    connect(export_, &QPushButton::clicked, this, &SurfaceWindow::exportImage);
    connect(heightColours_, &QCheckBox::toggled, view_, &SurfaceView::setHeightColours);
    connect(cancel_, &QPushButton::clicked, evaluation_, &BackgroundEvaluation::cancel);
    return panel;
}

void SurfaceWindow::fillLists() {
    for (int k = 0; k < unit_.AntecedentCount(); ++k) {
        const QString name = QString::fromStdString(unit_.VariableName(k));
        first_->addItem(name);
        second_->addItem(name);
    }
    for (int n = SurfaceChoice::kMinSteps; n <= SurfaceChoice::kMaxSteps; ++n) steps_->addItem(QString::number(n));
    showChoice();
}

void SurfaceWindow::showChoice() {
    const QSignalBlocker blockFirst(first_), blockSecond(second_), blockSteps(steps_);
    first_->setCurrentIndex(choice_.First());
    second_->setCurrentIndex(choice_.Second());
    steps_->setCurrentIndex(choice_.Steps() - SurfaceChoice::kMinSteps);
}

void SurfaceWindow::chooseFirst(int index) {
    choice_.SetFirst(index);
    showChoice();
    recompute();
}

void SurfaceWindow::chooseSecond(int index) {
    choice_.SetSecond(index);
    showChoice();
    recompute();
}

void SurfaceWindow::chooseSteps(int index) {
    choice_.SetSteps(SurfaceChoice::kMinSteps + index);
    recompute();
}

void SurfaceWindow::setInputValues(std::vector<double> inputs) { inputs_ = std::move(inputs); }

void SurfaceWindow::recompute() {
    try {
        pending_.emplace(unit_, choice_.First(), choice_.Second(), choice_.Steps(), inputs_);
    } catch (const std::invalid_argument&) {
        evaluation_->cancel();
        showStopped(tr("The rule base no longer has the inputs this surface was opened for."));
        return;
    }
    status_->clear();
    setBusy(true);
    evaluation_->start(pending_->Points(), EvaluatorSources::For(unit_, UnitResponse::Plain));
}

void SurfaceWindow::showNet(const PointBatch& computed) {
    setBusy(false);
    const SurfaceGrid& grid = *pending_;
    const auto name = [this](int variable) { return unit_.VariableName(variable); };
    const std::array<SurfaceRange, 3> ranges{{{grid.Axis1().low, grid.Axis1().high, name(grid.Variable1())},
                                              {grid.Axis2().low, grid.Axis2().high, name(grid.Variable2())},
                                              {unit_.ContextLow(-1), unit_.ContextHigh(-1), name(-1)}}};
    names_.clear();
    for (const SurfaceRange& range : ranges) names_ << QString::fromStdString(range.name);
    readout_ = SurfaceReadout(grid.Axis1(), grid.Axis2(), computed.Outputs());
    view_->setNet(grid.Net(computed), ranges);
    reading_->clear();
    Q_EMIT this->computed();
}

// The values at the grid point nearest the pointer, as "name = value" for both inputs and the output.
void SurfaceWindow::showReading(QPoint pointer) {
    constexpr int kReach = 24;
    const auto reading = readout_.At(view_->net(), view_->graphics().View(), {pointer.x(), pointer.y()}, kReach);
    if (!reading) {
        reading_->clear();
        return;
    }
    const double values[] = {reading->input1, reading->input2, reading->output};
    QStringList parts;
    for (int i = 0; i < 3; ++i) {
        parts << names_.value(i) + QStringLiteral(" = ") + QString::fromStdString(NumberText::general(values[i]));
    }
    reading_->setText(parts.join(QStringLiteral(", ")));
}

void SurfaceWindow::showStopped(const QString& message) {
    setBusy(false);
    status_->setText(message);
}

void SurfaceWindow::setBusy(bool busy) {
    progress_->setVisible(busy);
    cancel_->setVisible(busy);
    if (busy) {
        progress_->setValue(0);
        view_->setCursor(Qt::BusyCursor);
    } else {
        view_->unsetCursor();
    }
}

void SurfaceWindow::exportImage() {
    ImageExport(services_.imageNames, services_.prompter).run(view_->size(), [this](QPainter& painter) {
        view_->paintPicture(painter);
    });
}

}  // namespace zorv
