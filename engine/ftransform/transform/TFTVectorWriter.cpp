#include "ftransform/transform/TFTVectorWriter.h"

#include "ftransform/ndim/TOdometer.h"
#include "ftransform/transform/TFTransform.h"
#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

void writeAxis(std::ostream& out, int i, const TFuzzyCovering& axis) {
    out << "dim " << NumberText::integer(i) << ":\n";
    out << "  low: " << NumberText::general(axis.low()) << '\n';
    out << "  high: " << NumberText::general(axis.high()) << '\n';
    out << "  nodes: " << NumberText::integer(axis.nodes()) << '\n';
    out << "  type: " << axis.cover().name() << "\n\n";
}

void writeComponents(std::ostream& out, const TFTransform& transform) {
    const TNDimArray& components = transform.components();
    TOdometer odometer(components.sizes());
    for (odometer.start(); !odometer.done(); odometer.next()) {
        const std::size_t cell = components.linearIndex(odometer.cursor().data());
        if (!transform.isValid(cell)) {
            continue;
        }
        for (const int k : odometer.cursor()) {
            out << NumberText::integer(k) << '\t';
        }
        out << NumberText::fixed(components.at(cell), 18) << '\n';
    }
}

}  // namespace

bool TFTVectorWriter::write(const TFTransform& transform, std::ostream& out) {
    out << "dimensions: " << NumberText::integer(transform.dimensions()) << "\n\n";
    for (int i = 0; i < transform.dimensions(); ++i) {
        writeAxis(out, i, transform.axis(i));
    }
    writeComponents(out, transform);
    out << '\n';
    return static_cast<bool>(out);
}

void TFTVectorWriter::writeFile(const TFTransform& transform, const std::filesystem::path& path) {
    AtomicFileWriter::write(path, [&transform](std::ostream& out) { write(transform, out); });
}

std::filesystem::path TFTVectorWriter::defaultPathFor(const std::filesystem::path& dataFile) {
    std::filesystem::path path = dataFile;
    path.replace_extension(".ftv");
    return path;
}

}  // namespace zorv
