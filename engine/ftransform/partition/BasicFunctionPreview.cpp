#include "ftransform/partition/BasicFunctionPreview.h"

#include "ftransform/partition/TFuzzyCoverFactory.h"

namespace zorv {

std::vector<BasicFunctionPreview::Point> BasicFunctionPreview::polyline(BasicFunctionShape shape, int width,
                                                                        int height) {
    std::vector<Point> points{{0, height - 1}};
    const auto cover = TFuzzyCoverFactory::make(shape, 0.0, 1.0);
    if (!cover) {
        return points;
    }
    for (double t = 0.0; t <= 1.0; t += 0.01) {
        points.push_back({static_cast<int>(t * width), static_cast<int>((height - 1) * (1.0 - cover->membership(t)))});
    }
    return points;
}

}  // namespace zorv
