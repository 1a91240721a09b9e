#include "app/core/terms/UserTermCellCheck.h"

#include "app/core/terms/TermStorableName.h"
#include "app/core/terms/UserTermTable.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "fuzzy/expression/CFEParser.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr const char* kWrongInput = "Wrong input";

UserTermVerdict Refuse(const char* text) { return UserTermVerdict::Fail(PromptMessage::plain(text)); }

bool IsExpression(const std::string& name) {
    try {
        CFEParser(nullptr).parse(name);
        return true;
    } catch (const ESyntax&) {
        return false;
    }
}

}  // namespace

UserTermVerdict UserTermCellCheck::Check(const UserTermTable& table, int row, int column) {
    if (row < 0 || row >= table.rowCount()) return UserTermVerdict::Pass();
    if (column == UserTermTable::kNameColumn) return CheckName(table, row);
    if (!table.editable(row, column)) return UserTermVerdict::Pass();
    return CheckValue(table, row, UserTermTable::SlotOf(column));
}

std::optional<std::pair<std::pair<int, int>, UserTermVerdict>> UserTermCellCheck::FirstFailure(
    const UserTermTable& table) {
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = UserTermTable::kNameColumn; column < UserTermTable::kUsageColumn; ++column) {
            if (column != UserTermTable::kNameColumn && !table.editable(row, column)) continue;
            UserTermVerdict verdict = Check(table, row, column);
            if (!verdict.ok) return std::make_pair(std::make_pair(row, column), std::move(verdict));
        }
    }
    return std::nullopt;
}

UserTermVerdict UserTermCellCheck::CheckName(const UserTermTable& table, int row) {
    const std::string& name = table.row(row).name;
    if (name.find_first_not_of(" 	") == std::string::npos) return UserTermVerdict::Fail();
    if (IsExpression(name) || table.nameTaken(name, row)) {
        return UserTermVerdict::Fail(PromptMessage::captioned("Expression already exists", kWrongInput));
    }
    if (auto problem = TermStorableName::Problem(name, "expression")) {
        return UserTermVerdict::Fail(PromptMessage::captioned(*problem, kWrongInput));
    }
    return UserTermVerdict::Pass();
}

UserTermVerdict UserTermCellCheck::CheckValue(const UserTermTable& table, int row, int slot) {
    const auto value = table.value(row, slot);
    if (!value) {
        const std::string text = table.cellText(row, UserTermTable::ColumnOf(slot));
        return UserTermVerdict::Fail(WorkbenchMessages::notAReal(text));
    }
    if (table.row(row).type == UserTermShape::kGaussian) return CheckGaussian(table, row, slot, *value);
    if (*value < table.low() || *value > table.high()) return Refuse("Value is out of variable range");
    return CheckOrder(table, row, slot, *value);
}

// The right end of the kernel is held to the same rules as the left one: inside the context and not
// before its partner.
UserTermVerdict UserTermCellCheck::CheckGaussian(const UserTermTable& table, int row, int slot, double value) {
    if (UserTermShape::IsScale(UserTermShape::kGaussian, slot)) {
        return value > 0.0 ? UserTermVerdict::Pass() : Refuse("Scale factor must be greater then zero");
    }
    if (value < table.low() || value > table.high()) return Refuse("Value is out of variable range");
    if (slot == UserTermShape::leftKernel) {
        const auto right = table.value(row, UserTermShape::rightKernel);
        if (right && value > *right) return Refuse("Value is greater than next parameter");
    } else {
        const auto left = table.value(row, UserTermShape::leftKernel);
        if (left && value < *left) return Refuse("Value is less than previous parameter");
    }
    return UserTermVerdict::Pass();
}

UserTermVerdict UserTermCellCheck::CheckOrder(const UserTermTable& table, int row, int slot, double value) {
    const auto slots = UserTermShape::Slots(table.row(row).type);
    const int position = UserTermShape::ParameterOf(table.row(row).type, slot);
    if (position > 0) {
        const auto previous = table.value(row, slots[static_cast<std::size_t>(position - 1)]);
        if (previous && value < *previous) return Refuse("Value is less than previous parameter");
    }
    if (position + 1 < static_cast<int>(slots.size())) {
        const auto next = table.value(row, slots[static_cast<std::size_t>(position + 1)]);
        if (next && value > *next) return Refuse("Value is greater than next parameter");
    }
    return UserTermVerdict::Pass();
}

}  // namespace zorv
