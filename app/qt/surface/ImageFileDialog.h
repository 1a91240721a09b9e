#pragma once

#include "app/qt/surface/ImageFileNames.h"

namespace zorv {

// The file dialog of "Export image...": PNG or SVG, ".png" added to a name without a suffix.
class ImageFileDialog final : public ImageFileNames {
public:
    std::optional<QString> exportImageName(const QString& initialPath) override;
};

}  // namespace zorv
