#include "tools/screenshots/ScreenshotStage.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMdiSubWindow>
#include <QThread>

#include "app/qt/editor/InferenceUnitEditor.h"
#include "app/qt/workbench/MainWindow.h"

namespace zorv {

ScreenshotStage::ScreenshotStage() : main_(std::make_unique<MainWindow>(workbench_.services())) {
    main_->resize(1366, 768);
    main_->show();
    settle();
}

ScreenshotStage::~ScreenshotStage() = default;

InferenceUnitEditor& ScreenshotStage::openExample(const QString& name) {
    const QString path = QStringLiteral(ZORV_SOURCE_DIR "/examples/") + name;
    InferenceUnitEditor* editor = main_->openPath(path);
    if (editor == nullptr) throw std::runtime_error("cannot open " + path.toStdString());
    editor->setFile(QStringLiteral("examples/") + name, true);
    settle();
    return *editor;
}

QWidget& ScreenshotStage::editorWindow(InferenceUnitEditor& editor, QSize size) {
    auto* window = qobject_cast<QMdiSubWindow*>(editor.parentWidget());
    window->showNormal();
    window->setGeometry(QRect(QPoint(0, 0), size));
    settle();
    return *window;
}

bool ScreenshotStage::waitFor(const std::function<bool()>& done, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void ScreenshotStage::settle() {
    const QDeadlineTimer deadline(150);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

}  // namespace zorv
