#include "app/core/terms/UserTermUniform.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/core/terms/UserTermFactory.h"
#include "app/core/terms/UserTermTable.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr const char* kWrongInput = "Wrong input";

UserTermUniformOutcome Refusal(const char* text) {
    return {{}, PromptMessage::captioned(text, kWrongInput)};
}

std::string NameOf(int count, int j) { return std::string("p").append(std::to_string(count)).append("_").append(std::to_string(j)); }

}  // namespace

UserTermUniformOutcome UserTermUniform::Plan(const UserTermTable& table, std::optional<std::string_view> answer) {
    if (!answer) return {};
    const auto number = NumberText::parseField(*answer);
    if (!number) return {};
    const double count = std::trunc(*number);
    if (table.low() < 0.0 && 0.0 < table.high() && std::fmod(count, 2.0) == 0.0) {
        return Refusal("Number of expressions for symetrical variable must be odd value");
    }
    if (count < kMinCount || count > kMaxCount) return Refusal("Number of expressions out of range");
    const int k = static_cast<int>(count);
    for (int j = 0; j < k; ++j) {
        if (table.nameTaken(NameOf(k, j), -1)) return Refusal("One or more of expressions already exists.");
    }
    return {Partition(k, table.low(), table.high()), std::nullopt};
}

std::vector<UserTermRow> UserTermUniform::Partition(int count, double low, double high) {
    const auto node = [&](int i) {
        return i == count - 1 ? high : low + static_cast<double>(i) / (count - 1) * (high - low);
    };
    std::vector<UserTermRow> rows;
    for (int j = 0; j < count; ++j) {
        rows.push_back(UserTermFactory::Triangle(NameOf(count, j), node(std::max(j - 1, 0)), node(j),
                                                 node(std::min(j + 1, count - 1))));
    }
    return rows;
}

}  // namespace zorv
