#include "fuzzy/expression/EModifTerm.h"

#include "fuzzy/vocabulary/CLingWords.h"

namespace zorv {

void EModifTerm::printPrefix(std::string& out) const {
    out += CLingWords::signText(sign_);
    const std::string_view hedge = CLingWords::hedgeName(hedge_);
    if (!hedge.empty()) {
        out += hedge;
        out += ' ';
    }
}

}  // namespace zorv
