#pragma once

#include <memory>

#include "cli/ExprOptions.h"
#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv::cli {

// Makes the fuzzy vocabulary that the options describe: its kind and context, its lingparams and its
// user terms. Values the engine refuses throw a bad-value CliError.
class VocabularyBuilder {
public:
    std::unique_ptr<CBasicSettings> build(const ExprOptions& options) const;

private:
    void applyLingParams(CBasicSettings& vocabulary, const ExprOptions& options) const;
    void addUserTerms(CBasicSettings& vocabulary, const ExprOptions& options) const;
};

}  // namespace zorv::cli
