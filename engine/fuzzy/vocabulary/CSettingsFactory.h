#pragma once

#include <memory>
#include <string_view>

#include "fuzzy/vocabulary/CSettings.h"

namespace zorv {

// A new vocabulary of the given type name ("basic", "triang", "linguistic") over <low, high>;
// null for any other name.
std::unique_ptr<CSettings> createSettings(std::string_view typeName, double low, double high);

}  // namespace zorv
