#pragma once

#include <QUrl>
#include <QWidget>

class QTextDocument;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorv {

class ManualBrowser;

// The user guide that ships inside the program: its Markdown pages and their images from the resources
// under kRoot, shown in a browser with Back, Forward and Home, beside a contents list of the pages (the
// ones the start page links to, in its order) and their sections. Links between pages, to a section of a
// page ("methods.md#defuzzification") and within a page work; links to the web go to the desktop.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kRoot = "qrc:/manual/";
    static constexpr const char* kStartPage = "index.md";

    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a page of the manual, at the section its fragment names; a relative link is taken from the
    // page shown.
    void showPage(const QUrl& link);
    // The start page.
    void home();

    ManualBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    // The manual's pages in the order of the contents, the start page first.
    const QList<QUrl>& pages() const { return pages_; }

private:
    void buildContents();
    QTreeWidgetItem* addPage(const QUrl& page, const QTextDocument& document);
    void followLink(const QUrl& link);
    void pageShown(const QUrl& source);
    void scrollToSection(const QString& anchor);
    void selectInContents(const QUrl& source);

    ManualBrowser* browser_;
    QTreeWidget* contents_;
    QList<QUrl> pages_;
};

}  // namespace zorv
