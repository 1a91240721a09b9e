#include "app/core/workbench/TileLayout.h"

#include <algorithm>

namespace zorv {
namespace {

// Start of piece i when length is cut into count pieces.
int cut(int length, int count, int i) {
    return static_cast<int>(static_cast<long long>(length) * i / count);
}

}  // namespace

std::vector<TileRect> TileLayout::stacked(int count, int width, int height) {
    std::vector<TileRect> result;
    for (int i = 0; i < count; ++i) {
        const int top = cut(height, count, i);
        result.push_back({0, top, width, cut(height, count, i + 1) - top});
    }
    return result;
}

std::vector<TileRect> TileLayout::sideBySide(int count, int width, int height) {
    std::vector<TileRect> result;
    for (int i = 0; i < count; ++i) {
        const int left = cut(width, count, i);
        result.push_back({left, 0, cut(width, count, i + 1) - left, height});
    }
    return result;
}

std::vector<TileRect> TileLayout::iconRows(int count, int iconWidth, int iconHeight, int width, int height) {
    std::vector<TileRect> result;
    if (iconWidth <= 0 || iconHeight <= 0) {
        return result;
    }
    const int perRow = std::max(1, width / iconWidth);
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        result.push_back({column * iconWidth, height - (row + 1) * iconHeight, iconWidth, iconHeight});
    }
    return result;
}

}  // namespace zorv
