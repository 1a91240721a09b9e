#include "fuzzy/expression/CNormalizer.h"
#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {

std::string CBasicSettings::normalize(std::string_view text) const { return CNormalizer(*this).run(text); }

}  // namespace zorv
