#include "app/qt/EditorProgress.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

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
    : QWidget(parent), bar_(new QProgressBar(this)), elapsed_(new QLabel(this)) {
    bar_->setTextVisible(false);
    bar_->setValue(0);
    elapsed_->setMinimumWidth(elapsed_->fontMetrics().horizontalAdvance(QStringLiteral(" 000.00s")));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_, 1);
    layout->addWidget(elapsed_);
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
