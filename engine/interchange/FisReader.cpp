#include "interchange/FisReader.h"

#include <cmath>
#include <map>
#include <string>

#include "interchange/ShapeComment.h"
#include "interchange/TextLines.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

// "einstein_product" -> "EinsteinProduct": the spelling of the names this format shares with FLL.
std::string CamelCase(std::string_view name) {
    std::string out;
    bool upper = true;
    for (const char c : name) {
        if (c == '_') {
            upper = true;
            continue;
        }
        out += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        upper = false;
    }
    return out;
}

std::string MethodName(std::string_view name) {
    static const std::map<std::string, std::string, std::less<>> kNames{
        {"min", "Minimum"},          {"max", "Maximum"},           {"prod", "AlgebraicProduct"},
        {"probor", "AlgebraicSum"},  {"sum", "UnboundedSum"},       {"centroid", "Centroid"},
        {"bisector", "Bisector"},    {"mom", "MeanOfMaximum"},     {"lom", "LargestOfMaximum"},
        {"som", "SmallestOfMaximum"}, {"wtaver", "WeightedAverage"}, {"wtsum", "WeightedSum"}};
    const auto it = kNames.find(name);
    return it != kNames.end() ? it->second : CamelCase(name);
}

struct ShapeOrder {
    const char* shape;
    std::vector<int> order;  // FLL parameter i is FIS parameter order[i]; empty: the same order
};

// The shape in the common spelling with its parameters reordered; unknown names are kept as written.
void TranslateShape(const std::string& fis, std::vector<double>& params, std::string& shape) {
    static const std::map<std::string, ShapeOrder, std::less<>> kShapes{
        {"trimf", {"Triangle", {}}},           {"trapmf", {"Trapezoid", {}}},
        {"gaussmf", {"Gaussian", {1, 0}}},      {"gauss2mf", {"GaussianProduct", {1, 0, 3, 2}}},
        {"constant", {"Constant", {}}},         {"linear", {"Linear", {}}},
        {"discretemf", {"Discrete", {}}},       {"smf", {"SShape", {}}},
        {"zmf", {"ZShape", {}}},                {"pimf", {"PiShape", {}}},
        {"gbellmf", {"Bell", {2, 0, 1}}},       {"sigmf", {"Sigmoid", {1, 0}}},
        {"dsigmf", {"SigmoidDifference", {1, 0, 2, 3}}}, {"psigmf", {"SigmoidProduct", {1, 0, 2, 3}}},
        {"rampmf", {"Ramp", {}}},               {"rectmf", {"Rectangle", {}}},
        {"spikemf", {"Spike", {}}},             {"cosinemf", {"Cosine", {}}},
        {"concavemf", {"Concave", {}}},         {"binarymf", {"Binary", {}}}};
    const auto it = kShapes.find(fis);
    if (it == kShapes.end()) {
        shape = fis;
        return;
    }
    shape = it->second.shape;
    const std::vector<int>& order = it->second.order;
    if (order.empty() || params.size() != order.size()) return;
    std::vector<double> reordered;
    for (const int i : order) reordered.push_back(params[static_cast<std::size_t>(i)]);
    params = reordered;
}

// The hedge a fraction of a rule index codes (1.2: "very" term 1), as the other tools write them.
std::string HedgeOf(double fraction) {
    const long code = std::lround(fraction * 100);
    switch (code) {
        case 1: return "seldom";
        case 5: return "somewhat";
        case 20: return "very";
        case 30: return "extremely";
        default: return "coded ." + std::string(code % 10 == 0 ? std::to_string(code / 10) : std::to_string(code));
    }
}

std::string Unquoted(std::string_view value) {
    value = TextLines::Trim(value);
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') value = value.substr(1, value.size() - 2);
    return std::string(value);
}

class Reader {
public:
    explicit Reader(ProblemList& problems) : problems_(problems) {}

