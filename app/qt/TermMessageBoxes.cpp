#include "app/qt/TermMessageBoxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "app/qt/ShownText.h"

namespace zorv {

void TermMessageBoxes::show(QWidget* parent, const TermDialogMessage& message) {
    if (message.warning) QApplication::beep();
    QMessageBox box(message.warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    shownText(message.caption), shownText(message.text), QMessageBox::Ok,
                    parent);
    box.exec();
}

VariableRecomputeAnswer TermMessageBoxes::askRecompute(QWidget* parent, const VariableRecomputeQuestion& question) {
    const auto answer = QMessageBox::warning(parent, QCoreApplication::translate("zorv", "Warning"), shownText(question.text),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) return VariableRecomputeAnswer::yes;
    if (answer == QMessageBox::No) return VariableRecomputeAnswer::no;
    return VariableRecomputeAnswer::cancel;
}

std::optional<std::string> TermMessageBoxes::askText(QWidget* parent, const std::string& caption,
                                                     const std::string& label, const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, shownText(caption), shownText(label),
                                               QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace zorv
