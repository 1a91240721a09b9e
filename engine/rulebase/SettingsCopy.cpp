#include "rulebase/SettingsCopy.h"

#include <stdexcept>
#include <string>

#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CSettingsFactory.h"

namespace zorv {

std::shared_ptr<CSettings> CopySettings(const CSettings& settings) {
    if (settings.isLinear() != 0) return std::make_shared<CLinCSettings>(settings.low(), settings.high());
    std::shared_ptr<CSettings> copy = createSettings(settings.typeName(), settings.low(), settings.high());
    if (copy == nullptr) throw std::logic_error("no copy for vocabularies of type " + std::string(settings.typeName()));
    if (const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&settings)) {
        static_cast<CLinguisticSettings&>(*copy).setLingParams(linguistic->lingParams());
    }
    if (const auto* basic = dynamic_cast<const CBasicSettings*>(&settings)) {
        static_cast<CBasicSettings&>(*copy).copyUserTerms(*basic);
    }
    return copy;
}

}  // namespace zorv
