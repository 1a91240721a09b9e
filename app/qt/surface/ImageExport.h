#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace zorv {

class ImageFileNames;
class Prompter;

// "Export image..." of the pictures (the surface, the projection plot): asks for a file name and writes the
// picture there, as SVG for a name ending in ".svg", else as PNG.
class ImageExport {
public:
    // Paints the picture on a device of the given size.
    using Paint = std::function<void(QPainter&)>;

    ImageExport(ImageFileNames& names, Prompter& prompter) : names_(names), prompter_(prompter) {}

    // Asks for the name and writes the file; a failure is shown in a "Write Error" box. The written path,
    // or none when cancelled or failed.
    std::optional<QString> run(QSize size, const Paint& paint, const QString& initialPath = {});

    // Writes the picture to path through the atomic file writer, as every file of the program is written: a
    // failure keeps what was there, and a link, the permissions and a read-only file are treated alike.
    // The reason when it could not be written, else none.
    static std::optional<QString> write(const QString& path, QSize size, const Paint& paint);

private:
    ImageFileNames& names_;
    Prompter& prompter_;
};

}  // namespace zorv
