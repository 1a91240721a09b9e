#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/CliError.h"
#include "fuzzy/expression/ESyntax.h"

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// A rule base file the reader refused; what() is the whole report, printed as it is (no "error: ").
class RuleBaseSyntaxError : public CliError {
public:
    explicit RuleBaseSyntaxError(const std::string& report) : CliError(kBadInput, report) {}
};

// Opens a rule base file for a command. A file that cannot be opened throws an I/O CliError
// ("cannot open FILE: ..."); a file the reader refuses throws a RuleBaseSyntaxError whose text is
//   FILE:LINE:COLUMN: Syntax error: MESSAGE
//   <the first line of the error's context, from the fault on, as TextExcerpt shows it>
// (":LINE:COLUMN", both from 1, is left out for a fault of the whole file, such as a missing key).
// Warnings of the reader (a corrected rule count) go to `diagnostics`.
class RuleBaseLoader {
public:
    static std::unique_ptr<CRuleBase> load(const std::string& path, std::ostream& diagnostics);

    // The text above for a syntax error of the file whose text is given.
    static std::string syntaxErrorReport(const std::string& path, const ESyntax& error, std::string_view text);
};

}  // namespace zorv::cli
