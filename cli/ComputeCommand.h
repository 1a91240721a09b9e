#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

namespace zorv {
class CRuleBase;
class DataTable;
struct DataComputeResult;
}  // namespace zorv

namespace zorv::cli {

// "zorv compute": the data table's Import and Compute on a data file, printing every computed row
// and the largest error, and optionally writing the output file.
class ComputeCommand : public Command {
public:
    std::string_view name() const override { return "compute"; }
    std::string_view summary() const override;
    std::string_view help() const override;

    int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        bool help = false;
        bool lingApprox = false;
        int jobs = 0;  // threads to evaluate the rows on; 0: every core
        std::string ruleBase;
        std::string data;
        std::optional<std::string> output;
    };

    static Arguments parse(const std::vector<std::string>& args);
    // Imports the data file; false when reading stopped part-way (the rows before stay).
    static bool importData(const Arguments& arguments, DataTable& table, std::ostream& err);
    static std::string report(const DataTable& table, const DataComputeResult& result);
    static int finish(const Arguments& arguments, const DataTable& table, const DataComputeResult& result,
                      std::ostream& err);
};

}  // namespace zorv::cli
