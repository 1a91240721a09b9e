#pragma once

#include <optional>
#include <utility>

#include "app/core/workbench/Prompter.h"

namespace zorv {

class UserTermTable;

// The result of checking one cell of the term grid. A failure may come without a message (an empty name).
struct UserTermVerdict {
    bool ok = true;
    std::optional<PromptMessage> message;

    static UserTermVerdict Pass() { return {}; }
    static UserTermVerdict Fail(std::optional<PromptMessage> message = std::nullopt) {
        return {false, std::move(message)};
    }
};

// The checks of a name or parameter cell of the term grid.
//   Name: not empty, not an expression of the language, not the name of another row, storable in a file.
//   Parameter: a number in <low, high>, not below the type's previous parameter, not above its next one;
//   a gaussian's scale factors must be greater than zero and its kernel ends lie in <low, high> in order.
class UserTermCellCheck {
public:
    static UserTermVerdict Check(const UserTermTable& table, int row, int column);
    // Every cell the user can type into, row by row: the first failing cell and its verdict.
    static std::optional<std::pair<std::pair<int, int>, UserTermVerdict>> FirstFailure(const UserTermTable& table);

private:
    static UserTermVerdict CheckName(const UserTermTable& table, int row);
    static UserTermVerdict CheckValue(const UserTermTable& table, int row, int slot);
    static UserTermVerdict CheckGaussian(const UserTermTable& table, int row, int slot, double value);
    static UserTermVerdict CheckOrder(const UserTermTable& table, int row, int slot, double value);
};

}  // namespace zorv
