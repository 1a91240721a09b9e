#include "app/qt/data/FTransformSettingsDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/core/workbench/Prompter.h"
#include "app/qt/data/BasicFunctionView.h"
#include "app/qt/workbench/ShownText.h"

namespace zorv {

FTransformSettingsDialog::FTransformSettingsDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      variable_(new QComboBox(this)),
      nodes_(new QLineEdit(QString::number(PartitionSettings::kDefaultNodes), this)),
      preview_(new BasicFunctionView(this)),
      outputToFile_(new QCheckBox(tr("&Output to File"), this)),
      optimize_(new QCheckBox(tr("O&ptimize to max error:"), this)),
      maxError_(new QLineEdit(QString::fromUtf8(FTransformSettingsForm::kDefaultMaxErrorText), this)) {
    setWindowTitle(shownText(std::string(FTransformSettingsForm::kCaption)));
    auto* shapeBox = new QGroupBox(tr(" Shape of Basic Functions: "), this);
    auto* shapeLayout = new QVBoxLayout(shapeBox);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < kBasicFunctionShapeCount; ++i) {
        const auto shape = static_cast<BasicFunctionShape>(i);
        shapes_[static_cast<std::size_t>(i)] = new QRadioButton(shownText(std::string(basicFunctionItem(shape))), shapeBox);
        group->addButton(shapes_[static_cast<std::size_t>(i)], i);
        shapeLayout->addWidget(shapes_[static_cast<std::size_t>(i)]);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        form_.chooseShape(static_cast<BasicFunctionShape>(id));
        preview_->setShape(form_.shape());
    });
    connect(variable_, &QComboBox::activated, this, &FTransformSettingsDialog::selectVariable);
    connect(outputToFile_, &QCheckBox::toggled, this, [this](bool on) { form_.setOutputToFile(on); });
    connect(optimize_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setOptimize(on);
        maxError_->setEnabled(on);
    });
    nodes_->installEventFilter(this);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Variable:"), variable_);
    fields->addRow(tr("Number of Nodes:"), nodes_);
    auto* shapes = new QHBoxLayout;
    shapes->addWidget(shapeBox);
    shapes->addWidget(preview_, 1);
    auto* optimizeRow = new QHBoxLayout;
    optimizeRow->addWidget(optimize_);
    optimizeRow->addWidget(maxError_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FTransformSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FTransformSettingsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(shapes);
    layout->addWidget(outputToFile_);
    layout->addLayout(optimizeRow);
    layout->addWidget(buttons);
    maxError_->setEnabled(false);
}

std::optional<FTransformSettingsChooser::Choice> FTransformSettingsDialog::choose(
    QWidget* parent, std::vector<PartitionSettings>& records, std::span<const FTransformContext> contexts,
    const QStringList& names) {
    static_cast<void>(parent);  // the dialog is shared by every editor and belongs to none
    prepare(records, contexts, names);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return choice();
}

void FTransformSettingsDialog::prepare(std::vector<PartitionSettings>& records,
                                       std::span<const FTransformContext> contexts, const QStringList& names) {
    form_.open(records, contexts);
    variable_->clear();
    variable_->addItems(names);
    outputToFile_->setChecked(form_.outputToFile());
    optimize_->setChecked(form_.optimize());
    maxError_->setEnabled(form_.optimize());
    maxError_->setText(QString::fromStdString(form_.maxErrorText()));
    selectVariable(0);
    nodes_->setFocus();
}

FTransformSettingsChooser::Choice FTransformSettingsDialog::choice() const {
    return {form_.maxError(), form_.outputToFile()};
}

QRadioButton* FTransformSettingsDialog::shapeButton(BasicFunctionShape shape) const {
    return shapes_.at(static_cast<std::size_t>(shape));
}

void FTransformSettingsDialog::selectVariable(int index) {
    if (index < 0 || index >= variable_->count()) return;
    form_.select(index);
    variable_->setCurrentIndex(index);
    showSelected();
}

void FTransformSettingsDialog::showSelected() {
    nodes_->setText(QString::fromStdString(form_.nodeCountText()));
    shapeButton(form_.shape())->setChecked(true);
    preview_->setShape(form_.shape());
}

bool FTransformSettingsDialog::leaveNodeCount() {
    if (form_.leaveNodeCount(nodes_->text().toStdString())) return true;
    QApplication::beep();
    QTimer::singleShot(0, nodes_, [field = nodes_] { field->setFocus(); });
    return false;
}

// Switching to another window or opening a menu does not leave the field.
bool FTransformSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nodes_ && event->type() == QEvent::FocusOut && variable_->count() > 0) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leaveNodeCount();
    }
    return QDialog::eventFilter(watched, event);
}

void FTransformSettingsDialog::accept() {
    const auto acceptance = form_.accept(nodes_->text().toStdString(), maxError_->text().toStdString());
    if (acceptance.accepted) {
        QDialog::accept();
        return;
    }
    if (!acceptance.message.empty()) {
        prompter_.show({acceptance.message, std::string(FTransformSettingsForm::kFaultCaption), PromptIcon::warning});
        selectVariable(form_.selected());
    }
    nodes_->setFocus();
}

}  // namespace zorv
