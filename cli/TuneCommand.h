#pragma once

#include <functional>

#include "cli/Command.h"

namespace zorv {
class CRuleBase;
struct TuningResult;
}  // namespace zorv

namespace zorv::cli {

struct TuneArguments;

// "zorv tune": fits the contexts, lingparams or user terms of a rule base to the rows of a data file and
// reports the error before and after; writes the tuned rule base with -o. Ctrl+C stops the search; the best
// rule base found so far is written only with --save-on-interrupt, and the process then ends as interrupted.
class TuneCommand : public Command {
public:
    // interrupted: asked between evaluations whether to stop (Ctrl+C by default; tests give their own).
    explicit TuneCommand(std::function<bool()> interrupted = {});

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    TuningResult Tune(const TuneArguments& arguments, const CRuleBase& unit, std::ostream& err) const;
    static void Refuse(const TuneArguments& arguments);
    static int Finish(const TuneArguments& arguments, const TuningResult& result, std::ostream& err);

    std::function<bool()> interrupted_;
};

}  // namespace zorv::cli
