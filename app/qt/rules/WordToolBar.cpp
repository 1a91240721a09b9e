#include "app/qt/rules/WordToolBar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include "app/qt/workbench/ShownText.h"

namespace zorv {

WordToolBar::WordToolBar(const WordToolBarTable& table, QWidget* parent)
    : QToolBar(shownText(table.caption), parent) {
    setObjectName(QString::fromStdString(table.caption));
    setAllowedAreas(Qt::AllToolBarAreas);
    // The right button belongs to the word buttons: no context menu may open on its press and take the
    // release away from them.
    setContextMenuPolicy(Qt::PreventContextMenu);
    addWidget(new QLabel(shownText(table.label), this));
    addSeparator();
    for (const WordButton& button : table.buttons) {
        addWordButton(QString::fromStdString(button.caption));
    }
}

void WordToolBar::setWords(const QStringList& captions) {
    for (QToolButton* button : std::as_const(buttons_)) {
        for (QAction* action : actions()) {
            if (widgetForAction(action) == button) {
                removeAction(action);
                break;
            }
        }
        button->deleteLater();
    }
    buttons_.clear();
    for (const QString& caption : captions) {
        addWordButton(caption);
    }
}

QStringList WordToolBar::words() const {
    QStringList result;
    for (const QToolButton* button : buttons_) {
        result << button->text();
    }
    return result;
}

void WordToolBar::addWordButton(const QString& caption) {
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setContextMenuPolicy(Qt::PreventContextMenu);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(caption) + WordTables::kButtonMargin);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, caption] { choose(caption, false); });
    addWidget(button);
    buttons_ << button;
}

bool WordToolBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && mouse->button() == Qt::RightButton && button->rect().contains(mouse->position().toPoint())) {
            choose(button->text(), true);
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void WordToolBar::choose(const QString& caption, bool moveToNext) {
    emit wordChosen(QString::fromStdString(WordTables::insertedWord(caption.toStdString())), moveToNext);
}

}  // namespace zorv
