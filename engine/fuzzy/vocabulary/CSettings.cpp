#include "fuzzy/vocabulary/CSettings.h"

#include <string>

#include "fuzzy/expression/CFEParser.h"

namespace zorv {

std::optional<ESyntax> CSettings::checkSyntax(std::string_view text) const {
    try {
        CFEParser parser(this);
        const std::unique_ptr<ELingExpr> root = parser.parse(text);
        if (std::optional<ESyntax> error = root->validate()) {
            return ESyntax(error->message(), std::string(text), ESyntax::kAfterParse);
        }
        return std::nullopt;
    } catch (const ESyntax& error) {
        return error;
    }
}

}  // namespace zorv
