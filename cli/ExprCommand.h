#pragma once

#include "cli/Command.h"
#include "cli/ExprOptions.h"

namespace zorv::cli {

// "zorv expr": reads one expression in a vocabulary and shows its canonical text, its form, its
// specificity and its membership function on a grid (or, in the linc vocabulary, the coefficients of
// a linear form).
class ExprCommand : public Command {
public:
    ExprCommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    int runFuzzy(const ExprOptions& options, std::ostream& out) const;
    int runLinear(const ExprOptions& options, std::ostream& out) const;
};

}  // namespace zorv::cli
