#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "ftransform/partition/BasicFunctionShape.h"

namespace zorv {
class CRuleBase;
class FTransformTextTable;
class TFTransform;
}  // namespace zorv

namespace zorv::cli {

// "zorv ftransform": the data table's F-transform command on a data file, with the rule base's input
// variables as axes: fits the transform (optionally searching the node count for a maximum error), prints
// every row's reconstruction and the largest error, and writes the FT-Vector file on request.
class FTransformSubcommand : public Command {
public:
    FTransformSubcommand();

protected:
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    struct Arguments {
        std::string ruleBase;
        std::string data;
        std::vector<int> nodes;  // one count for every input, or one per input
        BasicFunctionShape shape = BasicFunctionShape::Triangular;
        std::optional<double> maxError;
        std::optional<std::string> ftv;
    };

    static Arguments parse(const std::vector<std::string>& args);
    static std::vector<int> parseNodes(const std::string& text);
    static BasicFunctionShape parseShape(const std::string& text);
    static int fit(const Arguments& arguments, const CRuleBase& unit, std::ostream& out, std::ostream& err);
    // One line per row: the inputs, the expected output and the exact reconstruction, then "Max. Error: E".
    static bool anyReadable(const CRuleBase& unit, const FTransformTextTable& table);
    static std::string report(const CRuleBase& unit, const FTransformTextTable& table, const TFTransform& transform);
};

}  // namespace zorv::cli