    ForeignSystem read(std::string_view text) {
        for (const TextLines::Line& line : TextLines::Split(text)) {
            const std::string_view content = TextLines::Trim(line.text);
            if (const auto shape = ShapeComment::Parse(content, "#")) {
                pendingShape_ = *shape;
                continue;
            }
            if (content.empty() || content.front() == '#' || content.front() == '%') continue;
            if (content.front() == '[') {
                section(content, line.number);
            } else if (section_ == "Rules") {
                rules_.push_back({std::string(content), line.number});
            } else {
                entry(content, line.number);
            }
        }
        for (const auto& [rule, number] : rules_) readRule(rule, number);
        for (ForeignVariable& v : system_.outputs) {
            v.aggregation = aggregation_;
            v.defuzzifier = defuzzifier_;
        }
        return std::move(system_);
    }

private:
    void section(std::string_view content, int line) {
        const std::size_t close = content.find(']');
        section_ = std::string(content.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        variable_ = nullptr;
        const auto numbered = [&](std::string_view prefix, std::vector<ForeignVariable>& list) {
            if (section_.rfind(prefix, 0) != 0) return false;
            const auto index = TextLines::Number(section_.substr(prefix.size()));
            if (!index || *index != static_cast<double>(list.size() + 1)) {
                problems_.add(line, "[" + section_ + "] out of order");
            }
            list.push_back({});
            list.back().line = line;
            variable_ = &list.back();
            return true;
        };
        if (numbered("Input", system_.inputs) || numbered("Output", system_.outputs)) return;
        if (section_ != "System" && section_ != "Rules") problems_.add(line, "unknown section [" + section_ + "]");
    }

    void entry(std::string_view content, int line) {
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) {
            problems_.add(line, "\"Key=value\" expected");
            return;
        }
        const std::string key(TextLines::Trim(content.substr(0, equals)));
        const std::string_view value = TextLines::Trim(content.substr(equals + 1));
        if (section_ == "System") {
            systemEntry(key, value, line);
        } else if (variable_ != nullptr) {
            variableEntry(key, value, line);
        }
    }

    void systemEntry(const std::string& key, std::string_view value, int line) {
        const std::string v = Unquoted(value);
        if (key == "Name") system_.name = v;
        if (key == "Type") {
            system_.typeName = v;
            system_.typeLine = line;
            system_.type = v == "mamdani"  ? ForeignSystem::Type::Mamdani
                           : v == "sugeno" ? ForeignSystem::Type::Sugeno
                                           : ForeignSystem::Type::Other;
        }
        if (key == "AndMethod") system_.conjunction = {MethodName(v), line, {}};
        if (key == "OrMethod") system_.disjunction = {MethodName(v), line, {}};
        if (key == "ImpMethod") system_.implication = {MethodName(v), line, {}};
        if (key == "AggMethod") aggregation_ = {MethodName(v), line, {}};
        if (key == "DefuzzMethod") defuzzifier_ = {MethodName(v), line, {}};
    }

    void variableEntry(const std::string& key, std::string_view value, int line) {
        if (key == "Name") variable_->name = Unquoted(value);
        if (key == "Range") {
            std::string inner(value);
            for (char& c : inner)
                if (c == '[' || c == ']' || c == ',') c = ' ';
            const auto bounds = TextLines::Numbers(inner);
            if (!bounds || bounds->size() != 2) {
                problems_.add(line, "Range: two numbers in brackets expected");
                return;
            }
            variable_->ranged = true;
            variable_->low = (*bounds)[0];
            variable_->high = (*bounds)[1];
        }
        if (key.rfind("MF", 0) == 0) term(value, line);
    }

