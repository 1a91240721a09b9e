#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// The comment line our writers put before a point-list term to say which parametric shape it was sampled
// from ("# shape: Triangle 0 0.25 0.5" in FLL and FIS, "// shape: ..." in FCL), so that importing the file
// again restores the shape. Other tools read it as an ordinary comment.
class ShapeComment {
public:
    struct Shape {
        std::string shape;
        std::vector<double> params;
    };

    // The comment for a shape, without a line break.
    static std::string Format(const std::string& shape, const std::vector<double>& params, std::string_view marker);
    // The shape stated by a trimmed line, when it is such a comment.
    static std::optional<Shape> Parse(std::string_view line, std::string_view marker);
};

}  // namespace zorv
