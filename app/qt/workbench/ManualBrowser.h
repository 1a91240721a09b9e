#pragma once

#include <QHash>
#include <QImage>
#include <QTextBrowser>

namespace zorv {

// The browser of the help window: shows the manual's pages, and shows a picture wider than the page
// smoothly scaled down to the page's width, again whenever the browser is resized, so that the page never
// needs scrolling sideways.
class ManualBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    explicit ManualBrowser(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPictures();
    // The name under which the picture shows at most room pixels wide (its own name when it fits).
    QString fittingName(const QString& name, int room);
    const QImage& picture(const QUrl& url);

    QHash<QUrl, QImage> pictures_;
    // Per picture, its latest scaled copy (older widths are dropped).
    QHash<QUrl, QImage> scaled_;
};

}  // namespace zorv
