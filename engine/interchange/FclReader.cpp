#include "interchange/FclReader.h"

#include <map>
#include <string>

#include "interchange/ForeignShape.h"
#include "interchange/RuleTextParser.h"
#include "interchange/ShapeComment.h"
#include "interchange/TextLines.h"

namespace zorv {

namespace {

std::string Translated(const std::string& word) {
    static const std::map<std::string, std::string, std::less<>> kNames{
        {"min", "Minimum"},           {"prod", "AlgebraicProduct"},  {"bdif", "BoundedDifference"},
        {"dprod", "DrasticProduct"},  {"eprod", "EinsteinProduct"},  {"hprod", "HamacherProduct"},
        {"nmin", "NilpotentMinimum"}, {"max", "Maximum"},            {"asum", "AlgebraicSum"},
        {"bsum", "BoundedSum"},       {"nsum", "NormalizedSum"},     {"dsum", "DrasticSum"},
        {"esum", "EinsteinSum"},      {"hsum", "HamacherSum"},       {"nmax", "NilpotentMaximum"},
        {"cog", "Centroid"},          {"coa", "Bisector"},           {"cogs", "WeightedAverage"},
        {"wa", "WeightedAverage"},    {"ws", "WeightedSum"},         {"mm", "MeanOfMaximum"},
        {"mom", "MeanOfMaximum"},     {"lm", "SmallestOfMaximum"},   {"som", "SmallestOfMaximum"},
        {"rm", "LargestOfMaximum"},   {"lom", "LargestOfMaximum"}};
    const auto it = kNames.find(TextLines::Lower(word));
    return it != kNames.end() ? it->second : word;
}

// Statement text with "//" and "(* *)" comments removed; inBlock carries an open block comment across lines.
std::string WithoutComments(std::string_view line, bool& inBlock) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (inBlock) {
            if (line.substr(i, 2) == "*)") {
                inBlock = false;
                ++i;
            }
            continue;
        }
        if (line.substr(i, 2) == "(*") {
            inBlock = true;
            ++i;
            continue;
        }
        if (line.substr(i, 2) == "//") break;
        out += line[i];
    }
    return out;
}

enum class Block { None, Input, Output, Fuzzify, Defuzzify, RuleBlock };

class Reader {
public:
    explicit Reader(ProblemList& problems) : problems_(problems) {}

    ForeignSystem read(std::string_view text) {
        bool inComment = false;
        for (const TextLines::Line& line : TextLines::Split(text)) {
            const std::string_view trimmed = TextLines::Trim(line.text);
            if (const auto shape = ShapeComment::Parse(trimmed, "//")) {
                pendingShape_ = *shape;
                continue;
            }
            const std::string content(TextLines::Trim(WithoutComments(line.text, inComment)));
            if (content.empty()) continue;
            // Rules may stand one a line without a closing ";".
            if (block_ == Block::RuleBlock && StartsStatement(content)) flushRule();
            if (pending_.empty() && blockKeyword(content, line.number)) continue;
            if (pending_.empty()) pendingLine_ = line.number;
            pending_ += " " + content;
            std::size_t semicolon;
            while ((semicolon = pending_.find(';')) != std::string::npos) {
                statement(std::string(TextLines::Trim(pending_.substr(0, semicolon))), pendingLine_);
                pending_ = std::string(TextLines::Trim(pending_.substr(semicolon + 1)));
                pendingLine_ = line.number;
            }
        }
        flushRule();
        if (!TextLines::Trim(pending_).empty()) problems_.add(pendingLine_, "\";\" expected at the end of the statement");
        const RuleTextParser parser(system_.inputs, system_.outputs);
        for (const auto& [ruleText, number] : rules_)
            if (auto rule = parser.parse(ruleText, number, problems_)) system_.rules.push_back(std::move(*rule));
        for (const ForeignVariable& v : system_.outputs)
            if (v.defuzzifier.name == "WeightedAverage" || v.defuzzifier.name == "WeightedSum")
                system_.type = ForeignSystem::Type::Sugeno;
        return std::move(system_);
    }

private:
    static bool StartsStatement(const std::string& content) {
        const std::string lower = TextLines::Lower(content.substr(0, 8));
        return lower.rfind("rule", 0) == 0 || lower.rfind("end_", 0) == 0;
    }

    // A pending rule statement ends where the next statement or block keyword begins.
    void flushRule() {
        if (block_ != Block::RuleBlock || TextLines::Lower(TextLines::Trim(pending_).substr(0, 4)) != "rule") return;
        statement(std::string(TextLines::Trim(pending_)), pendingLine_);
        pending_.clear();
    }

    bool blockKeyword(const std::string& content, int line) {
        const std::vector<std::string> words = TextLines::Words(content);
        const std::string keyword = TextLines::Lower(words.front());
        const std::string name = words.size() > 1 ? words[1] : std::string();
        if (keyword == "function_block") {
            system_.name = name;
        } else if (keyword == "var_input" || keyword == "var_output") {
            block_ = keyword == "var_input" ? Block::Input : Block::Output;
        } else if (keyword == "fuzzify" || keyword == "defuzzify") {
            const bool input = keyword == "fuzzify";
            block_ = input ? Block::Fuzzify : Block::Defuzzify;
            variable_ = find(input ? system_.inputs : system_.outputs, name, line);
        } else if (keyword == "ruleblock") {
            if (++ruleBlocks_ > 1) problems_.add(line, "a second RULEBLOCK: only one rule block can be imported");
            block_ = Block::RuleBlock;
        } else if (keyword.rfind("end_", 0) == 0) {
            block_ = Block::None;
            variable_ = nullptr;
        } else {
            return false;
        }
        return true;
    }

