#include "cli/Command.h"

#include <algorithm>
#include <exception>

#include "cli/CliError.h"
#include "cli/RuleBaseLoader.h"
#include "cli/SyntaxErrorText.h"
#include "fuzzy/expression/ESyntax.h"
#include "interchange/EInterchange.h"
#include "io/EWrite.h"
#include "io/EWriteRefused.h"

namespace zorv::cli {

bool Command::asksForHelp(const std::vector<std::string>& args) {
    const auto end = std::find(args.begin(), args.end(), "--");
    return std::any_of(args.begin(), end, [](const std::string& arg) { return arg == "-h" || arg == "--help"; });
}

int Command::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int status = kSuccess;
    if (asksForHelp(args)) {
        out << help();
    } else {
        try {
            status = execute(args, out, err);
        } catch (const RuleBaseSyntaxError& error) {
            err << error.what() << '\n';  // the whole report, file name first
            status = error.code();
        } catch (const CliError& error) {
            status = report(err, error.code(), error.what(), error.pointsToHelp());
        } catch (const ESyntax& error) {
            status = report(err, kBadInput, syntaxErrorText(error), false);
        } catch (const EInterchange& refused) {
            // Every problem of an import or export on a line of its own.
            for (const std::string& message : refused.messages()) err << "error: " << message << '\n';
            status = kBadInput;
        } catch (const EWriteRefused& error) {
            status = report(err, kBadInput, error.what(), false);  // the content, not the output, is at fault
        } catch (const EWrite& error) {
            status = report(err, kUsage, error.what(), false);
        } catch (const std::exception& error) {
            // The engine refused the input (ERefused, EFTransformSettings, or a way no command foresaw).
            status = report(err, kBadInput, error.what(), false);
        }
    }
    out.flush();
    if (!out) status = report(err, kUsage, std::string(kOutputFailed), false);
    return status;
}

int Command::report(std::ostream& err, int code, const std::string& message, bool pointsToHelp) const {
    err << "error: " << message << '\n';
    if (pointsToHelp) err << "Try 'zorv " << name() << " --help'.\n";
    return code;
}

}  // namespace zorv::cli
