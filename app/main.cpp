#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

#include "app/qt/workbench/ApplicationSetup.h"
#include "app/qt/variables/DialogVariableEditing.h"
#include "app/qt/data/FTransformSettingsDialog.h"
#include "app/qt/files/FileDialogNames.h"
#include "app/qt/workbench/MainWindow.h"
#include "app/qt/workbench/MessageBoxPrompter.h"
#include "app/qt/files/NewRuleBaseDialog.h"
#include "app/qt/workbench/SettingsStore.h"
#include "zorv/Version.h"

namespace {

QStringList rawArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("zorvix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORV_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Workbench for fuzzy rule bases written in evaluative linguistic expressions."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QCoreApplication::translate("main", "Rule bases to open."),
                                 QStringLiteral("[FILE.rb...]"));
    // --help and --version answer before the application exists, so that they need no display. Qt's own
    // options (-platform, -style, ...) are unknown to this first reading; the application takes them out of
    // the arguments, and the second reading below checks the rest.
    parser.parse(rawArguments(argc, argv));
    if (parser.isSet(help)) {
        // Without an application the help cannot know the program's name.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("zorvix"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zorvix %s\n", ZORV_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    parser.process(application);
    zorv::ApplicationSetup::apply();
    const QIcon shipped(QStringLiteral(":/icons/zorvix.svg"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zorvix"), shipped));

    zorv::MessageBoxPrompter prompter;
    zorv::FileDialogNames files;
    zorv::NewRuleBaseDialog newRuleBase;
    zorv::DialogVariableEditing variables;
    zorv::SettingsStore settings(zorv::SettingsStore::userSettings());
    zorv::FTransformSettingsDialog ftransform(prompter);

    zorv::MainWindow window({prompter, files, newRuleBase, variables, settings, ftransform});
    window.setStartupFiles(parser.positionalArguments());
    window.show();
    return QApplication::exec();
}
