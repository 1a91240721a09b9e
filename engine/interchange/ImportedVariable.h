#pragma once

#include <optional>
#include <string>
#include <vector>

#include "interchange/ForeignShape.h"
#include "interchange/ForeignSystem.h"
#include "interchange/ImportIssues.h"

namespace zorv {

// One variable of the foreign rule base as it will stand in the rule base document: its name, context, user
// terms (name and shape) and grid. Built for inputs and for the output of a Mamdani system; the output of a
// Sugeno system keeps only its name and context (its terms become the linear cells of the rules).
struct ImportedVariable {
    std::string name;
    double low = 0.0;
    double high = 1.0;
    std::vector<std::string> termNames;          // one per foreign term, as the cells name them
    std::vector<std::optional<UserShape>> shapes; // one per foreign term; none when it was refused or is free
    std::vector<bool> free;                       // per term: 1 everywhere, stated as "undef" (no user term)
    int discretization = 301;

    // Maps the terms of v (shapes, names) and chooses the grid; problems and notes go to issues.
    static ImportedVariable Of(const ForeignVariable& v, const std::string& name, ImportIssues& issues);
};

}  // namespace zorv
