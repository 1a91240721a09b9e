#include "app/core/workbench/TileLayout.h"

#include <algorithm>

namespace zorv {
namespace {

// Start of piece i when length is cut into count pieces.
int cut(int length, int count, int i) {
    return static_cast<int>(static_cast<long long>(length) * i / count);
}

// How many places a cascade has before it starts again at the top-left corner.
int cascadePlaces(int width, int height, int step) {
    return step <= 0 ? 1 : std::max(1, std::min(width, height) / 2 / step + 1);
}

}  // namespace

std::vector<TileRect> TileLayout::cascaded(int count, int width, int height, int step) {
    std::vector<TileRect> result;
    const int places = cascadePlaces(width, height, step);
    const int reach = (std::min(count, places) - 1) * step;
    for (int i = 0; i < count; ++i) {
        const int offset = i % places * step;
        result.push_back({offset, offset, width - reach, height - reach});
    }
    return result;
}

TileRect TileLayout::nextCascaded(int open, int width, int height, int step, TileSize preferred, TileSize minimum) {
    const int offset = std::max(open, 0) % cascadePlaces(width, height, step) * step;
    return {offset, offset, std::max(std::min(preferred.width, width - offset), minimum.width),
            std::max(std::min(preferred.height, height - offset), minimum.height)};
}

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
