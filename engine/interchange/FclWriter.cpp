#include "interchange/FclWriter.h"

#include <map>

#include "interchange/RuleTextWriter.h"
#include "interchange/ShapeComment.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

std::string Keyword(const std::string& name) {
    static const std::map<std::string, std::string> kNames{
        {"Minimum", "MIN"},         {"Maximum", "MAX"},   {"AlgebraicProduct", "PROD"},
        {"BoundedDifference", "BDIF"}, {"Centroid", "COG"}, {"WeightedAverage", "COGS"}};
    const auto it = kNames.find(name);
    return it != kNames.end() ? it->second : name;
}

std::string TermValue(const ForeignTerm& t) {
    if (t.shape == "Constant") return NumberText::file(t.params[0]);
    if (t.shape == "Linear") return "Linear " + RuleTextWriter::Numbers(t.params, " ");
    std::string points;
    for (std::size_t i = 0; i + 1 < t.params.size(); i += 2) {
        if (!points.empty()) points += " ";
        points.append("(").append(NumberText::file(t.params[i])).append(", ");
        points.append(NumberText::file(t.params[i + 1])).append(")");
    }
    return points;
}

void Block(std::string& out, const ForeignVariable& v, bool output) {
    out += std::string(output ? "DEFUZZIFY " : "FUZZIFY ") + v.name + "\n";
    out += "  RANGE := (" + NumberText::file(v.low) + " .. " + NumberText::file(v.high) + ");\n";
    for (const ForeignTerm& t : v.terms) {
        if (!t.originShape.empty()) out += "  " + ShapeComment::Format(t.originShape, t.originParams, "//") + "\n";
        out += "  TERM " + t.name + " := " + TermValue(t) + ";\n";
    }
    if (output) {
        out += "  METHOD : " + Keyword(v.defuzzifier.name) + ";\n";
        if (!v.aggregation.empty()) out += "  ACCU : " + Keyword(v.aggregation.name) + ";\n";
        if (v.defaultValue) out += "  DEFAULT := " + NumberText::file(*v.defaultValue) + ";\n";
    }
    out += std::string(output ? "END_DEFUZZIFY" : "END_FUZZIFY") + "\n\n";
}

}  // namespace

std::string FclWriter::Write(const ForeignSystem& system) {
    std::string out = "FUNCTION_BLOCK " + system.name + "\n\nVAR_INPUT\n";
    for (const ForeignVariable& v : system.inputs) out += "  " + v.name + ": REAL;\n";
    out += "END_VAR\n\nVAR_OUTPUT\n";
    for (const ForeignVariable& v : system.outputs) out += "  " + v.name + ": REAL;\n";
    out += "END_VAR\n\n";
    for (const ForeignVariable& v : system.inputs) Block(out, v, false);
    for (const ForeignVariable& v : system.outputs) Block(out, v, true);
    out += "RULEBLOCK rules\n";
    out += "  AND : " + Keyword(system.conjunction.name) + ";\n";
    out += "  OR : " + Keyword(system.disjunction.name) + ";\n";
    if (!system.implication.empty()) out += "  ACT : " + Keyword(system.implication.name) + ";\n";
    for (std::size_t i = 0; i < system.rules.size(); ++i)
        out += "  RULE " + std::to_string(i + 1) + " : " + RuleTextWriter::Format(system, system.rules[i]) + ";\n";
    out += "END_RULEBLOCK\n\nEND_FUNCTION_BLOCK\n";
    return out;
}

}  // namespace zorv
