#include "interchange/ForeignSystem.h"

namespace zorv {

int ForeignVariable::findTerm(const std::string& termName) const {
    for (std::size_t i = 0; i < terms.size(); ++i)
        if (terms[i].name == termName) return static_cast<int>(i);
    return -1;
}

}  // namespace zorv
