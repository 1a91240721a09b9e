#pragma once

#include <QString>
#include <optional>

namespace zorv {

// Asks the user where to export a picture. The windows go through this instead of opening a file dialog
// themselves, so that tests can answer.
class ImageFileNames {
public:
    virtual ~ImageFileNames() = default;

    // A PNG or SVG file name, starting with initialPath when it is not empty; none when cancelled.
    virtual std::optional<QString> exportImageName(const QString& initialPath) = 0;
};

}  // namespace zorv
