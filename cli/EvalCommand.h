#pragma once

#include <iostream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/EvalArguments.h"

namespace zorv {
class CRuleBase;
class Workspace;
}

namespace zorv::cli {

// "zorv eval": evaluates a rule base on crisp inputs given on the command line, or on every row of a
// batch file (--batch FILE, "-" reading the standard input), and prints the crisp output.
class EvalCommand : public Command {
public:
    // in: the standard input, read by "--batch -".
    explicit EvalCommand(std::istream& in = std::cin);

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    int runSingle(const EvalArguments& arguments, CRuleBase& unit, std::ostream& out, std::ostream& err) const;
    int runBatch(const EvalArguments& arguments, CRuleBase& unit, std::ostream& out, std::ostream& err) const;
    std::vector<double> readInputs(const EvalArguments& arguments, const CRuleBase& unit, std::ostream& err) const;
    void applyMethods(const EvalArguments& arguments, CRuleBase& unit, std::ostream& err) const;
    // Fits the F-transform filter to the unit with its methods as chosen (a progress bar on a terminal);
    // a filter the file's switch built is reused when no method was changed. Throws ERefused.
    void prepareFilter(const EvalArguments& arguments, CRuleBase& unit, std::ostream& err) const;
    // Runs the inference alone and gives its output set as "y<TAB>mu" lines.
    std::string conclusionText(const CRuleBase& unit, const std::vector<double>& inputs, Workspace& workspace) const;

    std::istream& in_;
};

}  // namespace zorv::cli
