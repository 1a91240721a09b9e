#include "interchange/ShapeComment.h"

#include "interchange/TextLines.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr std::string_view kKey = "shape:";

}  // namespace

std::string ShapeComment::Format(const std::string& shape, const std::vector<double>& params,
                                 std::string_view marker) {
    std::string text = std::string(marker) + " " + std::string(kKey) + " " + shape;
    for (const double p : params) text.append(" ").append(NumberText::file(p));
    return text;
}

std::optional<ShapeComment::Shape> ShapeComment::Parse(std::string_view line, std::string_view marker) {
    if (line.substr(0, marker.size()) != marker) return std::nullopt;
    std::string_view rest = TextLines::Trim(line.substr(marker.size()));
    if (rest.substr(0, kKey.size()) != kKey) return std::nullopt;
    const std::vector<std::string> words = TextLines::Words(rest.substr(kKey.size()));
    if (words.empty()) return std::nullopt;
    Shape shape{words[0], {}};
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto value = TextLines::Number(words[i]);
        if (!value) return std::nullopt;
        shape.params.push_back(*value);
    }
    return shape;
}

}  // namespace zorv
