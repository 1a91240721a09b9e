#include "interchange/ProblemList.h"

#include "interchange/EInterchange.h"

namespace zorv {

void ProblemList::add(int line, const std::string& message) {
    std::string text = file_;
    if (line > 0) text.append(":").append(std::to_string(line));
    messages_.push_back(text + ": " + message);
}

void ProblemList::throwIfAny() const {
    if (!messages_.empty()) throw EInterchange(messages_);
}

}  // namespace zorv
