#include "app/qt/workbench/HelpContents.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/qt/workbench/HelpWindow.h"

namespace zorv {

HelpContents::HelpContents(QString programFolder) : programFolder_(std::move(programFolder)) {}

QString HelpContents::folder() const {
    return programFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder_;
}

HelpWindow* HelpContents::window() const {
    return window_;
}

HelpWindow* HelpContents::open(QWidget* parent) {
    const QFileInfo document(QDir(folder()).filePath(QString::fromLatin1(kDocument)));
    if (document.isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(document.absoluteFilePath()))) {
        return nullptr;
    }
    if (!window_) window_ = new HelpWindow(parent);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

}  // namespace zorv
