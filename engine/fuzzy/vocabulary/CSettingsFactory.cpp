#include "fuzzy/vocabulary/CSettingsFactory.h"

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"

namespace zorv {

std::unique_ptr<CSettings> createSettings(std::string_view typeName, double low, double high) {
    if (typeName == "basic") return std::make_unique<CBasicSettings>(low, high);
    if (typeName == "triang") return std::make_unique<CTriangSettings>(low, high);
    if (typeName == "linguistic") return std::make_unique<CLinguisticSettings>(low, high);
    return nullptr;
}

}  // namespace zorv
