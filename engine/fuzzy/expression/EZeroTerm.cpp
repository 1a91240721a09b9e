#include "fuzzy/expression/EZeroTerm.h"

namespace zorv {

void EZeroTerm::describe(CLingTerm& d) const {
    EModifTerm::describe(d);
    d.atom = CLingTerm::kZero;
}

void EZeroTerm::printSelf(std::string& out) const {
    printPrefix(out);
    out += "zero";
}

}  // namespace zorv
