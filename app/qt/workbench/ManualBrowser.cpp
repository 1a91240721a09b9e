#include "app/qt/workbench/ManualBrowser.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QtMath>

namespace zorv {
namespace {

constexpr const char* kWidth = "width";

}  // namespace

ManualBrowser::ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
    setUndoRedoEnabled(false);
    connect(this, &QTextBrowser::sourceChanged, this, &ManualBrowser::fitPictures);
}

void ManualBrowser::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    fitPictures();
}

const QImage& ManualBrowser::picture(const QUrl& url) {
    auto known = pictures_.find(url);
    if (known == pictures_.end()) {
        known = pictures_.insert(url, QImage::fromData(loadResource(QTextDocument::ImageResource, url).toByteArray()));
    }
    return *known;
}

QString ManualBrowser::fittingName(const QString& name, int room) {
    QUrl original(name);
    original.setQuery(QString());
    const QUrl resolved = source().resolved(original);
    const QImage& full = picture(resolved);
    if (full.isNull() || full.width() <= room) return original.toString();
    QUrl scaledName = original;
    scaledName.setQuery(QStringLiteral("%1=%2").arg(QLatin1String(kWidth)).arg(room));
    QImage& scaled = scaled_[resolved];
    if (scaled.width() != room) scaled = full.scaledToWidth(room, Qt::SmoothTransformation);
    document()->addResource(QTextDocument::ImageResource, source().resolved(scaledName), scaled);
    return scaledName.toString();
}

void ManualBrowser::fitPictures() {
    const int room = viewport()->width() - 2 * qCeil(document()->documentMargin()) - 4;
    if (room <= 0) return;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextFragment fragment = part.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid()) continue;
            const QString name = fittingName(format.name(), room);
            if (name == format.name()) continue;
            format.setName(name);
            QTextCursor cursor(document());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

}  // namespace zorv
