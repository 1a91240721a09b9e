#include "app/core/rules/RuleClipboardText.h"

namespace zorv {
namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(begin, end - begin));
        begin = end < text.size() && text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
    }
    return lines;
}

}  // namespace

std::string RuleClipboardText::format(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (const std::string& cell : row) text += cell + ";";
        text += "\n";
    }
    return text;
}

std::vector<std::vector<std::string>> RuleClipboardText::parse(std::string_view text, int count) {
    std::vector<std::vector<std::string>> rows;
    for (std::string_view line : linesOf(text)) {
        std::vector<std::string> cells;
        for (std::size_t begin = 0; static_cast<int>(cells.size()) < count;) {
            const std::size_t end = line.find(';', begin);
            cells.emplace_back(line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
            if (end == std::string_view::npos) break;
            begin = end + 1;
        }
        cells.resize(static_cast<std::size_t>(count));
        rows.push_back(std::move(cells));
    }
    return rows;
}

}  // namespace zorv
