#include "app/qt/workbench/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>

#include "app/qt/workbench/WorkbenchIcons.h"

namespace zorv {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("MainActions", text); }

QAction* make(QObject* owner, const char* text, const char* tip = nullptr, const QKeySequence& keys = {}) {
    auto* action = new QAction(translated(text), owner);
    if (tip) {
        action->setStatusTip(translated(tip));
    }
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
    }
    return action;
}

QAction* withIcon(QAction* action, const char* themeName) {
    action->setIcon(WorkbenchIcons::named(themeName));
    return action;
}

QAction* checkable(QObject* owner, const char* text) {
    QAction* action = make(owner, text);
    action->setCheckable(true);
    action->setChecked(false);
    return action;
}

}  // namespace

MainActions MainActions::create(QObject* owner) {
    MainActions a{};
    a.newFile = withIcon(make(owner, "&New", "Create a new file", QKeySequence(Qt::CTRL | Qt::Key_N)), "document-new");
    a.open = withIcon(make(owner, "&Open", "Open a file", QKeySequence(Qt::CTRL | Qt::Key_O)), "document-open");
    a.close = withIcon(make(owner, "&Close", "Close current file"), "window-close");
    a.save = withIcon(make(owner, "&Save", "Save current file", QKeySequence(Qt::CTRL | Qt::Key_S)), "document-save");
    a.saveAs = withIcon(make(owner, "Save &As...", "Save current file with different name"), "document-save-as");
    a.importFile = withIcon(make(owner, QT_TRANSLATE_NOOP("MainActions", "&Import..."),
                                 QT_TRANSLATE_NOOP("MainActions", "Open a FIS, FCL or FLL file of another fuzzy tool as a new rule base")),
                            "document-import");
    a.exportFile = withIcon(make(owner, QT_TRANSLATE_NOOP("MainActions", "&Export..."),
                                 QT_TRANSLATE_NOOP("MainActions", "Write the current rule base as FLL, FIS, FCL or stand-alone C")),
                            "document-export");
    a.exit = withIcon(make(owner, "E&xit", "Exit application"), "application-exit");

    a.undo = withIcon(make(owner, "Undo", nullptr, QKeySequence(Qt::CTRL | Qt::Key_U)), "edit-undo");
    a.redo = withIcon(make(owner, "Redo", nullptr, QKeySequence(Qt::CTRL | Qt::Key_R)), "edit-redo");
    a.cut = withIcon(
        make(owner, "Cu&t", "Cuts the selection and puts it on the Clipboard", QKeySequence(Qt::CTRL | Qt::Key_X)),
        "edit-cut");
    a.copy = withIcon(make(owner, "&Copy", "Copies the selection and puts it on the Clipboard",
                           QKeySequence(Qt::CTRL | Qt::Key_C)),
                      "edit-copy");
    a.paste = withIcon(make(owner, "&Paste", "Inserts Clipboard contents", QKeySequence(Qt::CTRL | Qt::Key_V)),
                       "edit-paste");
    a.deleteEmpty = withIcon(make(owner, "Delete &Empty", nullptr, QKeySequence(Qt::CTRL | Qt::Key_E)), "edit-delete");
    a.duplicate = withIcon(make(owner, "&Duplicate", nullptr, QKeySequence(Qt::CTRL | Qt::Key_D)), "list-add");
    a.invertSign = make(owner, "&Invert sign (+/-)", nullptr, QKeySequence(Qt::CTRL | Qt::Key_I));
    a.deleteDuplicit = make(owner, "Delete D&uplicit");
    a.deleteRedundant = make(owner, "Delete &Redundant");
    a.mergeInconsistent = make(owner, "Merge Inconsistent");

    a.viewModifiers = checkable(owner, "&Modifiers");
    a.viewBasic = checkable(owner, "&Basic expressions");
    a.viewSigned = checkable(owner, "&Signed basic expressions");
    a.viewUser = checkable(owner, "&User expressions");
    a.viewConnectives = checkable(owner, "&Connectives");
    a.viewConnectives->setVisible(false);

    a.cascade = withIcon(make(owner, "&Cascade"), "window-cascade");
    a.tileHorizontally = withIcon(make(owner, "Tile &Horizontally"), "window-tile-horizontal");
    a.tileVertically = withIcon(make(owner, "Tile &Vertically"), "window-tile-vertical");
    a.minimizeAll = make(owner, "&Minimize All");
    a.arrangeAll = make(owner, "&Arrange All");

    a.helpContents = withIcon(make(owner, "Contents..."), "help-contents");
    a.about = withIcon(make(owner, "&About..."), "help-about");
    return a;
}

}  // namespace zorv
