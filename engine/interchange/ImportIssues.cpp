#include "interchange/ImportIssues.h"

namespace zorv {

bool ImportIssues::Replace(int line, const std::string& problem, const std::string& replacement) {
    if (!approximate_) {
        problems_.add(line, problem);
        return false;
    }
    notes_.add(line, problem + "; replaced by " + replacement);
    return true;
}

}  // namespace zorv
