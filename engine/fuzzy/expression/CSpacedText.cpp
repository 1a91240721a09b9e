#include "fuzzy/expression/CSpacedText.h"

namespace zorv {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSpaced(char c) {
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '{' || c == '}' || c == ',';
}

}  // namespace

CSpacedText::CSpacedText(std::string_view original) : originalLength_(static_cast<int>(original.size())) {
    text_.reserve(original.size() + 8);
    origin_.reserve(original.size() + 8);
    bool pendingBlank = false;
    for (std::size_t i = 0; i < original.size(); ++i) {
        const char c = original[i];
        if (isBlank(c)) {
            pendingBlank = true;
            continue;
        }
        if ((pendingBlank || isSpaced(c)) && !text_.empty() && text_.back() != ' ') append(' ', i);
        append(c, i);
        pendingBlank = isSpaced(c);
    }
}

void CSpacedText::append(char c, std::size_t origin) {
    text_.push_back(c);
    origin_.push_back(static_cast<int>(origin));
}

int CSpacedText::originalOffset(std::size_t pos) const {
    return pos < origin_.size() ? origin_[pos] : originalLength_;
}

}  // namespace zorv
