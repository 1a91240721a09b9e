#include "app/qt/workbench/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/core/workbench/HeadingAnchors.h"
#include "app/qt/workbench/ManualBrowser.h"
#include "app/qt/workbench/WorkbenchIcons.h"

namespace zorv {
namespace {

struct Heading {
    QTextBlock block;
    int level;
    QString anchor;
};

QList<Heading> headingsOf(const QTextDocument& document) {
    QList<Heading> headings;
    HeadingAnchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level > 0) {
            headings.append({block, level, QString::fromStdString(anchors.next(block.text().toStdString()))});
        }
    }
    return headings;
}

QUrl startPage() {
    return QUrl(QString::fromLatin1(HelpWindow::kRoot) + QString::fromLatin1(HelpWindow::kStartPage));
}

QString resourcePath(const QUrl& url) {
    return QLatin1Char(':') + url.path();
}

QString pageText(const QUrl& page) {
    QFile file(resourcePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QUrl withoutFragment(QUrl url) {
    url.setFragment(QString());
    return url;
}

bool isManualPage(const QUrl& url) {
    return url.scheme() == QLatin1String("qrc") && url.path().endsWith(QLatin1String(".md")) &&
           QFile::exists(resourcePath(url));
}

// The pages a page links to, in the order of their first link.
QList<QUrl> linkedPages(const QTextDocument& document, const QUrl& base) {
    QList<QUrl> pages;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isAnchor()) continue;
            const QUrl page = withoutFragment(base.resolved(QUrl(format.anchorHref())));
            if (isManualPage(page) && !pages.contains(page)) pages.append(page);
        }
    }
    return pages;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new ManualBrowser(this)), contents_(new QTreeWidget(this)) {
    browser_->setOpenLinks(false);
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    contents_->header()->setStretchLastSection(true);

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(WorkbenchIcons::named("go-previous"), tr("&Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(WorkbenchIcons::named("go-next"), tr("&Forward"), browser_, &QTextBrowser::forward);
    bar->addAction(WorkbenchIcons::named("go-home"), tr("&Contents"), this, &HelpWindow::home);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* split = new QSplitter(this);
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 740});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split, 1);
    resize(1000, 720);

    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
    // A click on the item already chosen goes to its section again.
    const auto choose = [this](QTreeWidgetItem* item) {
        if (item) showPage(item->data(0, Qt::UserRole).toUrl());
    };
    connect(contents_, &QTreeWidget::currentItemChanged, this, choose);
    connect(contents_, &QTreeWidget::itemClicked, this, choose);
    buildContents();
    home();
}

void HelpWindow::home() {
    showPage(startPage());
}

void HelpWindow::showPage(const QUrl& link) {
    const QUrl current = browser_->source();
    const QUrl page = (current.isEmpty() ? QUrl(QString::fromLatin1(kRoot)) : current).resolved(link);
    if (isManualPage(withoutFragment(page))) browser_->setSource(page);
}

// Pages within the manual open here; the web, mail and anything else go to the desktop.
void HelpWindow::followLink(const QUrl& link) {
    if (link.isRelative() || link.scheme() == QLatin1String("qrc")) {
        showPage(link);
    } else {
        QDesktopServices::openUrl(link);
    }
}

void HelpWindow::pageShown(const QUrl& source) {
    if (source.hasFragment()) scrollToSection(source.fragment());
    selectInContents(source);
}

void HelpWindow::scrollToSection(const QString& anchor) {
    const QTextDocument& document = *browser_->document();
    for (const Heading& heading : headingsOf(document)) {
        if (heading.anchor == anchor) {
            const int top = qRound(document.documentLayout()->blockBoundingRect(heading.block).top());
            QScrollBar* bar = browser_->verticalScrollBar();
            bar->setValue(top);
            // A page laid out in the background may not reach that far yet.
            if (bar->value() != top) QTimer::singleShot(0, bar, [bar, top] { bar->setValue(top); });
            return;
        }
    }
}

void HelpWindow::selectInContents(const QUrl& source) {
    const QSignalBlocker quiet(contents_);
    for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* page = contents_->topLevelItem(i);
        if (page->data(0, Qt::UserRole).toUrl() != withoutFragment(source)) continue;
        QTreeWidgetItem* chosen = page;
        for (int j = 0; j < page->childCount(); ++j) {
            if (page->child(j)->data(0, Qt::UserRole).toUrl() == source) chosen = page->child(j);
        }
        page->setExpanded(true);
        contents_->setCurrentItem(chosen);
        return;
    }
    contents_->setCurrentItem(nullptr);
}

// The start page and every page it links to, each with its sections (the headings one level below the
// page's title).
void HelpWindow::buildContents() {
    const QUrl start = startPage();
    QTextDocument index;
    index.setMarkdown(pageText(start));
    pages_ = {start};
    for (const QUrl& page : linkedPages(index, start)) {
        if (!pages_.contains(page)) pages_.append(page);
    }
    for (const QUrl& page : pages_) {
        QTextDocument document;
        document.setMarkdown(pageText(page));
        QTreeWidgetItem* item = addPage(page, document);
        if (page == start) setWindowTitle(item->text(0));
    }
}

QTreeWidgetItem* HelpWindow::addPage(const QUrl& page, const QTextDocument& document) {
    auto* item = new QTreeWidgetItem(contents_, {page.fileName()});
    item->setData(0, Qt::UserRole, page);
    for (const Heading& heading : headingsOf(document)) {
        if (heading.level == 1 && item->text(0) == page.fileName()) {
            item->setText(0, heading.block.text());
        } else if (heading.level == 2) {
            QUrl section = page;
            section.setFragment(heading.anchor);
            auto* child = new QTreeWidgetItem(item, {heading.block.text()});
            child->setData(0, Qt::UserRole, section);
        }
    }
    return item;
}

}  // namespace zorv
