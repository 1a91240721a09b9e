#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zorv {

// The term clipboard: lines of copied terms kept inside the application (not the system clipboard), one
// line per term with its name, type and six parameter cells each followed by ";". It outlives the
// term editors, so terms can be copied from one variable to another.
class TermClipboard {
public:
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    bool empty() const { return lines_.empty(); }

private:
    std::vector<std::string> lines_;
};

}  // namespace zorv
