#include "fuzzy/expression/EFuzzyTerm.h"

#include "fuzzy/vocabulary/CLingWords.h"
#include "fuzzy/vocabulary/CSettings.h"

namespace zorv {

void EFuzzyTerm::describe(CLingTerm& d) const {
    EModifTerm::describe(d);
    d.atom = atom_;
}

std::optional<ESyntax> EFuzzyTerm::validate() const {
    if (sign() < 0 && vocabulary() != nullptr && vocabulary()->low() >= 0.0) {
        return ESyntax("negative term is not allowed in this context", std::nullopt, ESyntax::kAfterParse);
    }
    return std::nullopt;
}

void EFuzzyTerm::printSelf(std::string& out) const {
    printPrefix(out);
    out += CLingWords::atomName(atom_);
}

}  // namespace zorv
