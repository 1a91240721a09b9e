#include "cli/VocabularyBuilder.h"

#include "cli/CliError.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CSettingsFactory.h"

namespace zorv::cli {

std::unique_ptr<CBasicSettings> VocabularyBuilder::build(const ExprOptions& options) const {
    std::unique_ptr<CSettings> settings = createSettings(options.vocabulary, options.low, options.high);
    if (dynamic_cast<CBasicSettings*>(settings.get()) == nullptr) {
        throw CliError::usage("'" + options.vocabulary + "' is not a fuzzy vocabulary");
    }
    std::unique_ptr<CBasicSettings> vocabulary(static_cast<CBasicSettings*>(settings.release()));
    applyLingParams(*vocabulary, options);
    addUserTerms(*vocabulary, options);
    return vocabulary;
}

void VocabularyBuilder::applyLingParams(CBasicSettings& vocabulary, const ExprOptions& options) const {
    if (!options.lingParams) {
        return;
    }
    auto* linguistic = dynamic_cast<CLinguisticSettings*>(&vocabulary);
    if (linguistic == nullptr) {
        throw CliError::usage("--lingparams applies to the linguistic vocabulary only");
    }
    if (!linguistic->setLingParams(*options.lingParams)) {
        throw CliError::badValue("--lingparams: the vocabulary refuses these values");
    }
}

void VocabularyBuilder::addUserTerms(CBasicSettings& vocabulary, const ExprOptions& options) const {
    for (const UserTermOption& term : options.userTerms) {
        auto set = createParamSet(term.type, term.params.data(), options.low, options.high);
        if (set == nullptr || vocabulary.addUserTerm(term.name, "", std::move(set)) < 0) {
            throw CliError::badValue("--user-term " + term.name + ": the vocabulary refuses this term");
        }
    }
}

}  // namespace zorv::cli
