#pragma once

class QAction;
class QObject;

namespace zorv {

// The main window's commands, made once with their shortcuts and status-line hints.
struct MainActions {
    QAction* newFile;
    QAction* open;
    QAction* close;
    QAction* save;
    QAction* saveAs;
    QAction* importFile;
    QAction* exportFile;
    QAction* exit;

    QAction* undo;
    QAction* redo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* deleteEmpty;
    QAction* duplicate;
    QAction* invertSign;
    QAction* deleteDuplicit;
    QAction* deleteRedundant;
    QAction* mergeInconsistent;

    QAction* viewModifiers;
    QAction* viewBasic;
    QAction* viewSigned;
    QAction* viewUser;
    QAction* viewConnectives;  // exists, never shown

    QAction* cascade;
    QAction* tileHorizontally;
    QAction* tileVertically;
    QAction* minimizeAll;
    QAction* arrangeAll;

    QAction* helpContents;
    QAction* about;

    static MainActions create(QObject* owner);
};

}  // namespace zorv
