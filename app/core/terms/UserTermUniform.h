#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "app/core/workbench/Prompter.h"
#include "app/core/terms/UserTermRow.h"

namespace zorv {

class UserTermTable;

// What "Add Uniform" adds: k triangular terms "p<k>_0" .. "p<k>_<k-1>" over evenly spaced nodes of the
// context, the first and last being shoulders at its ends.
struct UserTermUniformOutcome {
    std::vector<UserTermRow> rows;
    std::optional<PromptMessage> message;  // why nothing is added; neither for a silent end
};

class UserTermUniform {
public:
    static constexpr const char* kCaption = "Properties of standard";
    static constexpr const char* kPrompt = "Enter number of expressions (2 - 101):";
    static constexpr const char* kDefault = "7";
    static constexpr int kMinCount = 2;
    static constexpr int kMaxCount = 101;

    // The partition for the answer to the query (a number, truncated to an integer); no answer or one that
    // is not a number ends silently.
    static UserTermUniformOutcome Plan(const UserTermTable& table, std::optional<std::string_view> answer);
    static std::vector<UserTermRow> Partition(int count, double low, double high);
};

}  // namespace zorv
