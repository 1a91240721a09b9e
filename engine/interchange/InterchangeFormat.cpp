#include "interchange/InterchangeFormat.h"

#include <array>

#include "interchange/TextLines.h"

namespace zorv {

namespace {

constexpr std::array<std::pair<std::string_view, InterchangeFormat>, 4> kNames{{
    {"fis", InterchangeFormat::Fis},
    {"fcl", InterchangeFormat::Fcl},
    {"fll", InterchangeFormat::Fll},
    {"c", InterchangeFormat::C},
}};

}  // namespace

std::optional<InterchangeFormat> InterchangeFormats::FromName(std::string_view name) {
    const std::string lower = TextLines::Lower(name);
    for (const auto& [text, format] : kNames)
        if (lower == text) return format;
    return std::nullopt;
}

std::optional<InterchangeFormat> InterchangeFormats::FromPath(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
    return FromName(path.substr(dot + 1));
}

std::string_view InterchangeFormats::Name(InterchangeFormat format) {
    for (const auto& [text, f] : kNames)
        if (f == format) return text;
    return {};
}

std::string_view InterchangeFormats::Extension(InterchangeFormat format) {
    switch (format) {
        case InterchangeFormat::Fis: return ".fis";
        case InterchangeFormat::Fcl: return ".fcl";
        case InterchangeFormat::Fll: return ".fll";
        case InterchangeFormat::C: return ".c";
    }
    return {};
}

}  // namespace zorv