    // 'NAME':'shape',[p1 p2 ...]
    void term(std::string_view value, int line) {
        const std::size_t colon = value.find(':');
        const std::size_t comma = value.find(',', colon == std::string_view::npos ? 0 : colon);
        const std::size_t open = value.find('[');
        const std::size_t close = value.rfind(']');
        if (colon == std::string_view::npos || comma == std::string_view::npos || open == std::string_view::npos ||
            close == std::string_view::npos || close < open) {
            problems_.add(line, "'NAME':'type',[parameters] expected");
            return;
        }
        ForeignTerm term;
        term.name = Unquoted(value.substr(0, colon));
        term.line = line;
        std::string inner(value.substr(open + 1, close - open - 1));
        for (char& c : inner)
            if (c == ',') c = ' ';
        term.params = TextLines::Numbers(inner).value_or(std::vector<double>{});
        TranslateShape(Unquoted(value.substr(colon + 1, comma - colon - 1)), term.params, term.shape);
        if (pendingShape_) {
            term.originShape = pendingShape_->shape;
            term.originParams = pendingShape_->params;
            pendingShape_.reset();
        }
        variable_->terms.push_back(std::move(term));
    }

    // One index of a rule row: the term (0 none), negated when below 0, with a hedge in its fraction.
    std::optional<ForeignProposition> proposition(double index, int variable, const ForeignVariable& v, int line) {
        ForeignProposition p;
        p.variable = variable;
        p.negated = index < 0;
        const double magnitude = std::fabs(index);
        const double whole = std::floor(magnitude + 1e-9);
        // 0.99 stands for "any" (no condition); another fraction alone (0.5) names no term for its hedge.
        if (whole < 1 && std::fabs(magnitude - 0.99) < 1e-9) {
            p.any = true;
            return p;
        }
        if (whole < 1 || whole > static_cast<double>(v.terms.size())) {
            problems_.add(line, "variable \"" + v.name + "\" has no term " + NumberText::file(index));
            return std::nullopt;
        }
        p.term = static_cast<int>(whole) - 1;
        const double fraction = magnitude - whole;
        if (fraction > 1e-9) p.hedges.push_back(HedgeOf(fraction));
        return p;
    }

    void readRule(const std::string& text, int line) {
        std::string numbers = text;
        for (char& c : numbers)
            if (c == ',' || c == '(' || c == ')' || c == ':') c = ' ';
        const auto values = TextLines::Numbers(numbers);
        const std::size_t nIn = system_.inputs.size();
        const std::size_t nOut = system_.outputs.size();
        if (!values || values->size() != nIn + nOut + 2) {
            problems_.add(line, std::string("a rule row of ") + std::to_string(nIn + nOut + 2) +
                                    " numbers expected (input terms, output terms, weight, connection)");
            return;
        }
        ForeignRule rule;
        rule.line = line;
        rule.weight = (*values)[nIn + nOut];
        const double connection = (*values)[nIn + nOut + 1];
        if (connection != 1 && connection != 2) problems_.add(line, "the connection must be 1 (and) or 2 (or)");
        ForeignExpression joined;
        joined.kind = connection == 2 ? ForeignExpression::Kind::Or : ForeignExpression::Kind::And;
        for (std::size_t k = 0; k < nIn + nOut; ++k) {
            const double index = (*values)[k];
            if (index == 0) continue;
            const bool input = k < nIn;
            const int variable = static_cast<int>(input ? k : k - nIn);
            const ForeignVariable& v = input ? system_.inputs[k] : system_.outputs[k - nIn];
            const auto p = proposition(index, variable, v, line);
            if (!p) return;
            if (input) {
                ForeignExpression e;
                e.proposition = *p;
                joined.operands.push_back(e);
            } else {
                rule.consequents.push_back(*p);
            }
        }
        if (joined.operands.size() == 1) rule.antecedent = joined.operands.front();
        if (joined.operands.size() > 1) rule.antecedent = joined;
        system_.rules.push_back(std::move(rule));
    }

    ProblemList& problems_;
    ForeignSystem system_;
    std::string section_;
    ForeignVariable* variable_ = nullptr;
    ForeignOperator aggregation_;
    ForeignOperator defuzzifier_;
    std::vector<std::pair<std::string, int>> rules_;
    std::optional<ShapeComment::Shape> pendingShape_;
};

}  // namespace

ForeignSystem FisReader::Read(std::string_view text, ProblemList& problems) { return Reader(problems).read(text); }

}  // namespace zorv
