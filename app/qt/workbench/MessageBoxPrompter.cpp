#include "app/qt/workbench/MessageBoxPrompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

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

// Room for the title bar's buttons beside the caption, and the least width of any box.
constexpr int kTitleBarButtons = 160;
constexpr int kLeastWidth = 320;

// A message box sizes itself to its text: a short text would cut its caption in the title bar. A row of
// the box's own layout holds it open (the box resets its minimum size when shown).
void keepWideEnough(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    const QFont title = QApplication::font("QMdiSubWindowTitleBar");
    const int width = std::max(kLeastWidth, QFontMetrics(title).horizontalAdvance(box.windowTitle()) * 6 / 5 + kTitleBarButtons);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

void MessageBoxPrompter::prepare(QMessageBox& box, const PromptMessage& message) {
    if (message.icon == PromptIcon::warning) QApplication::beep();
    box.setIcon(iconOf(message.icon));
    box.setWindowTitle(message.caption.empty() ? QGuiApplication::applicationDisplayName()
                                               : shownText(message.caption));
    box.setText(shownText(message.text));
    keepWideEnough(box);
}

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
