#include <QApplication>

#include "app/qt/ApplicationSetup.h"
#include "app/qt/DialogVariableEditing.h"
#include "app/qt/FileDialogNames.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MessageBoxPrompter.h"
#include "app/qt/NewRuleBaseDialog.h"
#include "app/qt/SettingsStore.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zorv::ApplicationSetup::apply();

    zorv::MessageBoxPrompter prompter;
    zorv::FileDialogNames files;
    zorv::NewRuleBaseDialog newRuleBase;
    zorv::DialogVariableEditing variables;
    zorv::SettingsStore settings(zorv::SettingsStore::userSettings());

    zorv::MainWindow window({prompter, files, newRuleBase, variables, settings});
    window.setStartupFiles(QApplication::arguments().mid(1));
    window.show();
    return QApplication::exec();
}
