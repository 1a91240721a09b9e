#include "app/qt/workbench/MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "app/qt/workbench/ShownText.h"

namespace zorv {
namespace {

QMessageBox::Icon iconOf(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::information: return QMessageBox::Information;
    case PromptIcon::warning: return QMessageBox::Warning;
    case PromptIcon::error: return QMessageBox::Critical;
    case PromptIcon::question: return QMessageBox::Question;
    case PromptIcon::none: break;
    }
    return QMessageBox::NoIcon;
}

void prepare(QMessageBox& box, const PromptMessage& message) {
    if (message.icon == PromptIcon::warning) QApplication::beep();
    box.setIcon(iconOf(message.icon));
    box.setWindowTitle(message.caption.empty() ? QGuiApplication::applicationDisplayName()
                                               : shownText(message.caption));
    box.setText(shownText(message.text));
}

}  // namespace

void MessageBoxPrompter::show(const PromptMessage& message) {
    QMessageBox box(QApplication::activeWindow());
    prepare(box, message);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

PromptAnswer MessageBoxPrompter::ask(const PromptMessage& question, PromptButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    prepare(box, question);
    if (buttons == PromptButtons::yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::yes;
    case QMessageBox::No: return PromptAnswer::no;
    default: return buttons == PromptButtons::yesNo ? PromptAnswer::no : PromptAnswer::cancel;
    }
}

std::optional<std::string> MessageBoxPrompter::askText(const std::string& caption, const std::string& label,
                                                       const std::string& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), shownText(caption), shownText(label),
                              QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace zorv
