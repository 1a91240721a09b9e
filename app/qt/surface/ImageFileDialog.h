#pragma once

#include "app/qt/surface/ImageFileNames.h"

class QFileDialog;

namespace zorv {

// The file dialog of "Export image...": PNG or SVG. A name without a suffix takes the one of the chosen
// type (".png" unless SVG is chosen).
class ImageFileDialog final : public ImageFileNames {
public:
    std::optional<QString> exportImageName(const QString& initialPath) override;

    // Sets up a save dialog with the image types, starting with initialPath when it is not empty.
    static void prepare(QFileDialog& dialog, const QString& initialPath);
};

}  // namespace zorv
