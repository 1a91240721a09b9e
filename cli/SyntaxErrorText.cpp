#include "cli/SyntaxErrorText.h"

namespace zorv::cli {

std::string syntaxErrorText(const ESyntax& error) {
    if (!error.text() || error.position() < 0) {
        return error.message();
    }
    return error.message() + " at position " + std::to_string(error.position());
}

}  // namespace zorv::cli
