#pragma once

#include <QList>
#include <QStringList>
#include <QToolBar>

#include "app/core/rules/WordTables.h"

class QToolButton;

namespace zorv {

// A dockable toolbar of evaluative words: a label, a separator and one flat button per word. A left click
// chooses the button's word; releasing the right button chooses it and asks to move on to the next cell.
class WordToolBar final : public QToolBar {
    Q_OBJECT

public:
    explicit WordToolBar(const WordToolBarTable& table, QWidget* parent = nullptr);

    // Replaces the word buttons by one per caption; the label and the separator stay.
    void setWords(const QStringList& captions);
    QStringList words() const;
    QToolButton* button(int index) const { return buttons_.value(index); }

signals:
    void wordChosen(const QString& word, bool moveToNext);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addWordButton(const QString& caption);
    void choose(const QString& caption, bool moveToNext);

    QList<QToolButton*> buttons_;
};

}  // namespace zorv
