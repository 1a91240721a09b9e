#include "interchange/EInterchange.h"

namespace zorv {

namespace {

std::string Joined(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) {
        if (!text.empty()) text += '\n';
        text += message;
    }
    return text;
}

}  // namespace

EInterchange::EInterchange(std::vector<std::string> messages)
    : std::runtime_error(Joined(messages)), messages_(std::move(messages)) {}

}  // namespace zorv
