#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"
#include "tuning/TuningRows.h"

namespace zorv::test {

// Data for tuning tests: rows whose expected values a rule base gives itself, and rule base texts whose
// contexts are moved away from those that made the rows.

// count rows at inputs drawn uniformly over the contexts (the same for the same seed everywhere).
inline TuningRows RowsFrom(CRuleBase& unit, int count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    TuningRows rows(unit.AntecedentCount());
    std::vector<double> inputs(static_cast<std::size_t>(unit.AntecedentCount()));
    for (int r = 0; r < count; ++r) {
        for (int k = 0; k < unit.AntecedentCount(); ++k) {
            const double u = static_cast<double>(random() >> 11) * 0x1.0p-53;
            inputs[static_cast<std::size_t>(k)] = unit.ContextLow(k) + u * (unit.ContextHigh(k) - unit.ContextLow(k));
        }
        rows.Add(inputs, unit.Evaluate(inputs));
    }
    return rows;
}

// The rows as a data file holds them: a header line, then the values of each row separated by blanks.
inline std::string DataFileText(const TuningRows& rows) {
    std::string text = "generated rows\n";
    for (int r = 0; r < rows.Count(); ++r) {
        for (const double x : rows.Inputs(r)) text += NumberText::shortest(x) + ' ';
        text += NumberText::shortest(rows.Expected(r)) + '\n';
    }
    return text;
}

// Every occurrence of `from` in text replaced by `to`.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// examples/heater.rb with its input contexts moved by about 20 % of their width: indoor <10, 30> shifted to
// <14, 34>, outdoor <-25, 15> to <-33, 11>; both within the default bounds of the true contexts.
inline std::string DisturbedHeater(const std::string& heaterText) {
    return Replaced(Replaced(heaterText, "context=<10,30>", "context=<14,34>"), "context=<-25,15>", "context=<-33,11>");
}

// The heater's rules under Fuzzy Approximation (DNF) with minimum and the centre of gravity.
inline std::string WithDnfAndCog(const std::string& heaterText) {
    return Replaced(Replaced(heaterText, "InfMethod=Logical_Deduction", "InfMethod=Fuzzy_Approximation-functional"),
                    "DefuzzMethod=SimpDefuzzLingExpression", "DefuzzMethod=SimpleCenterOfGravity");
}

}  // namespace zorv::test
