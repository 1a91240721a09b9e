#include "interchange/FllWriter.h"

#include "interchange/RuleTextWriter.h"
#include "interchange/ShapeComment.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

std::string Op(const ForeignOperator& op) {
    if (op.empty()) return "none";
    return op.argument.empty() ? op.name : op.name + " " + op.argument;
}

void Variable(std::string& out, const ForeignVariable& v, bool output) {
    out += (output ? "OutputVariable: " : "InputVariable: ") + v.name + "\n";
    out += "  enabled: true\n";
    out += "  range: " + NumberText::file(v.low) + " " + NumberText::file(v.high) + "\n";
    out += std::string("  lock-range: ") + (v.lockRange.on ? "true" : "false") + "\n";
    if (output) {
        out += "  aggregation: " + Op(v.aggregation) + "\n";
        out += "  defuzzifier: " + Op(v.defuzzifier) + "\n";
        out += "  default: " + (v.defaultValue ? NumberText::file(*v.defaultValue) : std::string("nan")) + "\n";
        out += std::string("  lock-previous: ") + (v.lockPrevious.on ? "true" : "false") + "\n";
    }
    for (const ForeignTerm& t : v.terms) {
        if (!t.originShape.empty()) out += "  " + ShapeComment::Format(t.originShape, t.originParams, "#") + "\n";
        out += "  term: " + t.name + " " + t.shape + " " + RuleTextWriter::Numbers(t.params, " ") + "\n";
    }
}

}  // namespace

std::string FllWriter::Write(const ForeignSystem& system) {
    std::string out = "Engine: " + system.name + "\n";
    for (const ForeignVariable& v : system.inputs) Variable(out, v, false);
    for (const ForeignVariable& v : system.outputs) Variable(out, v, true);
    out += "RuleBlock: rules\n";
    out += "  enabled: true\n";
    out += "  conjunction: " + Op(system.conjunction) + "\n";
    out += "  disjunction: " + Op(system.disjunction) + "\n";
    out += "  implication: " + Op(system.implication) + "\n";
    out += "  activation: General\n";
    for (const ForeignRule& rule : system.rules) out += "  rule: " + RuleTextWriter::Format(system, rule) + "\n";
    return out;
}

}  // namespace zorv
