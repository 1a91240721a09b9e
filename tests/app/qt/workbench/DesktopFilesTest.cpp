// The rule base file type the workbench installs for the desktop: its type database tells a rule base from a
// Ruby script by the first key, the dialogs name it as the type does, and the desktop entry opens it.
#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt/files/FileDialogNames.h"

namespace zorv {

class DesktopFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;

    QString source(const char* path) const { return QStringLiteral(ZORV_SOURCE_DIR "/") + QString::fromLatin1(path); }

    QString write(const QString& name, const QByteArray& content) const {
        QFile file(home.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(content);
        return file.fileName();
    }

private Q_SLOTS:
    // The type database reads the installed file from the user's data folder, as the desktop would.
    void initTestCase() {
        QVERIFY(home.isValid());
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("mime/packages")));
        QVERIFY(QFile::copy(source("app/share/zorv-rulebase.xml"), home.filePath(QStringLiteral("mime/packages/zorv-rulebase.xml"))));
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    }

    // Both types claim "*.rb"; the desktop's database then goes by the content, which is checked here.
    void ruleBasesAreToldFromRubyScriptsByTheirFirstKey() {
        const QMimeDatabase types;
        const auto byContent = [&types](const QString& path) {
            return types.mimeTypeForFile(path, QMimeDatabase::MatchContent).name();
        };
        for (const char* example : {"examples/heater.rb", "examples/fan.rb", "examples/braking.rb"}) {
            QCOMPARE(byContent(source(example)), QStringLiteral("application/x-zorv-rulebase"));
        }
        QCOMPARE(byContent(write(QStringLiteral("bare.rb"), "\xEF\xBB\xBFTypeOfDescription=singleton\n")),
                 QStringLiteral("application/x-zorv-rulebase"));
        QVERIFY(byContent(write(QStringLiteral("script.rb"), "#!/usr/bin/env ruby\nputs 'hello'\n")) !=
                QStringLiteral("application/x-zorv-rulebase"));
        QVERIFY(types.mimeTypeForFile(source("examples/heater.rb"), QMimeDatabase::MatchExtension).globPatterns().contains(QStringLiteral("*.rb")));
    }

    void dialogsAndTheDesktopEntryNameTheType() {
        const QMimeType type = QMimeDatabase().mimeTypeForName(QStringLiteral("application/x-zorv-rulebase"));
        QVERIFY(type.isValid());
        QCOMPARE(type.filterString(), QString::fromLatin1(FileDialogNames::kRuleBaseFilter));

        QFile entry(source("app/share/zorvix.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("^MimeType=.*application/x-zorv-rulebase;"),
                                                 QRegularExpression::MultilineOption)));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("^Exec=zorvix %[FU]"), QRegularExpression::MultilineOption)));
    }
};

}  // namespace zorv

QTEST_GUILESS_MAIN(zorv::DesktopFilesTest)
#include "DesktopFilesTest.moc"
