#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include "tests/app/qt/WorkbenchTestServices.h"
#include "app/core/workbench/HeadingAnchors.h"
#include "app/qt/workbench/HelpContents.h"
#include "app/qt/workbench/HelpWindow.h"
#include "app/qt/workbench/ManualBrowser.h"
#include "app/qt/workbench/MainWindow.h"

namespace zorv {
namespace {

constexpr const char* kTitle = "Zorv User Guide";

QStringList anchorsOf(const QTextDocument& document) {
    QStringList anchors;
    HeadingAnchors make;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) anchors << QString::fromStdString(make.next(block.text().toStdString()));
    }
    return anchors;
}

QStringList anchorsOfPage(const QUrl& page) {
    QFile file(QLatin1Char(':') + page.path());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(file.readAll()));
    return anchorsOf(document);
}

// Records what would go to the desktop.
class Desktop : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contentsOpensTheManualOnce() {
        test::TestWorkbench bench;
        MainWindow main(bench.services());
        main.show();
        main.actions().helpContents->trigger();
        auto* help = main.findChild<HelpWindow*>();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QString::fromLatin1(kTitle));
        QCOMPARE(help->browser()->document()->firstBlock().text(), QString::fromLatin1(kTitle));
        help->close();
        main.actions().helpContents->trigger();
        QCOMPARE(main.findChildren<HelpWindow*>().size(), 1);
        QVERIFY(help->isVisible());
    }

    // Every page of the contents shows, its pictures load from the resources and its links lead to a page
    // of the manual and to a heading there.
    void everyPageShowsWithItsPicturesAndLinks() {
        HelpWindow help;
        QVERIFY(help.pages().size() >= 8);
        QCOMPARE(help.contents()->topLevelItemCount(), help.pages().size());
        int pictures = 0;
        for (const QUrl& page : help.pages()) {
            help.showPage(page);
            QCOMPARE(help.browser()->source(), page);
            const QTextDocument& document = *help.browser()->document();
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                for (auto part = block.begin(); !part.atEnd(); ++part) {
                    const QTextCharFormat format = part.fragment().charFormat();
                    if (format.isImageFormat()) {
                        const QString name = format.toImageFormat().name();
                        const QVariant data = help.browser()->loadResource(QTextDocument::ImageResource, QUrl(name));
                        QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), qPrintable(page.fileName() + ": " + name));
                        ++pictures;
                    }
                    const QUrl link(format.anchorHref());
                    if (!format.isAnchor() || !link.isRelative()) continue;
                    const QUrl target = page.resolved(link);
                    const QString where = page.fileName() + QStringLiteral(" -> ") + link.toString();
                    QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()), qPrintable(where));
                    if (link.hasFragment()) QVERIFY2(anchorsOfPage(target).contains(link.fragment()), qPrintable(where));
                }
            }
        }
        QVERIFY(pictures >= 8);
    }

    void aSectionLinkShowsItsHeadingAtTheTop() {
        HelpWindow help;
        help.resize(900, 500);
        help.show();
        help.showPage(QUrl(QStringLiteral("methods.md#defuzzification-methods")));
        QTextBrowser& browser = *help.browser();
        QCOMPARE(browser.source().fileName(), QStringLiteral("methods.md"));
        QTextBlock heading = browser.document()->firstBlock();
        while (heading.isValid() && heading.text() != QStringLiteral("Defuzzification methods")) heading = heading.next();
        QVERIFY(heading.isValid());
        const int top = qRound(browser.document()->documentLayout()->blockBoundingRect(heading).top());
        QVERIFY(top > 0);
        QCOMPARE(browser.verticalScrollBar()->value(), top);
        QCOMPARE(help.contents()->currentItem()->text(0), heading.text());
        // Back returns to the start page.
        browser.backward();
        QCOMPARE(browser.source().fileName(), QString::fromLatin1(HelpWindow::kStartPage));
        // Pictures wider than the page are shown at its width.
        help.showPage(QUrl(QStringLiteral("tour.md")));
        QCOMPARE(browser.horizontalScrollBar()->maximum(), 0);
    }

    // The help document beside the program goes to the desktop; without it, or when the desktop cannot
    // show it (as on this platform), the manual opens.
    void aHelpDocumentBesideTheProgramGoesToTheDesktop() {
        QTemporaryDir folder;
        HelpContents help(folder.path());
        QWidget parent;
        QVERIFY(help.open(&parent) != nullptr);

        QFile document(folder.filePath(QString::fromLatin1(HelpContents::kDocument)));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.close();
        Desktop desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
        HelpContents withDocument(folder.path());
        QCOMPARE(withDocument.open(&parent), nullptr);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(document.fileName())});

        QVERIFY(withDocument.open(&parent) != nullptr);
    }
};

}  // namespace zorv

QTEST_MAIN(zorv::HelpWindowTest)
#include "HelpWindowTest.moc"
