#include "interchange/ProblemList.h"

#include "interchange/EInterchange.h"
#include "text/TextExcerpt.h"

namespace zorv {

void ProblemList::add(int line, const std::string& message) {
    std::string text = file_;
    if (line > 0) text.append(":").append(std::to_string(line));
    // Messages quote names, hedges and numbers from the file: a megabyte name, or thousands of breakpoints, must
    // not make a megabyte message, nor a control byte in a name steer the terminal that shows it.
    messages_.push_back(text + ": " + TextExcerpt::of(message, kMessageBytes));
}

void ProblemList::throwIfAny() const {
    if (!messages_.empty()) throw EInterchange(messages_);
}

}  // namespace zorv