    ForeignVariable* find(std::vector<ForeignVariable>& list, const std::string& name, int line) {
        for (ForeignVariable& v : list)
            if (v.name == name) return &v;
        problems_.add(line, "\"" + name + "\" is not declared in VAR_INPUT / VAR_OUTPUT");
        return nullptr;
    }

    void statement(const std::string& text, int line) {
        if (text.empty()) return;
        if (block_ == Block::Input || block_ == Block::Output) {
            const std::size_t colon = text.find(':');
            ForeignVariable v;
            v.name = std::string(TextLines::Trim(text.substr(0, colon)));
            v.line = line;
            (block_ == Block::Input ? system_.inputs : system_.outputs).push_back(v);
            return;
        }
        if (block_ == Block::RuleBlock) return ruleBlockStatement(text, line);
        if (variable_ != nullptr) return variableStatement(text, line);
        if (block_ == Block::None) problems_.add(line, "statement outside a block");
    }

    // KEY : VALUE or KEY := VALUE
    static std::pair<std::string, std::string> Split(const std::string& text) {
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos) return {TextLines::Lower(TextLines::Trim(text)), {}};
        std::size_t valueStart = colon + 1;
        if (valueStart < text.size() && text[valueStart] == '=') ++valueStart;
        return {TextLines::Lower(TextLines::Trim(text.substr(0, colon))), std::string(TextLines::Trim(text.substr(valueStart)))};
    }

    void variableStatement(const std::string& text, int line) {
        const auto [key, value] = Split(text);
        ForeignVariable& v = *variable_;
        if (key == "range") {
            std::string inner = value;
            for (char& c : inner)
                if (c == '(' || c == ')') c = ' ';
            const std::size_t dots = inner.find("..");
            const auto low = dots == std::string::npos ? std::nullopt : TextLines::Number(inner.substr(0, dots));
            const auto high = dots == std::string::npos ? std::nullopt : TextLines::Number(inner.substr(dots + 2));
            if (!low || !high) {
                problems_.add(line, "RANGE := (LOW .. HIGH) expected");
                return;
            }
            v.ranged = true;
            v.low = *low;
            v.high = *high;
        } else if (key.rfind("term", 0) == 0) {
            term(v, std::string(TextLines::Trim(key.substr(4))), text, value, line);
        } else if (key == "method") {
            v.defuzzifier = {Translated(value), line, {}};
        } else if (key == "accu") {
            v.aggregation = {Translated(value), line, {}};
        } else if (key == "default") {
            // "DEFAULT := 0 | NC": no change, the previous value when no rule fires.
            const std::size_t bar = value.find('|');
            v.defaultValue = TextLines::Number(value.substr(0, bar));
            if (bar != std::string::npos && TextLines::SameIgnoringCase(TextLines::Trim(value.substr(bar + 1)), "NC"))
                v.lockPrevious = {true, line};
        }
    }

    void term(ForeignVariable& v, const std::string& lowerName, const std::string& text, const std::string& value,
              int line) {
        // The name as written (the key was lowered), after the keyword: a name such as "m" is also a letter of
        // "TERM".
        const std::size_t start = TextLines::Lower(text).find(lowerName, 4);
        ForeignTerm term;
        term.name = start == std::string::npos ? lowerName : text.substr(start, lowerName.size());
        term.line = line;
        if (!value.empty() && value.front() == '(') {
            std::string inner = value;
            for (char& c : inner)
                if (c == '(' || c == ')' || c == ',') c = ' ';
            const auto points = TextLines::Numbers(inner);
            if (!points || points->size() % 2 != 0) {
                problems_.add(line, "term \"" + term.name + "\": points (x, y) of finite numbers expected");
                return;
            }
            term.shape = "Discrete";
            term.params = *points;
        } else if (const auto singleton = TextLines::Number(value)) {
            term.shape = "Constant";
            term.params = {*singleton};
        } else {
            const std::vector<std::string> words = TextLines::Words(value);
            std::string rest;
            for (std::size_t i = 1; i < words.size(); ++i) rest += words[i] + " ";
            if (words.empty()) {
                problems_.add(line, "term \"" + term.name + "\": a shape expected");
                return;
            }
            term.shape = ForeignShape::Canonical(words[0]);
            term.params = TextLines::Numbers(rest).value_or(std::vector<double>{});
        }
        if (pendingShape_) {
            term.originShape = pendingShape_->shape;
            term.originParams = pendingShape_->params;
            pendingShape_.reset();
        }
        v.terms.push_back(std::move(term));
    }

    void ruleBlockStatement(const std::string& text, int line) {
        const std::string lower = TextLines::Lower(text);
        if (lower.rfind("rule", 0) == 0) {
            const std::size_t colon = text.find(':');
            if (colon == std::string::npos) {
                problems_.add(line, "RULE n : IF ... THEN ... expected");
                return;
            }
            rules_.emplace_back(text.substr(colon + 1), line);
            return;
        }
        const auto [key, value] = Split(text);
        const ForeignOperator op{Translated(value), line, {}};
        if (key == "and") system_.conjunction = op;
        if (key == "or") system_.disjunction = op;
        if (key == "act") system_.implication = op;
        if (key == "accu")
            for (ForeignVariable& v : system_.outputs) v.aggregation = op;
    }

    ProblemList& problems_;
    ForeignSystem system_;
    Block block_ = Block::None;
    ForeignVariable* variable_ = nullptr;
    int ruleBlocks_ = 0;
    std::string pending_;
    int pendingLine_ = 0;
    std::vector<std::pair<std::string, int>> rules_;
    std::optional<ShapeComment::Shape> pendingShape_;
};

}  // namespace

ForeignSystem FclReader::Read(std::string_view text, ProblemList& problems) { return Reader(problems).read(text); }

}  // namespace zorv
