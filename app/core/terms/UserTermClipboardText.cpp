#include "app/core/terms/UserTermClipboardText.h"

#include <vector>

#include "text/NumberText.h"

namespace zorv {

namespace {

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            if (start < line.size()) fields.emplace_back(line.substr(start));
            break;
        }
        fields.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
    fields.resize(2 + UserTermShape::kSlotCount);
    return fields;
}

std::string CellText(const UserTermValue& value) {
    const auto number = value.number();
    return number ? NumberText::field(*number) : value.text;
}

UserTermValue CellValue(const std::string& text) {
    if (const auto number = NumberText::parseField(text)) return UserTermValue::Of(*number);
    return UserTermValue{text, std::nullopt};
}

}  // namespace

std::string UserTermClipboardText::Line(const UserTermRow& row) {
    std::string line = row.name + ";" + row.type + ";";
    for (const UserTermValue& value : row.values) line += CellText(value) + ";";
    return line;
}

std::optional<UserTermRow> UserTermClipboardText::Row(std::string_view line) {
    const auto fields = Fields(line);
    if (!UserTermShape::IsType(fields[1])) return std::nullopt;
    UserTermRow row;
    row.name = fields[0];
    row.type = fields[1];
    for (int slot = 0; slot < UserTermShape::kSlotCount; ++slot) {
        if (UserTermShape::Uses(row.type, slot)) {
            row.values[static_cast<std::size_t>(slot)] = CellValue(fields[static_cast<std::size_t>(2 + slot)]);
        }
    }
    return row;
}

}  // namespace zorv
