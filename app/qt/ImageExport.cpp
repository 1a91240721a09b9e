#include "app/qt/ImageExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "app/core/Prompter.h"
#include "app/qt/ImageFileNames.h"

namespace zorv {

namespace {

bool writePng(QSaveFile& file, QSize size, const ImageExport::Paint& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter);
    }
    return image.save(&file, "PNG");
}

bool writeSvg(QSaveFile& file, QSize size, const ImageExport::Paint& paint) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter);
    return painter.end();
}

}  // namespace

std::optional<QString> ImageExport::run(QSize size, const Paint& paint, const QString& initialPath) {
    const std::optional<QString> path = names_.exportImageName(initialPath);
    if (!path) return std::nullopt;
    if (const auto failure = write(*path, size, paint)) {
        prompter_.show({failure->toStdString(), "Write Error", PromptIcon::warning});
        return std::nullopt;
    }
    return path;
}

std::optional<QString> ImageExport::write(const QString& path, QSize size, const Paint& paint) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QObject::tr("Cannot write the image %1: %2").arg(path, file.errorString());
    }
    const bool svg = QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    const bool painted = svg ? writeSvg(file, size, paint) : writePng(file, size, paint);
    if (!painted || !file.commit()) {
        file.cancelWriting();
        return QObject::tr("Cannot write the image %1: %2").arg(path, file.errorString());
    }
    return std::nullopt;
}

}  // namespace zorv
