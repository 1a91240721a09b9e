#pragma once

#include "interchange/ForeignSystem.h"
#include "interchange/ImportIssues.h"

namespace zorv {

struct InferenceMethodEntry;
struct DefuzzificationMethodEntry;

// The inference and defuzzification methods that give a foreign rule base its meaning here: the operators it
// chose are checked against those of the methods (see ForeignImporter), each mismatch a problem or, when
// approximating, a replacement.
class MethodImport {
public:
    struct Methods {
        const InferenceMethodEntry* inference = nullptr;
        const DefuzzificationMethodEntry* defuzzification = nullptr;
    };

    // type: the system's type after any replacement (Mamdani or Sugeno).
    static Methods Choose(const ForeignSystem& system, ForeignSystem::Type type, ImportIssues& issues);
};

}  // namespace zorv
