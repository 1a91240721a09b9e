#include "fuzzy/expression/EUserTerm.h"

#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {

void EUserTerm::printSelf(std::string& out) const {
    if (vocabulary_ != nullptr && index_ >= 0 && index_ < static_cast<int>(vocabulary_->terms().size())) {
        out += vocabulary_->terms()[static_cast<std::size_t>(index_)].shortName;
    }
}

}  // namespace zorv
