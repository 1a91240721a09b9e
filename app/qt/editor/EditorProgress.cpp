#include "app/qt/editor/EditorProgress.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/qt/workbench/WorkbenchIcons.h"

namespace zorv {
namespace {

// Shows the busy cursor for as long as it lives, also when the work throws.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

EditorProgress::EditorProgress(QWidget* parent)
    : QWidget(parent),
      bar_(new QProgressBar(this)),
      elapsed_(new QLabel(this)),
      cancel_(new QPushButton(WorkbenchIcons::named("process-stop"), tr("Cancel"), this)) {
    bar_->setTextVisible(false);
    bar_->setValue(0);
    elapsed_->setMinimumWidth(elapsed_->fontMetrics().horizontalAdvance(QStringLiteral(" 000.00s")));
    cancel_->setVisible(false);
    cancel_->setToolTip(tr("Stops the operation in progress"));
    connect(cancel_, &QPushButton::clicked, this, &EditorProgress::cancelRequested);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_, 1);
    layout->addWidget(cancel_);
    layout->addWidget(elapsed_);
}

void EditorProgress::start(int steps) {
    tracking_ = true;
    begin(steps);
    cancel_->setEnabled(true);
    cancel_->setVisible(true);
}

void EditorProgress::advance(int done, int total) {
    if (!tracking_) return;
    bar_->setRange(0, std::max(total, 1));
    bar_->setValue(std::clamp(done, 0, std::max(total, 1)));
}

void EditorProgress::finish() {
    if (!tracking_) return;
    tracking_ = false;
    cancel_->setVisible(false);
    end();
}

void EditorProgress::run(int steps, const std::function<void(const StepReport&)>& work) {
    const BusyCursor busy;
    begin(steps);
    try {
        work([this](int done, int /*total*/) { step(done); });
    } catch (...) {
        end();
        throw;
    }
    end();
}

void EditorProgress::begin(int steps) {
    bar_->setRange(0, std::max(steps, 1));
    bar_->setValue(0);
    clock_.start();
}

void EditorProgress::step(int done) {
    bar_->setValue(done);
    QApplication::processEvents();
}

void EditorProgress::end() {
    bar_->setValue(0);
    elapsed_->setText(QString::fromStdString(ProgressClock::elapsedText(clock_.elapsedSeconds())));
}

}  // namespace zorv
