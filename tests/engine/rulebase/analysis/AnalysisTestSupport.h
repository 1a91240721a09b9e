#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fuzzy/vocabulary/CLingTerm.h"
#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv::test {

// A described cell written in a compact notation, so that the analysis can be tested apart from the parser:
// "[+|-][hedge] atom" with abbreviated hedges ("ve sm", "-ve bi", "no me", "ro zero"), "tN" for user term N,
// "about X", "a and b" for a compound expression, "undef", and "!..." for a text that does not parse.
inline AnalysisCell cell(const std::string& text) {
    AnalysisCell result{text, std::nullopt};
    if (text.empty() || text[0] == '!') {
        return result;
    }
    CLingTerm term;
    if (text.find(" and ") != std::string::npos || text.find(" or ") != std::string::npos) {
        term.atom = CLingTerm::kCompound;
    } else if (text.rfind("about", 0) == 0) {
        term.atom = CLingTerm::kFuzzyNumber;
        term.hedge = CLingTerm::kAbout;
    } else if (text == "undef") {
        term.atom = CLingTerm::kUndef;
    } else if (text[0] == 't') {
        term.atom = CLingTerm::kUserTerm;
        term.userIndex = std::stoi(text.substr(1));
    } else {
        static const std::vector<std::string> hedges{"ex", "si", "ve", "ra", "ml", "ro", "qr", "vr", "no"};
        static const std::vector<std::string> atoms{"sm", "me", "bi", "ze"};
        static const std::vector<std::string> fullAtoms{"small", "medium", "big", "zero"};
        std::string rest = text;
        if (rest[0] == '-' || rest[0] == '+') {
            term.sign = rest[0] == '-' ? -1 : 1;
            rest = rest.substr(1);
        }
        std::istringstream words(rest);
        std::string word;
        std::string atom;
        while (words >> word) {
            for (std::size_t h = 0; h < hedges.size(); ++h) {
                if (word == hedges[h]) term.hedge = static_cast<int>(h);
            }
            atom = word;
        }
        for (std::size_t a = 0; a < atoms.size(); ++a) {
            if (atom == atoms[a] || atom == fullAtoms[a]) term.atom = static_cast<int>(a);
        }
    }
    result.term = term;
    return result;
}

struct TestRule {
    TestRule(std::vector<std::string> cells, bool enabled = true) : cells(std::move(cells)), enabled(enabled) {}

    std::vector<std::string> cells;  // antecedents, then succedents
    bool enabled;
};

inline RuleTable tableOf(int antecedents, int succedents, const std::vector<TestRule>& rules) {
    RuleTable table(antecedents, succedents);
    for (const TestRule& rule : rules) {
        std::vector<AnalysisCell> cells;
        for (const std::string& text : rule.cells) {
            cells.push_back(cell(text));
        }
        table.addRule(rule.enabled, std::move(cells));
    }
    return table;
}

// One input, one output: {"ve sm", "bi"} per rule.
inline RuleAnalysis analysisOf(const std::vector<TestRule>& rules, int antecedents = 1, int succedents = 1) {
    return RuleAnalysis(tableOf(antecedents, succedents, rules));
}

}  // namespace zorv::test
