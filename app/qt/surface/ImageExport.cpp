#include "app/qt/surface/ImageExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <string_view>

#include "app/core/workbench/Prompter.h"
#include "app/qt/surface/ImageFileNames.h"
#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"

namespace zorv {

namespace {

bool writePng(QBuffer& buffer, QSize size, const ImageExport::Paint& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter);
    }
    return image.save(&buffer, "PNG");
}

bool writeSvg(QBuffer& buffer, QSize size, const ImageExport::Paint& paint) {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter);
    return painter.end();
}

// The reason of a failed write, without the "cannot write PATH: " the writer puts before it.
QString reasonOf(const EWrite& error, const std::string& path) {
    std::string_view text = error.what();
    const std::string prefix = "cannot write " + path + ": ";
    if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    const bool svg = QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    if (!(svg ? writeSvg(buffer, size, paint) : writePng(buffer, size, paint))) {
        return QObject::tr("Cannot write the image %1: %2").arg(path, QObject::tr("the picture could not be encoded"));
    }
    const std::string target = QFile::encodeName(path).toStdString();
    try {
        AtomicFileWriter::write(target,
                                std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
    } catch (const EWrite& error) {
        return QObject::tr("Cannot write the image %1: %2").arg(path, reasonOf(error, target));
    }
    return std::nullopt;
}

}  // namespace zorv
