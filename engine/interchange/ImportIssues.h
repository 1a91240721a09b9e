#pragma once

#include <string>
#include <vector>

#include "interchange/ProblemList.h"

namespace zorv {

// Where the importer sends what has no exact counterpart: a problem that refuses the file, or, when
// approximating, a note of the replacement made. Notes that are not replacements go to the notes as well.
class ImportIssues {
public:
    ImportIssues(const std::string& file, bool approximate) : problems_(file), notes_(file), approximate_(approximate) {}

    // Refuses (returns false) or notes the replacement (returns true): "problem; replaced by replacement".
    bool Replace(int line, const std::string& problem, const std::string& replacement);
    // A problem that no approximation can solve.
    void Refuse(int line, const std::string& problem) { problems_.add(line, problem); }
    void Note(int line, const std::string& note) { notes_.add(line, note); }

    bool approximate() const { return approximate_; }
    const ProblemList& problems() const { return problems_; }
    const std::vector<std::string>& notes() const { return notes_.messages(); }

private:
    ProblemList problems_;
    ProblemList notes_;
    bool approximate_;
};

}  // namespace zorv
